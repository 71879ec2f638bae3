#include "core/conversion_engine.h"

#include "core/axis_doubling.h"
#include "core/axis_word.h"
#include "core/byte_scan.h"
#include "core/line_breaks.h"

#include <algorithm>
#include <cstring>

namespace ravoxel {

namespace {

// The output string used as a raw buffer: sized ahead, written through a pointer, cut to what
// was written at the end. Writing a converted line never needs more than twice its bytes.
class OutputBuffer {
public:
    OutputBuffer(std::string& out, std::size_t expected) : out_(out) {
        // Every byte is written before it is read, so a string that is already long enough
        // (one reused from an earlier conversion) is not cleared and filled again.
        if (out_.size() < expected) {
            out_.resize(expected);
        }
        w_ = out_.data();
        limit_ = w_ + out_.size();
    }
    static constexpr std::size_t kShortCopy = 32;

    void Reserve(std::size_t bytes) {
        bytes += kShortCopy;
        if (static_cast<std::size_t>(limit_ - w_) < bytes) {
            Grow(bytes);
        }
    }
    // Short stretches, the usual case, are copied as 32 bytes at once where the input has them
    // (the room for it is part of every Reserve); the bytes written past the stretch are
    // overwritten by what follows or cut off at the end.
    void Copy(const char* from, const char* to, const char* text_end) {
        const std::size_t size = static_cast<std::size_t>(to - from);
        if (size <= kShortCopy && text_end - from >= static_cast<std::ptrdiff_t>(kShortCopy)) {
            std::memcpy(w_, from, kShortCopy);
        } else {
            std::memcpy(w_, from, size);
        }
        w_ += size;
    }
    void CrLf() {
        w_[0] = '\r';
        w_[1] = '\n';
        w_ += 2;
    }
    char*& Cursor() { return w_; }
    std::size_t Size() const { return static_cast<std::size_t>(w_ - out_.data()); }
    void Finish(std::size_t size) { out_.resize(size); }

private:
    void Grow(std::size_t bytes) {
        const std::size_t used = Size();
        out_.resize(std::max(out_.size() * 2, used + bytes));
        w_ = out_.data() + used;
        limit_ = out_.data() + out_.size();
    }

    std::string& out_;
    char* w_;
    char* limit_;
};

} // namespace

// One pass over the text. Bytes that come out as they went in (everything but the replaced
// numbers and the breaks other than CR LF) are not copied line by line: `pending` marks where
// such a stretch begins, and it is copied once something changes.
std::optional<ConversionFailure> ConvertText(std::string_view text, char axis, std::string& out) {
    OutputBuffer buffer(out, text.size() + text.size() / 8 + 64);
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* pending = p;
    std::size_t line_number = 0;
    while (p != end) {
        ++line_number;
        // The first axis byte or the break, whichever comes first.
        const char* hit = FindFirstByte(p, end, '\r', '\n', axis);
        if (hit != end && *hit != '\r' && *hit != '\n') {
            const char* const run_begin = hit + 1;
            const NumberRun number = ScanNumberRun(run_begin, end);
            const char* const run_end = number.end;
            if (!IsNoRun(run_begin, run_end)) {
                const std::size_t run_size = static_cast<std::size_t>(run_end - run_begin);
                buffer.Reserve(static_cast<std::size_t>(run_begin - pending) + run_size + 2);
                if (!number.is_number) {
                    buffer.Copy(pending, p, end); // the lines before this one
                    buffer.Finish(buffer.Size());
                    const ConversionError error{std::string(run_begin, run_size)};
                    return ConversionFailure{line_number, error.number_text(), error.what()};
                }
                buffer.Copy(pending, run_begin, end);
                buffer.Cursor() = WriteDoubledNumber(number, buffer.Cursor());
                // One trailing blank of the run stays in the line.
                pending = run_end[-1] == ' ' ? run_end - 1 : run_end;
            }
            hit = FindFirstByte(run_end, end, '\r', '\n', '\n');
        }
        const LineSpan span = BreakAt(hit, end);
        if (span.kind != LineSpan::Break::CrLf) {
            buffer.Reserve(static_cast<std::size_t>(span.end - pending) + 2);
            buffer.Copy(pending, span.end, end);
            buffer.CrLf();
            pending = span.next;
        }
        p = span.next;
    }
    buffer.Reserve(static_cast<std::size_t>(end - pending));
    buffer.Copy(pending, end, end);
    buffer.Finish(buffer.Size());
    return std::nullopt;
}

} // namespace ravoxel
