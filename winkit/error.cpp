#include "winkit/error.h"

#include <windows.h>

#include "winkit/text.h"

namespace winkit {

FileError::FileError(std::string path, unsigned long code)
    : Error(SystemErrorText(code)), path_(std::move(path)), code_(code) {}

std::string SystemErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    if (buffer) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        std::string fallback = "Error ";
        fallback += std::to_string(code);
        return fallback;
    }
    return Narrow(text);
}

} // namespace winkit
