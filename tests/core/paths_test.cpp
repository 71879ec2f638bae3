#include "core/paths.h"

#include <gtest/gtest.h>

namespace ravoxel {
namespace {

TEST(Paths, Splits) {
    const struct {
        std::string_view path, with_separator, without_separator, file_name, bare_name;
    } cases[] = {
        {"C:\\NC\\A01.NC", "C:\\NC\\", "C:\\NC", "A01.NC", "A01"},
        {"C:\\A01.NC", "C:\\", "C:\\", "A01.NC", "A01"}, // a drive root keeps its "\"
        {"\\\\srv\\share\\A01.NC", "\\\\srv\\share\\", "\\\\srv\\share", "A01.NC", "A01"},
        {"\\A01.NC", "\\", "\\", "A01.NC", "A01"},
        {"C:A01.NC", "C:", "C:", "A01.NC", "A01"},
        {"A01.NC", "", "", "A01.NC", "A01"},
        {"C:\\NC\\A01.B.NC", "C:\\NC\\", "C:\\NC", "A01.B.NC", "A01.B"},
        {"C:\\NC.OLD\\A01", "C:\\NC.OLD\\", "C:\\NC.OLD", "A01", "A01"},
        {"C:\\NC\\", "C:\\NC\\", "C:\\NC", "", ""},
        // ソ (83 5C) and 表 (95 5C): their second byte is never a separator.
        {"D:\\\x83\x5C.NC", "D:\\", "D:\\", "\x83\x5C.NC", "\x83\x5C"},
        {"D:\\NC\\\x83\x5C", "D:\\NC\\", "D:\\NC", "\x83\x5C", "\x83\x5C"},
        {"D:\\\x95\x5C\\A01.NC", "D:\\\x95\x5C\\", "D:\\\x95\x5C", "A01.NC", "A01"},
        {"C:\\Tools\\Ravoxel.exe", "C:\\Tools\\", "C:\\Tools", "Ravoxel.exe", "Ravoxel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderPartWithSeparator(c.path), c.with_separator);
        EXPECT_EQ(FolderPartWithoutSeparator(c.path), c.without_separator);
        EXPECT_EQ(FileNamePart(c.path), c.file_name);
        EXPECT_EQ(NameWithoutExtension(c.path), c.bare_name);
    }
}

TEST(Paths, SettingsFileBesideTheExecutable) {
    const struct {
        std::string_view executable, settings;
    } cases[] = {
        {"C:\\Tools\\Ravoxel.exe", "C:\\Tools\\Ravoxel.INI"},
        {"C:\\Tools\\Ravoxel", "C:\\Tools\\Ravoxel.INI"},
        {"C:\\Tools.d\\Ravoxel", "C:\\Tools.d\\Ravoxel.INI"},
        {"C:\\Tools\\Ravoxel.", "C:\\Tools\\Ravoxel.INI"},
        {"C:\\a.b\\Ravoxel.v2.exe", "C:\\a.b\\Ravoxel.v2.INI"},
        {"C:\\\x95\x5C\\Ravoxel.exe", "C:\\\x95\x5C\\Ravoxel.INI"},
        // The extension ".ソ" ends in 0x5C, which is not a separator.
        {"C:\\Tools\\Ravoxel.\x83\x5C", "C:\\Tools\\Ravoxel.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFilePath(c.executable), c.settings) << c.executable;
}

TEST(Paths, ComposeOutputPath) {
    const struct {
        std::string_view folder, path;
    } cases[] = {
        {"C:", "C:\\A01.NC1"},
        {"C:\\", "C:\\A01.NC1"},
        {"D:\\NC", "D:\\NC\\A01.NC1"},
        {"D:\\NC\\", "D:\\NC\\A01.NC1"},
        {"\\\\", "\\\\\\A01.NC1"},                 // two bytes always get a "\"
        {"\x95\x5C", "\x95\x5C\\A01.NC1"},         // 表 alone is two bytes too
        {"D:\\\x95\x5C", "D:\\\x95\x5C\\A01.NC1"}, // ends in 表, not in "\"
        {"\\\\srv\\share", "\\\\srv\\share\\A01.NC1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeOutputPath(c.folder, "A01", "NC1"), c.path) << c.folder;
    // Name and extension are taken exactly as typed.
    EXPECT_EQ(ComposeOutputPath("D:\\NC", " A01 ", ".X"), "D:\\NC\\ A01 ..X");
}

} // namespace
} // namespace ravoxel
