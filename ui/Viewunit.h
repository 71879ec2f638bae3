#pragma once
// TViewForm: the result viewer, in which a finished run shows the converted program and its log,
// and from which the converted program is saved to the output file.
#include <memory>
#include <string>

#include "winkit/controls.h"
#include "winkit/font.h"
#include "winkit/form.h"
#include "winkit/page_control.h"
#include "winkit/text_controls.h"

class TViewForm : public winkit::Form {
public:
    TViewForm();

    winkit::Font PFont; // "ＭＳ Ｐゴシック" 9 pt: the label, the tabs and the buttons

    winkit::Button Button1; // Save
    winkit::Button Button2; // Print
    winkit::Button Button3; // Printer setup
    winkit::Label Label1;   // the output file's path
    winkit::Button Button4; // Back
    winkit::PageControl PageControl1;
    winkit::TabSheet TabSheet1, TabSheet2;
    winkit::RichEdit RichEdit1; // the converted program
    winkit::RichEdit RichEdit2; // the log of the run

    void FormShow(winkit::Component* Sender);
    void FormClose(winkit::Component* Sender, winkit::CloseAction& Action);
    void Button1Click(winkit::Component* Sender);
    void Button2Click(winkit::Component* Sender);
    void Button3Click(winkit::Component* Sender);
    void Button4Click(winkit::Component* Sender);

    // The hand-off of a run's converted text into RichEdit1. The bytes are kept as they came:
    // the control holds UTF-16, and bytes that are no code-page-932 text (a program in UTF-8,
    // say) would not survive the round trip through it, so Save writes these bytes while the
    // page is unedited.
    void SetConvertedText(std::string Bytes);

protected:
    winkit::FormParams Params() const override;
    void CreateControls() override;

private:
    // Both text panes in "ＭＳ ゴシック" of the main window's ViewFontSize, made when it changes.
    void ApplyFontSize();
    // The label and the page control span the client width; the pages' rich edits fill them.
    void AlignControls();
    // The text Save writes: the handed-off bytes, or the edited page's lines, each with CR LF.
    std::string TextToSave() const;

    std::string ConvertedBytes;
    std::unique_ptr<winkit::Font> TextFont;
    int TextFontSize = 0;
};

extern TViewForm* ViewForm;
