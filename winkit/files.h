#pragma once
// Whole-file reading and writing by code-page-932 path. A failure raises FileError with the
// path and the system's error code.
#include <optional>
#include <string>
#include <string_view>

namespace winkit {

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// The size of a file in bytes; nothing when it cannot be opened for reading.
std::optional<unsigned long long> FileSize(std::string_view path);

// The file's bytes, as they are.
std::string ReadWholeFile(std::string_view path);

// Replaces the file with `bytes`, or creates it, never leaving it half-written: the bytes go to
// a temporary file beside it, which then takes its place in one move. A read-only file is
// refused (ERROR_ACCESS_DENIED) as the system's own file writing refuses it.
void ReplaceFileContents(std::string_view path, std::string_view bytes);

} // namespace winkit
