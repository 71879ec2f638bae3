#include "winkit/text.h"

#include <windows.h>

namespace winkit {

std::wstring Widen(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

namespace {

std::string NarrowWith(std::wstring_view text, BOOL* used_default) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kCodePage, 0, text.data(), size, nullptr, 0, nullptr, used_default);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), size, narrow.data(), length, nullptr,
                        used_default);
    return narrow;
}

} // namespace

std::string Narrow(std::wstring_view text) {
    return NarrowWith(text, nullptr);
}

std::optional<std::string> NarrowExactly(std::wstring_view text) {
    BOOL used_default = FALSE;
    std::string narrow = NarrowWith(text, &used_default);
    if (used_default) {
        return std::nullopt;
    }
    return narrow;
}

} // namespace winkit
