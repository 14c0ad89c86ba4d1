// Start-up through the real widgets: the splash and its disclaimer, the quick menu and the
// title banner, and where each of them places itself.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>

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

namespace {

const QString kNeitherChosen = "Please select either the Agree or Disagree option";
const QString kDeclined = "If you do NOT wish to Agree then please close the program at this time";

// The lines a label's caption falls into at the label's width, as the label lays it out.
QStringList wrappedLines(QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    int ends = 0;

    SplashWindow &splash() { return workspace->frmSplash(); }
    QMdiArea *area() { return workspace->mdiMain().area(); }

    QStringList stacking() { return testing::stacking(*workspace); }

    // Where a window actually stands, in twips: from the main window's client corner for a child.
    static QPointF placeOf(Form &form) { return QPointF(form.window()->pos()) * kTwipsPerPixel; }

    void choose(const QString &option)
    {
        if (!option.isEmpty())
            click(splash(), option);
    }

private slots:
    void init() { workspace = startProgramCountingEnds(ends); }
    void cleanup() { endProgram(workspace, messages); }

    void startUpShowsEveryWindowInItsPlace()
    {
        MainWindow &main = workspace->mdiMain();
        QVERIFY(main.isVisible());
        QVERIFY(main.window()->windowState() & Qt::WindowMaximized);
        // The banner was loaded after the quick menu, and still lies behind it.
        QCOMPARE(stacking(), (QStringList{"frmBackground", "frmQuickMenu"}));
        QVERIFY(splash().isVisible());
        QVERIFY(splash().window()->isWindow());
        // Shown last, so it is the window in front that has the keyboard.
        QTRY_COMPARE(QApplication::activeWindow(), splash().window());
        QVERIFY(!workspace->frmCosts().isLoaded());
    }

    void okOutcomes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<Message>>("shown");
        QTest::addColumn<bool>("splashStays");
        QTest::newRow("nothing chosen") << "" << QList<Message>{{kNeitherChosen, "Corvane", 0}} << true;
        QTest::newRow("I Disagree") << "optDisagree" << QList<Message>{{kDeclined, "Corvane", 0}} << true;
        QTest::newRow("I Agree") << "optAgree" << QList<Message>{} << false;
    }
    void okOutcomes()
    {
        QFETCH(QString, option);
        choose(option);
        click(splash(), "cmdOK");
        QTEST(messages.take(), "shown");
        QFETCH(bool, splashStays);
        QCOMPARE(splash().isLoaded(), splashStays);
        QCOMPARE(splash().isVisible(), splashStays);
        if (splashStays) {
            // The choice is kept, and the rest of the program has not moved.
            QCOMPARE(splash().value("optAgree"), 0);
            QCOMPARE(splash().value("optDisagree"), option.isEmpty() ? 0 : -1);
            QVERIFY(!workspace->frmCosts().isLoaded());
        } else {
            QVERIFY(workspace->frmCosts().isLoaded());
            QVERIFY(!workspace->frmCosts().isVisible());
            QCOMPARE(workspace->frmCosts().model().intCounter, Int16(1));
        }
        QCOMPARE(stacking(), (QStringList{"frmBackground", "frmQuickMenu"}));
        QCOMPARE(ends, 0);
    }

    void declinedThenAccepted()
    {
        click(splash(), "optDisagree");
        click(splash(), "cmdOK");
        QCOMPARE(messages.take(), (QList<Message>{{kDeclined, "Corvane", 0}}));
        click(splash(), "optAgree");
        QCOMPARE(splash().value("optDisagree"), 0);
        click(splash(), "cmdOK");
        QVERIFY(!splash().isLoaded());
        QVERIFY(workspace->frmCosts().isLoaded());
    }

