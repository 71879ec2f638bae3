#include "ui/working_text_view.h"

#include <algorithm>

void WorkingTextView::Clear() {
    control_.Clear();
    std::string().swap(loaded_);
    conversion_.reset();
    std::vector<bool>().swap(shown_);
    cursor_line_ = 0;
    cursor_offset_ = 0;
}

void WorkingTextView::Load(std::string text) {
    Clear();
    loaded_ = std::move(text);
    control_.SetText(loaded_);
}

void WorkingTextView::BeginConversion(char axis) {
    conversion_.emplace(std::move(loaded_), axis);
    loaded_.clear();
    shown_.assign(conversion_->LineCount(), false);
    cursor_line_ = 0;
    cursor_offset_ = 0;
}

std::optional<ravoxel::ConversionFailure> WorkingTextView::ConvertNextLine() {
    return conversion_ ? conversion_->ConvertNextLine() : std::nullopt;
}

void WorkingTextView::ShowVisibleLines() {
    const int first = control_.FirstVisibleLine();
    if (first < 0 || static_cast<std::size_t>(first) >= LinesDone()) {
        return;
    }
    ShowConvertedLines(static_cast<std::size_t>(first),
                       static_cast<std::size_t>(control_.LastVisibleLine()) + 1);
}

void WorkingTextView::ShowModelText() {
    if (!conversion_) {
        return; // the view holds the loaded text already
    }
    // The view differs from the model only in the converted lines it does not show yet. When
    // they are few, writing them costs less than a whole text (under Wine, 1 s for 10,000
    // lines, and far more for a long text set just after a long one was emptied).
    const std::size_t done = LinesDone();
    const std::size_t unshown =
        static_cast<std::size_t>(std::count(shown_.begin(), shown_.begin() + done, false));
    if (static_cast<std::size_t>(control_.LineCount()) == LineCount() &&
        unshown * 16 <= LineCount()) {
        ShowConvertedLines(0, done);
        return;
    }
    control_.SetText(conversion_->WholeText());
    std::fill(shown_.begin(), shown_.end(), true);
}

void WorkingTextView::ShowConvertedLines(std::size_t first, std::size_t end) {
    // The control's lines are the model's as loaded; the clamp only guards a text the control
    // cuts into lines otherwise.
    end = std::min({end, LinesDone(), static_cast<std::size_t>(control_.LineCount())});
    bool changed = false;
    std::size_t line = first;
    while (line < end) {
        if (shown_[line]) {
            ++line;
            continue;
        }
        // A run of lines not shown yet goes in with one replacement: under Wine each costs
        // time that grows with the whole text, whatever its own length.
        std::size_t run_end = line;
        while (run_end < end && !shown_[run_end]) {
            shown_[run_end++] = true;
        }
        if (!changed) {
            control_.SetRedraw(false); // one repaint for them all
            changed = true;
        }
        control_.ReplaceLines(static_cast<int>(line), static_cast<int>(run_end - line),
                              ConvertedLines(line, run_end));
        line = run_end;
    }
    if (changed) {
        control_.SetRedraw(true);
    }
}

void WorkingTextView::SelectLine(std::size_t index) {
    if (index >= static_cast<std::size_t>(control_.LineCount())) {
        return;
    }
    const int line = static_cast<int>(index);
    control_.Select(control_.LineStart(line), control_.LineLength(line));
    control_.ScrollCaret();
}

std::string WorkingTextView::Converted() const {
    return conversion_ ? std::string(conversion_->Converted()) : std::string();
}

std::size_t WorkingTextView::ConvertedLineStart(std::size_t index) {
    // Converted lines hold no line break of their own: each ends in exactly one CR LF.
    const std::string_view text = conversion_->Converted();
    while (cursor_line_ < index) {
        cursor_offset_ = text.find('\n', cursor_offset_) + 1;
        ++cursor_line_;
    }
    while (cursor_line_ > index) {
        const std::size_t lf =
            cursor_offset_ >= 2 ? text.rfind('\n', cursor_offset_ - 2) : std::string_view::npos;
        cursor_offset_ = lf == std::string_view::npos ? 0 : lf + 1;
        --cursor_line_;
    }
    return cursor_offset_;
}

std::string_view WorkingTextView::ConvertedLines(std::size_t first, std::size_t end) {
    const std::size_t start = ConvertedLineStart(first);
    const std::size_t stop = ConvertedLineStart(end - 1);
    const std::string_view text = conversion_->Converted();
    return text.substr(start, text.find("\r\n", stop) - start);
}
