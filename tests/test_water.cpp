// The water volume calculator through its real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/water.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const QStringList kResults{"lblSquerefeet", "lblGallons", "lblWaterWeight", "lblTonsofWater"};

} // namespace

class WaterTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    WaterCalculator *water = nullptr;

    void calculate(const QString &width, const QString &length, const QString &depth)
    {
        typeInto(*water, "txtWidth", width);
        typeInto(*water, "txtLength", length);
        typeInto(*water, "txtDepth", depth);
        click(*water, "Command1");
    }
    QStringList shownResults()
    {
        QStringList shownNow;
        for (const QString &name : kResults)
            shownNow << shown(*water, name);
        return shownNow;
    }

private slots:
    void init()
    {
        workspace = startProgram();
        water = &workspace->frmWater();
        water->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void results_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("wholeCubicFeet");
        dataRow("10 by 20 by 5", "10", "20", "5", QStringList{"1000", "7481", "62092.3", "31.04615"}, 1000);
        dataRow("12 by 24 by 4", "12", "24", "4", QStringList{"1152", "8618.112", "71530.3296", "35.7651648"}, 1152);
        dataRow("shows 1.5, counts 2", "2", "3", "0.25", QStringList{"1.5", "14.962", "124.1846", "0.0620923"}, 2);
        dataRow("3.5 rounds up to even 4", "3.5", "1", "1", QStringList{"3.5", "29.924", "248.3692", "0.1241846"}, 4);
        dataRow("2.5 rounds down to even 2", "2.5", "1", "1", QStringList{"2.5", "14.962", "124.1846", "0.0620923"}, 2);
        dataRow("0.4 rounds to nothing", "0.4", "1", "1", QStringList{"0.4", "0", "0", "0"}, 0);
        dataRow("product shown to 15 digits", "7", "3.3", "1.1",
                QStringList{"25.41", "187.025", "1552.3075", "0.77615375"}, 25);
        dataRow("negative width", "-10", "20", "5", QStringList{"-1000", "-7481", "-62092.3", "-31.04615"}, -1000);
        dataRow("a zero times a negative shows 0", "0", "-5", "1", QStringList{"0", "0", "0", "0"}, 0);
        dataRow("largest product that fits", "181", "181", "1",
                QStringList{"32761", "245085.041", "2034205.8403", "1017.10292015"}, 32761);
        dataRow("half-way below the top rounds to even", "1", "1", "32766.5",
                QStringList{"32766.5", "245122.446", "2034516.3018", "1017.2581509"}, 32766);
        dataRow("half-way past the bottom rounds to even", "1", "1", "-32768.5",
                QStringList{"-32768.5", "-245137.408", "-2034640.4864", "-1017.3202432"}, -32768);
        dataRow("blanks and a thousands separator", " 0.5 ", "1,000", "2",
                QStringList{"1000", "7481", "62092.3", "31.04615"}, 1000);
    }
    void results()
    {
        QFETCH(QString, width);
        QFETCH(QString, length);
        QFETCH(QString, depth);
        QFETCH(QStringList, expected);
        QFETCH(int, wholeCubicFeet);
        calculate(width, length, depth);
        QCOMPARE(shownResults(), expected);
        QCOMPARE(int(water->intSquareFeet), wholeCubicFeet);
    }

    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("message");
        const QString widthMessage = "Please enter a value in the Width Box";
        const QString lengthMessage = "Please enter a value in the Length Box";
        const QString depthMessage = "Please enter a value in the Depth Box";
        dataRow("all empty: the width only", "", "", "", widthMessage);
        dataRow("blank width", "  ", "3", "1", widthMessage);
        dataRow("length with letters, depth empty", "2", "12abc", "", lengthMessage);
        dataRow("empty depth", "2", "3", "", depthMessage);
        dataRow("a lone sign", "2", "3", "-", depthMessage);
    }
    void refusedInputChangesNothing()
    {
        QFETCH(QString, width);
        QFETCH(QString, length);
        QFETCH(QString, depth);
        QFETCH(QString, message);
        calculate("10", "20", "5");
        calculate(width, length, depth);
        QCOMPARE(messages.take(), (QList<Message>{{message, "Error", 16}}));
        QCOMPARE(shownResults(), (QStringList{"1000", "7481", "62092.3", "31.04615"}));
        QCOMPARE(int(water->intSquareFeet), 1000);
    }

    // A runtime error stops the calculation at its step: what was shown before it stays, and so
    // do the earlier results below it.
    void runtimeErrorsStopAtTheirStep_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("product");
        dataRow("100 by 100 by 4 is past the whole-number range", "100", "100", "4", "Overflow", "40000");
        dataRow("half-way past the top rounds up out of range", "1", "1", "32767.5", "Overflow", "32767.5");
        dataRow("past the bottom", "-1", "181", "182", "Overflow", "-32942");
        dataRow("length by width overflows", "1E+200", "1E+200", "0", "Floating-point error", "1000");
        dataRow("then by depth overflows", "1E+200", "1", "1E+200", "Floating-point error", "1000");
        dataRow("a number too large to hold", "1E+400", "1", "1", "Overflow", "1000");
    }
    void runtimeErrorsStopAtTheirStep()
    {
        QFETCH(QString, width);
        QFETCH(QString, length);
        QFETCH(QString, depth);
        QFETCH(QString, error);
        QFETCH(QString, product);
        calculate("10", "20", "5");
        calculate(width, length, depth);
        QCOMPARE(messages.take(), (QList<Message>{{error, "Corvane", 16}}));
        QCOMPARE(shownResults(), (QStringList{product, "7481", "62092.3", "31.04615"}));
        QCOMPARE(int(water->intSquareFeet), 1000);
    }

    void clearAllEmptiesBoxesAndResultsOnly()
    {
        calculate("2", "3", "0.25");
        click(*water, "cmdClear");
        for (const char *box : {"txtWidth", "txtLength", "txtDepth"})
            QCOMPARE(shown(*water, box), QString());
        QCOMPARE(shownResults(), (QStringList{"", "", "", ""}));
        QCOMPARE(int(water->intSquareFeet), 2);
    }

    void reopeningStartsAfreshButKeepsTheCount()
    {
        calculate("10", "20", "5");
        water->window()->close();
        QVERIFY(!water->isLoaded());
        settle();
        auto *menuItem = workspace->mdiMain().window()->findChild<QAction *>("itmWaterVolumes");
        QVERIFY(menuItem);
        menuItem->trigger();
        QVERIFY(water->isVisible());
        QCOMPARE(qobject_cast<QMdiSubWindow *>(water->window())->mdiArea()->activeSubWindow(), water->window());
        QCOMPARE(shown(*water, "txtWidth"), QString());
        QCOMPARE(shownResults(), (QStringList{"", "", "", ""}));
        QCOMPARE(int(water->intSquareFeet), 1000);
    }

    void everythingHasASpokenName()
    {
        QCOMPARE(water->window()->windowTitle(), QString());
        QCOMPARE(water->view()->accessibleName(), QString("Water Volumes"));
        QCOMPARE(water->control("txtDepth")->accessibleName(), QString("Depth"));
        QCOMPARE(water->control("lblGallons")->accessibleName(), QString("Gallons"));
    }
};

QTEST_MAIN(WaterTest)
#include "test_water.moc"
