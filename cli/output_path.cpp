#include "cli/output_path.h"

#include "cli/file_io.h"

namespace ravoxel::cli {

namespace {

struct PathParts {
    std::size_t name_start = 0;               // first byte after the last separator
    std::size_t last_dot = std::string::npos; // last "." after it
    bool ends_with_separator = false;
};

PathParts Split(const std::string& path) {
    PathParts parts;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char byte = path[i];
        parts.ends_with_separator = false;
        if (IsPathLeadByte(static_cast<unsigned char>(byte))) {
            ++i; // the second byte belongs to the character
        } else if (IsPathSeparator(byte)) {
            parts.name_start = i + 1;
            parts.last_dot = std::string::npos;
            parts.ends_with_separator = true;
        } else if (byte == '.') {
            parts.last_dot = i;
        }
    }
    return parts;
}

} // namespace

std::string DeriveOutputPath(const std::string& source, const std::string& folder,
                             const std::string& extension) {
    const PathParts parts = Split(source);
    const std::size_t name_end =
        parts.last_dot == std::string::npos ? source.size() : parts.last_dot;
    std::string result;
    if (folder.empty()) {
        result = source.substr(0, parts.name_start);
    } else {
        result = folder;
        if (!Split(folder).ends_with_separator)
            result += PathSeparator();
    }
    result.append(source, parts.name_start, name_end - parts.name_start);
    result += '.';
    result += extension;
    return result;
}

} // namespace ravoxel::cli
