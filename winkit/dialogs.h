#pragma once
// The positioned question: a modal dialog with an icon, a text and a row of buttons, its
// top-left corner at a given screen point (the form designer's MessageDlgPos).
//
// The dialog is of the system's dialog class (#32770) and its text is the static control 0xFFFF,
// as in the system's message box, so tests read and answer both the same way.
#include <string_view>

namespace winkit {

enum class MsgDlgType {
    Warning,      // caption "警告", warning icon
    Error,        // caption "エラー", stop icon
    Information,  // caption "情報", information icon
    Confirmation, // caption "確認", question icon
};

enum MsgDlgButton : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
};

// Buttons in the order Yes, No, OK, Cancel; the first one is the default. Escape and the close
// box answer Cancel when it is there, else No, else OK. Returns the modal result of the button
// (mrYes = 6, mrNo = 7, mrOk = 1, mrCancel = 2).
int MessageDlgPos(std::string_view text, MsgDlgType type, unsigned buttons, int x, int y);

} // namespace winkit
