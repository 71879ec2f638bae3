#include "core/conversion_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace ravoxel {
namespace {

std::string Convert(std::string_view text, char axis = 'X') {
    std::string out;
    const auto failure = ConvertText(text, axis, out);
    EXPECT_FALSE(failure) << "line " << failure->line_number;
    return out;
}

TEST(ConvertText, GivesEveryLineACrLfBreak) {
    EXPECT_EQ(Convert(""), "");
    EXPECT_EQ(Convert("G01 X10\r\nX2.5 Z1\r\n"), "G01 X20\r\nX5.0 Z1\r\n");
    EXPECT_EQ(Convert("G01 X10\nX2.5\n"), "G01 X20\r\nX5.0\r\n");
    EXPECT_EQ(Convert("X1\rX2\r\nX3\nX4"), "X2\r\nX4\r\nX6\r\nX8\r\n");
    EXPECT_EQ(Convert("\r\n\n\r"), "\r\n\r\n\r\n");
    EXPECT_EQ(Convert("X1\r\r\n"), "X2\r\n\r\n");
}

TEST(ConvertText, StopsAtTheFirstLineThatIsNoNumber) {
    std::string out;
    const auto failure = ConvertText("X1\nG0 X5\r\nX1-2 Z3\nX4\n", 'X', out);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line_number, 3u);
    EXPECT_EQ(failure->number_text, "1-2 ");
    EXPECT_EQ(failure->message.substr(0, 7), "'1-2 ' ");
    EXPECT_EQ(out, "X2\r\nG0 X10\r\n");
}

} // namespace
} // namespace ravoxel
