#include "app/splash.h"

#include "app/workspace.h"

namespace corvane {

SplashWindow::SplashWindow(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &SplashWindow::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmSplash"),
                                    .caption = QStringLiteral(""),
                                    .client = {7395, 4695},
                                    .frame = Frame::TopLevel};
    return kLayout;
}

} // namespace corvane
