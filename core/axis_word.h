#pragma once
// The pieces of the doubling rule that the whole-text engine and the stepwise run share with
// DoubleAxisValue: finding the axis word of a line and writing its doubled number.
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace ravoxel {

// Where the number after the axis letter lies, as offsets into the line.
struct AxisWord {
    std::size_t run_begin = 0;   // first byte after the axis letter
    std::size_t run_end = 0;     // one past the number run
    std::size_t replace_end = 0; // one past the replaced range: one trailing blank stays
};

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

// The axis word whose number the rule rewrites: the first `axis` byte of the line followed by a
// number run other than a lone "-". Nothing when the rule leaves the line as it is.
inline std::optional<AxisWord> FindAxisWord(std::string_view line, char axis) {
    const void* hit = std::memchr(line.data(), static_cast<unsigned char>(axis), line.size());
    if (hit == nullptr) {
        return std::nullopt;
    }
    const std::size_t begin = static_cast<const char*>(hit) - line.data() + 1;
    std::size_t end = begin;
    while (end < line.size() && IsNumberChar(line[end])) {
        ++end;
    }
    if (end == begin || (end - begin == 1 && line[begin] == '-')) {
        return std::nullopt;
    }
    // Only one of the trailing blanks is left out of the replaced range, however many there are.
    const std::size_t replace_end = line[end - 1] == ' ' ? end - 1 : end;
    return AxisWord{begin, end, replace_end};
}

// Appends the doubled value of the number run `run` with the decimals the rule keeps. Returns
// false, appending nothing, when the run is not a number.
bool AppendDoubledNumber(std::string_view run, std::string& out);

} // namespace ravoxel
