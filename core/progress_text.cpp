#include "core/progress_text.h"

namespace ravoxel {

std::string ProgressText(std::size_t line_number) {
    // "行目 :ﾃﾞｰﾀ変換中" in code page 932.
    static constexpr char kSuffix[] = "\x8D\x73\x96\xDA :\xC3\xDE\xB0\xC0\x95\xCF\x8A\xB7\x92\x86";
    std::string text = std::to_string(line_number);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return text + kSuffix;
}

} // namespace ravoxel
