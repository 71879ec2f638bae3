#include "main_form_fixture.h"

#include "ui/Userform.h"
#include "ui/Viewprint.h"
#include "ui/Viewunit.h"
#include "winkit/application.h"
#include "winkit/files.h"

void MainFormTest::TearDown() {
    winkit::App().DestroyForms();
    MainForm = nullptr;
    ViewForm = nullptr;
    PrintForm = nullptr;
    User = nullptr;
}

void MainFormTest::WriteSettings(const std::string& bytes) {
    winkit::ReplaceFileContents(SettingsPath(), bytes);
}

std::string MainFormTest::ReadSettings() const {
    return winkit::ReadWholeFile(SettingsPath());
}

void MainFormTest::CreateWindows(bool show) {
    winkit::Application& app = winkit::App();
    app.SetExeName(folder.Path() + "\\Ravoxel.exe");
    app.SetTitle("Ravoxel");
    app.CreateForm(MainForm);
    app.CreateForm(ViewForm);
    app.CreateForm(PrintForm);
    app.CreateForm(User);
    form = MainForm;
    if (show) {
        form->Show();
        app.ProcessMessages();
    }
}

void MainFormTest::CloseMainWindow() {
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    winkit::App().ProcessMessages();
}
