// What the two location choices of the concrete calculator mix: a small dialog beside the
// program's windows, never more than one at a time.
#pragma once

#include "ui/form.h"

namespace corvane {

class RatiosDialog : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmAboutRatios)

public:
    using Form::Form;

    // The ratio text exactly as the dialog shows it, runs of blanks and all: the blanks are what
    // put the heading and each ratio on a line of its own.
    static QString ratioText();
    // The same three lines, for a font whose wrapping would run them together.
    static QString ratioLines();

    void cmdOK_Click();

protected:
    const FormLayout &layout() const override;
    QWidget *createView() override;
    QWidget *createWindow(QWidget *view) override;
    void wire() override;
    void Form_Load() override;
};

} // namespace corvane
