// The concrete pad calculator through its real widgets, and what it posts to the cost list.
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/concrete.h"
#include "numbers/text.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const QString kCalculateFirst = "Please Calculate the Amount of Material Needed Above";

} // namespace

class ConcreteTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    ConcreteCalculator *concrete = nullptr;

    void calculate(const QString &width, const QString &length, const QString &thickness,
                   const QString &location = "USA")
    {
        click(*concrete, location == "DR" ? "optDR" : "optUSA");
        typeInto(*concrete, "txtPadWidth", width);
        typeInto(*concrete, "txtPadLength", length);
        typeInto(*concrete, "txtPadThickness", thickness);
        click(*concrete, "cmdCalculate");
    }
    void price(const QString &cement, const QString &sand, const QString &gravel)
    {
        typeInto(*concrete, "txtPriceC", cement);
        typeInto(*concrete, "txtPriceS", sand);
        typeInto(*concrete, "txtPriceG", gravel);
        click(*concrete, "cmdPrice");
    }
    QStringList boxes(std::initializer_list<const char *> names)
    {
        QStringList texts;
        for (const char *name : names)
            texts << shown(*concrete, name);
        return texts;
    }
    QStringList amountBoxes() { return boxes({"txtCement", "txtSand", "txtGravel"}); }
    QStringList costBoxes() { return boxes({"txtCementCost", "txtSandCost", "txtGravelCost", "txtTotalCost"}); }
    QList<Money> figures() const
    {
        const ConcreteCalculator &c = *concrete;
        return {c.curCementP, c.curSandP,    c.curGravelP, c.curCostC, c.curCostS,
                c.curCostG,   c.curConcrete, c.curSand,    c.curGravel};
    }
    QString slot(int n) { return workspace->frmCosts().text(element("lblCosts", n)); }

