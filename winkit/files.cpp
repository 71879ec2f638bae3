#include "winkit/files.h"

#include <windows.h>

#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes now; false when the system reports a failure (data not written).
    bool Close() {
        const BOOL ok = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE handle_;
};

// Writes everything to `file`; false with the error in GetLastError on failure.
bool WriteAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kChunk = 1 << 24;
    while (!bytes.empty()) {
        const DWORD part = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), part, &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool FileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<unsigned long long> FileSize(std::string_view path) {
    Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
        return std::nullopt;
    }
    return static_cast<unsigned long long>(size.QuadPart);
}

std::string ReadWholeFile(std::string_view path) {
    Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        throw FileError(std::string(path), GetLastError());
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        throw FileError(std::string(path), GetLastError());
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD part = static_cast<DWORD>(left < (1u << 24) ? left : (1u << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, part, &read, nullptr)) {
            throw FileError(std::string(path), GetLastError());
        }
        if (read == 0) {
            break; // the file shrank meanwhile
        }
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void ReplaceFileContents(std::string_view path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        throw FileError(std::string(path), ERROR_ACCESS_DENIED);
    }
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    {
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            throw FileError(std::string(path), GetLastError());
        }
        if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get()) || !file.Close()) {
            const DWORD error = GetLastError();
            DeleteFileW(temporary.c_str());
            throw FileError(std::string(path), error);
        }
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        throw FileError(std::string(path), error);
    }
}

} // namespace winkit
