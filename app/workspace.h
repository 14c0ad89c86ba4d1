// Owns every window of the program: one object each, created on first use and kept until the
// program ends.
#pragma once

#include <functional>
#include <memory>
#include <typeinfo>
#include <vector>

#include "calculators/host.h"

namespace corvane {

class MainWindow;
class SplashWindow;
class QuickMenu;
class TitleBanner;
class ConcreteCalculator;
class BlockCalculator;
class WallFramingCalculator;
class PipeCalculator;
class WaterCalculator;
class LengthTable;

class Workspace : public CalculatorHost {
public:
    Workspace();
    ~Workspace() override;

    // The entry routine's work: the main window maximised, then the splash in front of it.
    void start();

    // The one window of class W, created on first use.
    template <class W>
    W &window()
    {
        return static_cast<W &>(formOfType(typeid(W)));
    }

    // The windows by the names the rest of the program knows them by.
    MainWindow &mdiMain();
    SplashWindow &frmSplash();
    QuickMenu &frmQuickMenu();
    TitleBanner &frmBackground();
    CostList &frmCosts() override;
    ConcreteCalculator &frmConcrete();
    RatiosDialog &frmAboutRatios() override;
    BlockCalculator &frmBlock();
    WallFramingCalculator &frmWallFraming();
    PipeCalculator &frmPipe();
    WaterCalculator &frmWater();
    LengthTable &frmLength();

    // The window of that name ("frmPipe"), created if need be; null for an unknown name.
    Form *formNamed(const QString &name);
    static QStringList windowNames();

    QMdiArea *mdiArea() override;
    void windowUnloaded(Form &form) override;
    void announce(const QString &text) override;

    // Unloads every loaded child window of the main window.
    void unloadChildren();
    // True once the program has ended.
    bool ended() const { return ended_; }
    // What ending does; the program leaves its event loop.
    void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

private:
    static std::size_t rowOf(const std::type_info &type);
    Form &formOfType(const std::type_info &type);
    Form &formAt(std::size_t row);
    std::vector<Form *> created() const;
    void endWhenNoWindowIsLeft();

    // One per row of the window table, in its order; empty until the window is first used.
    std::vector<std::unique_ptr<Form>> windows_;
    std::function<void()> onEnd_;
    bool ended_ = false;
};

} // namespace corvane
