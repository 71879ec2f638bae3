#include "core/axis_doubling.h"

#include "core/axis_word.h"

namespace ravoxel {

namespace {

// " は浮動小数点数ではありません" in code page 932 (the runtime's message for a text that is no
// floating-point number); written as bytes so that the core needs no execution character set.
constexpr std::string_view kNotANumberTail = "' \x82\xCD\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93\x5F"
                                             "\x90\x94\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC"
                                             "\x82\xB9\x82\xF1";

std::string NotANumberMessage(const std::string& number_text) {
    std::string message;
    message.reserve(1 + number_text.size() + kNotANumberTail.size());
    message += '\'';
    message += number_text;
    message += kNotANumberTail;
    return message;
}

} // namespace

ConversionError::ConversionError(std::string number_text)
    : std::runtime_error(NotANumberMessage(number_text)), number_text_(std::move(number_text)) {}

char AxisLetter(char typed) {
    return (typed >= 'a' && typed <= 'z') ? static_cast<char>(typed - 'a' + 'A') : typed;
}

std::string RepairLfEnding(std::string_view line) {
    std::string result(line);
    if (!result.empty() && result.back() == '\n') {
        result.back() = '\r';
    }
    return result;
}

std::string DoubleAxisValue(std::string_view line, char axis) {
    const std::optional<AxisWord> word = FindAxisWord(line, axis);
    if (!word) {
        return std::string(line);
    }
    std::string result;
    result.reserve(line.size() + 2);
    result.append(line.substr(0, word->run_begin));
    if (!AppendDoubledNumber(*word, result)) {
        throw ConversionError(
            std::string(line.substr(word->run_begin, word->run_end - word->run_begin)));
    }
    result.append(line.substr(word->replace_end));
    return result;
}

} // namespace ravoxel
