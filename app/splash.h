// The splash: who made the program, and the disclaimer the user accepts or declines.
#pragma once

#include "ui/form.h"

namespace corvane {

class Workspace;

class SplashWindow : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmSplash)

public:
    explicit SplashWindow(Workspace &workspace);

    void cmdOK_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;

private:
    Workspace &workspace_;
};

} // namespace corvane
