#include "core/cp932.h"

#include <gtest/gtest.h>

namespace ravoxel::cp932 {
namespace {

constexpr auto npos = std::string_view::npos;

TEST(Cp932, LeadByteRanges) {
    for (int byte : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(byte))) << byte;
    // 0xA1-0xDF are half-width katakana, single bytes.
    for (int byte : {0x00, 0x5C, 0x80, 0xA0, 0xB1, 0xDF, 0xFD, 0xFF})
        EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(byte))) << byte;
}

TEST(Cp932, LastCharStartCountsADoubleByteCharacterAsOne) {
    const struct {
        std::string_view text;
        std::size_t start;
    } cases[] = {
        {"", 0},
        {"A", 0},
        {"AB", 1},
        {"A\x83\x5C", 1},        // Aソ
        {"\x83\x5C\\", 2},       // ソ and "\"
        {"\x95\x5C\x83\x5C", 2}, // 表ソ
        {"\xB1\x5C", 1},         // ｱ\ : half-width katakana is one byte
        {"A\x83", 1},            // a lead byte cut off at the end stands alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(LastCharStart(c.text), c.start) << c.text;
}

TEST(Cp932, FindSkipsSecondBytes) {
    EXPECT_EQ(FindLastOf("C:\\\x83\x5C", "\\"), 2u);
    EXPECT_EQ(FindLastOf("\x83\x5C\x95\x5C", "\\:"), npos);
    EXPECT_EQ(FindFirstOf("[\x83\x5D]", "]"), 3u); // ゾ ends in 0x5D
    EXPECT_EQ(FindFirstOf("\x83\x5D", "]"), npos);
}

TEST(Cp932, WholeCharsWithinNeverCutsACharacter) {
    EXPECT_EQ(WholeCharsWithin("A\x83\x5C"
                               "B",
                               2),
              1u);
    EXPECT_EQ(WholeCharsWithin("A\x83\x5C"
                               "B",
                               3),
              3u);
    EXPECT_EQ(WholeCharsWithin("AB", 5), 2u);
    EXPECT_EQ(WholeCharsWithin("ABC", 0), 0u);
}

} // namespace
} // namespace ravoxel::cp932
