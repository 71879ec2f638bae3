#pragma once
// The errors the windows raise. Their messages are code-page-932 texts, shown as they stand by the
// application's exception display.
#include <stdexcept>
#include <string>
#include <string_view>

namespace winkit {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file operation the system refused: the path and the system's error code travel with it, so
// that the window that called can word its own message.
class FileError : public Error {
public:
    FileError(std::string path, unsigned long code);
    const std::string& Path() const { return path_; }
    unsigned long Code() const { return code_; }

private:
    std::string path_;
    unsigned long code_;
};

// The system's own text for an error code (GetLastError), in code page 932, without the line
// break the system puts at its end.
std::string SystemErrorText(unsigned long code);

} // namespace winkit
