#pragma once
// The conversion of a loaded text one line at a time, for a run that shows its progress and can
// be stopped between two lines. Run to its end it gives the same bytes as ConvertText.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/conversion_engine.h"

namespace ravoxel {

class StepwiseConversion {
public:
    // `text` is the working text as loaded; lines are cut as ConvertText cuts them.
    StepwiseConversion(std::string text, char axis);

    std::size_t LineCount() const { return line_count_; }
    std::size_t LinesDone() const { return lines_done_; }
    bool Finished() const { return lines_done_ == line_count_; }

    // Converts the next line: repairs a lone LF ending, doubles the axis value and ends the line
    // with CR LF. On a conversion error nothing changes and the failure names the line (1-based)
    // and the number text; the same line fails again when asked again. Costs the line's length.
    std::optional<ConversionFailure> ConvertNextLine();

    // The lines done, each followed by CR LF.
    std::string_view Converted() const { return converted_; }
    // The lines still to do, as loaded. NextLineLength() bytes of it form the next line (without
    // its break): the line a failure names.
    std::string_view Rest() const { return std::string_view(text_).substr(position_); }
    std::size_t NextLineLength() const;
    // The text as it stands: Converted() followed by Rest().
    std::string WholeText() const;

private:
    std::string text_;
    char axis_;
    std::size_t position_ = 0; // start of the next line in text_
    std::size_t line_count_ = 0;
    std::size_t lines_done_ = 0;
    std::string converted_;
};

} // namespace ravoxel
