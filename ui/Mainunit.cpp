// The main window's life: creation, show, close request and destruction.
#include "ui/Mainunit.h"

#include "core/source_loader.h"
#include "winkit/application.h"
#include "winkit/dialogs.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm()
    : PFont("ＭＳ Ｐゴシック", -12, winkit::Pitch::Variable),
      FixedFont("ＭＳ ゴシック", -12, winkit::Pitch::Fixed) {
    using winkit::Bind;
    OnCreate = Bind(this, &TMainForm::FormCreate);
    OnShow = Bind(this, &TMainForm::FormShow);
    OnCloseQuery = Bind(this, &TMainForm::FormCloseQuery);
    OnDestroy = Bind(this, &TMainForm::FormDestroy);
    Button1.OnClick = Bind(this, &TMainForm::Button1Click);
    Button2.OnClick = Bind(this, &TMainForm::Button2Click);
    Button3.OnClick = Bind(this, &TMainForm::Button3Click);
    Button4.OnClick = Bind(this, &TMainForm::Button4Click);
    Button5.OnClick = Bind(this, &TMainForm::Button5Click);
    LabeledEdit2.OnKeyPress = Bind(this, &TMainForm::LabeledEdit2KeyPress);
    LabeledEdit3.OnKeyPress = Bind(this, &TMainForm::LabeledEdit3KeyPress);
    LabeledEdit4.OnKeyPress = Bind(this, &TMainForm::LabeledEdit4KeyPress);
    LabeledEdit5.OnKeyPress = Bind(this, &TMainForm::LabeledEdit5KeyPress);
    DeskTop_set.OnClick = Bind(this, &TMainForm::DeskTop_setClick);
    SendTo_set.OnClick = Bind(this, &TMainForm::SendTo_setClick);
    MenuFile0.OnClick = Bind(this, &TMainForm::MenuFile0Click);
    MenuFile1.OnClick = Bind(this, &TMainForm::MenuFile1Click);
    MenuFile2.OnClick = Bind(this, &TMainForm::MenuFile2Click);
    MenuFile3.OnClick = Bind(this, &TMainForm::MenuFile3Click);
    MenuFile4.OnClick = Bind(this, &TMainForm::MenuFile4Click);
    FileExit1.OnClick = Bind(this, &TMainForm::FileExit1Click);
    op1.OnClick = Bind(this, &TMainForm::op1Click);
    User_op.OnClick = Bind(this, &TMainForm::User_opClick);
    Menu_hp.OnClick = Bind(this, &TMainForm::Menu_hpClick);
    Menu_add.OnClick = Bind(this, &TMainForm::Menu_addClick);
    Menu_ver.OnClick = Bind(this, &TMainForm::Menu_verClick);
}

TMainForm::~TMainForm() {
    delete ProgressBar;
}

void TMainForm::FormCreate(winkit::Component* /*Sender*/) {
    ReadSettingsFile();
    BuildFilterText();
    if (ChgPathFlg == "Y") {
        op1.SetChecked(true);
    }
    TakeSourceFromCommandLine();
}

void TMainForm::FormShow(winkit::Component* /*Sender*/) {
    RichEdit1.SetMaxLength(static_cast<int>(ravoxel::kWorkingTextLimit));
    if (!ProgressBar) {
        ProgressBar = new winkit::ProgressBar;
        ProgressBar->SetSmooth(true);
        ProgressBar->Create(StatusBar1.Handle(), {0, 2, 100, StatusBar1.Height() - 2}, "");
    }
    DragAcceptFiles(Handle(), TRUE);
    RefreshRecentMenu();
    VersionText = "1.11";
    SetCaption("ラボクセル Ver" + VersionText);
}

void TMainForm::FormCloseQuery(winkit::Component* /*Sender*/, bool& CanClose) {
    try {
        WriteSettingsFile();
    } catch (const std::exception& error) {
        // The write was refused (read-only file or folder, no rights). Retrying cannot help
        // while that lasts, so the user may end without saving instead of being kept forever.
        winkit::App().ShowException(error);
        DialogResult = winkit::MessageDlgPos(
            "設定を保存できませんでした。\n設定を保存せずに終了しますか？",
            winkit::MsgDlgType::Warning, winkit::mbYes | winkit::mbNo, Left() + 50, Top() + 50);
        if (DialogResult != winkit::mrYes) {
            CanClose = false;
            return;
        }
    }
    SwitchScreenSaverOn();
}

void TMainForm::SwitchScreenSaverOn() {
    // Announced to every window, not written to the user's profile.
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDWININICHANGE);
}

void TMainForm::FormDestroy(winkit::Component* /*Sender*/) {
    delete ProgressBar;
    ProgressBar = nullptr;
}

void TMainForm::Button5Click(winkit::Component* /*Sender*/) {
    Close();
}

void TMainForm::FileExit1Click(winkit::Component* /*Sender*/) {
    Close();
}

void TMainForm::LabeledEdit5KeyPress(winkit::Component* /*Sender*/, char& /*Key*/) {}

bool TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/, LRESULT& result) {
    if (message == WM_DROPFILES) {
        WMDropFiles(reinterpret_cast<HDROP>(wparam));
        result = 0;
        return true;
    }
    return false;
}
