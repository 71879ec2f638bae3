#pragma once
// TPrintForm: the hidden print-staging window, whose rich edit holds the text being printed.
// Created hidden at start-up and never shown; its controls come with printing.
#include "winkit/font.h"
#include "winkit/form.h"

class TPrintForm : public winkit::Form {
public:
    TPrintForm();

    winkit::Font PFont; // "ＭＳ Ｐゴシック" 9 pt

protected:
    winkit::FormParams Params() const override;
    void CreateControls() override;
};

extern TPrintForm* PrintForm;
