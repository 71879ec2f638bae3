// Standard input and output as whole texts; the streams are binary (PrepareStandardStreams).
#include "cli/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ravoxel::cli {

std::string ReadStandardInput(SourceBytes& content) {
    for (;;) {
        const std::span<char> room = content.Room();
        const std::size_t n = std::fread(room.data(), 1, room.size(), stdin);
        content.Commit(n);
        if (n < room.size())
            break;
    }
    if (std::ferror(stdin))
        return std::strerror(errno);
    return {};
}

std::string WriteStandardOutput(std::string_view data) {
    if (std::fwrite(data.data(), 1, data.size(), stdout) != data.size() || std::fflush(stdout) != 0)
        return std::strerror(errno);
    return {};
}

} // namespace ravoxel::cli
