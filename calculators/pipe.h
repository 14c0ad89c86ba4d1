// How much a pipe holds, from its inside diameter and length.
#pragma once

#include "calculators/host.h"

namespace corvane {

class PipeCalculator : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmPipe)

public:
    using Form::Form;

    void cmdCalculate_Click();
    void cmdClear_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
};

} // namespace corvane
