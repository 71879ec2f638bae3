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
    const std::size_t done = LinesDone();
    const int first = control_.FirstVisibleLine();
    if (first < 0 || static_cast<std::size_t>(first) >= done) {
        return;
    }
    const std::size_t last =
        std::min(static_cast<std::size_t>(control_.LastVisibleLine()) + 1, done);
    bool changed = false;
    for (std::size_t line = static_cast<std::size_t>(first); line < last; ++line) {
        if (shown_[line]) {
            continue;
        }
        if (!changed) {
            control_.SetRedraw(false); // one repaint for the batch, not one per line
            changed = true;
        }
        control_.ReplaceLine(static_cast<int>(line), ConvertedLine(line));
        shown_[line] = true;
    }
    if (changed) {
        control_.SetRedraw(true);
    }
}

void WorkingTextView::ShowWholeText() {
    if (!conversion_) {
        return; // the view holds the loaded text already
    }
    control_.SetText(conversion_->WholeText());
    std::fill(shown_.begin(), shown_.end(), true);
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

std::string_view WorkingTextView::ConvertedLine(std::size_t index) {
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
    const std::size_t end = text.find("\r\n", cursor_offset_);
    return text.substr(cursor_offset_, end - cursor_offset_);
}
