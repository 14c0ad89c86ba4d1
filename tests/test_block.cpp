// The block wall calculator through its real widgets, and its line on the cost list.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/block.h"
#include "calculators/pipe.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const Message kLengthMessage{"Please Enter a Number in the Length Box", "Error", 16};
const Message kHeightMessage{"Please Enter a Number in the Heigth Box", "Error", 16};
const Message kPriceMessage{"Please Enter a Number in the Price Box", "Error", 16};
const Message kOverflow{"Overflow", "Corvane", 16};
const Message kDuplicate{"You already have a Block Total on the Costs List. Please remove the existing one before "
                         "adding a new one.",
                         "Corvane", 0};

QList<Message> messagesNamed(const QStringList &which)
{
    QList<Message> list;
    for (const QString &m : which)
        list << (m == "length" ? kLengthMessage : m == "height" ? kHeightMessage : kOverflow);
    return list;
}

} // namespace

class BlockTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    BlockCalculator *block = nullptr;

    CostList &costs() { return workspace->frmCosts(); }
    QString slot(int n) { return costs().text(element("lblCosts", n)); }

    void count(const QString &length, const QString &height)
    {
        typeInto(*block, "txtLength", length);
        typeInto(*block, "txtHeight", height);
        click(*block, "cmdGo");
    }
    void price(const QString &perBlock)
    {
        typeInto(*block, "txtPrice", perBlock);
        click(*block, "cmdGo2");
    }

