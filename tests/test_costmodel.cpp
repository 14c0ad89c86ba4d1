// The cost list's rules without a window: posts and removals as data rows, each line's record
// moving with it, the total worked out on every change, and the list as a table for other
// programs.
#include <QSignalSpy>
#include <QtTest>

#include "costing/costexport.h"
#include "costing/costmodel.h"
#include "support/materials.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// "+Material cost" posts line n, whose record names n; "-n" removes slot n.
void play(CostModel &model, const QString &steps)
{
    int serial = 0;
    for (const QString &step : steps.split(", ", Qt::SkipEmptyParts)) {
        const QStringList parts = step.mid(1).split(' ');
        if (step.startsWith('+')) {
            const QString n = QString::number(++serial);
            model.post(materialNamed(parts[0]), "line " + n, parts[1].toDouble(), {parts[0], n});
        } else {
            model.remove(parts[0].toInt());
        }
    }
}

} // namespace

class CostModelTest : public QObject {
    Q_OBJECT

private slots:
    void postsAndRemovals_data()
    {
        // Lines name the posts by their order; slot fields and costs are in the order block,
        // cement, gravel, sand, wood.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<int>>("slotFields");
        QTest::addColumn<QList<double>>("costs");
        QTest::addColumn<QString>("total");
        using L = QList<int>;
        using C = QList<double>;
        QTest::newRow("block, cement, wood, sand; the second goes")
            << "+Block 5, +Cement 7, +Wood 3, +Sand 2, -2" << L{1, 3, 4} << L{1, 0, 0, 3, 2} << C{5, 0, 0, 2, 3}
            << "10";
        QTest::newRow("block, cement, sand; the second goes")
            << "+Block 120, +Cement 355, +Sand 47.142, -2" << L{1, 3} << L{1, 0, 0, 2, 0} << C{120, 0, 0, 47.142, 0}
            << "167.142";
        QTest::newRow("the only line goes")
            << "+Gravel 141.429, -1" << L{} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0} << "0";
        QTest::newRow("cement and wood: slot 1 moves wood up")
            << "+Cement 10, +Wood 28.177, -1" << L{2} << L{0, 0, 0, 0, 1} << C{0, 0, 0, 0, 28.177} << "28.177";
        QTest::newRow("cement and wood: slot 1 twice")
            << "+Cement 10, +Wood 28.177, -1, -1" << L{} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0} << "0";
        QTest::newRow("the last line goes")
            << "+Block 1, +Cement 2, +Gravel 3, -3" << L{1, 2} << L{1, 2, 0, 0, 0} << C{1, 2, 0, 0, 0} << "3";
        QTest::newRow("the first of five goes") << "+Wood 1, +Sand 2, +Gravel 3, +Cement 4, +Block 5, -1"
                                                << L{2, 3, 4, 5} << L{4, 3, 2, 1, 0} << C{5, 4, 3, 2, 0} << "14";
        QTest::newRow("a removed material posts again into the first free slot")
            << "+Block 5, +Cement 7, +Sand 2, -1, +Block 6" << L{2, 3, 4} << L{3, 1, 0, 2, 0} << C{6, 7, 0, 2, 0}
            << "15";
        QTest::newRow("a duplicate is refused")
            << "+Sand 2, +Sand 3" << L{1} << L{0, 0, 0, 1, 0} << C{0, 0, 0, 2, 0} << "2";
        QTest::newRow("after two lines at cost 0 one with a cost, then a duplicate")
            << "+Wood 0, +Wood 0, +Wood 28.177, +Wood 1" << L{1, 2, 3} << L{0, 0, 0, 0, 3} << C{0, 0, 0, 0, 28.177}
            << "28.177";
        QTest::newRow("cost 0 posts twice: the second claims")
            << "+Sand 0, +Sand 0" << L{1, 2} << L{0, 0, 0, 2, 0} << C{0, 0, 0, 0, 0} << "0";
        QTest::newRow("the unclaimed line above goes too")
            << "+Sand 0, +Sand 0, -1" << L{2} << L{0, 0, 0, 1, 0} << C{0, 0, 0, 0, 0} << "0";
        QTest::newRow("the claimed zero line goes, the older one stays")
            << "+Sand 0, +Sand 0, -2" << L{1} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0} << "0";
        QTest::newRow("an unclaimed line goes and the others follow")
            << "+Sand 0, +Block 4, +Sand 6, -1" << L{2, 3} << L{1, 0, 0, 2, 0} << C{4, 0, 0, 6, 0} << "10";
        QTest::newRow("an unclaimed line between claimed ones")
            << "+Block 4, +Wood 0, +Wood 9, +Cement 1, -2" << L{1, 3, 4} << L{1, 3, 0, 0, 2} << C{4, 1, 0, 0, 9}
            << "14";
        QTest::newRow("removing an empty slot changes nothing")
            << "+Block 4, -2" << L{1} << L{1, 0, 0, 0, 0} << C{4, 0, 0, 0, 0} << "4";
        QTest::newRow("binary sums shown as typed")
            << "+Sand 0.1, +Gravel 0.2" << L{1, 2} << L{0, 0, 2, 1, 0} << C{0, 0, 0.2, 0.1, 0} << "0.3";
        QTest::newRow("added in the order block, sand, gravel, cement, wood")
            << "+Gravel 1, +Sand -1E16, +Block 1E16" << L{1, 2, 3} << L{3, 0, 1, 2, 0} << C{1e16, 0, 1, -1e16, 0}
            << "1";
        QTest::newRow("large totals in scientific notation")
            << "+Block 600000000000000, +Sand 400000000000000" << L{1, 2} << L{1, 0, 0, 2, 0} << C{6e14, 0, 0, 4e14, 0}
            << "1E+15";
        QTest::newRow("negative costs") << "+Block -2.5, +Wood 1" << L{1, 2} << L{1, 0, 0, 0, 2} << C{-2.5, 0, 0, 0, 1}
                                        << "-1.5";
    }
    void postsAndRemovals()
    {
        QFETCH(QString, steps);
        QFETCH(QList<int>, lines);
        QFETCH(QList<int>, slotFields);
        QFETCH(QList<double>, costs);
        CostModel model;
        QCOMPARE(model.intCounter, 0);
        model.load();
        QSignalSpy changes(&model, &CostModel::changed);
        play(model, steps);
        for (int n = 1; n <= 12; ++n) {
            const QString post = n <= lines.size() ? QString::number(lines[n - 1]) : QString();
            QCOMPARE(model.line(n), post.isEmpty() ? post : "line " + post);
            // The record moves with its line.
            QCOMPARE(model.record(n).quantity, post);
        }
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(int(model.slotField(Material(i))), slotFields[i]);
            QCOMPARE(model.costField(Material(i)), costs[i]);
        }
        QCOMPARE(int(model.intCounter), int(lines.size()) + 1);
        QCOMPARE(model.hasLines(), !lines.isEmpty());
        QTEST(model.totalText(), "total");
        // Refused posts and removals of empty slots announce nothing.
        const bool refused = QString(QTest::currentDataTag()).contains(QRegularExpression("duplicate|empty slot"));
        QCOMPARE(changes.count(), int(steps.count(',')) + (refused ? 0 : 1));
    }

    void theTableForOtherPrograms_data()
    {
        // Records as "item|quantity|unit|unit price|cost", each posted at cost 0 so that any
        // number of them fits; the total shown is 0.
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("csv");
        QTest::newRow("one line") << QStringList{"Block|96|blocks|1.25|120"} << "Block,96,blocks,1.25,120\r\n";
        QTest::newRow("a unit price of 0 and a negative cost")
            << QStringList{"Cement|3|bags|0|0", "Sand|1|m³|-2|-2"} << "Cement,3,bags,0,0\r\nSand,1,m³,-2,-2\r\n";
        QTest::newRow("the separator or a quote inside a field is quoted")
            << QStringList{"Wall framing|11.2708|boards, 2 x 4 x 8 ft|2.5|28.177", "6\" pipe|1|a|2|2"}
            << "Wall framing,11.2708,\"boards, 2 x 4 x 8 ft\",2.5,28.177\r\n\"6\"\" pipe\",1,a,2,2\r\n";
        QTest::newRow("long figures whole")
            << QStringList{"Block|32767|blocks|1.23456789012345E+20|4.04530440576742E+24"}
            << "Block,32767,blocks,1.23456789012345E+20,4.04530440576742E+24\r\n";
        QTest::newRow("twelve lines") << QStringList(12, "Sand|1|m³|0|0") << QString("Sand,1,m³,0,0\r\n").repeated(12);
    }
    void theTableForOtherPrograms()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, csv);
        CostModel model;
        model.load();
        for (const QString &r : records) {
            const QStringList f = r.split('|');
            model.post(Material::Sand, f[0] + " line", 0, {f[0], f[1], f[2], f[3], f[4]});
        }
        const CostTable table = costTable(model);
        const QStringList header{"Item", "Quantity", "Unit", "Unit price", "Cost"};
        const QStringList total{"Total", "", "", "", "0"};
        QCOMPARE(costTableAsCsv(table, ','),
                 (QChar(0xFEFF) + header.join(',') + "\r\n" + csv + total.join(',') + "\r\n").toUtf8());
        QString text = header.join('\t') + '\n';
        for (const QString &r : records)
            text += r.split('|').join('\t') + '\n';
        QCOMPARE(costTableAsText(table), text + total.join('\t') + '\n');
    }

    // The paper setting's paper: the C library's (the fixture's de_LU on A7), else by country; Letter with none.
    void theUsersPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::newRow("LC_ALL= LC_PAPER= LANG=") << int(QPageSize::Letter);
        QTest::newRow("LC_ALL= LC_PAPER=de_LU.UTF-8 LANG=en_US.UTF-8") << int(QPageSize::A7);
        QTest::newRow("LC_ALL=en_US.UTF-8 LC_PAPER=de_DE.UTF-8 LANG=") << int(QPageSize::Letter);
        QTest::newRow("LC_ALL= LC_PAPER= LANG=de_LU.UTF-8") << int(QPageSize::A7);
        QTest::newRow("LC_ALL= LC_PAPER= LANG=en_PH.UTF-8") << int(QPageSize::Letter);
        QTest::newRow("LC_ALL= LC_PAPER=fr_FR.UTF-8 LANG=en_US.UTF-8") << int(QPageSize::A4);
    }
    void theUsersPaper()
    {
        for (const QString &setting : QString(QTest::currentDataTag()).split(' '))
            qputenv(qPrintable(setting.section('=', 0, 0)), setting.section('=', 1).toUtf8());
        QTEST(int(regionalPageSize().id()), "paper");
    }
};

QTEST_GUILESS_MAIN(CostModelTest)
#include "test_costmodel.moc"
