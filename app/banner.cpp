#include "app/banner.h"

#include "app/workspace.h"

namespace corvane {

TitleBanner::TitleBanner(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &TitleBanner::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmBackground"),
                                    .caption = QStringLiteral(""),
                                    .client = {11040, 3465},
                                    .frame = Frame::MdiChild};
    return kLayout;
}

} // namespace corvane