private slots:
    void init()
    {
        workspace = startProgram();
        block = &workspace->frmBlock();
        block->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void counts_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("blocks");
        dataRow("10 by 8: 7.5 blocks a course go up to 8", "10", "8", 96);
        dataRow("6 by 4: 4.5 blocks a course go down to 4", "6", "4", 24);
        dataRow("1 by 1: 0.75 up to 1, 1.5 courses up to 2", "1", "1", 2);
        dataRow("7.5 feet count as 8", "7.5", "1", 12);
        dataRow("6.5 feet count as 6", "6.5", "1", 8);
        dataRow("0.5 feet count as 0", "0.5", "8", 0);
        dataRow("2.5 feet high count as 2", "10", "2.5", 24);
        dataRow("the longest wall that fits: 2730 feet", "2730", "1", 4096);
        dataRow("a negative length counts negative", "-10", "8", -96);
        dataRow("blanks and a thousands separator", " 1,000 ", "1", 1500);
        dataRow("an exponent", "1e1", "8", 96);
        dataRow("a hexadecimal length", "&HA", "8", 96);
        dataRow("nothing high", "10", "0", 0);
    }
    void counts()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(int, blocks);
        count(length, height);
        QCOMPARE(shown(*block, "txtBlockAmount"), QString::number(blocks));
        QCOMPARE(int(block->intBlockAmount), blocks);
    }

    // A bad dimension is reported and the count goes on with 0 in its place.
    void rejectedDimensionCountsAsZero_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QStringList>("reported");
        dataRow("empty length", "", "8", QStringList{"length"});
        dataRow("letters after the height", "10", "8ft", QStringList{"height"});
        dataRow("blanks for a height", "10", "   ", QStringList{"height"});
        dataRow("both bad: both reported, length first", "ten", "", QStringList{"length", "height"});
    }
    void rejectedDimensionCountsAsZero()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QStringList, reported);
        count("10", "8");
        count(length, height);
        QCOMPARE(messages.take(), messagesNamed(reported));
        QCOMPARE(shown(*block, "txtBlockAmount"), QString("0"));
        QCOMPARE(int(block->intBlockAmount), 0);
    }

    void overflowKeepsTheLastCount_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        dataRow("2731 feet long", "2731", "1");
        dataRow("2731 feet long, before a bad height is read", "2731", "high");
        dataRow("-2731 feet long", "-2731", "1");
        dataRow("2731 feet high", "1", "2731");
        dataRow("100 by 300: 75 x 450 blocks", "100", "300");
        dataRow("a length past 16 bits", "40000", "1");
        dataRow("a length that rounds past 16 bits", "32767.5", "1");
    }
    void overflowKeepsTheLastCount()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        count("10", "8");
        count(length, height);
        QCOMPARE(messages.take(), QList<Message>{kOverflow});
        QCOMPARE(shown(*block, "txtBlockAmount"), QString("96"));
        QCOMPARE(int(block->intBlockAmount), 96);
    }

    void pricing_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("perBlock");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<double>("total");
        dataRow("96 blocks at 1.25", "10", "8", "1.25", "120", 120.0);
        dataRow("24 blocks at 1.1, shown to 15 digits", "6", "4", "1.1", "26.4", 26.400000000000002);
        dataRow("a price with the currency symbol", "10", "8", "$1.25", "120", 120.0);
        dataRow("free blocks", "10", "8", "0", "0", 0.0);
        dataRow("a negative count", "-10", "8", "2", "-192", -192.0);
        dataRow("the largest count at a large price", "2730", "1", "1E+300", "4.096E+303", 4.096e303);
    }
    void pricing()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, perBlock);
        QFETCH(double, total);
        count(length, height);
        price(perBlock);
        QTEST(shown(*block, "txtAmount"), "cost");
        QVERIFY2(block->dblPrice == total, qPrintable(QString::number(block->dblPrice, 'g', 17)));
    }

    void rejectedPriceUsesTheLastOne()
    {
        count("10", "8");
        price("abc");
        QCOMPARE(messages.take(), QList<Message>{kPriceMessage});
        QCOMPARE(shown(*block, "txtAmount"), QString("0"));

        price("1.25");
        price("");
        QCOMPARE(messages.take(), QList<Message>{kPriceMessage});
        QCOMPARE(shown(*block, "txtAmount"), QString("120"));
        QCOMPARE(block->dblCost, 1.25);

        count("6", "4");
        price("1.25 each");
        QCOMPARE(messages.take(), QList<Message>{kPriceMessage});
        QCOMPARE(shown(*block, "txtAmount"), QString("30"));
    }

    // A total too large for a Double is refused before it is kept, so what the cost list can
    // receive is always the last total that was shown.
    void priceTooLargeKeepsTheLastTotal()
    {
        count("10", "8");
        price("1.25");
        price("1E+307");
        QCOMPARE(messages.take(), (QList<Message>{{"Floating-point error", "Corvane", 16}}));
        QCOMPARE(shown(*block, "txtAmount"), QString("120"));
        QCOMPARE(block->dblPrice, 120.0);
        price("1E+400");
        QCOMPARE(messages.take(), QList<Message>{kOverflow});
        QCOMPARE(block->dblPrice, 120.0);
        click(*block, "cmdAdd");
        QCOMPARE(costs().model().dblBlockCost, 120.0);
        QVERIFY(std::isfinite(costs().model().dblBlockCost));
    }

    // The line goes into the next free slot; a second one is refused while the first has a cost,
    // and the list still comes to the front.
    void postingAndTheDuplicate()
    {
        costs().post(Material::Cement, "Cement", 10, {});
        costs().Hide();
        count("10", "8");
        price("1.25");
        click(*block, "cmdAdd");
        QVERIFY(costs().isVisible());
        QCOMPARE(slot(2), QString("Block   =   96   X   $1.25   =   $120"));
        QCOMPARE(costs().model().dblBlockCost, 120.0);
        QCOMPARE(int(costs().model().intBlockCounter), 2);
        QCOMPARE(int(costs().model().intCounter), 3);

        costs().Hide();
        count("6", "4");
        price("2");
        click(*block, "cmdAdd");
        QCOMPARE(messages.take(), QList<Message>{kDuplicate});
        QVERIFY(costs().isVisible());
        QCOMPARE(slot(2), QString("Block   =   96   X   $1.25   =   $120"));
        QCOMPARE(slot(3), QString());
        QCOMPARE(costs().model().dblBlockCost, 120.0);
        QCOMPARE(int(costs().model().intBlockCounter), 2);
        QCOMPARE(int(costs().model().intCounter), 3);
    }

    // A line at cost 0 does not count as a block line, so another post is taken.
    void postingBeforePricingPostsNothingOwed()
    {
        count("10", "8");
        click(*block, "cmdAdd");
        QCOMPARE(slot(1), QString("Block   =   96   X   $0   =   $0"));
        QCOMPARE(costs().model().dblBlockCost, 0.0);
        click(*block, "cmdAdd");
        QCOMPARE(slot(2), QString("Block   =   96   X   $0   =   $0"));
        QCOMPARE(int(costs().model().intBlockCounter), 2);
        QCOMPARE(int(costs().model().intCounter), 3);
    }

    // Neither the price step nor the post reads the boxes back: both go on with the figures.
    void clearAllEmptiesTheBoxesAndKeepsTheFigures()
    {
        count("10", "8");
        price("1.25");
        click(*block, "cmdClear");
        for (const char *box : {"txtLength", "txtHeight", "txtBlockAmount", "txtPrice", "txtAmount"})
            QCOMPARE(shown(*block, box), QString());
        QCOMPARE(int(block->intBlockAmount), 96);
        QCOMPARE(block->dblPrice, 120.0);
        price("2");
        QCOMPARE(shown(*block, "txtAmount"), QString("192"));
        typeInto(*block, "txtLength", "6");
        typeInto(*block, "txtPrice", "9");
        click(*block, "cmdAdd");
        QCOMPARE(slot(1), QString("Block   =   96   X   $2   =   $192"));
    }

    void figuresOutliveTheWindow()
    {
        count("10", "8");
        price("1.25");
        block->window()->close();
        QVERIFY(!block->isLoaded());
        settle();
        workspace->frmPipe().Show();
        workspace->mdiMain().itmBlock_Click();
        QCOMPARE(workspace->mdiArea()->activeSubWindow(), block->window());
        for (const char *box : {"txtLength", "txtHeight", "txtBlockAmount", "txtPrice", "txtAmount"})
            QCOMPARE(shown(*block, box), QString());
        price("2");
        QCOMPARE(shown(*block, "txtAmount"), QString("192"));
    }

    void keyboardAndScreenReaders()
    {
        QCOMPARE(block->controlAs<QLineEdit>("txtLength")->accessibleName(), QString("Length in Feet"));
        QCOMPARE(block->controlAs<QLineEdit>("txtBlockAmount")->accessibleName(), QString("Amount of Block"));
        QCOMPARE(block->controlAs<QLabel>("Label6(0)")->text(), QString("$"));
        QCOMPARE(block->controlAs<QLabel>("Label6(1)")->text(), QString("$"));
    }
};

QTEST_MAIN(BlockTest)
#include "test_block.moc"
