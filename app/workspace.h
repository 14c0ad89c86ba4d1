// Owns every window of the program: one object each, created on first use and kept until the
// program ends.
#pragma once

#include <functional>
#include <memory>

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
    void formUnloaded(Form &form) override;

    // Unloads every loaded child window of the main window.
    void unloadChildren();
    // True once no window is left loaded; the program has then ended.
    bool ended() const { return ended_; }
    // What ending does; the program leaves its event loop.
    void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

private:
    template <class W, class... Args>
    W &windowOf(std::unique_ptr<W> &slot, Args &...args);
    std::vector<Form *> childForms() const;
    bool anyTopLevelLoaded() const;

    // Declared first, so destroyed last: the child windows live inside it.
    std::unique_ptr<MainWindow> mdiMain_;
    std::unique_ptr<SplashWindow> frmSplash_;
    std::unique_ptr<RatiosDialog> frmAboutRatios_;
    std::unique_ptr<QuickMenu> frmQuickMenu_;
    std::unique_ptr<TitleBanner> frmBackground_;
    std::unique_ptr<CostList> frmCosts_;
    std::unique_ptr<ConcreteCalculator> frmConcrete_;
    std::unique_ptr<BlockCalculator> frmBlock_;
    std::unique_ptr<WallFramingCalculator> frmWallFraming_;
    std::unique_ptr<PipeCalculator> frmPipe_;
    std::unique_ptr<WaterCalculator> frmWater_;
    std::unique_ptr<LengthTable> frmLength_;
    std::function<void()> onEnd_;
    bool ended_ = false;
};

} // namespace corvane
