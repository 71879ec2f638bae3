// Handlers whose behaviour comes later: the source-file routes, the key checks, the output
// folder browser, the shortcuts, the extension dialog and the Help menu. Until then they do
// nothing; a drop handle is still released.
#include "ui/Mainunit.h"

void TMainForm::Button1Click(winkit::Component*) {}
void TMainForm::Button2Click(winkit::Component*) {}
void TMainForm::LabeledEdit2KeyPress(winkit::Component*, char&) {}
void TMainForm::LabeledEdit3KeyPress(winkit::Component*, char&) {}
void TMainForm::LabeledEdit4KeyPress(winkit::Component*, char&) {}
void TMainForm::Menu_hpClick(winkit::Component*) {}
void TMainForm::Menu_addClick(winkit::Component*) {}
void TMainForm::Menu_verClick(winkit::Component*) {}
void TMainForm::op1Click(winkit::Component*) {}
void TMainForm::User_opClick(winkit::Component*) {}
void TMainForm::DeskTop_setClick(winkit::Component*) {}
void TMainForm::SendTo_setClick(winkit::Component*) {}

void TMainForm::OpenRecentFile(const std::string&) {}
void TMainForm::FillOutputFields(const std::string&, bool) {}
void TMainForm::WMDropFiles(HDROP Drop) {
    DragFinish(Drop);
}
void TMainForm::TakeSourceFromCommandLine() {}
void TMainForm::BuildFilterText() {}
bool TMainForm::IsAllowedChar(char, const std::string&) const {
    return true;
}
void TMainForm::CreateShortcut(int) {}
