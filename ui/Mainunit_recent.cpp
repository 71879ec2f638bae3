// The five most recent source files as items of the File menu.
#include "ui/Mainunit.h"

void TMainForm::AddRecentFile(const std::string& Path) {
    ravoxel::AddRecentFile(RecentFiles, Path);
    RefreshRecentMenu();
}

void TMainForm::RefreshRecentMenu() {
    const ravoxel::RecentMenuRefresh refresh = ravoxel::RefreshRecentMenu(RecentFiles);
    winkit::MenuItem* const items[] = {&MenuFile0, &MenuFile1, &MenuFile2, &MenuFile3, &MenuFile4};
    for (std::size_t k = 0; k < refresh.captions.size(); ++k) {
        if (refresh.captions[k]) {
            items[k]->SetCaption(*refresh.captions[k]);
            items[k]->SetVisible(true);
        }
    }
    if (refresh.show_separator) {
        FileNone3.SetVisible(true);
    }
}

// Each passes a copy of its entry: opening it reorders the list.
void TMainForm::MenuFile0Click(winkit::Component*) {
    OpenRecentFile(std::string(RecentFiles[0]));
}
void TMainForm::MenuFile1Click(winkit::Component*) {
    OpenRecentFile(std::string(RecentFiles[1]));
}
void TMainForm::MenuFile2Click(winkit::Component*) {
    OpenRecentFile(std::string(RecentFiles[2]));
}
void TMainForm::MenuFile3Click(winkit::Component*) {
    OpenRecentFile(std::string(RecentFiles[3]));
}
void TMainForm::MenuFile4Click(winkit::Component*) {
    OpenRecentFile(std::string(RecentFiles[4]));
}
