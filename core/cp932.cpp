#include "core/cp932.h"

namespace ravoxel::cp932 {

std::size_t LastCharStart(std::string_view text) {
    std::size_t last = text.size();
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharStart(text, pos))
        last = pos;
    return last;
}

std::size_t FindFirstOf(std::string_view text, std::string_view bytes) {
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharStart(text, pos)) {
        if (!IsLeadByte(static_cast<unsigned char>(text[pos])) &&
            bytes.find(text[pos]) != std::string_view::npos)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t FindLastOf(std::string_view text, std::string_view bytes) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharStart(text, pos)) {
        if (!IsLeadByte(static_cast<unsigned char>(text[pos])) &&
            bytes.find(text[pos]) != std::string_view::npos)
            found = pos;
    }
    return found;
}

std::size_t WholeCharsWithin(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return text.size();
    std::size_t pos = 0;
    while (pos < limit) {
        const std::size_t next = NextCharStart(text, pos);
        if (next > limit)
            break;
        pos = next;
    }
    return pos;
}

} // namespace ravoxel::cp932
