// The wall framing calculator through its real widgets, and its line on the cost list.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/wallframing.h"
#include "numbers/text.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const Message kLengthMessage{"Please Enter a Number in the Length Box", "Error", 16};
const Message kHeightMessage{"Please Enter a Number in the Heigth Box", "Error", 16};
const Message kBoardMessage{"Please Enter a Number in the Length of Boards Box", "Error", 16};
const Message kSizeMessage{"Please check one of the Board Size Boxes", "Error", 16};
const Message kSpacingMessage{"Please check one of the OC Boxes", "Error", 16};
const Message kPriceMessage{"Please Enter a Number in the Price Box", "Error", 16};
const Message kDuplicate{"You already have a Wall Framing Total on the Costs List. Please remove the existing one "
                         "before adding a new one.",
                         "Error", 16};
const QString kWorkedLine = "Wall Framing   =   11.2708 2 x 4 x 8 = 2.5";

const QStringList kChecks{"chk2x4", "chk2x6", "chk16OC", "chk24OC"};

} // namespace

class WallFramingTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    WallFramingCalculator *framing = nullptr;

    CostList &costs() { return workspace->frmCosts(); }
    QString slot(int n) { return costs().text(element("lblCosts", n)); }
    QString resultRow()
    {
        return QStringList{shown(*framing, "lblAmount1"), shown(*framing, "Label9"), shown(*framing, "lblAmount2"),
                           shown(*framing, "lblAmount3")}
            .join(" | ");
    }
    QString ticked()
    {
        QStringList on;
        for (const QString &box : kChecks)
            if (framing->value(box) == 1)
                on << box;
        return on.join(' ');
    }

    // Ticks exactly the boxes named, by clicking as a user would.
    void tick(const QString &boxes)
    {
        for (const QString &box : kChecks)
            if ((framing->value(box) == 1) != boxes.split(' ').contains(box))
                click(*framing, box);
    }
    void count(const QString &length, const QString &height, const QString &board,
               const QString &boxes = "chk2x4 chk16OC")
    {
        typeInto(*framing, "txtLength", length);
        typeInto(*framing, "txtHeight", height);
        typeInto(*framing, "txtStudLength", board);
        tick(boxes);
        click(*framing, "cmdGo");
    }
    void price(const QString &perBoard)
    {
        typeInto(*framing, "txtPrice", perBoard);
        click(*framing, "cmdGo2");
    }

