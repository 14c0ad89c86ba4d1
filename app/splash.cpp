#include "app/splash.h"

#include <optional>

#include "app/placement.h"
#include "app/workspace.h"
#include "ui/hearing.h"
#include "ui/look.h"

namespace corvane {
namespace {

const char *const kDisclaimerText = QT_TRANSLATE_NOOP(
    "frmSplash",
    "Corvane (and its programmers) make no warranties of any kind as to the accuracy of the calculations made in "
    "the Corvane calculator as these calculations are theoretical and intended as guidance. Corvane points out "
    "that the result may differ from practical values. By using the computer program, you accept that Corvane "
    "shall not be liable for the results obtained from using this program, and thus Corvane shall not be liable "
    "for any direct or indirect losses that the user may suffer.");
const char *const kDisclaimerHeading = QT_TRANSLATE_NOOP("frmSplash", "Disclaimer:");

// The blanks put the heading near the middle of the first line and push the text below it.
const QString kDisclaimerLayout = QString(43, QLatin1Char(' ')) + "%1" + QString(44, QLatin1Char(' ')) + "%2";

const FontSpec kBold{.bold = true};
// The disclaimer's left edge: a version longer than a release's may take the room above it.
constexpr int kVersionLeftmostTwips = 2520;

} // namespace

SplashWindow::SplashWindow(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &SplashWindow::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmSplash"),
        .caption = QString(),
        .spokenName = QT_TR_NOOP("Corvane disclaimer"),
        .client = {7395, 4695},
        .icon = false,
        .frame = Frame::TopLevel,
        .border = Border::Sizable,
        .controlBox = false,
        .controls = {
            Label("lblSplashVersion", QT_TR_NOOP("Version %1"), {5880, 1560, 1215, 255}, 0)
                .inFont(kBold)
                .filledWith({QStringLiteral(CORVANE_VERSION)}),
            //: The owner's name as a possessive, which another language may put otherwise ("de Tesmond").
            Label("lblNameOwner", QT_TR_NOOP("Tesmond's"), {2400, 240, 2055, 375}, 1).inFont({.points = 18}),
            Label("lblNameProgram", "Corvane", {2880, 720, 4215, 615}, 2).inFont({.points = 24}),
            Button("cmdOK", QT_TR_NOOP("Ok"), {6480, 4200, 735, 375}, 3)
                .tooltip(QT_TR_NOOP("Go on with the choice made above: accept or decline the disclaimer")),
            Label("Label1", QT_TR_NOOP("Some additional plugins created by Orvin."), {1320, 4200, 3495, 255}, 4)
                .centred(),
            Label("Label2", kDisclaimerLayout, {2520, 1800, 4695, 2175}, 5)
                .inFont({"Times New Roman", 8.25, true})
                .named("%1 %2")
                .filledWith({kDisclaimerHeading, kDisclaimerText}),
            Option("optAgree", QT_TR_NOOP("I Agree"), {5160, 3960, 975, 255}, 6)
                .inFont(kBold)
                .tooltip(QT_TR_NOOP("Accept the disclaimer, then press Ok")),
            Option("optDisagree", QT_TR_NOOP("I Disagree"), {5160, 4320, 1215, 255}, 7)
                .inFont(kBold)
                .tooltip(QT_TR_NOOP("Decline the disclaimer, then press Ok")),
            Picture("imgSplash", ":/icon.png", {240, 240, 2100, 2100}).named(QT_TR_NOOP("Corvane hammer")),
        }};
    return kLayout;
}

void SplashWindow::wire()
{
    onClick("cmdOK", &SplashWindow::cmdOK_Click);
}

void SplashWindow::Form_Load()
{
    // The outer size counts the border only once the window exists on the screen's side.
    window()->winId();
    const QPointF place = splashPlace(screenSizeTwips(), outerSizeTwips());
    moveTo(place.x(), place.y());
    // A snapshot's version ("1.0+git20261208.62421d7") is read whole, in the table's type.
    growLeftToFit(controlAs<QLabel>("lblSplashVersion"), fontFor(kBold), twipsToPixels(kVersionLeftmostTwips));
}

void SplashWindow::cmdOK_Click()
{
    const int agree = value("optAgree");
    const int disagree = value("optDisagree");
    if (agree == 0 && disagree == 0)
        ShowMessage(tr("Please select either the Agree or Disagree option"), kAppTitle, NoIcon);
    if (agree == -1) {
        // Ready for the calculators' lines, but out of the way until the user asks for it.
        CostList &costs = workspace_.frmCosts();
        {
            // A list made ready now goes unheard: a screen reader told of its controls would ask
            // after them once hidden, and take them for invisible for good, as it is told when
            // they show again but never that they are visible.
            std::optional<Unheard> unseen;
            if (!costs.isLoaded())
                unseen.emplace();
            costs.Load();
            costs.Hide();
        }
        Unload();
        return;
    }
    if (disagree == -1)
        ShowMessage(tr("If you do NOT wish to Agree then please close the program at this time"), kAppTitle, NoIcon);
}

} // namespace corvane
