#pragma once
// The working text of a run: code-page-932 bytes used as a list of lines.
//
// A line ends at a CR LF pair, at a lone LF or at a lone CR; a break at the very end of the text
// opens no further line, and an empty text has no lines. Line indexes count from 0.
//
// Reading a line gives its bytes without the break, except that a line broken by a lone LF is
// delivered with that LF as its last byte (the run repairs it). A lone CR is read like a CR LF
// pair: the line comes without it, so it needs no repair and leaves the run with CR LF like
// every other line.
//
// Writing a line replaces the bytes in front of its break, which stays where it is; the text is
// then the same bytes, cut into lines by the same rule. So writing a text that ends in CR into a
// line broken by a lone LF gives it a CR LF break, and a written text holding breaks of its own
// becomes several lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_breaks.h"

namespace ravoxel {

class WorkingText {
public:
    WorkingText() = default;
    explicit WorkingText(std::string_view text);

    std::size_t LineCount() const { return lines_.size(); }
    std::string ReadLine(std::size_t index) const;
    void WriteLine(std::size_t index, std::string_view text);
    // Adds `text` followed by CR LF as the last line. A last line without a break is given a
    // CR LF first, so the text always becomes a line of its own.
    void AppendLine(std::string_view text);
    // Every line followed by its own break.
    std::string WholeText() const;

private:
    using Break = LineSpan::Break;
    struct Line {
        std::string text; // without its break
        Break kind;
    };
    static std::vector<Line> Split(std::string_view text);
    static std::string_view BreakBytes(Break kind);
    // Replaces lines [first, last) with the lines of `bytes`.
    void Resplit(std::size_t first, std::size_t last, std::string_view bytes);

    std::vector<Line> lines_;
};

} // namespace ravoxel
