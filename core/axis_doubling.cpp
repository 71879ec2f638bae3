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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

ConversionError::ConversionError(std::string number_text)
    : std::runtime_error(NotANumberMessage(number_text)), number_text_(std::move(number_text)) {}

// The number is doubled on its digit text, so every length and count of decimals is exact: a
// number with N decimals doubled still has N decimals, and a bare point is written with one.
bool AppendDoubledNumber(std::string_view run, std::string& out) {
    const char* p = run.data();
    const char* const end = p + run.size();
    while (p != end && *p == ' ') {
        ++p;
    }
    const bool negative = p != end && *p == '-';
    if (negative) {
        ++p;
    }
    const char* int_begin = p;
    while (p != end && IsDigit(*p)) {
        ++p;
    }
    const char* const int_end = p;
    const bool has_point = p != end && *p == '.';
    const char* frac_begin = p;
    if (has_point) {
        frac_begin = ++p;
        while (p != end && IsDigit(*p)) {
            ++p;
        }
    }
    const char* const frac_end = p;
    while (p != end && *p == ' ') {
        ++p;
    }
    if (p != end || (int_begin == int_end && !has_point)) {
        return false;
    }

    while (int_begin != int_end && *int_begin == '0') {
        ++int_begin; // leading zeros are not kept
    }
    bool is_zero = int_begin == int_end;
    for (const char* f = frac_begin; is_zero && f != frac_end; ++f) {
        is_zero = *f == '0';
    }
    const std::size_t int_digits = static_cast<std::size_t>(int_end - int_begin);
    const std::size_t frac_digits = static_cast<std::size_t>(frac_end - frac_begin);
    // Twice a number overflows into a new digit exactly when its first digit is 5 or more.
    const bool grows = int_digits != 0 && *int_begin >= '5';
    const std::size_t int_out = int_digits == 0 ? 1 : int_digits + (grows ? 1 : 0);
    const std::size_t frac_out = has_point ? (frac_digits == 0 ? 1 : frac_digits) : 0;
    const bool sign = negative && !is_zero; // zero carries no sign
    const std::size_t length = (sign ? 1 : 0) + int_out + (has_point ? 1 + frac_out : 0);

    const std::size_t start = out.size();
    out.resize(start + length);
    char* w = out.data() + start + length; // filled from the last digit backwards
    int carry = 0;
    auto put_doubled = [&](char digit) {
        int d = (digit - '0') * 2 + carry;
        carry = d >= 10 ? 1 : 0;
        *--w = static_cast<char>('0' + d - 10 * carry);
    };
    if (has_point) {
        if (frac_digits == 0) {
            *--w = '0';
        }
        for (const char* f = frac_end; f != frac_begin;) {
            put_doubled(*--f);
        }
        *--w = '.';
    }
    if (int_digits == 0) {
        *--w = static_cast<char>('0' + carry);
    } else {
        for (const char* i = int_end; i != int_begin;) {
            put_doubled(*--i);
        }
        if (carry != 0) {
            *--w = '1';
        }
    }
    if (sign) {
        *--w = '-';
    }
    return true;
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
    const std::string_view run = line.substr(word->run_begin, word->run_end - word->run_begin);
    if (!AppendDoubledNumber(run, result)) {
        throw ConversionError(std::string(run));
    }
    result.append(line.substr(word->replace_end));
    return result;
}

} // namespace ravoxel
