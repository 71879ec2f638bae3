#pragma once
// The status-bar text of a conversion run, and its log line for a failing line.
#include <cstddef>
#include <string>

namespace ravoxel {

// "<line, at least four digits>行目 :ﾃﾞｰﾀ変換中" in code page 932: 7 -> "0007行目 :ﾃﾞｰﾀ変換中".
std::string ProgressText(std::size_t line_number);

// The log line of a run that a conversion error ended, numbered the same way:
// 12 -> "0012行目 :変換ｴﾗｰ".
std::string ConversionErrorLogLine(std::size_t line_number);

} // namespace ravoxel
