// The main window's menus and the ways the program ends, through the real widgets.
#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/banner.h"
#include "app/mainwindow.h"
#include "app/placement.h"
#include "app/quickmenu.h"
#include "app/splash.h"
#include "app/workspace.h"
#include "calculators/pipe.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    int ends = 0;

    QMainWindow *frame() { return static_cast<QMainWindow *>(workspace->mdiMain().window()); }
    QMdiArea *area() { return workspace->mdiMain().area(); }
    Form &form(const QString &name) { return *workspace->formNamed(name); }

    void choose(const QString &item)
    {
        auto *action = frame()->findChild<QAction *>(item);
        QVERIFY2(action, qPrintable(item));
        QVERIFY(action->isEnabled());
        action->trigger();
        settle();
    }

    QStringList stacking() { return testing::stacking(*workspace); }

    void accept()
    {
        SplashWindow &splash = workspace->frmSplash();
        click(splash, "optAgree");
        click(splash, "cmdOK");
        settle();
    }

private slots:
    void init() { workspace = startProgramCountingEnds(ends); }
    void cleanup() { endProgram(workspace, messages); }

    void menusInOrderWithoutAccessKeys()
    {
        QCOMPARE(frame()->windowTitle(), QString("Corvane"));
        QStringList menus, items;
        for (QAction *menuAction : frame()->menuBar()->actions()) {
            QMenu *menu = menuAction->menu();
            QVERIFY(menu);
            menus << menu->objectName() + " " + menu->title();
            for (QAction *item : menu->actions()) {
                items << item->objectName() + " " + (item->isSeparator() ? QString("-") : item->text());
                QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
                QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
            }
        }
        QCOMPARE(menus, (QStringList{"mnuFile File", "mnuPrograms Plugins", "mnuOther Other"}));
        QCOMPARE(items, (QStringList{"itmCosts Total Costs", "itmLine1 -", "itmExit Exit", "itmBlock Block Quantities",
                                     "itmConcrete Concrete Quantities", "itmlengthConversions Length Conversions",
                                     "itmPipeVolumes Pipe Volumes", "itmWallFraming Wall Framing",
                                     "itmWaterVolumes Water Volumes", "itmQuickMenu Quick Menu"}));
        QVERIFY2(!menus.join(' ').contains('&') && !items.join(' ').contains('&'), "an access key");
    }

    void itemsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<bool>("raisesWhenOpen");
        dataRow("Total Costs", "itmCosts", "frmCosts", true);
        dataRow("Block Quantities", "itmBlock", "frmBlock", true);
        dataRow("Concrete Quantities", "itmConcrete", "frmConcrete", true);
        dataRow("Length Conversions", "itmlengthConversions", "frmLength", true);
        dataRow("Pipe Volumes", "itmPipeVolumes", "frmPipe", true);
        dataRow("Wall Framing", "itmWallFraming", "frmWallFraming", false);
        dataRow("Water Volumes", "itmWaterVolumes", "frmWater", true);
    }
    void itemsOpenTheirWindows()
    {
        QFETCH(QString, item);
        QFETCH(QString, opens);
        QFETCH(bool, raisesWhenOpen);
        choose(item);
        QVERIFY(form(opens).isVisible());
        QCOMPARE(stacking().last(), opens);
        // Open but covered by another window.
        const QString other = opens == "frmPipe" ? "frmWater" : "frmPipe";
        form(other).Show();
        const QStringList covered = stacking();
        QCOMPARE(covered.last(), other);
        choose(item);
        if (raisesWhenOpen)
            QCOMPARE(stacking().last(), opens);
        else
            QCOMPARE(stacking(), covered);
        QCOMPARE(stacking().first(), QString("frmBackground"));
    }

    void quickMenuItemReopensAClosedQuickMenuOnly()
    {
        QuickMenu &menu = workspace->frmQuickMenu();
        const QPoint home = menu.window()->pos();
        // Open and covered: left where it is.
        choose("itmPipeVolumes");
        const QStringList covered = stacking();
        choose("itmQuickMenu");
        QCOMPARE(stacking(), covered);
        // Closed after the user moved it: back at its computed place, in front.
        menu.window()->move(home + QPoint(40, 30));
        menu.window()->close();
        settle();
        QVERIFY(!menu.isLoaded());
        const QPoint banner = workspace->frmBackground().window()->pos();
        choose("itmQuickMenu");
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.window()->pos(), home);
        const QPointF place = quickMenuPlace(Form::screenSizeTwips(), menu.outerSizeTwips());
        QCOMPARE(menu.window()->pos(), QPoint(qRound(place.x() / 15), qRound(place.y() / 15)));
        QCOMPARE(stacking(), (QStringList{"frmBackground", "frmPipe", "frmQuickMenu"}));
        QCOMPARE(workspace->frmBackground().window()->pos(), banner);
    }

    void exitWithTheSplashOpenEndsTheProgram()
    {
        for (const char *item : {"itmBlock", "itmConcrete", "itmlengthConversions", "itmPipeVolumes", "itmWallFraming",
                                 "itmWaterVolumes", "itmCosts"})
            choose(item);
        QVERIFY(workspace->frmSplash().isVisible());
        // Unloaded by the main window's Unload itself, not only destroyed with its widgets later.
        frame()->findChild<QAction *>("itmExit")->trigger();
        for (const QString &window : Workspace::windowNames())
            QVERIFY2(!form(window).isLoaded(), qPrintable(window));
        QVERIFY(workspace->ended());
        QCOMPARE(ends, 1);
    }

    void exitAfterAcceptingEndsTheProgram()
    {
        accept();
        choose("itmExit");
        QVERIFY(!workspace->frmCosts().isLoaded());
        QCOMPARE(ends, 1);
    }

    void exitWaitsForTheMixRatioDialog()
    {
        Form &ratios = form("frmAboutRatios");
        ratios.Show();
        choose("itmExit");
        QVERIFY(!workspace->mdiMain().isLoaded());
        QVERIFY(!workspace->frmSplash().isLoaded());
        QVERIFY(ratios.isVisible());
        QCOMPARE(ends, 0);
        ratios.window()->close();
        settle();
        QVERIFY(!ratios.isLoaded());
        QCOMPARE(ends, 1);
    }

    void closingTheMainWindowLeavesTheSplash()
    {
        choose("itmPipeVolumes");
        frame()->close();
        settle();
        QVERIFY(!workspace->mdiMain().isLoaded());
        QVERIFY(!workspace->frmPipe().isLoaded());
        QVERIFY(workspace->frmSplash().isVisible());
        QCOMPARE(ends, 0);
        // Nothing of the main window is left for a late request to reach.
        QVERIFY(!workspace->mdiArea());
        workspace->frmPipe().Show();
        QVERIFY(!workspace->frmPipe().isLoaded());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
