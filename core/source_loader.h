#pragma once
// The byte rules of loading a source program into the working text. The bytes are taken as they
// are (code page 932 or anything else): no character set is detected and nothing is converted.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/working_text.h"

namespace ravoxel {

// The most the working text holds. A larger source is refused before anything is loaded, so
// that nothing is ever cut off silently.
inline constexpr std::size_t kWorkingTextLimit = 30000000;

// The whole file read in one piece becomes the working text up to its first NUL byte.
struct WholeFileText {
    std::string_view text;                 // the bytes before the first NUL, or all of them
    std::optional<std::size_t> nul_offset; // where the first NUL was, when the text was cut
};
WholeFileText TakeUpToFirstNul(std::string_view file_bytes);

// The line-by-line reading offered when the whole file gave no text. It reads the file as the C
// runtime's text-mode fgets with a 500-byte buffer does: CR LF comes as LF, and each piece holds
// the bytes up to and including the next LF but at most 499 bytes. A piece is cut at its first
// NUL and loses one trailing LF; what remains, when not empty, is appended as a line.
WorkingText ReadLineByLine(std::string_view file_bytes);

// The bytes of a file, read in binary; nothing when it cannot be opened or read (a folder, say).
// For the tests and tools: the path goes to fopen as it is.
std::optional<std::string> ReadFileBytes(const std::string& path);

} // namespace ravoxel
