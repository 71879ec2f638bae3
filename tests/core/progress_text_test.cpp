#include "core/progress_text.h"

#include <gtest/gtest.h>

namespace ravoxel {
namespace {

TEST(ProgressText, AtLeastFourDigitsThenTheText) {
    const std::string suffix = "\x8D\x73\x96\xDA :\xC3\xDE\xB0\xC0\x95\xCF\x8A\xB7\x92\x86";
    EXPECT_EQ(ProgressText(1), "0001" + suffix);
    EXPECT_EQ(ProgressText(7), "0007" + suffix);
    EXPECT_EQ(ProgressText(9999), "9999" + suffix);
    EXPECT_EQ(ProgressText(10000), "10000" + suffix);
    EXPECT_EQ(ProgressText(1234567), "1234567" + suffix);
}

TEST(ConversionErrorLogLine, NumberedLikeTheProgressText) {
    const std::string suffix = "\x8D\x73\x96\xDA :\x95\xCF\x8A\xB7\xB4\xD7\xB0"; // 行目 :変換ｴﾗｰ
    EXPECT_EQ(ConversionErrorLogLine(12), "0012" + suffix);
    EXPECT_EQ(ConversionErrorLogLine(10000), "10000" + suffix);
}

} // namespace
} // namespace ravoxel
