#include "core/ini_file.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace ravoxel {
namespace {

constexpr std::string_view kMissing = "<default>";

const IniFile& Sample() {
    static const IniFile ini = IniFile::Parse("Orphan=before any section\r\n"
                                              "; settings\r\n"
                                              "[Main]\r\n"
                                              "Left=25\r\n"
                                              "  top  =  7  \r\n"
                                              "DirPath =\tC:\\NC \r\n"
                                              "Spaced=\"  two  \"\r\n"
                                              "Single='x'\r\n"
                                              "Half=\"x\r\n"
                                              "Empty=\r\n"
                                              "NoEquals\r\n"
                                              "Pair=a=b\r\n"
                                              "\x83\x41=katakana a\r\n" // ア
                                              "[ View ]\r\n"
                                              "Hex=0x1F\r\n"
                                              "HexUpper=0X1f\r\n"
                                              "Negative=-5\r\n"
                                              "Plus=+5\r\n"
                                              "Letters=abc\r\n"
                                              "Tail=5abc\r\n"
                                              "TooBig=2147483648\r\n"
                                              "Lowest=-2147483648\r\n"
                                              "HexAllOnes=0xFFFFFFFF\r\n"
                                              "HexTooBig=0x100000000\r\n"
                                              "HexBare=0x\r\n"
                                              "PlusMinus=+-5\r\n"
                                              "Quoted=\"12\"\r\n"
                                              "[\x83\x5D]\r\n" // ゾ: its second byte is "]"
                                              "Key=zo\r\n"
                                              "[Main]\r\n"
                                              "Late=second section of the same name\r\n");
    return ini;
}

TEST(IniFile, ReadString) {
    const struct {
        std::string_view section, key, value;
    } cases[] = {
        {"Main", "Left", "25"},
        {"MAIN", "TOP", "7"}, // names: letter case and blanks around them ignored
        {" main ", "dirpath\t", "C:\\NC"},
        {"Main", "Spaced", "  two  "}, // one pair of matching quotes removed
        {"Main", "Single", "x"},
        {"Main", "Half", "\"x"},
        {"Main", "Empty", ""},
        {"Main", "NoEquals", kMissing},
        {"Main", "Pair", "a=b"},
        {"Main", "\x83\x41", "katakana a"},
        {"Main", "\x83\x61", kMissing}, // ヂ differs from ア only by ASCII case of its 2nd byte
        {"Main", "Late", kMissing},     // only the first [Main] counts
        {"Main", "Orphan", kMissing},
        {"Main", "; settings", kMissing},
        {"\x83\x5D", "Key", "zo"},
        {"Missing", "Left", kMissing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sample().ReadString(c.section, c.key, kMissing), c.value)
            << c.section << "/" << c.key;
}

TEST(IniFile, ReadInteger) {
    const struct {
        std::string_view key;
        int value;
    } cases[] = {
        {"Hex", 31},        {"HexUpper", 31},  {"Negative", -5}, {"Plus", 5},
        {"Letters", -1},    {"Tail", -1},      {"TooBig", -1},   {"Lowest", INT32_MIN},
        {"HexAllOnes", -1}, {"HexTooBig", -1}, {"HexBare", -1},  {"PlusMinus", -1},
        {"Quoted", 12},     {"Missing", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sample().ReadInteger("View", c.key, -1), c.value) << c.key;
    EXPECT_EQ(Sample().ReadInteger("main", "top", -1), 7);
    EXPECT_EQ(Sample().ReadInteger("View", "HexAllOnes", 3), -1); // 32 bits, as the system has
}

TEST(IniFile, ValuesComeBackAtMost2047BytesAndWholeCharacters) {
    const std::string exact(2047, 'a');
    const std::string long_value(3000, 'b');
    const std::string cut_in_character = std::string(2046, 'c') + "\x83\x5C"; // ends in ソ
    IniFile ini;
    ini.WriteString("S", "Exact", exact);
    ini.WriteString("S", "Long", long_value);
    ini.WriteString("S", "Cut", cut_in_character);
    EXPECT_EQ(ini.ReadString("S", "Exact", ""), exact);
    EXPECT_EQ(ini.ReadString("S", "Long", ""), long_value.substr(0, 2047));
    EXPECT_EQ(ini.ReadString("S", "Cut", ""), std::string(2046, 'c'));
    // The file itself keeps the whole value.
    EXPECT_NE(ini.Serialize().find("Long=" + long_value + "\r\n"), std::string::npos);
}

TEST(IniFile, WritesInPlaceAndAppendsAndKeepsOtherLines) {
    IniFile ini = IniFile::Parse("; head\n"
                                 "[main]\r"
                                 "  left = 1\n"
                                 "NoEquals\r\n"
                                 "\r\n"
                                 "; view settings\r\n"
                                 "[View]\r\n"
                                 "Top=2"); // no final line break
    ini.WriteInteger("Main", "Left", -120);
    ini.WriteString("Main", "New", "\x95\x5C"); // after the section's last key line
    ini.WriteString("View", "Top", "");
    ini.WriteString("Other", "Key", "v");
    EXPECT_EQ(ini.Serialize(), "; head\r\n"
                               "[main]\r\n"
                               "left=-120\r\n"
                               "New=\x95\x5C\r\n"
                               "NoEquals\r\n"
                               "\r\n"
                               "; view settings\r\n"
                               "[View]\r\n"
                               "Top=\r\n"
                               "[Other]\r\n"
                               "Key=v\r\n");
}

TEST(IniFile, KeyWithoutEqualsIsNotRewritten) {
    IniFile ini = IniFile::Parse("[Main]\r\nMask\r\n");
    ini.WriteString("Main", "Mask", "NC1");
    EXPECT_EQ(ini.Serialize(), "[Main]\r\nMask=NC1\r\nMask\r\n");
    EXPECT_EQ(ini.ReadString("Main", "Mask", ""), "NC1");
}

TEST(IniFile, EveryValueReadsBackAsWritten) {
    const std::string_view values[] = {
        "",
        "C:\\",
        "a=b",
        " lead",
        "trail ",
        "\"q\"",
        "'q'",
        "\"",
        "\"\"",
        "'a\"",
        "\"a\" ",
        "\xD5\xB0\xBB\xDE"
        "1",                         // ﾕｰｻﾞ1
        "D:\\\x95\x5C\\\x83\x5C.NC", // D:\表\ソ.NC
    };
    for (std::string_view value : values) {
        IniFile ini;
        ini.WriteString("S", "K", value);
        EXPECT_EQ(IniFile::Parse(ini.Serialize()).ReadString("S", "K", "x"), value) << value;
    }
}

TEST(IniFile, PlainValuesAreStoredAsTheyAre) {
    IniFile ini;
    ini.WriteString("S", "K", "C:\\My NC\\a b.nc");
    EXPECT_EQ(ini.Serialize(), "[S]\r\nK=C:\\My NC\\a b.nc\r\n");
}

TEST(IniFile, ValueNeverAddsLines) {
    IniFile ini;
    ini.WriteString("S", "K", "a\r\n[T]\r\nX=1");
    EXPECT_EQ(ini.Serialize(), "[S]\r\nK=a\r\n");
    EXPECT_EQ(IniFile().Serialize(), "");
}

} // namespace
} // namespace ravoxel
