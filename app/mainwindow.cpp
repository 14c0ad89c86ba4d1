#include "app/mainwindow.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "app/banner.h"
#include "app/quickmenu.h"
#include "app/splash.h"
#include "app/workspace.h"
#include "calculators/block.h"
#include "calculators/concrete.h"
#include "calculators/length.h"
#include "calculators/pipe.h"
#include "calculators/wallframing.h"
#include "calculators/water.h"

namespace corvane {

MainWindow::MainWindow(Workspace &workspace) : Form(workspace), workspace_(workspace) {}

const FormLayout &MainWindow::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("mdiMain"),
                                    .caption = QStringLiteral("Corvane"),
                                    .client = {},
                                    .frame = Frame::TopLevel,
                                    .border = Border::Sizable};
    return kLayout;
}

QWidget *MainWindow::createView()
{
    return new QMainWindow;
}

QWidget *MainWindow::createWindow(QWidget *view)
{
    auto *window = static_cast<QMainWindow *>(view);
    window->setWindowTitle(layout().caption);
    window->setWindowIcon(applicationIcon());
    area_ = new QMdiArea(window);
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setAccessibleName(layout().caption);
    area_->setBackground(colourFromBgr(kClientAreaBack));
    window->setCentralWidget(area_);
    announcer_ = new Announcer(window);
    buildMenus(window);
    addKeys(window);
    // Filling the screen first keeps the window full-size where no window manager maximises it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->setWindowState(Qt::WindowMaximized);
    return window;
}

void MainWindow::addItem(QMenu *menu, const QString &name, const QString &caption, void (MainWindow::*handler)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    QObject::connect(item, &QAction::triggered, item, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
}

void MainWindow::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setAccessibleName(tr("Menu bar"));
    QMenu *file = bar->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "itmCosts", tr("Total Costs"), &MainWindow::itmCosts_Click);
    file->addSeparator()->setObjectName(QStringLiteral("itmLine1"));
    addItem(file, "itmExit", tr("Exit"), &MainWindow::itmExit_Click);

    QMenu *plugins = bar->addMenu(tr("Plugins"));
    plugins->setObjectName(QStringLiteral("mnuPrograms"));
    addItem(plugins, "itmBlock", tr("Block Quantities"), &MainWindow::itmBlock_Click);
    addItem(plugins, "itmConcrete", tr("Concrete Quantities"), &MainWindow::itmConcrete_Click);
    addItem(plugins, "itmlengthConversions", tr("Length Conversions"), &MainWindow::itmlengthConversions_Click);
    addItem(plugins, "itmPipeVolumes", tr("Pipe Volumes"), &MainWindow::itmPipeVolumes_Click);
    addItem(plugins, "itmWallFraming", tr("Wall Framing"), &MainWindow::itmWallFraming_Click);
    addItem(plugins, "itmWaterVolumes", tr("Water Volumes"), &MainWindow::itmWaterVolumes_Click);

    QMenu *other = bar->addMenu(tr("Other"));
    other->setObjectName(QStringLiteral("mnuOther"));
    addItem(other, "itmQuickMenu", tr("Quick Menu"), &MainWindow::itmQuickMenu_Click);

    // An open menu is announced by its own name, which the toolkit leaves empty.
    for (QMenu *menu : {file, plugins, other})
        menu->setAccessibleName(menu->title());
}

// Keys that every desktop program answers. They belong to the frame, so that they work from
// whichever box of whichever child window has the focus.
void MainWindow::addKeys(QMainWindow *window)
{
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)})
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window, [this] { closeActiveChild(); });
    // As Alt does, F10 takes the keyboard to the menu bar, opening its first menu.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), window), &QShortcut::activated, window, [window] {
        const QList<QAction *> menus = window->menuBar()->actions();
        if (!menus.isEmpty())
            window->menuBar()->setActiveAction(menus.first());
    });
}

// The key does exactly what the close box does, so it closes only a window that has one: the
// cost list and the banner stay.
void MainWindow::closeActiveChild()
{
    QMdiSubWindow *child = area_ ? area_->currentSubWindow() : nullptr;
    if (child && child->windowFlags().testFlag(Qt::WindowCloseButtonHint))
        child->close();
}

// The banner goes behind the quick menu and every child window opened later.
void MainWindow::MDIForm_Load()
{
    workspace_.frmQuickMenu().Load();
    workspace_.frmBackground().Load();
    workspace_.frmBackground().ZOrderToBack();
}

void MainWindow::beforeUnload()
{
    workspace_.unloadChildren();
}

void MainWindow::itmCosts_Click()
{
    workspace_.frmCosts().Show();
}
void MainWindow::itmBlock_Click()
{
    workspace_.frmBlock().Show();
}
void MainWindow::itmConcrete_Click()
{
    workspace_.frmConcrete().Show();
}
void MainWindow::itmlengthConversions_Click()
{
    workspace_.frmLength().Show();
}
void MainWindow::itmPipeVolumes_Click()
{
    workspace_.frmPipe().Show();
}
// Load, not Show: an open wall-framing window is left where it is.
void MainWindow::itmWallFraming_Click()
{
    workspace_.frmWallFraming().Load();
}
void MainWindow::itmWaterVolumes_Click()
{
    workspace_.frmWater().Show();
}
// Load: an open quick menu is left where it is.
void MainWindow::itmQuickMenu_Click()
{
    workspace_.frmQuickMenu().Load();
}

void MainWindow::itmExit_Click()
{
    workspace_.frmSplash().Unload();
    Unload();
}

} // namespace corvane
