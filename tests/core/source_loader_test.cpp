#include "core/source_loader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace ravoxel {
namespace {

using namespace std::string_literals;

TEST(TakeUpToFirstNul, CutsAtTheFirstNulAndSaysWhere) {
    const WholeFileText whole = TakeUpToFirstNul("G01\r\nX1\r\n");
    EXPECT_EQ(whole.text, "G01\r\nX1\r\n");
    EXPECT_FALSE(whole.nul_offset);

    const std::string cut_bytes = "G01\r\nX1\0X2\0"s;
    const WholeFileText cut = TakeUpToFirstNul(cut_bytes);
    EXPECT_EQ(cut.text, "G01\r\nX1");
    EXPECT_EQ(cut.nul_offset, 7u);

    const std::string utf16 = "\xFF\xFE"
                              "G\0"
                              "0\0"s; // byte-order mark, then "G0"
    EXPECT_EQ(TakeUpToFirstNul(utf16).text, "\xFF\xFEG");
    EXPECT_EQ(TakeUpToFirstNul("\0G01"s).text, "");
    EXPECT_EQ(TakeUpToFirstNul("\0G01"s).nul_offset, 0u);
    EXPECT_EQ(TakeUpToFirstNul("").text, "");
}

TEST(ReadLineByLine, DropsTheNulLineAndEmptyLines) {
    // First line a NUL and some text, then two text lines and an empty one.
    for (const std::string& file : {"\0junk\r\nG01 X1\r\nG01 X2\r\n\r\n"s,
                                    "\0junk\nG01 X1\nG01 X2\n\n"s, "\0junk\r\nG01 X1\r\nG01 X2"s}) {
        EXPECT_EQ(ReadLineByLine(file).WholeText(), "G01 X1\r\nG01 X2\r\n");
    }
    EXPECT_EQ(ReadLineByLine("").LineCount(), 0u);
    EXPECT_EQ(ReadLineByLine("\0"s).LineCount(), 0u);
    EXPECT_EQ(ReadLineByLine("ab\0cd\nef\0\ngh"s).WholeText(), "ab\r\nef\r\ngh\r\n");
}

TEST(ReadLineByLine, SplitsLongLinesInto499BytePieces) {
    const std::string a(499, 'a'), b(499, 'b'), c(202, 'c'), d(498, 'd');
    EXPECT_EQ(ReadLineByLine(a + b + c + "\r\n").WholeText(), a + "\r\n" + b + "\r\n" + c + "\r\n");
    // A break that falls after a full piece comes as an empty piece, which is dropped.
    EXPECT_EQ(ReadLineByLine(a + "\r\nX1\r\n").WholeText(), a + "\r\nX1\r\n");
    // CR LF counts as one byte, as text-mode reading delivers it.
    EXPECT_EQ(ReadLineByLine(d + "\r\nX1").WholeText(), d + "\r\nX1\r\n");
    EXPECT_EQ(ReadLineByLine(d + "e\r\nX1").WholeText(), d + "e\r\nX1\r\n");
}

TEST(ReadLineByLine, KeepsLoneCrAsABreakOfTheWorkingText) {
    const WorkingText text = ReadLineByLine("a\rb\nc\r\r\n");
    EXPECT_EQ(text.WholeText(), "a\rb\r\nc\r\r\n");
    EXPECT_EQ(text.LineCount(), 4u);
}

TEST(ReadFileBytes, ReadsEveryByte) {
    const auto dir = std::filesystem::temp_directory_path() / "ravoxel_source_loader_test";
    std::filesystem::create_directories(dir);
    const std::string bytes = "G01 X1\r\n\0\x1A\xFF\r"s;
    const auto path = dir / "a.nc";
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(ReadFileBytes(path.string()), bytes);
    EXPECT_FALSE(ReadFileBytes((dir / "missing.nc").string()));
    EXPECT_FALSE(ReadFileBytes(dir.string()));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ravoxel
