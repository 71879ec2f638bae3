#include "ui/Viewprint.h"

TPrintForm* PrintForm = nullptr;

TPrintForm::TPrintForm() : PFont("ＭＳ Ｐゴシック", -12, winkit::Pitch::Variable) {}

winkit::FormParams TPrintForm::Params() const {
    // Outer size 776 x 427 with a sizeable frame.
    winkit::FormParams p{L"TPrintForm", "PrintForm", 242, 139, 768, 400};
    p.border = winkit::BorderStyle::Sizeable;
    p.maximize_box = true;
    return p;
}

void TPrintForm::CreateControls() {
    SetFont(PFont);
}
