#pragma once
// TViewForm: the result viewer, in which a finished run shows the converted program and its log.
// Created hidden at start-up; its controls and handlers come with the conversion run.
#include "winkit/font.h"
#include "winkit/form.h"

class TViewForm : public winkit::Form {
public:
    TViewForm();

    winkit::Font PFont; // "ＭＳ Ｐゴシック" 9 pt

protected:
    winkit::FormParams Params() const override;
    void CreateControls() override;
};

extern TViewForm* ViewForm;
