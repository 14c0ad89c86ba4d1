#include "app/workspace.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "app/banner.h"
#include "app/mainwindow.h"
#include "app/quickmenu.h"
#include "app/splash.h"
#include "calculators/block.h"
#include "calculators/concrete.h"
#include "calculators/length.h"
#include "calculators/pipe.h"
#include "calculators/ratios.h"
#include "calculators/wallframing.h"
#include "calculators/water.h"

namespace corvane {
namespace {

struct WindowRow {
    const char *name;
    const std::type_info &type;
    std::unique_ptr<Form> (*make)(Workspace &);
};

template <class W>
WindowRow row(const char *name)
{
    return {name, typeid(W),
            [](Workspace &workspace) -> std::unique_ptr<Form> { return std::make_unique<W>(workspace); }};
}

// Every window of the program. Whether it lives inside the main window or on its own comes from
// its layout. The main window comes first, so that it is destroyed last: the child windows
// live inside it.
const std::array kWindows{
    row<MainWindow>("mdiMain"),          row<SplashWindow>("frmSplash"),   row<QuickMenu>("frmQuickMenu"),
    row<TitleBanner>("frmBackground"),   row<CostList>("frmCosts"),        row<ConcreteCalculator>("frmConcrete"),
    row<RatiosDialog>("frmAboutRatios"), row<BlockCalculator>("frmBlock"), row<WallFramingCalculator>("frmWallFraming"),
    row<PipeCalculator>("frmPipe"),      row<WaterCalculator>("frmWater"), row<LengthTable>("frmLength"),
};

} // namespace

Workspace::Workspace() : windows_(kWindows.size()), onEnd_([] { QCoreApplication::quit(); }) {}

Workspace::~Workspace()
{
    while (!windows_.empty())
        windows_.pop_back();
}

Form &Workspace::formAt(std::size_t row)
{
    std::unique_ptr<Form> &slot = windows_[row];
    if (!slot)
        slot = kWindows[row].make(*this);
    return *slot;
}

std::size_t Workspace::rowOf(const std::type_info &type)
{
    for (std::size_t row = 0; row < kWindows.size(); ++row)
        if (kWindows[row].type == type)
            return row;
    throw SubscriptOutOfRangeError();
}

Form &Workspace::formOfType(const std::type_info &type)
{
    return formAt(rowOf(type));
}

Form *Workspace::formNamed(const QString &name)
{
    for (std::size_t row = 0; row < kWindows.size(); ++row)
        if (name == QLatin1String(kWindows[row].name))
            return &formAt(row);
    return nullptr;
}

QStringList Workspace::windowNames()
{
    QStringList names;
    for (const WindowRow &window : kWindows)
        names << QLatin1String(window.name);
    return names;
}

MainWindow &Workspace::mdiMain()
{
    return window<MainWindow>();
}
SplashWindow &Workspace::frmSplash()
{
    return window<SplashWindow>();
}
QuickMenu &Workspace::frmQuickMenu()
{
    return window<QuickMenu>();
}
TitleBanner &Workspace::frmBackground()
{
    return window<TitleBanner>();
}
CostList &Workspace::frmCosts()
{
    return window<CostList>();
}
ConcreteCalculator &Workspace::frmConcrete()
{
    return window<ConcreteCalculator>();
}
RatiosDialog &Workspace::frmAboutRatios()
{
    return window<RatiosDialog>();
}
BlockCalculator &Workspace::frmBlock()
{
    return window<BlockCalculator>();
}
WallFramingCalculator &Workspace::frmWallFraming()
{
    return window<WallFramingCalculator>();
}
PipeCalculator &Workspace::frmPipe()
{
    return window<PipeCalculator>();
}
WaterCalculator &Workspace::frmWater()
{
    return window<WaterCalculator>();
}
LengthTable &Workspace::frmLength()
{
    return window<LengthTable>();
}

void Workspace::start()
{
    mdiMain().Load();
    mdiMain().Show();
    // The splash lies on top of everything; nothing waits for the user to answer it.
    frmSplash().Show();
    frmSplash().Refresh();
}

QMdiArea *Workspace::mdiArea()
{
    const auto &main = windows_[rowOf(typeid(MainWindow))];
    return main ? static_cast<MainWindow &>(*main).area() : nullptr;
}

void Workspace::announce(const QString &text)
{
    if (mdiArea())
        mdiMain().announcer()->say(text);
}

std::vector<Form *> Workspace::created() const
{
    std::vector<Form *> forms;
    for (const auto &window : windows_)
        if (window)
            forms.push_back(window.get());
    return forms;
}

void Workspace::unloadChildren()
{
    for (Form *form : created())
        if (form->isChildWindow())
            form->Unload();
}

void Workspace::windowUnloaded(Form &)
{
    endWhenNoWindowIsLeft();
}

// The program ends once none of its top-level windows is loaded: the main window (whose
// children go with it), the splash and the mix-ratio dialog. So a mix-ratio dialog left open
// at Exit keeps the program running until it is closed; and accepting the disclaimer after
// the main window was closed ends it, since the cost list that accepting readies has no main
// window to live in and the splash was the last window left.
void Workspace::endWhenNoWindowIsLeft()
{
    if (ended_)
        return;
    for (Form *form : created())
        if (!form->isChildWindow() && form->isLoaded())
            return;
    ended_ = true;
    if (onEnd_)
        onEnd_();
}

} // namespace corvane
