#include "ui/Viewunit.h"

#include "ui/app_icon.h"

TViewForm* ViewForm = nullptr;

TViewForm::TViewForm() : PFont("ＭＳ Ｐゴシック", -12, winkit::Pitch::Variable) {}

winkit::FormParams TViewForm::Params() const {
    winkit::FormParams p{L"TViewForm", "ViewForm", 258, 151, 492, 473};
    p.border = winkit::BorderStyle::Single;
    p.minimize_box = true;
    p.maximize_box = false;
    p.icon = AppIcon();
    return p;
}

void TViewForm::CreateControls() {
    SetFont(PFont);
}
