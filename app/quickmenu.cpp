#include "app/quickmenu.h"

#include "app/placement.h"
#include "app/workspace.h"
#include "calculators/block.h"
#include "calculators/concrete.h"
#include "calculators/length.h"
#include "calculators/pipe.h"
#include "calculators/wallframing.h"
#include "calculators/water.h"

namespace corvane {
namespace {

ControlSpec QuickButton(const QString &name, const QString &caption, int top, int tab, const QString &tip)
{
    return Button(name, caption, {240, top, 2535, 495}, tab).tooltip(tip);
}

} // namespace

QuickMenu::QuickMenu(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &QuickMenu::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmQuickMenu"),
        .caption = QStringLiteral("Quick Menu"),
        .client = {3015, 5310},
        .back = kCalculatorBack,
        .controls = {
            QuickButton("cmdBlockQuantities", "Block Quantities", 120, 1, "Open the block wall calculator"),
            QuickButton("cmdConcreteQuantities", "Concrete Quantities", 840, 0, "Open the concrete pad calculator"),
            QuickButton("cmdLengthConversions", "Length Conversions", 1560, 4, "Open the length conversion table"),
            QuickButton("cmdPipeVolumes", "Pipe Volumes", 2280, 2, "Open the pipe volume calculator"),
            QuickButton("cmdWallFraming", "Wall Framing", 3000, 6, "Open the wall framing calculator"),
            QuickButton("cmdWaterVolumes", "Water Volumes", 3720, 3, "Open the water volume calculator"),
            Line("Line1", 0, 4440, 3000, 4440),
            QuickButton("cmdTotalCosts", "Total Costs", 4680, 5, "Show the cost list and the project total"),
        }};
    return kLayout;
}

void QuickMenu::wire()
{
    onClick("cmdBlockQuantities", &QuickMenu::cmdBlockQuantities_Click);
    onClick("cmdConcreteQuantities", &QuickMenu::cmdConcreteQuantities_Click);
    onClick("cmdLengthConversions", &QuickMenu::cmdLengthConversions_Click);
    onClick("cmdPipeVolumes", &QuickMenu::cmdPipeVolumes_Click);
    onClick("cmdWallFraming", &QuickMenu::cmdWallFraming_Click);
    onClick("cmdWaterVolumes", &QuickMenu::cmdWaterVolumes_Click);
    onClick("cmdTotalCosts", &QuickMenu::cmdTotalCosts_Click);
}

void QuickMenu::Form_Load()
{
    const QPointF place = quickMenuPlace(screenSizeTwips(), outerSizeTwips());
    moveTo(place.x(), place.y());
}

void QuickMenu::cmdBlockQuantities_Click()
{
    workspace_.frmBlock().Show();
}
void QuickMenu::cmdConcreteQuantities_Click()
{
    workspace_.frmConcrete().Show();
}
void QuickMenu::cmdLengthConversions_Click()
{
    workspace_.frmLength().Show();
}
void QuickMenu::cmdPipeVolumes_Click()
{
    workspace_.frmPipe().Show();
}
// Show, unlike the main menu's item: an open wall-framing window comes to the front.
void QuickMenu::cmdWallFraming_Click()
{
    workspace_.frmWallFraming().Show();
}
void QuickMenu::cmdWaterVolumes_Click()
{
    workspace_.frmWater().Show();
}
void QuickMenu::cmdTotalCosts_Click()
{
    workspace_.frmCosts().Show();
}

} // namespace corvane
