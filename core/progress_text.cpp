#include "core/progress_text.h"

namespace ravoxel {

namespace {

// The line number with at least four digits, leading zeros filling up.
std::string LineNumber(std::size_t line_number) {
    std::string text = std::to_string(line_number);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return text;
}

} // namespace

std::string ProgressText(std::size_t line_number) {
    // "行目 :ﾃﾞｰﾀ変換中" in code page 932.
    static constexpr char kSuffix[] = "\x8D\x73\x96\xDA :\xC3\xDE\xB0\xC0\x95\xCF\x8A\xB7\x92\x86";
    return LineNumber(line_number) + kSuffix;
}

std::string ConversionErrorLogLine(std::size_t line_number) {
    // "行目 :変換ｴﾗｰ" in code page 932.
    static constexpr char kSuffix[] = "\x8D\x73\x96\xDA :\x95\xCF\x8A\xB7\xB4\xD7\xB0";
    return LineNumber(line_number) + kSuffix;
}

} // namespace ravoxel
