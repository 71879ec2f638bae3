#include "core/source_loader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace ravoxel {

namespace {

// fgets into a buffer of 500 bytes keeps one byte for its terminating NUL.
constexpr std::size_t kPieceLimit = 499;

// Text-mode reading hands a CR LF pair on as a single LF; a lone CR stays.
std::string TextModeBytes(std::string_view file_bytes) {
    std::string text;
    text.reserve(file_bytes.size());
    for (std::size_t i = 0; i < file_bytes.size(); ++i) {
        if (file_bytes[i] == '\r' && i + 1 < file_bytes.size() && file_bytes[i + 1] == '\n') {
            continue;
        }
        text += file_bytes[i];
    }
    return text;
}

} // namespace

WholeFileText TakeUpToFirstNul(std::string_view file_bytes) {
    const std::size_t nul = file_bytes.find('\0');
    if (nul == std::string_view::npos) {
        return {file_bytes, std::nullopt};
    }
    return {file_bytes.substr(0, nul), nul};
}

WorkingText ReadLineByLine(std::string_view file_bytes) {
    const std::string text = TextModeBytes(file_bytes);
    WorkingText working_text;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t lf = rest.substr(0, kPieceLimit).find('\n');
        const std::size_t length =
            lf == std::string_view::npos ? std::min(kPieceLimit, rest.size()) : lf + 1;
        std::string_view piece = rest.substr(0, length);
        rest.remove_prefix(length);
        piece = piece.substr(0, piece.find('\0')); // the piece is read as a C string
        if (!piece.empty() && piece.back() == '\n') {
            piece.remove_suffix(1);
        }
        if (!piece.empty()) {
            working_text.AppendLine(piece);
        }
    }
    return working_text;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    // Knowing the size of a plain file up front saves the copies of a growing buffer.
    struct stat status {};
    if (fstat(fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    char buffer[1 << 16];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace ravoxel