private slots:
    void init()
    {
        workspace = startProgram();
        framing = &workspace->frmWallFraming();
        workspace->mdiMain().itmWallFraming_Click();
    }
    void cleanup() { endProgram(workspace, messages); }

    void counts_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("row");
        dataRow("10 by 8, 8-foot 2 x 4 at 16 inches", "10", "8", "8", "chk2x4 chk16OC", "11.2708 | X | 2 x 4 | x 8");
        dataRow("at 24 inches", "10", "8", "8", "chk2x4 chk24OC", "8.7708 | X | 2 x 4 | x 8");
        dataRow("10-foot boards", "10", "8", "10", "chk2x4 chk16OC", "9.0167 | X | 2 x 4 | x 10");
        dataRow("2 x 6 changes only the size", "10", "8", "8", "chk2x6 chk16OC", "11.2708 | X | 2 x 6 | x 8");
        dataRow("no wall: the 2 inches alone", "0", "8", "8", "chk2x4 chk16OC", "0.0208 | X | 2 x 4 | x 8");
        // 1172 / 9 = 130.2222, and 130.2222 / 12 = 10.85185 goes to the even 10.8518; one
        // rounding of 1172 / 108 would give 10.8519.
        dataRow("rounded per board, then per foot", "10", "9", "9", "chk2x4 chk16OC", "10.8518 | X | 2 x 4 | x 9");
        dataRow("fractions of a foot", "10.5", "8.25", "8.5", "chk2x6 chk24OC", "8.8211 | X | 2 x 6 | x 8.5");
        dataRow("a length past four decimals goes to the even ten-thousandth", "10.00005", "8", "8", "chk2x4 chk16OC",
                "11.2708 | X | 2 x 4 | x 8");
        dataRow("a negative length counts negative", "-10", "8", "8", "chk2x4 chk16OC", "-11.2292 | X | 2 x 4 | x 8");
        dataRow("blanks and a thousands separator", " 1,000 ", "8", "8", "chk2x4 chk16OC",
                "1125.0208 | X | 2 x 4 | x 8");
    }
    void counts()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, board);
        QFETCH(QString, boxes);
        count(length, height, board, boxes);
        QTEST(resultRow(), "row");
        QCOMPARE(MoneyToText(framing->curWoodAmount), resultRow().section(" | ", 0, 0));
    }

    // One bad input is reported, the first in the order of the window, and nothing changes.
    void refusedInputsChangeNothing_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<Message>("message");
        dataRow("everything missing: the length first", "", "", "", "", kLengthMessage);
        dataRow("letters after the length", "10ft", "8", "8", "chk2x4 chk16OC", kLengthMessage);
        dataRow("a bad height before a bad board", "10", "x", "y", "chk2x4 chk16OC", kHeightMessage);
        dataRow("blanks for a board length", "10", "8", "  ", "chk2x4 chk16OC", kBoardMessage);
        dataRow("neither size nor spacing: the size first", "10", "8", "8", "", kSizeMessage);
        dataRow("a spacing but no size", "10", "8", "8", "chk24OC", kSizeMessage);
        dataRow("a size but no spacing", "10", "8", "8", "chk2x6", kSpacingMessage);
    }
    void refusedInputsChangeNothing()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, board);
        QFETCH(QString, boxes);
        QFETCH(Message, message);
        count("10", "8", "8");
        const QString before = resultRow();
        count(length, height, board, boxes);
        QCOMPARE(messages.take(), QList<Message>{message});
        QCOMPARE(resultRow(), before);
        QCOMPARE(framing->curWoodAmount, Money::fromUnits(112708));
    }

    // A board length of 0 fails at the division; the count, the result row and the board the
    // cost line names stay those of the last count, so a price step never prices inches.
    void failedCountKeepsTheLastOne()
    {
        count("10", "8", "8");
        count("12", "9", "0", "chk2x6 chk24OC");
        QCOMPARE(messages.take(), (QList<Message>{{"Floating-point error", "Corvane", 16}}));
        QCOMPARE(resultRow(), QString("11.2708 | X | 2 x 4 | x 8"));
        QCOMPARE(framing->curWoodAmount, Money::fromUnits(112708));
        price("2.5");
        QCOMPARE(shown(*framing, "txtCost"), QString("28.177"));
        click(*framing, "cmdAdd");
        QCOMPARE(slot(1), kWorkedLine);
    }

    void overflowKeepsTheLastCount_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("board");
        dataRow("a length beyond money", "1E+15", "8");
        dataRow("a length whose inches are beyond money", "1E+14", "8");
        dataRow("an area beyond money", "1E+12", "8");
        dataRow("a board so short the count is beyond money", "1E+9", "0.0001");
    }
    void overflowKeepsTheLastCount()
    {
        QFETCH(QString, length);
        QFETCH(QString, board);
        count("10", "8", "8");
        count(length, "8", board);
        QCOMPARE(messages.take(), (QList<Message>{{"Overflow", "Corvane", 16}}));
        QCOMPARE(resultRow(), QString("11.2708 | X | 2 x 4 | x 8"));
        QCOMPARE(framing->curWoodAmount, Money::fromUnits(112708));
    }

    void pricing_data()
    {
        QTest::addColumn<QString>("perBoard");
        QTest::addColumn<QString>("cost");
        dataRow("2.5 a board", "2.5", "28.177");
        dataRow("rounded to the ten-thousandth", "1.99", "22.4289");
        dataRow("with the currency symbol", "$2.50", "28.177");
        dataRow("free boards", "0", "0");
    }
    void pricing()
    {
        QFETCH(QString, perBoard);
        QFETCH(QString, cost);
        count("10", "8", "8");
        price(perBoard);
        QCOMPARE(shown(*framing, "txtCost"), cost);
        QCOMPARE(MoneyToText(framing->curPrice), cost);
    }

    void pricingRefusedOrBeforeAnyCount()
    {
        price("2.5");
        QCOMPARE(shown(*framing, "txtCost"), QString("0"));
        count("10", "8", "8");
        price("2.5");
        price("two");
        QCOMPARE(messages.take(), QList<Message>{kPriceMessage});
        QCOMPARE(shown(*framing, "txtCost"), QString("28.177"));
        QCOMPARE(framing->curCost, Money::fromUnits(25000));
        QCOMPARE(framing->curPrice, Money::fromUnits(281770));
    }

    // The line goes into the next free slot; a second one is refused while the first has a cost,
    // and the list still comes to the front.
    void postingAndTheDuplicate()
    {
        costs().post(Material::Block, "Block", 120, {});
        costs().Hide();
        count("10", "8", "8");
        price("2.5");
        click(*framing, "cmdAdd");
        QVERIFY(costs().isVisible());
        QCOMPARE(slot(2), kWorkedLine);
        QCOMPARE(costs().model().dblWoodCost, 28.177);
        QCOMPARE(int(costs().model().intWoodCounter), 2);
        QCOMPARE(int(costs().model().intCounter), 3);

        costs().Hide();
        count("10", "8", "10");
        click(*framing, "cmdAdd");
        QCOMPARE(messages.take(), QList<Message>{kDuplicate});
        QVERIFY(costs().isVisible());
        QCOMPARE(slot(2), kWorkedLine);
        QCOMPARE(slot(3), QString());
        QCOMPARE(costs().model().dblWoodCost, 28.177);
        QCOMPARE(int(costs().model().intWoodCounter), 2);
        QCOMPARE(int(costs().model().intCounter), 3);
    }

    // A line at cost 0 does not count as a wall-framing line, so another post is taken.
    void postingBeforePricingPostsNothingOwed()
    {
        count("10", "8", "8");
        click(*framing, "cmdAdd");
        QCOMPARE(slot(1), QString("Wall Framing   =   11.2708 2 x 4 x 8 = 0"));
        QCOMPARE(costs().model().dblWoodCost, 0.0);
        click(*framing, "cmdAdd");
        QCOMPARE(slot(2), QString("Wall Framing   =   11.2708 2 x 4 x 8 = 0"));
        QCOMPARE(int(costs().model().intWoodCounter), 2);
    }

    void clearAllStartsOver()
    {
        click(*framing, "cmdAdd");
        QCOMPARE(slot(1), QString("Wall Framing   =   0  x  = 0"));
        count("10", "8", "8");
        price("2.5");
        click(*framing, "cmdClear");
        for (const char *box : {"txtLength", "txtHeight", "txtStudLength", "txtPrice", "txtCost"})
            QCOMPARE(shown(*framing, box), QString());
        QCOMPARE(resultRow(), QString(" | X |  | "));
        QCOMPARE(ticked(), QString());
        QCOMPARE(framing->curWoodAmount, Money());
        QCOMPARE(framing->curPrice, Money());
        QCOMPARE(framing->curCost, Money());
        price("2.5");
        QCOMPARE(shown(*framing, "txtCost"), QString("0"));
        click(*framing, "cmdAdd");
        QCOMPARE(slot(2), QString("Wall Framing   =   0  x  = 2.5"));
        QCOMPARE(costs().model().dblWoodCost, 0.0);
    }

    void checkBoxPairs_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("ticked");
        dataRow("one of each pair", QStringList{"chk2x4", "chk16OC"}, "chk2x4 chk16OC");
        dataRow("24 after 16 moves the tick", QStringList{"chk16OC", "chk24OC"}, "chk24OC");
        dataRow("16 after 24 moves it back", QStringList{"chk24OC", "chk16OC"}, "chk16OC");
        dataRow("a ticked box clicked again leaves the pair empty", QStringList{"chk16OC", "chk24OC", "chk24OC"}, "");
        dataRow("sizes: 2 x 6 after 2 x 4", QStringList{"chk2x4", "chk2x6"}, "chk2x6");
        dataRow("sizes back and forth", QStringList{"chk2x4", "chk2x6", "chk2x4"}, "chk2x4");
        dataRow("a size click leaves the spacing alone", QStringList{"chk24OC", "chk2x6", "chk2x4"}, "chk2x4 chk24OC");
    }
    void checkBoxPairs()
    {
        QFETCH(QStringList, clicks);
        for (const QString &box : clicks)
            click(*framing, box);
        QTEST(ticked(), "ticked");
    }

    // Ticking from code is no click: the partner stays ticked, and the first of the pair is taken.
    void bothOfAPairTickedTakesTheFirst()
    {
        click(*framing, "chk2x6");
        click(*framing, "chk24OC");
        framing->setValue("chk2x4", 1);
        framing->setValue("chk16OC", 1);
        QCOMPARE(ticked(), QString("chk2x4 chk2x6 chk16OC chk24OC"));
        typeInto(*framing, "txtLength", "10");
        typeInto(*framing, "txtHeight", "8");
        typeInto(*framing, "txtStudLength", "8");
        click(*framing, "cmdGo");
        QCOMPARE(resultRow(), QString("11.2708 | X | 2 x 4 | x 8"));
    }

    void figuresOutliveTheWindow()
    {
        count("10", "8", "8");
        price("2.5");
        framing->window()->close();
        QVERIFY(!framing->isLoaded());
        settle();
        workspace->mdiMain().itmWallFraming_Click();
        QVERIFY(framing->isVisible());
        for (const char *box : {"txtLength", "txtHeight", "txtStudLength", "txtPrice", "txtCost"})
            QCOMPARE(shown(*framing, box), QString());
        QCOMPARE(resultRow(), QString(" | X |  | "));
        QCOMPARE(ticked(), QString());
        click(*framing, "cmdAdd");
        QCOMPARE(slot(1), kWorkedLine);
        QCOMPARE(costs().model().dblWoodCost, 28.177);
    }

    // A long wall's count and an odd board length are readable in their labels.
    void resultRowFitsItsLabels()
    {
        count("250", "12", "12.25", "chk2x6 chk16OC");
        for (const char *name : {"lblAmount1", "lblAmount2", "lblAmount3"}) {
            auto *label = framing->controlAs<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(QString("%1 \"%2\"").arg(name, label->text())));
        }
    }

    void keyboardAndScreenReaders()
    {
        QCOMPARE(framing->controlAs<QLineEdit>("txtStudLength")->accessibleName(), QString("Length of Boards in Feet"));
        QCOMPARE(framing->controlAs<QCheckBox>("chk16OC")->text(), QString("Studs 16\" OC"));
        QCOMPARE(framing->controlAs<QLabel>("Label6(0)")->text(), QString("$"));
        QCOMPARE(framing->controlAs<QLabel>("Label6(1)")->text(), QString("$"));
    }
};

QTEST_MAIN(WallFramingTest)
#include "test_wallframing.moc"
