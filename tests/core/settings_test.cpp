#include "core/settings.h"

#include <gtest/gtest.h>

namespace ravoxel {
namespace {

TEST(Settings, FirstStartDefaults) {
    const Settings s = ReadSettings(IniFile());
    EXPECT_EQ(s.Left, 10);
    EXPECT_EQ(s.Top, 10);
    EXPECT_EQ(s.DirPath, "C:\\");
    EXPECT_EQ(s.ChgPath, "C:\\");
    EXPECT_EQ(s.Mask, "NC1");
    EXPECT_EQ(s.ViewLeft, 10);
    EXPECT_EQ(s.ViewTop, 10);
    EXPECT_EQ(s.ViewWidth, 500);
    EXPECT_EQ(s.ViewHeight, 500);
    EXPECT_EQ(s.ViewFontSize, 10);
    EXPECT_EQ(s.ChgPathFlg, "N");
    EXPECT_EQ(s.MaskNo, 1);
    EXPECT_EQ(s.User1Name, "\xD5\xB0\xBB\xDE"
                           "1"); // ﾕｰｻﾞ1
    EXPECT_EQ(s.User1Mask, "*.*");
    EXPECT_EQ(s.User2Name, "\xD5\xB0\xBB\xDE"
                           "2");
    EXPECT_EQ(s.User2Mask, "*.*");
    EXPECT_EQ(s.RecentFiles, (std::array<std::string, 5>{}));
}

TEST(Settings, FileWrittenFromScratchHasTheFixedOrder) {
    IniFile ini;
    Settings s;
    s.Left = 11;
    s.Top = 22;
    s.RecentFiles[0] = "D:\\NC\\A01.NC";
    WriteSettings(ini, s);
    EXPECT_EQ(ini.Serialize(), "[Main]\r\n"
                               "Top=22\r\n"
                               "Left=11\r\n"
                               "DirPath=C:\\\r\n"
                               "ChgPath=C:\\\r\n"
                               "Mask=NC1\r\n"
                               "[View]\r\n"
                               "Left=10\r\n"
                               "Top=10\r\n"
                               "Width=500\r\n"
                               "Height=500\r\n"
                               "FontSize=10\r\n"
                               "[Options]\r\n"
                               "ChgPath_Flg=N\r\n"
                               "[Setting]\r\n"
                               "Mask_No=1\r\n"
                               "User1_Name=\xD5\xB0\xBB\xDE"
                               "1\r\n"
                               "User1_Mask=*.*\r\n"
                               "User2_Name=\xD5\xB0\xBB\xDE"
                               "2\r\n"
                               "User2_Mask=*.*\r\n"
                               "[Recent File List]\r\n"
                               "File1=D:\\NC\\A01.NC\r\n"
                               "File2=\r\n"
                               "File3=\r\n"
                               "File4=\r\n"
                               "File5=\r\n");
}

TEST(Settings, HandEditedFileIsReadAsItStandsAndUpdatedInPlace) {
    IniFile ini = IniFile::Parse("[main]\r\n"
                                 "left=abc\r\n"
                                 "dirpath=D:\\NC\r\n"
                                 "; kept\r\n"
                                 "[View]\r\n"
                                 "FontSize=0x0C\r\n"
                                 "[Options]\r\n"
                                 "ChgPath_Flg=y\r\n"
                                 "[Main]\r\n"
                                 "Mask=TAP\r\n"
                                 "[Recent File List]\r\n"
                                 "File1=\r\n"
                                 "File2=D:\\NC\\B02.NC\r\n");
    Settings s = ReadSettings(ini);
    EXPECT_EQ(s.Left, 10); // not an integer: the default
    EXPECT_EQ(s.DirPath, "D:\\NC");
    EXPECT_EQ(s.ViewFontSize, 12);
    EXPECT_EQ(s.ChgPathFlg, "y"); // taken unchanged
    EXPECT_EQ(s.Mask, "NC1");     // a second [Main] is never read
    EXPECT_EQ(s.RecentFiles, (std::array<std::string, 5>{"", "D:\\NC\\B02.NC", "", "", ""}));

    s.Left = 300;
    s.DirPath = "E:\\X";
    WriteSettings(ini, s);
    const std::string text = ini.Serialize();
    EXPECT_EQ(text.substr(0, text.find("[View]")), "[main]\r\n"
                                                   "left=300\r\n"
                                                   "dirpath=E:\\X\r\n"
                                                   "Top=10\r\n"
                                                   "ChgPath=C:\\\r\n"
                                                   "Mask=NC1\r\n"
                                                   "; kept\r\n");
    EXPECT_NE(text.find("[View]\r\nFontSize=12\r\nLeft=10\r\n"), std::string::npos);
    EXPECT_NE(text.find("ChgPath_Flg=y\r\n"), std::string::npos);
    EXPECT_NE(text.find("File1=\r\nFile2=D:\\NC\\B02.NC\r\nFile3=\r\n"), std::string::npos);
    EXPECT_EQ(ReadSettings(IniFile::Parse(text)), s);
}

TEST(Settings, EveryValueRoundTrips) {
    const Settings s{
        .Left = -1200, // a monitor left of the primary one
        .Top = 0,
        .DirPath = "D:\\\x95\x5C",                              // D:\表
        .ChgPath = "\\\\srv\\share\\" + std::string(2035, 'd'), // 2047 bytes in all
        .Mask = "TAP",
        .ViewLeft = 1,
        .ViewTop = 2,
        .ViewWidth = 3,
        .ViewHeight = 4,
        .ViewFontSize = 16,
        .ChgPathFlg = "Y",
        .MaskNo = 6,
        .User1Name = "Fanuc",
        .User1Mask = "*.nc",
        .User2Name = " ",
        .User2Mask = "*.\x83\x5C",
        .RecentFiles = {"a", "", "c", "", "e"},
    };
    ASSERT_EQ(s.ChgPath.size(), 2047u);
    IniFile ini;
    WriteSettings(ini, s);
    EXPECT_EQ(ReadSettings(IniFile::Parse(ini.Serialize())), s);
}

} // namespace
} // namespace ravoxel
