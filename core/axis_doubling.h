#pragma once
// The per-line rule of the tool: double the number after the first axis letter of a line.
#include <stdexcept>
#include <string>
#include <string_view>

namespace ravoxel {

// A number run after the axis letter that is not a number. what() is the user-facing message,
// code-page-932 bytes: "'<run>' は浮動小数点数ではありません" with the run byte for byte.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string number_text);
    const std::string& number_text() const noexcept { return number_text_; }

private:
    std::string number_text_;
};

// The axis byte as typed into the axis field, upper-cased by ASCII rules: only a to z change,
// so a lower-case letter in a line never matches it.
char AxisLetter(char typed);

// Returns the line with a final LF replaced by CR; any other line unchanged.
std::string RepairLfEnding(std::string_view line);

// Returns the line with the number after the first `axis` byte doubled, or the line unchanged
// when the rule does not apply. Throws ConversionError when the number run is not a number.
std::string DoubleAxisValue(std::string_view line, char axis);

} // namespace ravoxel