private slots:
    void init()
    {
        workspace = startProgram();
        concrete = &workspace->frmConcrete();
        concrete->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void theMenuOpensTheOneWindow()
    {
        concrete->Unload();
        settle();
        auto *item = workspace->mdiMain().window()->findChild<QAction *>("itmConcrete");
        QVERIFY(item);
        item->trigger();
        QVERIFY(concrete->isVisible());
        QCOMPARE(concrete->view()->objectName(), QString("frmConcrete"));
        QCOMPARE(concrete->window()->windowTitle(), QString("Concrete Quantities"));
        item->trigger();
        QCOMPARE(workspace->mdiArea()->subWindowList().count(concrete->window()), 1);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QStringList>("expected"); // bags, sand, gravel
        // The bag count comes from the cement volume rounded to 1.1786: unrounded it would be 35.4991.
        dataRow("5 x 10 x 10, USA", "USA", "5", "10", "10", QStringList{"35.5", "2.3571", "4.7143"});
        dataRow("5 x 10 x 10, DR", "DR", "5", "10", "10", QStringList{"35.5", "3.5357", "3.5357"});
        dataRow("4 x 5 x 10, USA", "USA", "4", "5", "10", QStringList{"14.1988", "0.9429", "1.8857"});
        dataRow("fractions of a metre, DR", "DR", "2.5", "3.75", "12.5", QStringList{"8.3193", "0.8287", "0.8287"});
        dataRow("a large pad keeps four decimals of bags", "USA", "1000", "1000", "100",
                QStringList{"7099827.8825", "471428.5714", "942857.1429"});
        dataRow("0.004 cm rounds to no thickness", "USA", "5", "10", "0.004", QStringList{"0", "0", "0"});
        // 0.0001 m thick; the dry volume 0.00825 rounds to the even 0.0082.
        dataRow("0.006 cm is 0.0001 m", "USA", "5", "10", "0.006", QStringList{"0.0361", "0.0023", "0.0047"});
        dataRow("width typed to five decimals", "USA", "1.23456", "1", "100", QStringList{"8.7651", "0.582", "1.1641"});
        dataRow("no width", "USA", "0", "10", "10", QStringList{"0", "0", "0"});
        dataRow("negative width", "USA", "-5", "10", "10", QStringList{"-35.5", "-2.3571", "-4.7143"});
    }
    void amounts()
    {
        QFETCH(QString, location);
        QFETCH(QString, width);
        QFETCH(QString, length);
        QFETCH(QString, thickness);
        QFETCH(QStringList, expected);
        calculate(width, length, thickness, location);
        QCOMPARE(amountBoxes(), expected);
        QCOMPARE(MoneyToText(concrete->curConcrete), expected[0]);
        QCOMPARE(MoneyToText(concrete->curSand), expected[1]);
        QCOMPARE(MoneyToText(concrete->curGravel), expected[2]);
    }

    void costs_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QStringList>("expected"); // cement, sand, gravel, total
        dataRow("USA at 10, 20, 30", "USA", QStringList{"10", "20", "30"},
                QStringList{"355", "47.142", "141.429", "543.571"});
        dataRow("DR at 10, 20, 30", "DR", QStringList{"10", "20", "30"},
                QStringList{"355", "70.714", "106.071", "531.785"});
        dataRow("cents and tenths of cents, not rounded to cents", "USA", QStringList{"9.99", "12.345", "0.5"},
                QStringList{"354.645", "29.0984", "2.3572", "386.1006"});
        dataRow("negative price", "USA", QStringList{"-10", "0", "0"}, QStringList{"-355", "0", "0", "-355"});
    }
    void costs()
    {
        QFETCH(QString, location);
        QFETCH(QStringList, prices);
        QFETCH(QStringList, expected);
        calculate("5", "10", "10", location);
        price(prices[0], prices[1], prices[2]);
        QCOMPARE(costBoxes(), expected);
        QCOMPARE(MoneyToText(concrete->curCostC), expected[0]);
        QCOMPARE(MoneyToText(concrete->curCostS), expected[1]);
        QCOMPARE(MoneyToText(concrete->curCostG), expected[2]);
        QCOMPARE(concrete->curCementP, TextToMoney(prices[0]));
    }

    void refusedCalculationChangesNothing_data()
    {
        QTest::addColumn<QStringList>("inputs"); // width, length, thickness
        QTest::addColumn<QString>("message");
        const QString width = "Please enter a value in the Pad Width Box";
        const QString length = "Please enter a value in the Pad Length Box";
        const QString thickness = "Please enter a value in the Pad Thickness Box";
        QTest::newRow("all empty: the width first") << QStringList{"", "", ""} << width;
        QTest::newRow("blank width") << QStringList{"   ", "10", "10"} << width;
        QTest::newRow("width with trailing letters") << QStringList{"5m", "10", "10"} << width;
        QTest::newRow("empty length, empty thickness") << QStringList{"5", "", ""} << length;
        QTest::newRow("a lone separator for length") << QStringList{"5", ".", "10"} << length;
        QTest::newRow("empty thickness") << QStringList{"5", "10", ""} << thickness;
        QTest::newRow("thickness with a unit") << QStringList{"5", "10", "10 cm"} << thickness;
    }
    void refusedCalculationChangesNothing()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        calculate("5", "10", "10");
        price("10", "20", "30");
        const QList<Money> before = figures();
        calculate(inputs[0], inputs[1], inputs[2], "DR");
        QCOMPARE(messages.take(), (QList<Message>{{message, "Error", 16}}));
        QCOMPARE(amountBoxes(), (QStringList{"35.5", "2.3571", "4.7143"}));
        QCOMPARE(figures(), before);
    }

    void refusedPricingChangesNothing_data()
    {
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QString>("message");
        dataRow("after Clear All, even with prices", true, QStringList{"10", "20", "30"}, kCalculateFirst);
        dataRow("after Clear All, without prices", true, QStringList{"", "", ""}, kCalculateFirst);
        dataRow("no cement price", false, QStringList{"", "20", "30"}, "Please enter a value in the Cement Price Box");
        dataRow("cement price with letters", false, QStringList{"ten", "", ""},
                "Please enter a value in the Cement Price Box");
        dataRow("no sand price", false, QStringList{"10", " ", ""}, "Please enter a value in the Sand Price Box");
        dataRow("no gravel price", false, QStringList{"10", "20", "3O"},
                "Please enter a value in the Gravel Price Box");
    }
    void refusedPricingChangesNothing()
    {
        QFETCH(bool, clearFirst);
        QFETCH(QStringList, prices);
        QFETCH(QString, message);
        calculate("5", "10", "10");
        price("1", "2", "3");
        const QList<Money> before = figures();
        const QStringList costsBefore = costBoxes();
        if (clearFirst)
            click(*concrete, "cmdClear");
        price(prices[0], prices[1], prices[2]);
        QCOMPARE(messages.take(), (QList<Message>{{message, "Error", 16}}));
        QCOMPARE(figures(), before);
        QCOMPARE(costBoxes(), (clearFirst ? QStringList{"", "", "", ""} : costsBefore));
    }

    // A figure out of range is reported by name; what the window had stays whole, so the Add
    // buttons never post a mix of two calculations or two pricings.
    void overflowIsReportedAndFiguresKept_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        dataRow("width beyond the money range", "txtPadWidth", "1E+15", "cmdCalculate");
        dataRow("width times length", "txtPadLength", "100000000", "cmdCalculate");
        // The cement volume fits; the bag count made from it does not.
        dataRow("too many bags", "txtPadThickness", "30000000", "cmdCalculate");
        dataRow("price beyond the money range", "txtPriceS", "1E+15", "cmdPrice");
        dataRow("a cost beyond the range", "txtPriceG", "2E+14", "cmdPrice");
        dataRow("a total beyond the range", "txtPriceC", "20000000000000", "cmdPrice");
    }
    void overflowIsReportedAndFiguresKept()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, button);
        calculate("5", "10", "10");
        price("10", "20", "30");
        const QList<Money> before = figures();
        if (button == "cmdCalculate") {
            typeInto(*concrete, "txtPadWidth", "100000000");
            typeInto(*concrete, "txtPadLength", "10");
            typeInto(*concrete, "txtPadThickness", "10");
        } else {
            // A new cement price that must not be kept when a later figure overflows; gravel at
            // this price costs close to the largest sum there is, yet fits.
            typeInto(*concrete, "txtPriceC", "11");
            typeInto(*concrete, "txtPriceG", "100000000000000");
        }
        typeInto(*concrete, box, text);
        click(*concrete, button);
        QCOMPARE(messages.take(), (QList<Message>{{"Overflow", "Corvane", 16}}));
        QCOMPARE(figures(), before);
        QCOMPARE(amountBoxes(), (QStringList{"35.5", "2.3571", "4.7143"}));
        QCOMPARE(costBoxes(), (QStringList{"355", "47.142", "141.429", "543.571"}));

        // The program goes on.
        calculate("4", "5", "10");
        QCOMPARE(amountBoxes(), (QStringList{"14.1988", "0.9429", "1.8857"}));
    }

    void theThreePricedLines()
    {
        calculate("5", "10", "10");
        price("10", "20", "30");
        click(*concrete, "cmdAddCement");
        click(*concrete, "cmdAddSand");
        click(*concrete, "cmdAddGravel");
        CostList &costs = workspace->frmCosts();
        QVERIFY(costs.isVisible());
        QCOMPARE(slot(1), QString("Cement   =   35.5   X   $10   =   $355"));
        QCOMPARE(slot(2), QString("Sand   =   2.3571   X   $20   =   $47.142"));
        QCOMPARE(slot(3), QString("Gravel   =   4.7143   X   $30   =   $141.429"));
        QCOMPARE(slot(4), QString());
        QCOMPARE(costs.model().dblCementCost, 355.0);
        QCOMPARE(costs.model().dblSandCost, 47.142);
        QCOMPARE(costs.model().dblGravelCost, 141.429);
        QCOMPARE((QList<int>{costs.model().intCementCounter, costs.model().intSandCounter,
                             costs.model().intGravelCounter, costs.model().intCounter}),
                 (QList<int>{1, 2, 3, 4}));
    }

    void aSecondLineWithACostIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("material");
        dataRow("cement", "cmdAddCement", "Cement");
        dataRow("sand", "cmdAddSand", "Sand");
        dataRow("gravel", "cmdAddGravel", "Gravel");
    }
    void aSecondLineWithACostIsRefused()
    {
        QFETCH(QString, button);
        QFETCH(QString, material);
        calculate("5", "10", "10");
        price("10", "20", "30");
        click(*concrete, button);
        const QString line = slot(1);
        workspace->frmCosts().Hide();
        price("11", "21", "31");
        click(*concrete, button);
        QCOMPARE(messages.take(), (QList<Message>{{"You already have a Total for " + material +
                                                       " on the Costs List. Please remove the existing one before "
                                                       "adding a new one.",
                                                   "Error", 16}}));
        // Shown all the same, with nothing changed.
        QVERIFY(workspace->frmCosts().isVisible());
        QCOMPARE(slot(1), line);
        QCOMPARE(slot(2), QString());
        QCOMPARE(int(workspace->frmCosts().model().intCounter), 2);
    }

    void unpricedSandPostsAZeroLineEachTime()
    {
        calculate("5", "10", "10");
        click(*concrete, "cmdAddSand");
        click(*concrete, "cmdAddSand");
        const QString line = "Sand   =   2.3571   X   $0   =   $0";
        QCOMPARE(slot(1), line);
        QCOMPARE(slot(2), line);
        QCOMPARE(int(workspace->frmCosts().model().intSandCounter), 2);
        QCOMPARE(workspace->frmCosts().model().dblSandCost, 0.0);
    }

    void clearAllEmptiesTheBoxesOnly()
    {
        calculate("5", "10", "10", "DR");
        price("10", "20", "30");
        const QList<Money> before = figures();
        click(*concrete, "cmdClear");
        for (const char *box :
             {"txtPadWidth", "txtPadLength", "txtPadThickness", "txtCement", "txtSand", "txtGravel", "txtPriceC",
              "txtPriceS", "txtPriceG", "txtCementCost", "txtSandCost", "txtGravelCost", "txtTotalCost"})
            QCOMPARE(shown(*concrete, box), QString());
        QCOMPARE(concrete->value("optDR"), -1);
        QCOMPARE(figures(), before);
        click(*concrete, "cmdAddCement");
        QCOMPARE(slot(1), QString("Cement   =   35.5   X   $10   =   $355"));
    }

    void theLocationCountsAtTheNextCalculation()
    {
        calculate("5", "10", "10");
        price("10", "20", "30");
        click(*concrete, "optDR");
        QCOMPARE(amountBoxes(), (QStringList{"35.5", "2.3571", "4.7143"}));
        click(*concrete, "cmdCalculate");
        QCOMPARE(amountBoxes(), (QStringList{"35.5", "3.5357", "3.5357"}));
        QCOMPARE(costBoxes(), (QStringList{"355", "47.142", "141.429", "543.571"}));
        click(*concrete, "cmdPrice");
        QCOMPARE(costBoxes(), (QStringList{"355", "70.714", "106.071", "531.785"}));
    }

    // A line's amount is the one its cost was worked out from, so amount times price is its cost
    // even when the pad was recalculated and not priced again.
    void aPostedLineAddsUpAfterARecalculation()
    {
        calculate("5", "10", "10");
        price("10", "20", "30");
        calculate("4", "5", "10");
        click(*concrete, "cmdAddCement");
        click(*concrete, "cmdAddGravel");
        QCOMPARE(slot(1), QString("Cement   =   35.5   X   $10   =   $355"));
        QCOMPARE(slot(2), QString("Gravel   =   4.7143   X   $30   =   $141.429"));
        click(*concrete, "cmdPrice");
        click(*concrete, "cmdAddSand");
        QCOMPARE(slot(3), QString("Sand   =   0.9429   X   $20   =   $18.858"));
    }

    void reopeningStartsAfreshAndKeepsTheFigures()
    {
        calculate("5", "10", "10", "DR");
        price("10", "20", "30");
        const QList<Money> before = figures();
        concrete->window()->close();
        QVERIFY(!concrete->isLoaded());
        settle();
        concrete->Show();
        QCOMPARE(amountBoxes(), (QStringList{"", "", ""}));
        QCOMPARE(shown(*concrete, "txtPadWidth"), QString());
        QCOMPARE(concrete->value("optUSA"), -1);
        QCOMPARE(concrete->value("optDR"), 0);
        QCOMPARE(figures(), before);
        click(*concrete, "cmdAddGravel");
        QCOMPARE(slot(1), QString("Gravel   =   3.5357   X   $30   =   $106.071"));
    }

    void aFreshWindowHoldsNothing()
    {
        QCOMPARE(figures(), QList<Money>(9));
        QCOMPARE(concrete->value("optUSA"), -1);
    }

    void everyControlIsNamedAndEveryInputExplained()
    {
        QCOMPARE(concrete->view()->accessibleName(), QString("Concrete Quantities"));
        const QList<QWidget *> controls = concrete->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 42);
        for (int i = 0; i < 5; ++i)
            QVERIFY(concrete->control(element("Label6", i)));
        QCOMPARE(concrete->controlAs<QLineEdit>("txtPriceS")->accessibleName(), QString("Sand Price per C. Meter"));
        QCOMPARE(concrete->controlAs<QLineEdit>("txtGravel")->accessibleName(), QString("Cubic Meters of Gravel"));
    }
};

QTEST_MAIN(ConcreteTest)
#include "test_concrete.moc"
