#include "core/recent_files.h"

#include <gtest/gtest.h>

namespace ravoxel {
namespace {

TEST(RecentFiles, AddRecentFile) {
    const struct {
        const char* what;
        RecentFileList before;
        std::string_view path;
        RecentFileList after;
    } cases[] = {
        {"first", {}, "D:\\NC\\A01.NC", {"D:\\NC\\A01.NC", "", "", "", ""}},
        {"new into free", {"a", "b", "", "", ""}, "n", {"n", "a", "b", "", ""}},
        {"full drops oldest", {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
        {"third to front", {"a", "b", "c", "d", "e"}, "c", {"c", "a", "b", "d", "e"}},
        {"last to front", {"a", "b", "c", "d", "e"}, "e", {"e", "a", "b", "c", "d"}},
        {"first stays", {"a", "b", "c", "d", "e"}, "a", {"a", "b", "c", "d", "e"}},
        {"free first entry", {"", "b", "", "", ""}, "n", {"n", "b", "", "", ""}},
        {"behind free kept", {"a", "", "c", "", ""}, "n", {"n", "a", "c", "", ""}},
        {"found behind free", {"a", "", "c", "", ""}, "c", {"c", "a", "", "", ""}},
        {"case counts",
         {"D:\\NC\\A01.NC", "", "", "", ""},
         "D:\\NC\\a01.nc",
         {"D:\\NC\\a01.nc", "D:\\NC\\A01.NC", "", "", ""}},
        {"empty path ignored", {"a", "", "", "", ""}, "", {"a", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        RecentFileList list = c.before;
        AddRecentFile(list, c.path);
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(RecentFiles, RefreshShowsFilledEntriesOnly) {
    const RecentMenuRefresh refresh =
        RefreshRecentMenu({"D:\\NC\\A01.NC", "", "E:\\X\\B02.NC", "", ""});
    EXPECT_EQ(refresh.captions[0], "&1 D:\\NC\\A01.NC");
    EXPECT_EQ(refresh.captions[1], std::nullopt);
    EXPECT_EQ(refresh.captions[2], "&3 E:\\X\\B02.NC");
    EXPECT_EQ(refresh.captions[3], std::nullopt);
    EXPECT_TRUE(refresh.show_separator);

    // Entry 1 empty (edited settings file): its item and the separator are left as they are.
    const RecentMenuRefresh second = RefreshRecentMenu({"", "B", "", "", ""});
    EXPECT_EQ(second.captions[0], std::nullopt);
    EXPECT_EQ(second.captions[1], "&2 B");
    EXPECT_FALSE(second.show_separator);
}

} // namespace
} // namespace ravoxel
