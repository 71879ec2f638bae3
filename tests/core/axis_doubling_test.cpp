#include "core/axis_doubling.h"

#include <gtest/gtest.h>

#include <string>

namespace ravoxel {
namespace {

struct Rewrite {
    const char* line;
    const char* result;
};

// The rule's table, axis X.
const Rewrite kRewrites[] = {
    {"G01X10.Z-5.F0.2", "G01X20.0Z-5.F0.2"}, // bare point: one decimal; only X changes
    {"G01 X10 Z-5", "G01 X20 Z-5"},          // no point; the blank after the number stays
    {"G01 X10.5 Z-5", "G01 X21.0 Z-5"},
    {"X10  Y5", "X20 Y5"}, // of two blanks after the number, one is replaced
    {"X10   ", "X20 "},
    {"X-10", "X-20"},
    {"X1.25", "X2.50"},
    {"X0.001", "X0.002"},
    {"X1.23456", "X2.46912"},
    {"X.5", "X1.0"},
    {"X-.5", "X-1.0"},
    {"X5.", "X10.0"},
    {"X.", "X0.0"},
    {"X-.", "X0.0"},
    {"X-0", "X0"},
    {"X-0.0", "X0.0"},
    {"X00.50", "X1.00"},
    {"X 10", "X20"},
    {"X12.3Z4", "X24.6Z4"},
    {"X10X20", "X20X20"},
    {"G01 Z5 X10", "G01 Z5 X20"},
    {"(X)X10", "(X)X10"}, // only the first X is looked at
    {"XY10", "XY10"},
    {"X", "X"},
    {"X-", "X-"},
    {"X-Y5", "X-Y5"},
    {"X+5", "X+5"},
    {"x10", "x10"},
    {"(MAX 500)", "(MAX1000)"},
    {"(\x83X)X10", "(\x83X)X10"}, // the second byte of the double-byte character is X
    {"", ""},
    {"G01 Z-2.5", "G01 Z-2.5"},
    // Six and more decimals keep their count; any length is doubled exactly.
    {"X1.234567", "X2.469134"},
    {"X-0.0000005", "X-0.0000010"},
    {"X99999999999999999999.99999999999999999999", "X199999999999999999999.99999999999999999998"},
    {"X123456789012345678901234567890", "X246913578024691357802469135780"},
    {"X0.5", "X1.0"},
    {"X4.95", "X9.90"},
    {"X5", "X10"},
    {"X-0.00000000", "X0.00000000"},
    {" X 007. Y", " X14.0 Y"},
    {"X\t5", "X\t5"}, // a tab ends the run
};

TEST(DoubleAxisValue, RewritesTheFirstAxisWord) {
    for (const Rewrite& r : kRewrites) {
        EXPECT_EQ(DoubleAxisValue(r.line, 'X'), r.result) << "line: " << r.line;
    }
    EXPECT_EQ(DoubleAxisValue("G01 Z-2.5", 'Z'), "G01 Z-5.0");
}

TEST(DoubleAxisValue, RejectsRunsThatAreNoNumber) {
    const Rewrite kErrors[] = {
        {"(X AXIS)", " "},   {"X1 0", "1 0"}, {"X1-2", "1-2"},         {"X--5", "--5"},
        {"X1.2.3", "1.2.3"}, {"X- Y", "- "},  {"X  1  2 ", "  1  2 "}, {"X.-", ".-"},
    };
    for (const Rewrite& r : kErrors) {
        try {
            DoubleAxisValue(r.line, 'X');
            ADD_FAILURE() << "no error for " << r.line;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.number_text(), r.result);
        }
    }
}

TEST(DoubleAxisValue, ErrorMessageIsTheRuntimeTextInCodePage932) {
    try {
        DoubleAxisValue("G01X1.2.3Z5", 'X');
        FAIL();
    } catch (const ConversionError& e) {
        // "'1.2.3' は浮動小数点数ではありません"
        EXPECT_STREQ(e.what(), "'1.2.3' \x82\xCD\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93\x5F\x90\x94"
                               "\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1");
    }
}

TEST(AxisLetter, UpperCasesOnlyAsciiLetters) {
    EXPECT_EQ(AxisLetter('x'), 'X');
    EXPECT_EQ(AxisLetter('X'), 'X');
    EXPECT_EQ(AxisLetter('z'), 'Z');
    EXPECT_EQ(AxisLetter('1'), '1');
    EXPECT_EQ(AxisLetter('\x83'), '\x83'); // a lead byte stays as it is
}

TEST(RepairLfEnding, ReplacesOnlyAFinalLineFeed) {
    EXPECT_EQ(RepairLfEnding("G01 X10\n"), "G01 X10\r");
    EXPECT_EQ(RepairLfEnding("\n"), "\r");
    EXPECT_EQ(RepairLfEnding(""), "");
    EXPECT_EQ(RepairLfEnding("G01\nX10"), "G01\nX10");
    EXPECT_EQ(RepairLfEnding("G01 X10\r"), "G01 X10\r");
    // The repaired line, written back and read again without its break, is then doubled.
    EXPECT_EQ(DoubleAxisValue("G01 X10", 'X'), "G01 X20");
}

} // namespace
} // namespace ravoxel
