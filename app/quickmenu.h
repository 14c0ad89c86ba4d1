// A column of buttons that opens every calculator and the cost list.
#pragma once

#include "ui/form.h"

namespace corvane {

class Workspace;

class QuickMenu : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmQuickMenu)

public:
    explicit QuickMenu(Workspace &workspace);

    void cmdBlockQuantities_Click();
    void cmdConcreteQuantities_Click();
    void cmdLengthConversions_Click();
    void cmdPipeVolumes_Click();
    void cmdWallFraming_Click();
    void cmdWaterVolumes_Click();
    void cmdTotalCosts_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;

private:
    Workspace &workspace_;
};

} // namespace corvane
