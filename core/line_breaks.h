#pragma once
// How a text is cut into lines: a line ends at a CR LF pair, at a lone LF or at a lone CR; a
// break at the very end of the text opens no further line.
#include "core/byte_scan.h"

namespace ravoxel {

struct LineSpan {
    const char* end;  // one past the last byte before the break
    const char* next; // start of the following line (one past the break)
    enum class Break : unsigned char { None, CrLf, Lf, Cr } kind;
};

// The break found at `line_end` (a CR, an LF or the end of the text).
inline LineSpan BreakAt(const char* line_end, const char* text_end) {
    if (line_end == text_end) {
        return {line_end, line_end, LineSpan::Break::None};
    }
    if (*line_end == '\n') {
        return {line_end, line_end + 1, LineSpan::Break::Lf};
    }
    if (line_end + 1 != text_end && line_end[1] == '\n') {
        return {line_end, line_end + 2, LineSpan::Break::CrLf};
    }
    return {line_end, line_end + 1, LineSpan::Break::Cr};
}

// The line that starts at `p`, in a text that ends at `text_end`.
inline LineSpan FindLineSpan(const char* p, const char* text_end) {
    return BreakAt(FindFirstByte(p, text_end, '\r', '\n', '\n'), text_end);
}

} // namespace ravoxel
