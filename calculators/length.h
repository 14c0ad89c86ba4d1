// A table of lengths converted between centimetres, metres, inches and feet.
#pragma once

#include "ui/form.h"

namespace corvane {

class LengthTable : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmLength)

public:
    explicit LengthTable(FormHost &host) : Form(host) {}

    void Command1_Click();
    void cmdClear_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
};

} // namespace corvane
