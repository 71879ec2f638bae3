#pragma once
// The status-bar text of a conversion run.
#include <cstddef>
#include <string>

namespace ravoxel {

// "<line, at least four digits>行目 :ﾃﾞｰﾀ変換中" in code page 932: 7 -> "0007行目 :ﾃﾞｰﾀ変換中".
std::string ProgressText(std::size_t line_number);

} // namespace ravoxel
