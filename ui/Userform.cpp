#include "ui/Userform.h"

TUser* User = nullptr;

TUser::TUser() : PFont("ＭＳ Ｐゴシック", -12, winkit::Pitch::Variable) {}

winkit::FormParams TUser::Params() const {
    winkit::FormParams p{L"TUser", "ﾕｰｻﾞ定義", 192, 114, 379, 173};
    p.border = winkit::BorderStyle::Single;
    p.system_menu = false; // no title-bar buttons
    p.minimize_box = false;
    p.maximize_box = false;
    return p;
}

void TUser::CreateControls() {
    SetFont(PFont);
}
