#pragma once
// TUser: the dialog that edits the two user-defined file types of the open dialog. Created
// hidden at start-up; its fields and buttons come with the extension settings.
#include "winkit/font.h"
#include "winkit/form.h"

class TUser : public winkit::Form {
public:
    TUser();

    winkit::Font PFont; // "ＭＳ Ｐゴシック" 9 pt

protected:
    winkit::FormParams Params() const override;
    void CreateControls() override;
};

extern TUser* User;
