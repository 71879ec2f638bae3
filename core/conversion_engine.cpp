#include "core/conversion_engine.h"

#include "core/axis_doubling.h"
#include "core/axis_word.h"

#include <cstring>

namespace ravoxel {

namespace {

const char* Find(const char* from, const char* to, char byte) {
    return static_cast<const char*>(std::memchr(from, byte, static_cast<std::size_t>(to - from)));
}

} // namespace

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
        // A line ends at CR LF, at a lone LF or at a lone CR.
        const char* lf = Find(p, end, '\n');
        const char* segment_end = lf != nullptr ? lf : end;
        const char* cr = Find(p, segment_end, '\r');
        const char* line_end;
        const char* next;
        bool crlf = false;
        if (cr != nullptr) {
            line_end = cr;
            crlf = cr + 1 == lf;
            next = crlf ? lf + 1 : cr + 1;
        } else {
            line_end = segment_end;
            next = lf != nullptr ? lf + 1 : end;
        }

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
        if (!crlf) {
            out.append(pending, line_end);
            out.append("\r\n", 2);
            pending = next;
        }
        p = next;
    }
    out.append(pending, end);
    return std::nullopt;
}

} // namespace ravoxel
