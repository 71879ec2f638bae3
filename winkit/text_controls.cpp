#include "winkit/text_controls.h"

#include <richedit.h>

#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

// ---- TextControl

int TextControl::LineCount() const {
    int count = static_cast<int>(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0));
    // The control counts the empty line after a final line break; the list does not.
    const LRESULT last_start = SendMessageW(Handle(), EM_LINEINDEX, count - 1, 0);
    if (SendMessageW(Handle(), EM_LINELENGTH, last_start, 0) == 0) {
        --count;
    }
    return count;
}

std::string TextControl::Line(int index) const {
    const LRESULT start = SendMessageW(Handle(), EM_LINEINDEX, index, 0);
    if (start < 0) {
        throw Error("line index out of range: " + std::to_string(index));
    }
    const int length = static_cast<int>(SendMessageW(Handle(), EM_LINELENGTH, start, 0));
    if (length > 0xFFFF) {
        // EM_GETLINE announces the buffer size in one WORD: read longer lines as a range.
        return Narrow(Range(static_cast<int>(start), static_cast<int>(start) + length));
    }
    std::wstring buffer(static_cast<std::size_t>(length < 2 ? 2 : length) + 1, L'\0');
    buffer[0] = static_cast<wchar_t>(length);
    const int copied = static_cast<int>(
        SendMessageW(Handle(), EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer.data())));
    buffer.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    while (!buffer.empty() && (buffer.back() == L'\r' || buffer.back() == L'\n')) {
        buffer.pop_back();
    }
    return Narrow(buffer);
}

std::wstring TextControl::Range(int start, int end) const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), length + 1)));
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

int TextControl::LineStart(int index) const {
    return static_cast<int>(SendMessageW(Handle(), EM_LINEINDEX, index, 0));
}

int TextControl::LineLength(int index) const {
    const LRESULT start = SendMessageW(Handle(), EM_LINEINDEX, index, 0);
    if (start < 0) {
        throw Error("line index out of range: " + std::to_string(index));
    }
    return static_cast<int>(SendMessageW(Handle(), EM_LINELENGTH, start, 0));
}

int TextControl::LineFromPosition(int position) const {
    return static_cast<int>(SendMessageW(Handle(), EM_LINEFROMCHAR, position, 0));
}

