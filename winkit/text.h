#pragma once
// The one place where the tool's texts cross into Windows: code-page-932 bytes <-> UTF-16.
// Code page 932 is always named explicitly, never the system's ANSI code page, so the tool shows
// its texts and opens Japanese paths the same way on every Windows.
#include <optional>
#include <string>
#include <string_view>

namespace winkit {

inline constexpr unsigned kCodePage = 932;

// Code-page-932 bytes to UTF-16. A byte that is no character of the code page comes out as the
// code page's default character, as the ANSI functions of a Japanese Windows would show it.
std::wstring Widen(std::string_view text);

// UTF-16 to code-page-932 bytes; characters the code page cannot hold become "?".
std::string Narrow(std::wstring_view text);

// UTF-16 to code-page-932 bytes only when every character survives the trip; for paths, which
// must name the same file afterwards.
std::optional<std::string> NarrowExactly(std::wstring_view text);

} // namespace winkit
