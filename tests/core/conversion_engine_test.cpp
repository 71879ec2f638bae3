#include "core/conversion_engine.h"

#include "core/source_loader.h"
#include "tests/core/line_by_line_conversion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace ravoxel {
namespace {

std::string Convert(std::string_view text, char axis = 'X') {
    std::string out;
    const auto failure = ConvertText(text, axis, out);
    EXPECT_FALSE(failure) << "line " << failure->line_number;
    return out;
}

// The engine against the line-by-line conversion: same output, same failure.
void ExpectSameAsLineByLine(std::string_view text, char axis) {
    // The output string starts with stale bytes, as one reused from an earlier conversion does.
    std::string engine_out(text.size() / 2 + 300, '#'), lines_out;
    const auto engine = ConvertText(text, axis, engine_out);
    const auto lines = testing::ConvertLineByLine(text, axis, lines_out);
    ASSERT_EQ(engine_out, lines_out) << "axis " << axis;
    ASSERT_EQ(engine.has_value(), lines.has_value()) << "axis " << axis;
    if (engine) {
        EXPECT_EQ(engine->line_number, lines->line_number);
        EXPECT_EQ(engine->number_text, lines->number_text);
        EXPECT_EQ(engine->message, lines->message);
    }
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

TEST(ConvertText, AgreesWithTheLineByLineRunOnTheCorpus) {
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RAVOXEL_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "README.md" || name == "SOURCES.tsv") {
            continue;
        }
        SCOPED_TRACE(name);
        const std::optional<std::string> bytes = ReadFileBytes(entry.path().string());
        ASSERT_TRUE(bytes);
        ExpectSameAsLineByLine(*bytes, 'X');
        ExpectSameAsLineByLine(*bytes, 'Z');
        ++files;
    }
    EXPECT_GE(files, 20u);
}

TEST(ConvertText, NamesTheLineAndNumberTextOfTheCorpusFailures) {
    const struct {
        const char* name;
        std::size_t line_number;
    } kFailures[] = {{"linuxcnc_axis-lathe.ngc", 10}, {"linuxcnc_gmoccapy_lathe_turning.ngc", 33}};
    for (const auto& f : kFailures) {
        const auto bytes = ReadFileBytes(std::string(RAVOXEL_CORPUS_DIR) + "/" + f.name);
        ASSERT_TRUE(bytes) << f.name;
        std::string out;
        const auto failure = ConvertText(*bytes, 'X', out);
        ASSERT_TRUE(failure) << f.name;
        EXPECT_EQ(failure->line_number, f.line_number) << f.name;
        EXPECT_EQ(failure->number_text, " ") << f.name; // "X [" and "X #": a lone blank
    }
}

// Texts made mostly of the bytes the rule and the line cutting care about.
std::string RandomText(std::mt19937& random) {
    static const std::string kBytes = "XXXZx0123456789....----     \r\r\n\n\n+(;\t\x83";
    std::uniform_int_distribution<std::size_t> length(0, 120), pick(0, kBytes.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text) {
        c = kBytes[pick(random)];
    }
    return text;
}

TEST(ConvertText, AgreesWithTheLineByLineRunOnRandomTexts) {
    std::mt19937 random(20240601);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = RandomText(random);
        SCOPED_TRACE(::testing::PrintToString(text));
        ExpectSameAsLineByLine(text, 'X');
        ExpectSameAsLineByLine(text, ' ');
        ExpectSameAsLineByLine(text, '-');
    }
}

} // namespace
} // namespace ravoxel
