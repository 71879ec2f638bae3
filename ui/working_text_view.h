#pragma once
// The working text of a conversion run: the model that the run converts, line by line, and the
// rich edit that shows it.
//
// The rich edit is only the view. It is given the loaded text once; while the run goes on it is
// given only the converted lines the user can see; when a run stops or fails it is given the
// model's text once (the few converted lines it lacks, or the whole text). A whole text costs
// Wine's rich edit seconds for 10,000 lines, and emptying one costs far more (winkit's RichEdit
// empties by a fresh window), while converting the model costs microseconds a line: so the text
// never goes through the control line by line.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/stepwise_conversion.h"
#include "winkit/text_controls.h"

class WorkingTextView {
public:
    explicit WorkingTextView(winkit::RichEdit& control) : control_(control) {}

    // Empties the model and the view.
    void Clear();
    // The loaded source becomes the model and, in one setting, the view's text.
    void Load(std::string text);
    bool Empty() const { return loaded_.empty() && !conversion_; }

    // Starts converting the loaded text with the axis letter.
    void BeginConversion(char axis);
    std::size_t LineCount() const { return conversion_ ? conversion_->LineCount() : 0; }
    std::size_t LinesDone() const { return conversion_ ? conversion_->LinesDone() : 0; }
    bool Finished() const { return !conversion_ || conversion_->Finished(); }
    // Converts the next line; a failure leaves the model as it was and names the line.
    std::optional<ravoxel::ConversionFailure> ConvertNextLine();

    // Writes the converted lines that the view shows, and has not shown converted yet, into it.
    void ShowVisibleLines();
    // Gives the view the model's text as it stands: the converted lines, then the rest as loaded.
    void ShowModelText();
    // Selects the line (0-based) in the view and scrolls it into view.
    void SelectLine(std::size_t index);

    // Every line converted and followed by CR LF (once the conversion has finished).
    std::string Converted() const;

private:
    // Writes the converted lines in [first, end) that the view does not show yet into it.
    void ShowConvertedLines(std::size_t first, std::size_t end);
    // Offset in the converted text where line `index` starts.
    std::size_t ConvertedLineStart(std::size_t index);
    // Lines [first, end) of the converted text, without the break after the last.
    std::string_view ConvertedLines(std::size_t first, std::size_t end);

    winkit::RichEdit& control_;
    std::string loaded_;
    std::optional<ravoxel::StepwiseConversion> conversion_;
    std::vector<bool> shown_; // per line: the view shows it converted
    // Where ConvertedLineStart found its last line, so that the next is found from there.
    std::size_t cursor_line_ = 0;
    std::size_t cursor_offset_ = 0;
};
