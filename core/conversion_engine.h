#pragma once
// Whole-text conversion in one pass: the same result as repairing and doubling every line of the
// working text in turn and writing each line followed by CR LF.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ravoxel {

struct ConversionFailure {
    std::size_t line_number = 0; // 1-based
    std::string number_text;     // the offending number run, byte for byte
    std::string message;         // ConversionError's message, code page 932
};

// Converts `text` (lines broken by CR LF, LF or a lone CR) with `axis`. On success `out` holds
// every line converted and followed by CR LF, and the result is empty. On a conversion error
// the failure is returned and `out` holds the lines before the failing one.
std::optional<ConversionFailure> ConvertText(std::string_view text, char axis, std::string& out);

} // namespace ravoxel
