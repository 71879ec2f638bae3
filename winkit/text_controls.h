#pragma once
// The multi-line text controls: memo (the system edit control) and rich edit (plain-text mode).
//
// Texts are code-page-932 bytes with CR LF line breaks. Positions (selection, line starts) are
// the control's own character positions: UTF-16 units, a line break counting as the control
// counts it (2 in a memo, 1 in a rich edit).
#include "winkit/control.h"

namespace winkit {

class TextControl : public Control {
public:
    // Lines as a list: a line break at the very end does not start one more line, so a text
    // "a\r\nb\r\n" has 2 lines and an empty text has 0.
    int LineCount() const;
    std::string Line(int index) const;
    int LineStart(int index) const;  // position of the first character of the line
    int LineLength(int index) const; // in positions, without the line break
    virtual int LineFromPosition(int position) const;
    int FirstVisibleLine() const;

    // Appends a line (and its line break) at the end of the text.
    void AddLine(std::string_view line);
    void Clear() { SetText(""); }

    void Select(int start, int length);
    int SelStart() const;
    int SelLength() const;
    // Replaces the selection with `text` (not undoable).
    void ReplaceSelection(std::string_view text);
    // Scrolls the selection into view.
    void ScrollCaret();

    void SetReadOnly(bool read_only);
    bool ReadOnly() const;
    bool Modified() const;
    void SetModified(bool modified);

    // Switches painting off and on around a batch of changes.
    void SetRedraw(bool redraw);

protected:
    virtual int TextLengthInPositions() const;
    // The characters from position `start` up to `end`.
    virtual std::wstring Range(int start, int end) const;
};

// A multi-line edit: vertical scroll bar, no word wrap, no text limit.
class Memo : public TextControl {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
};

// A rich edit in plain-text mode: both scroll bars, no word wrap. Its default text limit is the
// system's (32,767 characters): call SetMaxLength before a long text is put in.
//
// Emptying a long rich edit is very slow under Wine (its time grows with the square of the line
// count: 10,000 lines take over half a minute), while a fresh window costs milliseconds. So
// SetText on a control that holds text, Clear among them, first puts a fresh window in the old
// one's place, with the same style, place, tab order, font, text limit and focus: Handle()
// changes then.
class RichEdit : public TextControl {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    // The text through EM_GETTEXTEX/EM_SETTEXTEX, in UTF-16 converted at code page 932, so a
    // Japanese text is never cut by a byte/character count mix-up.
    std::string Text() const override;
    void SetText(std::string_view text) override;
    // EM_EXLIMITTEXT: the number of characters the control holds.
    void SetMaxLength(int characters);
    int MaxLength() const;
    int LineFromPosition(int position) const override;
    void SetFont(HFONT font) override;
    // The last line the client area shows, wholly or in part.
    int LastVisibleLine() const;
    // Replaces the text of `count` lines from `first` on (the breaks between them and `text`'s
    // own CR LF breaks change places; the last line's break stays) without moving the view or
    // the selection, as a program writes into a text the user is looking at. `text` holds as
    // many lines as it replaces. One replacement of many lines costs about what one of a single
    // line does (Wine: milliseconds, growing with the whole text's length).
    void ReplaceLines(int first, int count, std::string_view text);

protected:
    int TextLengthInPositions() const override;
    std::wstring Range(int start, int end) const override;

private:
    void MakeWindow(HWND parent, const Rect& bounds, DWORD style, DWORD ex_style);
    void Recreate();
    HFONT font_ = nullptr; // set by SetFont; the parent's font otherwise
};

} // namespace winkit
