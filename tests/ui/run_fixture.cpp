#include "run_fixture.h"

#include <windows.h>

#include "ui/Viewunit.h"
#include "winkit/application.h"
#include "winkit/files.h"

namespace {

struct ViewerScript {
    std::function<void()> action;
    bool shown = false;
};
ViewerScript* script = nullptr;

void CALLBACK ViewerTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (!script || script->shown || !ViewForm->Modal() || !ViewForm->Visible()) {
        return;
    }
    KillTimer(nullptr, id);
    script->shown = true;
    if (script->action) {
        script->action();
    }
    if (ViewForm->Modal() && ViewForm->ModalResult() == winkit::mrNone) {
        SendMessageW(ViewForm->Button4.Handle(), BM_CLICK, 0, 0);
    }
}

} // namespace

std::string SourceTreePath(const std::string& relative) {
    std::string path = "Z:" RAVOXEL_SOURCE_DIR "/" + relative;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string RunTest::WriteSource(const std::string& name, const std::string& bytes) {
    const std::string path = folder.Path() + "\\" + name;
    winkit::ReplaceFileContents(path, bytes);
    return path;
}

void RunTest::Fill(const std::string& source, const std::string& output_folder,
                   const std::string& name, const std::string& extension, const std::string& axis) {
    form->LabeledEdit1.SetText(source);
    form->LabeledEdit2.SetText(output_folder);
    form->LabeledEdit3.SetText(name);
    form->LabeledEdit4.SetText(extension);
    form->LabeledEdit5.SetText(axis);
}

void RunTest::FillFor(const std::string& source, const std::string& axis) {
    Fill(source, folder.Path(), "OUT", "NC", axis);
}

bool RunTest::Start(const std::function<void()>& in_viewer) {
    ViewerScript run{in_viewer};
    script = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ViewerTimer);
    SendMessageW(form->Button3.Handle(), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    script = nullptr;
    winkit::App().ProcessMessages();
    return run.shown;
}

std::vector<std::string> RunTest::Log() {
    std::vector<std::string> lines;
    for (int i = 0; i < form->Memo1.LineCount(); ++i) {
        lines.push_back(form->Memo1.Line(i));
    }
    return lines;
}

void RunTest::ExpectIdle() {
    EXPECT_TRUE(form->Button3.Enabled());
    EXPECT_FALSE(form->Button4.Enabled());
    EXPECT_TRUE(form->Button5.Enabled());
    EXPECT_EQ(MainFormAccess::ProgressBar(*form)->Position(), 0);
    EXPECT_EQ(form->StatusBar1.PanelText(1), "");
    EXPECT_FALSE(form->RichEdit1.ReadOnly());
}

void RunTest::SwitchScreenSaverOff() {
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
}

bool RunTest::ScreenSaverOn() {
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active != FALSE;
}
