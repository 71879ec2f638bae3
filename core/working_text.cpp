#include "core/working_text.h"

#include <algorithm>
#include <iterator>

namespace ravoxel {

namespace {

bool HoldsBreakByte(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

WorkingText::WorkingText(std::string_view text) : lines_(Split(text)) {}

std::vector<WorkingText::Line> WorkingText::Split(std::string_view text) {
    std::vector<Line> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const LineSpan span = FindLineSpan(p, end);
        lines.push_back({std::string(p, span.end), span.kind});
        p = span.next;
    }
    return lines;
}

std::string_view WorkingText::BreakBytes(Break kind) {
    switch (kind) {
    case Break::CrLf:
        return "\r\n";
    case Break::Lf:
        return "\n";
    case Break::Cr:
        return "\r";
    case Break::None:
        break;
    }
    return {};
}

std::string WorkingText::ReadLine(std::size_t index) const {
    const Line& line = lines_.at(index);
    return line.kind == Break::Lf ? line.text + '\n' : line.text;
}

void WorkingText::WriteLine(std::size_t index, std::string_view text) {
    Line& line = lines_.at(index);
    const bool joins_previous_cr = index > 0 && lines_[index - 1].kind == Break::Cr;
    // A text without break bytes keeps the line as it is, unless emptying the line lets the
    // breaks around it join (CR then LF) or removes a last line that has no break.
    if (!HoldsBreakByte(text) &&
        !(text.empty() &&
          (line.kind == Break::None || (line.kind == Break::Lf && joins_previous_cr)))) {
        line.text = text;
        return;
    }
    // Otherwise cut the changed bytes again. Only a lone CR just before them can join with
    // them; every other break before them ends in LF.
    const std::size_t first = joins_previous_cr ? index - 1 : index;
    std::string bytes;
    if (joins_previous_cr) {
        bytes = lines_[index - 1].text + '\r';
    }
    bytes += text;
    bytes += BreakBytes(line.kind);
    Resplit(first, index + 1, bytes);
}

void WorkingText::AppendLine(std::string_view text) {
    if (!HoldsBreakByte(text) &&
        (lines_.empty() || lines_.back().kind == Break::CrLf || lines_.back().kind == Break::Lf)) {
        lines_.push_back({std::string(text), Break::CrLf});
        return;
    }
    std::string bytes;
    std::size_t first = lines_.size();
    if (!lines_.empty() && (lines_.back().kind == Break::Cr || lines_.back().kind == Break::None)) {
        first = lines_.size() - 1;
        bytes = lines_.back().text + "\r\n";
        if (lines_.back().kind == Break::Cr) {
            bytes.erase(bytes.size() - 1); // keep the lone CR; a following LF may join it
        }
    }
    bytes += text;
    bytes += "\r\n";
    Resplit(first, lines_.size(), bytes);
}

void WorkingText::Resplit(std::size_t first, std::size_t last, std::string_view bytes) {
    std::vector<Line> replacement = Split(bytes);
    if (replacement.size() == last - first) {
        std::move(replacement.begin(), replacement.end(), lines_.begin() + first);
        return;
    }
    lines_.erase(lines_.begin() + first, lines_.begin() + last);
    lines_.insert(lines_.begin() + first, std::make_move_iterator(replacement.begin()),
                  std::make_move_iterator(replacement.end()));
}

std::string WorkingText::WholeText() const {
    std::size_t size = 0;
    for (const Line& line : lines_) {
        size += line.text.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const Line& line : lines_) {
        text += line.text;
        text += BreakBytes(line.kind);
    }
    return text;
}

} // namespace ravoxel
