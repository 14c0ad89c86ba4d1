#include "app/workspace.h"

#include <QCoreApplication>

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

Workspace::Workspace() : onEnd_([] { QCoreApplication::quit(); }) {}

Workspace::~Workspace()
{
    // Child windows go before the main window that holds them.
    frmLength_.reset();
    frmWater_.reset();
    frmPipe_.reset();
    frmWallFraming_.reset();
    frmBlock_.reset();
    frmConcrete_.reset();
    frmCosts_.reset();
    frmBackground_.reset();
    frmQuickMenu_.reset();
    frmAboutRatios_.reset();
    frmSplash_.reset();
    mdiMain_.reset();
}

template <class W, class... Args>
W &Workspace::windowOf(std::unique_ptr<W> &slot, Args &...args)
{
    if (!slot)
        slot = std::make_unique<W>(args...);
    return *slot;
}

MainWindow &Workspace::mdiMain()
{
    return windowOf(mdiMain_, *this);
}
SplashWindow &Workspace::frmSplash()
{
    return windowOf(frmSplash_, *this);
}
QuickMenu &Workspace::frmQuickMenu()
{
    return windowOf(frmQuickMenu_, *this);
}
TitleBanner &Workspace::frmBackground()
{
    return windowOf(frmBackground_, *this);
}
CostList &Workspace::frmCosts()
{
    return windowOf(frmCosts_, static_cast<FormHost &>(*this));
}
ConcreteCalculator &Workspace::frmConcrete()
{
    return windowOf(frmConcrete_, static_cast<CalculatorHost &>(*this));
}
RatiosDialog &Workspace::frmAboutRatios()
{
    return windowOf(frmAboutRatios_, static_cast<FormHost &>(*this));
}
BlockCalculator &Workspace::frmBlock()
{
    return windowOf(frmBlock_, static_cast<CalculatorHost &>(*this));
}
WallFramingCalculator &Workspace::frmWallFraming()
{
    return windowOf(frmWallFraming_, static_cast<CalculatorHost &>(*this));
}
PipeCalculator &Workspace::frmPipe()
{
    return windowOf(frmPipe_, static_cast<FormHost &>(*this));
}
WaterCalculator &Workspace::frmWater()
{
    return windowOf(frmWater_, static_cast<CalculatorHost &>(*this));
}
LengthTable &Workspace::frmLength()
{
    return windowOf(frmLength_, static_cast<CalculatorHost &>(*this));
}

QStringList Workspace::windowNames()
{
    return {"mdiMain",        "frmSplash", "frmQuickMenu",   "frmBackground", "frmCosts", "frmConcrete",
            "frmAboutRatios", "frmBlock",  "frmWallFraming", "frmPipe",       "frmWater", "frmLength"};
}

Form *Workspace::formNamed(const QString &name)
{
    const std::pair<const char *, std::function<Form &()>> windows[] = {
        {"mdiMain", [this]() -> Form & { return mdiMain(); }},
        {"frmSplash", [this]() -> Form & { return frmSplash(); }},
        {"frmQuickMenu", [this]() -> Form & { return frmQuickMenu(); }},
        {"frmBackground", [this]() -> Form & { return frmBackground(); }},
        {"frmCosts", [this]() -> Form & { return frmCosts(); }},
        {"frmConcrete", [this]() -> Form & { return frmConcrete(); }},
        {"frmAboutRatios", [this]() -> Form & { return frmAboutRatios(); }},
        {"frmBlock", [this]() -> Form & { return frmBlock(); }},
        {"frmWallFraming", [this]() -> Form & { return frmWallFraming(); }},
        {"frmPipe", [this]() -> Form & { return frmPipe(); }},
        {"frmWater", [this]() -> Form & { return frmWater(); }},
        {"frmLength", [this]() -> Form & { return frmLength(); }},
    };
    for (const auto &[windowName, get] : windows)
        if (name == QLatin1String(windowName))
            return &get();
    return nullptr;
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
    return mdiMain_ ? mdiMain_->area() : nullptr;
}

std::vector<Form *> Workspace::childForms() const
{
    std::vector<Form *> children;
    for (Form *form : std::initializer_list<Form *>{frmQuickMenu_.get(), frmBackground_.get(), frmCosts_.get(),
                                                    frmConcrete_.get(), frmBlock_.get(), frmWallFraming_.get(),
                                                    frmPipe_.get(), frmWater_.get(), frmLength_.get()})
        if (form)
            children.push_back(form);
    return children;
}

void Workspace::unloadChildren()
{
    for (Form *child : childForms())
        child->Unload();
}

bool Workspace::anyTopLevelLoaded() const
{
    for (Form *form : std::initializer_list<Form *>{mdiMain_.get(), frmSplash_.get(), frmAboutRatios_.get()})
        if (form && form->isLoaded())
            return true;
    return false;
}

void Workspace::formUnloaded(Form &)
{
    if (ended_ || anyTopLevelLoaded())
        return;
    ended_ = true;
    if (onEnd_)
        onEnd_();
}

} // namespace corvane
