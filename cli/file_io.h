#pragma once
// The file system as ravoxel-cli needs it; one implementation per platform (file_posix.cpp,
// file_win.cpp). Paths are the bytes the command line gave: on Windows in the ANSI code page.
// Every function returns an empty string on success, otherwise a short reason for the user.
#include "cli/source_bytes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ravoxel::cli {

// The reason given when an output exists and --force was not given.
inline constexpr const char* kOutputExists =
    "already exists; not replaced (use --force to replace it)";

enum class PathKind { missing, file, folder };

// What is at `path` now; anything that is neither missing nor a folder counts as a file.
PathKind InspectPath(const std::string& path);

// The separator put between a folder and a name ("/" on POSIX, "\" on Windows).
char PathSeparator();

// True for a byte that separates folders in a path (POSIX "/"; Windows "\", "/" and ":").
bool IsPathSeparator(char byte);

// True for the first byte of a double-byte character in a path (never on POSIX, whose
// separator cannot be the second byte of a character).
bool IsPathLeadByte(unsigned char byte);

// Reads the whole file in one piece (a file that is not a regular file is read to its end).
std::string ReadWholeFile(const std::string& path, SourceBytes& content);
std::string ReadStandardInput(SourceBytes& content);

// Writes `data` to a new temporary file in the folder of `target` and then moves it to
// `target`. With `replace` an existing target is replaced in one step; without it an existing
// target is never touched (the call fails). The temporary file never outlives a failure.
std::string WriteFileAtomically(const std::string& target, std::string_view data, bool replace);

std::string WriteStandardOutput(std::string_view data);

// Asks for large pages behind a large buffer (call it while the buffer is still untouched):
// on a virtual machine a page fault for every 4 KB costs more than the conversion itself.
void AdviseLargeBuffer(char* data, std::size_t size);

// Binary standard streams: CR LF must pass through unchanged.
void PrepareStandardStreams();

} // namespace ravoxel::cli
