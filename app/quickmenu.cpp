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
    static const FormLayout kLayout{.name = QStringLiteral("frmQuickMenu"),
                                    .caption = QT_TR_NOOP("Quick Menu"),
                                    .client = {3015, 5310},
                                    .back = kCalculatorBack,
                                    .controls = {
                                        QuickButton("cmdBlockQuantities", QT_TR_NOOP("Block Quantities"), 120, 1,
                                                    QT_TR_NOOP("Open the block wall calculator")),
                                        QuickButton("cmdConcreteQuantities", QT_TR_NOOP("Concrete Quantities"), 840, 0,
                                                    QT_TR_NOOP("Open the concrete pad calculator")),
                                        QuickButton("cmdLengthConversions", QT_TR_NOOP("Length Conversions"), 1560, 4,
                                                    QT_TR_NOOP("Open the length conversion table")),
                                        QuickButton("cmdPipeVolumes", QT_TR_NOOP("Pipe Volumes"), 2280, 2,
                                                    QT_TR_NOOP("Open the pipe volume calculator")),
                                        QuickButton("cmdWallFraming", QT_TR_NOOP("Wall Framing"), 3000, 6,
                                                    QT_TR_NOOP("Open the wall framing calculator")),
                                        QuickButton("cmdWaterVolumes", QT_TR_NOOP("Water Volumes"), 3720, 3,
                                                    QT_TR_NOOP("Open the water volume calculator")),
                                        Line("Line1", 0, 4440, 3000, 4440),
                                        QuickButton("cmdTotalCosts", QT_TR_NOOP("Total Costs"), 4680, 5,
                                                    QT_TR_NOOP("Show the cost list and the project total")),
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
