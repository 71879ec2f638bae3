#include "core/working_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravoxel {
namespace {

std::vector<std::string> Lines(const WorkingText& text) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < text.LineCount(); ++i) {
        lines.push_back(text.ReadLine(i));
    }
    return lines;
}

using L = std::vector<std::string>;

TEST(WorkingText, CutsLinesAtCrLfLfAndLoneCr) {
    const struct {
        const char* text;
        L lines;
    } kCases[] = {
        {"", {}},
        {"G01", {"G01"}},
        {"G01\r\n", {"G01"}}, // a final break opens no line
        {"G01\r\nX1", {"G01", "X1"}},
        {"G01\nX1\n", {"G01\n", "X1\n"}}, // lone LF lines come with their LF
        {"G01\rX1\r", {"G01", "X1"}},     // a lone CR is read like CR LF
        {"\r\n\r\n", {"", ""}},
        {"\n", {"\n"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a\n", "", "b"}},
        {"a\r\n\nb\r", {"a", "\n", "b"}},
    };
    for (const auto& c : kCases) {
        const WorkingText text(c.text);
        EXPECT_EQ(Lines(text), c.lines) << "text: " << c.text;
        EXPECT_EQ(text.WholeText(), c.text);
    }
}

TEST(WorkingText, WritingKeepsTheBreak) {
    WorkingText text("G01 X10\nX1\rX2");
    text.WriteLine(0, "G01 X10\r"); // ends in CR on a lone LF line: the break becomes CR LF
    EXPECT_EQ(text.WholeText(), "G01 X10\r\nX1\rX2");
    EXPECT_EQ(text.ReadLine(0), "G01 X10");
    text.WriteLine(1, "X2.0");
    text.WriteLine(2, "X4");
    EXPECT_EQ(text.WholeText(), "G01 X10\r\nX2.0\rX4");
    EXPECT_EQ(text.LineCount(), 3u);
}

TEST(WorkingText, WritingIsBytesCutAgain) {
    const struct {
        const char* text;
        std::size_t index;
        const char* written;
        const char* whole;
        L lines;
    } kCases[] = {
        {"a\r\nb\r\n", 0, "x\r\ny", "x\r\ny\r\nb\r\n", {"x", "y", "b"}},
        {"a\r\nb", 1, "", "a\r\n", {"a"}},        // an emptied last line is gone
        {"a\rb\nc", 1, "", "a\r\nc", {"a", "c"}}, // CR and LF meet and join
        {"a\rb\nc", 1, "\nq", "a\r\nq\nc", {"a", "q\n", "c"}},
        {"a\r\nb", 1, "b\r", "a\r\nb\r", {"a", "b"}}, // a final lone CR opens no line
        {"a\r\nb\r\n", 0, "x\r", "x\r\r\nb\r\n", {"x", "", "b"}},
        {"a\r\nb\r\n", 0, "", "\r\nb\r\n", {"", "b"}},
    };
    for (const auto& c : kCases) {
        WorkingText text(c.text);
        text.WriteLine(c.index, c.written);
        EXPECT_EQ(text.WholeText(), c.whole) << "text: " << c.text;
        EXPECT_EQ(Lines(text), c.lines) << "text: " << c.text;
    }
}

TEST(WorkingText, AppendingAddsALineWithCrLf) {
    WorkingText text;
    text.AppendLine("G01");
    text.AppendLine("");
    text.AppendLine("X1");
    EXPECT_EQ(text.WholeText(), "G01\r\n\r\nX1\r\n");
    EXPECT_EQ(text.LineCount(), 3u);

    WorkingText unbroken("a");
    unbroken.AppendLine("b");
    EXPECT_EQ(unbroken.WholeText(), "a\r\nb\r\n");

    WorkingText lone_cr("a\r");
    lone_cr.AppendLine("\nb"); // the LF joins the CR before it
    EXPECT_EQ(lone_cr.WholeText(), "a\r\nb\r\n");
    EXPECT_EQ(Lines(lone_cr), (L{"a", "b"}));
}

TEST(WorkingText, LinesOfAnyLength) {
    const std::string long_line(100000, '7');
    WorkingText text("X1\r\n" + long_line + "\nX2");
    EXPECT_EQ(text.ReadLine(1), long_line + "\n");
    text.WriteLine(1, long_line + long_line + "\r");
    EXPECT_EQ(text.WholeText(), "X1\r\n" + long_line + long_line + "\r\nX2");
}

} // namespace
} // namespace ravoxel
