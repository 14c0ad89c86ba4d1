// How much water a rectangular basin holds, and what it weighs.
#pragma once

#include "numbers/numbers.h"
#include "ui/form.h"

namespace corvane {

class WaterCalculator : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmWater)

public:
    explicit WaterCalculator(FormHost &host) : Form(host) {}

    void Command1_Click();
    void cmdClear_Click();

    // The basin's cubic feet as a whole number, from the last calculation that got that far.
    Int16 intSquareFeet = 0;

protected:
    const FormLayout &layout() const override;
    void wire() override;

private:
    Double product();
};

} // namespace corvane
