// The main frame: the menus and the area that holds every child window.
#pragma once

#include <QMdiArea>
#include <QPointer>

#include "ui/form.h"
#include "ui/hearing.h"

class QMainWindow;
class QMenu;

namespace corvane {

class Workspace;

class MainWindow : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(mdiMain)

public:
    explicit MainWindow(Workspace &workspace);

    // Null once the main window is unloaded, even before its widgets are actually deleted.
    QMdiArea *area() const { return isLoaded() ? area_.data() : nullptr; }
    // What tells a screen reader of a change that moves no focus; null when not loaded.
    Announcer *announcer() const { return isLoaded() ? announcer_.data() : nullptr; }

    void MDIForm_Load();
    void itmCosts_Click();
    void itmExit_Click();
    void itmBlock_Click();
    void itmConcrete_Click();
    void itmlengthConversions_Click();
    void itmPipeVolumes_Click();
    void itmWallFraming_Click();
    void itmWaterVolumes_Click();
    void itmQuickMenu_Click();

protected:
    const FormLayout &layout() const override;
    QWidget *createView() override;
    QWidget *createWindow(QWidget *view) override;
    void Form_Load() override { MDIForm_Load(); }
    void beforeUnload() override;

private:
    void buildMenus(QMainWindow *window);
    void addKeys(QMainWindow *window);
    void closeActiveChild();
    void addItem(QMenu *menu, const QString &name, const QString &caption, void (MainWindow::*handler)());

    Workspace &workspace_;
    QPointer<QMdiArea> area_;
    QPointer<Announcer> announcer_;
};

} // namespace corvane