    void acceptingAfterAPostHidesTheListAndKeepsItsLines()
    {
        CostList &costs = workspace->frmCosts();
        costs.post(Material::Cement, "Cement 3 bags", 25.5, {"Cement is already on the list"});
        QVERIFY(costs.isVisible());
        const QString line = costs.text(element("lblCosts", 1));
        QVERIFY(!line.isEmpty());
        click(splash(), "optAgree");
        click(splash(), "cmdOK");
        QVERIFY(costs.isLoaded());
        QVERIFY(!costs.isVisible());
        QCOMPARE(costs.text(element("lblCosts", 1)), line);
        QCOMPARE(costs.model().dblCementCost, 25.5);
        QCOMPARE(costs.model().intCementCounter, Int16(1));
        QCOMPARE(costs.model().intCounter, Int16(2));
    }

    void acceptingAfterTheMainWindowWasClosedEndsTheProgram()
    {
        workspace->mdiMain().window()->close();
        settle();
        QVERIFY(!workspace->mdiMain().isLoaded());
        QVERIFY(splash().isVisible());
        QCOMPARE(ends, 0);
        click(splash(), "optAgree");
        click(splash(), "cmdOK");
        settle();
        QVERIFY(!splash().isLoaded());
        QVERIFY(!workspace->frmCosts().isLoaded());
        QCOMPARE(ends, 1);
    }

