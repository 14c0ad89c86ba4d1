// The length conversion table through its real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/length.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const QStringList kUnits{"cm", "m", "in", "ft"};

QString box(const QString &unit)
{
    return "txt" + unit;
}

QString cell(const QString &typed, const QString &result)
{
    return "lbl" + typed + "_" + result;
}

} // namespace

class LengthTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    LengthTable *table = nullptr;

    QStringList row(const QString &typed)
    {
        QStringList cells;
        for (const QString &result : kUnits)
            cells << shown(*table, cell(typed, result));
        return cells;
    }
    // Every row filled with the same figures, so that a row left alone is easy to see.
    void fillEveryRowWithOne()
    {
        for (const QString &unit : kUnits)
            typeInto(*table, box(unit), "1");
        click(*table, "Command1");
    }
    const QStringList rowOfOnes(const QString &typed)
    {
        static const QMap<QString, QStringList> ones{{"cm", {"1", "0.01", "0.3937", "0.0328"}},
                                                     {"m", {"100", "1", "39.36", "3.281"}},
                                                     {"in", {"2.54", "0.0254", "1", "0.0833"}},
                                                     {"ft", {"30.48", "0.3048", "12", "1"}}};
        return ones.value(typed);
    }

private slots:
    void init()
    {
        workspace = startProgram();
        table = &workspace->frmLength();
        table->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void aRowConverts_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        dataRow("1 m: a metre is 39.36 in", "m", "1", QStringList{"100", "1", "39.36", "3.281"});
        dataRow("100 cm: but 100 cm are 39.37 in", "cm", "100", QStringList{"100", "1", "39.37", "3.28"});
        dataRow("12 ft", "ft", "12", QStringList{"365.76", "3.6576", "144", "12"});
        dataRow("1 in", "in", "1", QStringList{"2.54", "0.0254", "1", "0.0833"});
        dataRow("copied as typed, blanks and separator too", "cm", " 1,000 ",
                QStringList{" 1,000 ", "10", "393.7", "32.8"});
        dataRow("negative centimetres", "cm", "-2.5", QStringList{"-2.5", "-0.025", "-0.98425", "-0.082"});
        dataRow("negative metres", "m", "-2.5", QStringList{"-250", "-2.5", "-98.4", "-8.2025"});
        dataRow("negative inches", "in", "-2.5", QStringList{"-6.35", "-0.0635", "-2.5", "-0.20825"});
        dataRow("negative feet", "ft", "-2.5", QStringList{"-76.2", "-0.762", "-30", "-2.5"});
        dataRow("zero", "m", "0", QStringList{"0", "0", "0", "0"});
        dataRow("a figure wider than its cell", "m", "123.45", QStringList{"12345", "123.45", "4858.992", "405.03945"});
        dataRow("tiny lengths underflow quietly", "cm", "1E-307",
                QStringList{"1E-307", "1E-309", "3.937E-308", "3.28E-309"});
    }
    void aRowConverts()
    {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        typeInto(*table, box(unit), typed);
        click(*table, "Command1");
        QCOMPARE(row(unit), expected);
    }

    void rowsWithoutANumberAreLeftAlone_data()
    {
        QTest::addColumn<QStringList>("typed"); // cm, m, in, ft
        QTest::addColumn<QStringList>("changedRows");
        QTest::newRow("only metres") << QStringList{"", "2", "", ""} << QStringList{"m"};
        QTest::newRow("text and blanks around numbers") << QStringList{"abc", "2", "  ", "2"} << QStringList{"m", "ft"};
        QTest::newRow("nothing to convert") << QStringList{"", "-", "12abc", "."} << QStringList{};
    }
    void rowsWithoutANumberAreLeftAlone()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, changedRows);
        fillEveryRowWithOne();
        for (int i = 0; i < kUnits.size(); ++i)
            typeInto(*table, box(kUnits[i]), typed[i]);
        click(*table, "Command1");
        for (const QString &unit : kUnits) {
            if (changedRows.contains(unit))
                QCOMPARE(row(unit).at(kUnits.indexOf(unit)), QString("2"));
            else
                QCOMPARE(row(unit), rowOfOnes(unit));
        }
    }

    void clearAllSetsEverythingToZero()
    {
        fillEveryRowWithOne();
        click(*table, "cmdClear");
        for (const QString &unit : kUnits) {
            QCOMPARE(shown(*table, box(unit)), QString("0"));
            QCOMPARE(row(unit), (QStringList{"0", "0", "0", "0"}));
        }
        typeInto(*table, "txtm", "5");
        click(*table, "cmdClear");
        click(*table, "Command1");
        for (const QString &unit : kUnits)
            QCOMPARE(row(unit), (QStringList{"0", "0", "0", "0"}));
    }

    // A runtime error stops the click at the failing cell: cells already written in the click
    // keep their new figures, everything after it keeps what it showed.
    void aRuntimeErrorStopsAtItsCell_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("rowAfter");
        dataRow("1E+307 m overflows into centimetres", "m", "1E+307", "Floating-point error",
                QStringList{"100", "1", "39.36", "3.281"});
        dataRow("too large to read: the copy is made first", "cm", "1E+400", "Overflow",
                QStringList{"1E+400", "0.01", "0.3937", "0.0328"});
        dataRow("too large to read: metres stop at once", "m", "1E+400", "Overflow",
                QStringList{"100", "1", "39.36", "3.281"});
        dataRow("1E+308 ft overflows into centimetres", "ft", "1E+308", "Floating-point error",
                QStringList{"30.48", "0.3048", "12", "1"});
    }
    void aRuntimeErrorStopsAtItsCell()
    {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, error);
        QFETCH(QStringList, rowAfter);
        fillEveryRowWithOne();
        for (const QString &other : kUnits)
            typeInto(*table, box(other), "2");
        typeInto(*table, box(unit), typed);
        click(*table, "Command1");
        QCOMPARE(messages.take(), (QList<Message>{{error, "Corvane", 16}}));
        const int failing = kUnits.indexOf(unit);
        for (int i = 0; i < kUnits.size(); ++i) {
            if (i < failing)
                QCOMPARE(row(kUnits[i]).at(i), QString("2")); // filled earlier in this click
            else if (i > failing)
                QCOMPARE(row(kUnits[i]), rowOfOnes(kUnits[i]));
        }
        QCOMPARE(row(unit), rowAfter);
    }

    // A cell too narrow for its figure must not show a cut-off number as if it were whole.
    void aFigureWiderThanItsCellShowsWholeOnHover()
    {
        typeInto(*table, "txtm", "123.45");
        click(*table, "Command1");
        auto hover = [](QLabel *cell) {
            const QPoint centre = cell->rect().center();
            QHelpEvent help(QEvent::ToolTip, centre, cell->mapToGlobal(centre));
            QApplication::sendEvent(cell, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(hover(table->controlAs<QLabel>("lblm_cm")), QString()); // 12345 fits
        auto *wide = table->controlAs<QLabel>("lblm_ft");
        QCOMPARE(wide->text(), QString("405.03945"));
        QVERIFY(wide->fontMetrics().horizontalAdvance(wide->text()) > wide->contentsRect().width());
        QCOMPARE(hover(wide), QString("405.03945"));
        QToolTip::hideText();
    }

    void opensEmptyFromTheMenuAndAfresh()
    {
        fillEveryRowWithOne();
        table->window()->close();
        QVERIFY(!table->isLoaded());
        settle();
        auto *menuItem = workspace->mdiMain().window()->findChild<QAction *>("itmlengthConversions");
        QVERIFY(menuItem);
        menuItem->trigger();
        QVERIFY(table->isVisible());
        for (const QString &unit : kUnits) {
            QCOMPARE(shown(*table, box(unit)), QString());
            QCOMPARE(row(unit), (QStringList{"", "", "", ""}));
        }
    }

    void everythingHasASpokenName()
    {
        QCOMPARE(table->window()->windowTitle(), QString("Length Conversions"));
        QCOMPARE(table->view()->accessibleName(), QString("Length Conversions"));
        QCOMPARE(table->control("lblcm_m")->accessibleName(), QString("Centimetres in metres"));
        QCOMPARE(table->control("lblft_in")->accessibleName(), QString("Feet in inches"));
        QCOMPARE(table->control("txtm")->accessibleName(), QString("Meters(m)"));
        for (int i = 1; i <= 11; ++i)
            QVERIFY(table->view()->findChild<QWidget *>("Line" + QString::number(i)));
    }
};

QTEST_MAIN(LengthTest)
#include "test_length.moc"
