#pragma once
// The doubling rule's pieces that DoubleAxisValue, the whole-text engine and the stepwise run
// share: finding the axis word of a line, reading its number run and writing the doubled number.
// Kept inline: the engine calls them once a line.
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace ravoxel {

namespace detail {
// Digits, full stop, hyphen-minus and blank make up a number run; every other byte ends it.
constexpr std::array<bool, 256> MakeNumberCharTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view("0123456789.- ")) {
        table[c] = true;
    }
    return table;
}
inline constexpr std::array<bool, 256> kNumberChars = MakeNumberCharTable();
} // namespace detail

inline bool IsNumberChar(char c) {
    return detail::kNumberChars[static_cast<unsigned char>(c)];
}
inline bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// A number run read by the number grammar: blanks, an optional "-", digits, optionally a point
// and digits, blanks, with at least one digit or the point.
struct NumberRun {
    const char* end = nullptr; // one past the run: the first byte that is no number character
    bool is_number = false;
    bool sign = false;               // a "-" to write: negative and not zero
    const char* int_begin = nullptr; // the integer digits without their leading zeros
    const char* int_end = nullptr;
    bool has_point = false;
    const char* frac_begin = nullptr; // the digits after the point
    const char* frac_end = nullptr;
};

// Reads the number run that starts at `p` (the byte after the axis letter).
inline NumberRun ScanNumberRun(const char* p, const char* end) {
    NumberRun n;
    while (p != end && *p == ' ') {
        ++p;
    }
    const bool negative = p != end && *p == '-';
    if (negative) {
        ++p;
    }
    const char* const digits = p;
    while (p != end && *p == '0') {
        ++p; // leading zeros are not kept
    }
    n.int_begin = p;
    while (p != end && IsDigit(*p)) {
        ++p;
    }
    n.int_end = p;
    bool nonzero = n.int_begin != n.int_end;
    n.has_point = p != end && *p == '.';
    if (n.has_point) {
        ++p;
    }
    n.frac_begin = p;
    while (p != end && IsDigit(*p)) {
        nonzero |= *p != '0';
        ++p;
    }
    n.frac_end = p;
    while (p != end && *p == ' ') {
        ++p;
    }
    const char* const grammar_end = p;
    while (p != end && IsNumberChar(*p)) {
        ++p;
    }
    n.end = p;
    n.is_number = p == grammar_end && (n.int_end != digits || n.has_point);
    n.sign = negative && nonzero; // zero carries no sign
    return n;
}

// A run the rule leaves alone: nothing after the axis letter, or a lone "-".
inline bool IsNoRun(const char* run_begin, const char* run_end) {
    return run_end == run_begin || (run_end - run_begin == 1 && *run_begin == '-');
}

// Writes twice the number at `w` and returns the end of what it wrote: as many decimals as the
// source (one for a bare point), at least one digit before the point, no leading zeros. Exact
// for every length: a doubled digit carries into the digit before it exactly when it is 5 or
// more, so each digit is written from itself and its right-hand neighbour. At most the run's
// size + 2 bytes.
inline char* WriteDoubledNumber(const NumberRun& n, char* w) {
    static constexpr char kDoubled[] = "0246802468"; // the last digit of twice a digit
    auto doubled = [](char digit, char next) {
        return static_cast<char>(kDoubled[digit - '0'] + (next >= '5' ? 1 : 0));
    };
    if (n.sign) {
        *w++ = '-';
    }
    const char first_frac = n.frac_begin != n.frac_end ? *n.frac_begin : '0';
    if (n.int_begin == n.int_end) {
        *w++ = first_frac >= '5' ? '1' : '0';
    } else {
        if (*n.int_begin >= '5') {
            *w++ = '1';
        }
        for (const char* d = n.int_begin; d + 1 != n.int_end; ++d) {
            *w++ = doubled(d[0], d[1]);
        }
        *w++ = doubled(n.int_end[-1], first_frac);
    }
    if (n.has_point) {
        *w++ = '.';
        if (n.frac_begin == n.frac_end) {
            *w++ = '0';
        } else {
            for (const char* d = n.frac_begin; d + 1 != n.frac_end; ++d) {
                *w++ = doubled(d[0], d[1]);
            }
            *w++ = doubled(n.frac_end[-1], '0');
        }
    }
    return w;
}

// Where the number after the axis letter lies, as offsets into the line.
struct AxisWord {
    std::size_t run_begin = 0;   // first byte after the axis letter
    std::size_t run_end = 0;     // one past the number run
    std::size_t replace_end = 0; // one past the replaced range: one trailing blank stays
    NumberRun number;
};

// The axis word whose number the rule rewrites: the first `axis` byte of the line followed by a
// number run other than a lone "-". Nothing when the rule leaves the line as it is.
inline std::optional<AxisWord> FindAxisWord(std::string_view line, char axis) {
    const void* hit = std::memchr(line.data(), static_cast<unsigned char>(axis), line.size());
    if (hit == nullptr) {
        return std::nullopt;
    }
    const char* const run_begin = static_cast<const char*>(hit) + 1;
    const NumberRun number = ScanNumberRun(run_begin, line.data() + line.size());
    if (IsNoRun(run_begin, number.end)) {
        return std::nullopt;
    }
    const std::size_t begin = static_cast<std::size_t>(run_begin - line.data());
    const std::size_t end = static_cast<std::size_t>(number.end - line.data());
    // Only one of the trailing blanks is left out of the replaced range, however many there are.
    return AxisWord{begin, end, number.end[-1] == ' ' ? end - 1 : end, number};
}

// Appends the doubled number of the word to `out`; false, appending nothing, when its run is
// not a number.
inline bool AppendDoubledNumber(const AxisWord& word, std::string& out) {
    if (!word.number.is_number) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + (word.run_end - word.run_begin) + 2);
    char* const end = WriteDoubledNumber(word.number, out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return true;
}

} // namespace ravoxel
