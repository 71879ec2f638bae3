#include "core/paths.h"

#include "core/cp932.h"

namespace ravoxel {
namespace {

constexpr std::string_view kSeparators = "\\:";
constexpr auto npos = std::string_view::npos;

// Position of the extension's ".", or npos when the file-name part has none.
std::size_t ExtensionStart(std::string_view path) {
    const std::size_t pos = cp932::FindLastOf(path, ".\\:");
    return pos != npos && path[pos] == '.' ? pos : npos;
}

// Length of the folder part with its separator.
std::size_t FolderLength(std::string_view path) {
    const std::size_t pos = cp932::FindLastOf(path, kSeparators);
    return pos == npos ? 0 : pos + 1;
}

} // namespace

std::string FolderPartWithSeparator(std::string_view path) {
    return std::string(path.substr(0, FolderLength(path)));
}

std::string FolderPartWithoutSeparator(std::string_view path) {
    std::size_t length = FolderLength(path);
    if (length >= 2 && path[length - 1] == '\\') {
        // The "\" is dropped unless the character before it is itself a separator; a double-byte
        // character ending in 0x5C is not one.
        const std::string_view before = path.substr(0, length - 1);
        if (kSeparators.find(before[cp932::LastCharStart(before)]) == npos)
            --length;
    }
    return std::string(path.substr(0, length));
}

std::string FileNamePart(std::string_view path) {
    return std::string(path.substr(FolderLength(path)));
}

std::string NameWithoutExtension(std::string_view path) {
    return FileNamePart(path.substr(0, ExtensionStart(path)));
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    std::string result(path.substr(0, ExtensionStart(path)));
    result += extension;
    return result;
}

std::string SettingsFilePath(std::string_view executable_path) {
    return ReplaceExtension(executable_path, ".INI");
}

std::string ComposeOutputPath(std::string_view folder, std::string_view name,
                              std::string_view extension) {
    std::string path(folder);
    const bool ends_in_separator = !folder.empty() && folder[cp932::LastCharStart(folder)] == '\\';
    if (folder.size() == 2 || !ends_in_separator)
        path += '\\';
    path += name;
    path += '.';
    path += extension;
    return path;
}

} // namespace ravoxel
