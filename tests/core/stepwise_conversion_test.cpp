#include "core/stepwise_conversion.h"

#include "core/source_loader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ravoxel {
namespace {

TEST(StepwiseConversion, ShowsConvertedLinesThenTheRestAsLoaded) {
    StepwiseConversion run("G01 X10\nX2.5\rG00 Z1", 'X');
    EXPECT_EQ(run.LineCount(), 3u);
    EXPECT_EQ(run.WholeText(), "G01 X10\nX2.5\rG00 Z1");
    ASSERT_FALSE(run.ConvertNextLine());
    EXPECT_EQ(run.LinesDone(), 1u);
    EXPECT_EQ(run.Converted(), "G01 X20\r\n");
    EXPECT_EQ(run.Rest(), "X2.5\rG00 Z1");
    EXPECT_EQ(run.NextLineLength(), 4u);
    ASSERT_FALSE(run.ConvertNextLine());
    ASSERT_FALSE(run.ConvertNextLine());
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(run.WholeText(), "G01 X20\r\nX5.0\r\nG00 Z1\r\n");
    EXPECT_FALSE(run.ConvertNextLine()); // nothing left to do
    EXPECT_EQ(run.LinesDone(), 3u);
}

TEST(StepwiseConversion, AFailingLineStaysAsLoaded) {
    StepwiseConversion run("X1\r\nG0 X1.2.3 Z5\nX4\n", 'X');
    ASSERT_FALSE(run.ConvertNextLine());
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto failure = run.ConvertNextLine();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->line_number, 2u);
        EXPECT_EQ(failure->number_text, "1.2.3 ");
        EXPECT_EQ(run.LinesDone(), 1u);
        EXPECT_EQ(run.WholeText(), "X2\r\nG0 X1.2.3 Z5\nX4\n");
        EXPECT_EQ(run.Rest().substr(0, run.NextLineLength()), "G0 X1.2.3 Z5");
    }
}

TEST(StepwiseConversion, RunToTheEndGivesTheEngineBytes) {
    std::mt19937 random(7);
    const std::string bytes = "XXZ09.- \r\n+\x83";
    std::uniform_int_distribution<std::size_t> length(0, 200), pick(0, bytes.size() - 1);
    for (int i = 0; i < 2000; ++i) {
        std::string text(length(random), ' ');
        for (char& c : text) {
            c = bytes[pick(random)];
        }
        std::string engine_out;
        const auto engine = ConvertText(text, 'X', engine_out);
        StepwiseConversion run(text, 'X');
        std::optional<ConversionFailure> failure;
        while (!run.Finished() && !(failure = run.ConvertNextLine())) {
        }
        ASSERT_EQ(failure.has_value(), engine.has_value()) << text;
        EXPECT_EQ(run.Converted(), engine_out) << text;
        if (failure) {
            EXPECT_EQ(failure->line_number, engine->line_number);
            EXPECT_EQ(failure->message, engine->message);
        } else {
            EXPECT_EQ(run.WholeText(), engine_out) << text;
        }
    }
}

TEST(StepwiseConversion, AgreesWithTheEngineOnALargeProgram) {
    const auto bytes = ReadFileBytes(std::string(RAVOXEL_CORPUS_DIR) + "/linuxcnc_stellabee1.ngc");
    ASSERT_TRUE(bytes);
    std::string engine_out;
    ASSERT_FALSE(ConvertText(*bytes, 'Z', engine_out));
    StepwiseConversion run(*bytes, 'Z');
    while (!run.Finished()) {
        ASSERT_FALSE(run.ConvertNextLine());
    }
    EXPECT_EQ(run.Converted(), engine_out);
}

} // namespace
} // namespace ravoxel
