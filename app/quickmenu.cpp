#include "app/quickmenu.h"

#include "app/workspace.h"

namespace corvane {

QuickMenu::QuickMenu(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &QuickMenu::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmQuickMenu"),
                                    .caption = QStringLiteral("Quick Menu"),
                                    .client = {3015, 5310},
                                    .frame = Frame::MdiChild};
    return kLayout;
}

} // namespace corvane