    void splashIsAPlainWindowWithTheOkButtonFocused()
    {
        QWidget *window = splash().window();
        QCOMPARE(window->objectName(), QString("frmSplash"));
        QCOMPARE(window->accessibleName(), QString("Corvane disclaimer"));
        QVERIFY(window->windowTitle().isEmpty());
        QVERIFY(!(window->windowFlags() & Qt::WindowTitleHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(window->size(), QSize(7395 / 15, 4695 / 15));
        QCOMPARE(window->focusWidget(), splash().control("cmdOK"));
        QStringList order{"cmdOK"};
        for (QWidget *w = splash().control("cmdOK")->nextInFocusChain(); w != splash().control("cmdOK");
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
        QCOMPARE(order, (QStringList{"cmdOK", "optAgree", "optDisagree"}));
        QCOMPARE(splash().value("optAgree"), 0);
        QCOMPARE(splash().value("optDisagree"), 0);
        const QPixmap hammer = splash().controlAs<QLabel>("imgSplash")->pixmap();
        QCOMPARE(hammer.size(), QSize(140, 140));
    }

    void disclaimerStartsOnTheSecondLine()
    {
        auto *label = splash().controlAs<QLabel>("Label2");
        const QString caption = label->text();
        QCOMPARE(caption.left(54), QString(43, ' ') + "Disclaimer:");
        QCOMPARE(caption.mid(54, 45), QString(44, ' ') + "C");
        QVERIFY(label->wordWrap());
        QCOMPARE(label->font().family(), QString("Liberation Serif"));
        QVERIFY(label->font().bold());

        const QStringList lines = wrappedLines(label);
        QCOMPARE(lines.first(), QString("Disclaimer:"));
        QVERIFY2(lines.at(1).startsWith("Corvane (and its programmers)"), qPrintable(lines.at(1)));
        QVERIFY2(lines.last().endsWith("the user may suffer."), qPrintable(lines.last()));
        // "Disclaimer:" sits near the middle of its line.
        const QFontMetricsF metrics(label->font());
        const qreal left = metrics.horizontalAdvance(QString(43, ' '));
        const qreal middle = left + metrics.horizontalAdvance("Disclaimer:") / 2;
        QVERIFY2(qAbs(middle - label->contentsRect().width() / 2.0) < label->width() / 8.0,
                 qPrintable(QString::number(middle)));
        const int lineHeight = QFontMetrics(label->font()).lineSpacing();
        QVERIFY(lines.size() * lineHeight <= label->height());
    }

    void placementArithmetic_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QSizeF>("outer");
        QTest::addColumn<QPointF>("place");
        QTest::newRow("splash keeps the half twip")
            << "frmSplash" << QSizeF(15360, 11520) << QSizeF(7515, 5115) << QPointF(3922.5, 3202.5);
        QTest::newRow("splash larger than the screen")
            << "frmSplash" << QSizeF(7200, 4800) << QSizeF(7515, 5115) << QPointF(-157.5, -157.5);
        QTest::newRow("quick menu keeps the half twip")
            << "frmQuickMenu" << QSizeF(15360, 11520) << QSizeF(3105, 5700) << QPointF(6127.5, 2910);
        QTest::newRow("banner a sixth above the middle")
            << "frmBackground" << QSizeF(15360, 11520) << QSizeF(11040, 3465) << QPointF(2160, 3450);
        QTest::newRow("banner on a small screen")
            << "frmBackground" << QSizeF(9600, 7200) << QSizeF(11040, 3465) << QPointF(-720, 1290);
    }
    void placementArithmetic()
    {
        QFETCH(QString, window);
        QFETCH(QSizeF, screen);
        QFETCH(QSizeF, outer);
        const auto place = window == "frmSplash"      ? splashPlace
                           : window == "frmQuickMenu" ? quickMenuPlace
                                                      : bannerPlace;
        QTEST(place(screen, outer), "place");
    }

    void windowsStandWhereTheArithmeticPutsThem_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("splash") << "frmSplash";
        QTest::newRow("quick menu") << "frmQuickMenu";
        QTest::newRow("banner") << "frmBackground";
    }
    void windowsStandWhereTheArithmeticPutsThem()
    {
        QFETCH(QString, window);
        Form &form = *workspace->formNamed(window);
        const auto place = window == "frmSplash"      ? splashPlace
                           : window == "frmQuickMenu" ? quickMenuPlace
                                                      : bannerPlace;
        const QPointF expected = place(Form::screenSizeTwips(), form.outerSizeTwips());
        // A pixel holds 15 twips; the half twip can only be rounded at the very end.
        QCOMPARE(placeOf(form), QPointF(qRound(expected.x() / 15) * 15, qRound(expected.y() / 15) * 15));
    }

    void quickMenuIsMeasuredFromTheClientCorner()
    {
        QuickMenu &menu = workspace->frmQuickMenu();
        const QPointF place = quickMenuPlace(Form::screenSizeTwips(), menu.outerSizeTwips());
        const QPoint corner = area()->viewport()->mapToGlobal(QPoint(0, 0));
        QVERIFY(corner.y() > 0);
        const QPoint expected = corner + QPoint(qRound(place.x() / 15), qRound(place.y() / 15));
        QCOMPARE(menu.window()->mapToGlobal(QPoint(0, 0)), expected);
    }

    void quickMenuButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        dataRow("Block Quantities", "cmdBlockQuantities", "frmBlock");
        dataRow("Concrete Quantities", "cmdConcreteQuantities", "frmConcrete");
        dataRow("Length Conversions", "cmdLengthConversions", "frmLength");
        dataRow("Pipe Volumes", "cmdPipeVolumes", "frmPipe");
        dataRow("Wall Framing", "cmdWallFraming", "frmWallFraming");
        dataRow("Water Volumes", "cmdWaterVolumes", "frmWater");
        dataRow("Total Costs", "cmdTotalCosts", "frmCosts");
    }
    void quickMenuButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, opens);
        QuickMenu &menu = workspace->frmQuickMenu();
        QCOMPARE(menu.text(button), QString(QTest::currentDataTag()));
        QCOMPARE(menu.control(button)->size(), QSize(2535 / 15, 495 / 15));
        click(menu, button);
        QCOMPARE(stacking().last(), opens);
        QCOMPARE(area()->activeSubWindow()->widget()->objectName(), opens);
        // Open but covered: the button brings it back to the front.
        Form &other = *workspace->formNamed(opens == "frmPipe" ? "frmWater" : "frmPipe");
        other.Show();
        QCOMPARE(stacking().last(), other.name());
        click(menu, button);
        QCOMPARE(stacking().last(), opens);
        QVERIFY(menu.isVisible());
        QCOMPARE(stacking().first(), QString("frmBackground"));
    }

    void quickMenuBringsBackAnOpenWindowWithItsContents()
    {
        QuickMenu &menu = workspace->frmQuickMenu();
        click(menu, "cmdPipeVolumes");
        PipeCalculator &pipe = workspace->frmPipe();
        typeInto(pipe, "txtPipeD", "12");
        click(menu, "cmdWaterVolumes");
        click(menu, "cmdPipeVolumes");
        QCOMPARE(stacking().last(), QString("frmPipe"));
        QCOMPARE(shown(pipe, "txtPipeD"), QString("12"));
    }

    void bannerGoesBehind_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::newRow("click") << "click";
        QTest::newRow("double click") << "double click";
        QTest::newRow("press held") << "press";
    }
    void bannerGoesBehind()
    {
        QFETCH(QString, gesture);
        workspace->frmPipe().Show();
        workspace->formNamed("frmWater")->Show();
        QCOMPARE(stacking(), (QStringList{"frmBackground", "frmQuickMenu", "frmPipe", "frmWater"}));
        auto *name = workspace->frmBackground().controlAs<QLabel>("Label1");
        // A point on the name that no other window covers.
        QPoint spot;
        for (int x = 0; x < name->width() && spot.isNull(); x += 10)
            for (int y = 0; y < name->height() && spot.isNull(); y += 10)
                if (area()->viewport()->childAt(name->mapTo(area()->viewport(), QPoint(x, y))) == name)
                    spot = QPoint(x, y);
        QVERIFY(!spot.isNull());
        // With the main window active, a press on a child window activates it and brings it up.
        QWidget *main = workspace->mdiMain().window();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        if (gesture == "click")
            QTest::mouseClick(name, Qt::LeftButton, {}, spot);
        else if (gesture == "double click")
            QTest::mouseDClick(name, Qt::LeftButton, {}, spot);
        else
            QTest::mousePress(name, Qt::LeftButton, {}, spot);
        QCOMPARE(stacking().first(), QString("frmBackground"));
        QCOMPARE(stacking().size(), 4);
        if (gesture == "press")
            QTest::mouseRelease(name, Qt::LeftButton, {}, spot);
        QCOMPARE(stacking().first(), QString("frmBackground"));
    }

    void bannerStaysBehindWhenOthersClose()
    {
        workspace->frmPipe().Show();
        workspace->frmQuickMenu().window()->close();
        settle();
        QCOMPARE(stacking(), (QStringList{"frmBackground", "frmPipe"}));
        workspace->frmPipe().window()->close();
        settle();
        QCOMPARE(stacking(), (QStringList{"frmBackground"}));
        QVERIFY(workspace->frmBackground().isLoaded());
    }

    void bannerStaysBehindWhenTheWindowAfterItCloses()
    {
        QWidget *main = workspace->mdiMain().window();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto *name = workspace->frmBackground().controlAs<QLabel>("Label1");
        QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(area()->activeSubWindow(), workspace->frmBackground().window());
        workspace->frmPipe().Show();
        workspace->frmPipe().window()->close();
        settle();
        QCOMPARE(stacking().first(), QString("frmBackground"));
    }

    // On a dense screen (QT_SCALE_FACTOR=2, a second registration) pictures come from their @2x images.
    void picturesUseTheDoubleSizeImage()
    {
        if (qApp->devicePixelRatio() < 2)
            QSKIP("needs a screen of pixel ratio 2");
        const auto pixels = [](const QPixmap &p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); };
        const QImage icon = pixels(QPixmap(":/icon@2x.png"));
        QCOMPARE(pixels(splash().controlAs<QLabel>("imgSplash")->pixmap()), icon);
        QCOMPARE(pixels(workspace->mdiMain().window()->windowIcon().pixmap(icon.size() / 2, 2.0)), icon);
        QCOMPARE(pixels(workspace->formNamed("frmAboutRatios")->controlAs<QLabel>("Picture1")->pixmap()),
                 pixels(QPixmap(":/hammer45@2x.png")));
    }

    void bannerIsANameWithoutAFrame()
    {
        TitleBanner &banner = workspace->frmBackground();
        QCOMPARE(banner.view()->objectName(), QString("frmBackground"));
        QCOMPARE(banner.window()->accessibleName(), QString("Corvane"));
        QVERIFY(banner.window()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(banner.window()->size(), QSize(11040 / 15, 3465 / 15));
        auto *name = banner.controlAs<QLabel>("Label1");
        QCOMPARE(name->text(), QString("Corvane"));
        QCOMPARE(name->font().pixelSize(), 96);
        QVERIFY(name->font().bold());
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
