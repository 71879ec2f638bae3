#include "winkit/dialogs.h"

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "winkit/application.h"
#include "winkit/font.h"
#include "winkit/text.h"

namespace winkit {

namespace {

struct ButtonSpec {
    unsigned flag;
    int id;
    const wchar_t* caption;
};

const ButtonSpec kButtons[] = {
    {mbYes, IDYES, L"はい(&Y)"},
    {mbNo, IDNO, L"いいえ(&N)"},
    {mbOK, IDOK, L"OK"},
    {mbCancel, IDCANCEL, L"キャンセル"},
};

struct Question {
    std::wstring text;
    MsgDlgType type;
    unsigned buttons;
    int x;
    int y;
    int escape_id;
    Font* font;
};

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kSpacing = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;

const wchar_t* IconFor(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return IDI_WARNING;
    case MsgDlgType::Error:
        return IDI_ERROR;
    case MsgDlgType::Information:
        return IDI_INFORMATION;
    case MsgDlgType::Confirmation:
        return IDI_QUESTION;
    }
    return IDI_WARNING;
}

const wchar_t* CaptionFor(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return L"警告";
    case MsgDlgType::Error:
        return L"エラー";
    case MsgDlgType::Information:
        return L"情報";
    case MsgDlgType::Confirmation:
        return L"確認";
    }
    return L"";
}

HWND AddChild(HWND dialog, const wchar_t* window_class, const wchar_t* text, DWORD style, int id,
              int x, int y, int w, int h, HFONT font) {
    HWND child = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                 dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void Layout(HWND dialog, Question& q) {
    HFONT font = q.font->Handle();
    // The text's size, wrapped at half the screen's width.
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, font);
    RECT text{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, q.text.c_str(), -1, &text,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);

    std::vector<const ButtonSpec*> buttons;
    for (const ButtonSpec& spec : kButtons) {
        if (q.buttons & spec.flag) {
            buttons.push_back(&spec);
        }
    }
    const int count = static_cast<int>(buttons.size());
    const int row_width = count * kButtonWidth + (count - 1) * kButtonGap;
    const int text_left = kMargin + kIconSize + kSpacing;
    const int body_height = std::max<int>(kIconSize, text.bottom);
    const int client_width =
        std::max<int>(text_left + text.right + kMargin, row_width + 2 * kMargin);
    const int client_height = kMargin + body_height + kSpacing + kButtonHeight + kMargin;

    HWND icon = AddChild(dialog, L"STATIC", nullptr, SS_ICON, -1, kMargin, kMargin, kIconSize,
                         kIconSize, font);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IconFor(q.type))),
                 0);
    AddChild(dialog, L"STATIC", q.text.c_str(), SS_LEFT | SS_NOPREFIX, 0xFFFF, text_left,
             kMargin + (body_height - text.bottom) / 2, text.right, text.bottom, font);
    int x = (client_width - row_width) / 2;
    const int y = kMargin + body_height + kSpacing;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        AddChild(dialog, L"BUTTON", buttons[i]->caption, style, buttons[i]->id, x, y, kButtonWidth,
                 kButtonHeight, font);
        x += kButtonWidth + kButtonGap;
    }
    RECT outer{0, 0, client_width, client_height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, q.x, q.y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(buttons.front()->id), 0);
    SetFocus(GetDlgItem(dialog, buttons.front()->id));
}

INT_PTR CALLBACK QuestionProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    try {
        switch (message) {
        case WM_INITDIALOG: {
            auto* q = reinterpret_cast<Question*>(lparam);
            SetWindowLongPtrW(dialog, DWLP_USER, lparam);
            SetWindowTextW(dialog, CaptionFor(q->type));
            Layout(dialog, *q);
            return FALSE; // the focus is set
        }
        case WM_COMMAND: {
            const int id = LOWORD(wparam);
            auto* q = reinterpret_cast<Question*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (id == IDCANCEL) {
                // Escape or the close box.
                EndDialog(dialog, q->escape_id);
                return TRUE;
            }
            for (const ButtonSpec& spec : kButtons) {
                if (spec.id == id && (q->buttons & spec.flag)) {
                    EndDialog(dialog, id);
                    return TRUE;
                }
            }
            return FALSE;
        }
        default:
            return FALSE;
        }
    } catch (...) {
        App().HandleException();
        return FALSE;
    }
}

} // namespace

int MessageDlgPos(std::string_view text, MsgDlgType type, unsigned buttons, int x, int y) {
    if ((buttons & (mbYes | mbNo | mbOK | mbCancel)) == 0) {
        buttons = mbOK;
    }
    Font font(Narrow(L"ＭＳ Ｐゴシック"), -12, Pitch::Variable);
    Question q{Widen(text), type, buttons,
               x,           y,    (buttons & mbCancel) ? IDCANCEL : (buttons & mbNo) ? IDNO : IDOK,
               &font};

    // An empty dialog template: the controls are made in pixels in WM_INITDIALOG.
    struct alignas(4) Template {
        DLGTEMPLATE header;
        WORD menu;
        WORD window_class;
        WORD title;
    } dialog_template{};
    dialog_template.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog_template.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    dialog_template.header.x = 0;
    dialog_template.header.y = 0;
    dialog_template.header.cx = 100;
    dialog_template.header.cy = 50;
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog_template.header,
                                App().NoticeOwner(), QuestionProc, reinterpret_cast<LPARAM>(&q));
    return static_cast<int>(result);
}

} // namespace winkit
