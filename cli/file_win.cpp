// Windows file access for ravoxel-cli. The paths come from the command line in the ANSI code
// page, so the ANSI functions take them as they are; a temporary file in the target's folder
// is moved over the target with MoveFileExA, replacing it only when asked to.
#include "cli/file_io.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <span>
#include <utility>
#include <windows.h>

namespace ravoxel::cli {

namespace {

std::string Reason(DWORD error) {
    char* text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason =
        length ? std::string(text, length) : "Windows error " + std::to_string(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

constexpr DWORD kChunk = 1u << 26; // ReadFile and WriteFile take a DWORD count

} // namespace

PathKind InspectPath(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::folder : PathKind::file;
}

void AdviseLargeBuffer(char*, std::size_t) {} // large pages need a privilege on Windows

char PathSeparator() {
    return '\\';
}
bool IsPathSeparator(char byte) {
    return byte == '\\' || byte == '/' || byte == ':';
}
bool IsPathLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != 0;
}

std::string ReadWholeFile(const std::string& path, SourceBytes& content) {
    if (InspectPath(path) == PathKind::folder)
        return "is a folder, not a file";
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid())
        return Reason(GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return Reason(GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) >= SIZE_MAX / 2)
        return "too large to read into memory";
    content.Reserve(static_cast<std::size_t>(size.QuadPart) + 1);
    for (;;) {
        const std::span<char> room = content.Room();
        DWORD got = 0;
        if (!ReadFile(file.get(), room.data(),
                      static_cast<DWORD>(std::min<std::size_t>(room.size(), kChunk)), &got,
                      nullptr))
            return Reason(GetLastError());
        if (got == 0)
            break;
        content.Commit(got);
    }
    return {};
}

std::string WriteFileAtomically(const std::string& target, std::string_view data, bool replace) {
    std::string temp;
    HANDLE raw = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 100 && raw == INVALID_HANDLE_VALUE; ++attempt) {
        temp =
            target + ".tmp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        raw = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        error = GetLastError();
        if (raw == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS)
            break;
    }
    if (raw == INVALID_HANDLE_VALUE)
        return "cannot create the output there: " + Reason(error);
    Handle file(raw);

    auto fail = [&](DWORD code) {
        if (file.valid())
            file.close();
        DeleteFileA(temp.c_str());
        return Reason(code);
    };
    for (std::size_t done = 0; done < data.size();) {
        DWORD put = 0;
        DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, kChunk));
        if (!WriteFile(file.get(), data.data() + done, want, &put, nullptr))
            return fail(GetLastError());
        done += put;
    }
    if (!file.close())
        return fail(GetLastError());
    if (!MoveFileExA(temp.c_str(), target.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
        error = GetLastError();
        DeleteFileA(temp.c_str());
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            return kOutputExists;
        return Reason(error);
    }
    return {};
}

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

} // namespace ravoxel::cli
