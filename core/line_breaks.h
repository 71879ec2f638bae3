#pragma once
// How a text is cut into lines: a line ends at a CR LF pair, at a lone LF or at a lone CR; a
// break at the very end of the text opens no further line.
#include <cstring>

namespace ravoxel {

struct LineSpan {
    const char* end;  // one past the last byte before the break
    const char* next; // start of the following line (one past the break)
    enum class Break : unsigned char { None, CrLf, Lf, Cr } kind;
};

// The line that starts at `p`, in a text that ends at `text_end` (p < text_end).
inline LineSpan FindLineSpan(const char* p, const char* text_end) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', text_end - p));
    const char* segment_end = lf != nullptr ? lf : text_end;
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', segment_end - p));
    if (cr != nullptr) {
        if (cr + 1 == lf) {
            return {cr, lf + 1, LineSpan::Break::CrLf};
        }
        return {cr, cr + 1, LineSpan::Break::Cr};
    }
    if (lf != nullptr) {
        return {lf, lf + 1, LineSpan::Break::Lf};
    }
    return {text_end, text_end, LineSpan::Break::None};
}

} // namespace ravoxel
