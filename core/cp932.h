#pragma once
// Code page 932 (Shift-JIS) character boundaries. A lead byte (0x81-0x9F, 0xE0-0xFC) and the
// byte after it form one character; that second byte may have the code of "\" (0x5C), "]" or an
// ASCII letter, so every search for a delimiter must walk characters from the start of the text.
#include <cstddef>
#include <string_view>

namespace ravoxel::cp932 {

constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Start of the character after the one starting at `pos`. A lead byte at the very end of the
// text, with no second byte, counts as a character of its own.
constexpr std::size_t NextCharStart(std::string_view text, std::size_t pos) {
    const std::size_t step = IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
    return pos + step < text.size() ? pos + step : text.size();
}

// Start of the last character; text.size() for an empty text.
std::size_t LastCharStart(std::string_view text);

// Start of the first / last single-byte character that is one of `bytes`; npos when none.
std::size_t FindFirstOf(std::string_view text, std::string_view bytes);
std::size_t FindLastOf(std::string_view text, std::string_view bytes);

// The longest length of at most `limit` bytes that does not cut a character in two.
std::size_t WholeCharsWithin(std::string_view text, std::size_t limit);

} // namespace ravoxel::cp932
