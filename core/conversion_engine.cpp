#include "core/conversion_engine.h"

#include "core/axis_doubling.h"
#include "core/axis_word.h"
#include "core/line_breaks.h"

namespace ravoxel {

// Bytes that come out as they went in (unchanged lines with a CR LF break) are not copied line by
// line: `pending` marks where such a stretch begins, and it is copied once something changes.
std::optional<ConversionFailure> ConvertText(std::string_view text, char axis, std::string& out) {
    out.clear();
    out.reserve(text.size() + text.size() / 8 + 16);
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* pending = p;
    std::size_t line_number = 0;
    while (p != end) {
        ++line_number;
        const LineSpan span = FindLineSpan(p, end);
        const char* const line_end = span.end;
        const std::string_view line(p, static_cast<std::size_t>(line_end - p));
        if (const std::optional<AxisWord> word = FindAxisWord(line, axis)) {
            const std::size_t line_start_in_out =
                out.size() + static_cast<std::size_t>(p - pending);
            out.append(pending, p + word->run_begin);
            const std::string_view run =
                line.substr(word->run_begin, word->run_end - word->run_begin);
            if (!AppendDoubledNumber(run, out)) {
                out.resize(line_start_in_out);
                ConversionError error{std::string(run)};
                return ConversionFailure{line_number, error.number_text(), error.what()};
            }
            pending = p + word->replace_end;
        }
        if (span.kind != LineSpan::Break::CrLf) {
            out.append(pending, line_end);
            out.append("\r\n", 2);
            pending = span.next;
        }
        p = span.next;
    }
    out.append(pending, end);
    return std::nullopt;
}

} // namespace ravoxel
