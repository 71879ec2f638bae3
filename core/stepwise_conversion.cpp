#include "core/stepwise_conversion.h"

#include "core/axis_doubling.h"
#include "core/axis_word.h"
#include "core/line_breaks.h"

namespace ravoxel {

StepwiseConversion::StepwiseConversion(std::string text, char axis)
    : text_(std::move(text)), axis_(axis) {
    const char* p = text_.data();
    const char* const end = p + text_.size();
    while (p != end) {
        p = FindLineSpan(p, end).next;
        ++line_count_;
    }
    converted_.reserve(text_.size() + text_.size() / 8 + 16);
}

std::size_t StepwiseConversion::NextLineLength() const {
    if (Finished()) {
        return 0;
    }
    const char* p = text_.data() + position_;
    return static_cast<std::size_t>(FindLineSpan(p, text_.data() + text_.size()).end - p);
}

std::optional<ConversionFailure> StepwiseConversion::ConvertNextLine() {
    if (Finished()) {
        return std::nullopt;
    }
    const char* p = text_.data() + position_;
    const LineSpan span = FindLineSpan(p, text_.data() + text_.size());
    const std::string_view line(p, static_cast<std::size_t>(span.end - p));
    const std::size_t converted_size = converted_.size();
    std::size_t copied = 0;
    if (const std::optional<AxisWord> word = FindAxisWord(line, axis_)) {
        converted_.append(line.substr(0, word->run_begin));
        if (!AppendDoubledNumber(*word, converted_)) {
            converted_.resize(converted_size);
            const ConversionError error{
                std::string(line.substr(word->run_begin, word->run_end - word->run_begin))};
            return ConversionFailure{lines_done_ + 1, error.number_text(), error.what()};
        }
        copied = word->replace_end;
    }
    converted_.append(line.substr(copied));
    converted_.append("\r\n", 2);
    position_ = static_cast<std::size_t>(span.next - text_.data());
    ++lines_done_;
    return std::nullopt;
}

std::string StepwiseConversion::WholeText() const {
    std::string text;
    text.reserve(converted_.size() + text_.size() - position_);
    text.append(converted_);
    text.append(Rest());
    return text;
}

} // namespace ravoxel