int TextControl::FirstVisibleLine() const {
    return static_cast<int>(SendMessageW(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

int TextControl::TextLengthInPositions() const {
    return GetWindowTextLengthW(Handle());
}

void TextControl::AddLine(std::string_view line) {
    const int end = TextLengthInPositions();
    std::string insert;
    if (end > 0) {
        // Start on a line of its own when the text does not end in a line break.
        const int last = LineCount() > 0 ? LineStart(LineFromPosition(end)) : 0;
        if (last != end) {
            insert = "\r\n";
        }
    }
    insert.append(line);
    insert.append("\r\n");
    Select(end, 0);
    ReplaceSelection(insert);
}

void TextControl::Select(int start, int length) {
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + length));
}

int TextControl::SelStart() const {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TextControl::SelLength() const {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TextControl::ReplaceSelection(std::string_view text) {
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TextControl::ScrollCaret() {
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

void TextControl::SetReadOnly(bool read_only) {
    SendMessageW(Handle(), EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

bool TextControl::ReadOnly() const {
    return (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

bool TextControl::Modified() const {
    return SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TextControl::SetModified(bool modified) {
    SendMessageW(Handle(), EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void TextControl::SetRedraw(bool redraw) {
    SendMessageW(Handle(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) {
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

// ---- Memo

void Memo::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(L"EDIT",
                 WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                     ES_AUTOHSCROLL | ES_WANTRETURN,
                 WS_EX_CLIENTEDGE, parent, bounds, caption);
    SendMessageW(Handle(), EM_LIMITTEXT, 0, 0); // no limit beyond the system's own
}

// ---- RichEdit

void RichEdit::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    MakeWindow(parent, bounds,
               WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                   ES_AUTOHSCROLL | ES_WANTRETURN,
               WS_EX_CLIENTEDGE);
    if (!caption.empty()) {
        SetText(caption);
    }
}

void RichEdit::MakeWindow(HWND parent, const Rect& bounds, DWORD style, DWORD ex_style) {
    static HMODULE library = LoadLibraryW(L"riched20.dll");
    if (!library) {
        throw Error("riched20.dll: " + SystemErrorText(GetLastError()));
    }
    CreateHandle(RICHEDIT_CLASSW, style, ex_style, parent, bounds, "");
    SendMessageW(Handle(), EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    // A target line width of 1 turns word wrap off: each line stays one screen line.
    SendMessageW(Handle(), EM_SETTARGETDEVICE, 0, 1);
}

void RichEdit::Recreate() {
    HWND old = Handle();
    HWND parent = GetParent(old);
    const Rect bounds = Bounds();
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_STYLE)) & ~WS_CHILD;
    const DWORD ex_style = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_EXSTYLE));
    const LRESULT limit = SendMessageW(old, EM_GETLIMITTEXT, 0, 0);
    const LRESULT event_mask = SendMessageW(old, EM_GETEVENTMASK, 0, 0);
    const bool focused = GetFocus() == old;
    // The tab order is the order of the siblings: the new window takes the old one's place.
    HWND previous = GetWindow(old, GW_HWNDPREV);
    DestroyWindow(old); // detaches this object from the old window
    MakeWindow(parent, bounds, style, ex_style);
    HWND fresh = Handle();
    SetWindowPos(fresh, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font_) {
        SendMessageW(fresh, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    SendMessageW(fresh, EM_EXLIMITTEXT, 0, limit);
    SendMessageW(fresh, EM_SETEVENTMASK, 0, event_mask);
    if (focused) {
        ::SetFocus(fresh);
    }
}

std::string RichEdit::Text() const {
    GETTEXTLENGTHEX length_query{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT length =
        SendMessageW(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length_query), 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX query{};
    query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    query.flags = GT_USECRLF;
    query.codepage = 1200;
    const LRESULT copied = SendMessageW(Handle(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return Narrow(text);
}

void RichEdit::SetText(std::string_view text) {
    if (TextLengthInPositions() > 0) {
        Recreate(); // empties the control far faster than replacing its text would
    }
    if (text.empty()) {
        return;
    }
    SETTEXTEX how{ST_DEFAULT, 1200};
    const std::wstring wide = Widen(text);
    SendMessageW(Handle(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(wide.c_str()));
    // As WM_SETTEXT leaves an edit control: caret and view at the start, no user edit.
    Select(0, 0);
    POINT top_left{0, 0};
    SendMessageW(Handle(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&top_left));
    SetModified(false);
}

void RichEdit::SetFont(HFONT font) {
    font_ = font;
    TextControl::SetFont(font);
}

void RichEdit::SetMaxLength(int characters) {
    SendMessageW(Handle(), EM_EXLIMITTEXT, 0, characters);
}

int RichEdit::MaxLength() const {
    return static_cast<int>(SendMessageW(Handle(), EM_GETLIMITTEXT, 0, 0));
}

int RichEdit::LineFromPosition(int position) const {
    return static_cast<int>(SendMessageW(Handle(), EM_EXLINEFROMCHAR, 0, position));
}

int RichEdit::LastVisibleLine() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    POINTL bottom_left{0, client.bottom > 0 ? client.bottom - 1 : 0};
    const LRESULT position =
        SendMessageW(Handle(), EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&bottom_left));
    return LineFromPosition(static_cast<int>(position));
}

void RichEdit::ReplaceLines(int first, int count, std::string_view text) {
    const int last = first + count - 1;
    const int start = LineStart(first);
    const int end = LineStart(last) + LineLength(last); // LineLength throws past the end
    if (start < 0) {
        throw Error("line index out of range: " + std::to_string(first));
    }
    POINT scroll{};
    SendMessageW(Handle(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    CHARRANGE selection{};
    SendMessageW(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    Select(start, end - start);
    ReplaceSelection(text);
    // A selection behind the lines moves with their new length; one inside them shrinks to
    // their start.
    const LONG shift = LineStart(last) + LineLength(last) - end;
    for (LONG* edge : {&selection.cpMin, &selection.cpMax}) {
        if (*edge >= end) {
            *edge += shift;
        } else if (*edge > start) {
            *edge = start;
        }
    }
    SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(Handle(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
}

std::wstring RichEdit::Range(int start, int end) const {
    std::wstring text(static_cast<std::size_t>(end - start) + 1, L'\0');
    TEXTRANGEW range{{start, end}, text.data()};
    const LRESULT copied =
        SendMessageW(Handle(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

int RichEdit::TextLengthInPositions() const {
    GETTEXTLENGTHEX query{GTL_PRECISE | GTL_NUMCHARS, 1200};
    return static_cast<int>(
        SendMessageW(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

} // namespace winkit
