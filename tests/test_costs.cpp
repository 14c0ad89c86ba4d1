// The cost list through its real widgets: posting, removing, the total, hiding, dragging, its
// menu of ways out, and random sequences of posts and removals checked against a small model of the
// list written here.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <csignal>
#include <limits>
#include <numeric>
#include <optional>
#include <sys/resource.h>

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/block.h"
#include "calculators/concrete.h"
#include "calculators/costlist.h"
#include "calculators/pipe.h"
#include "calculators/wallframing.h"
#include "costing/costexport.h"
#include "numbers/text.h"
#include "support/costlistcheck.h"
#include "support/testsupport.h"
#include "ui/prompts.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// The duplicate boxes as the writers show them: the block calculator's carries no title and no
// icon, the others "Error" and the error icon.
DuplicateMessage duplicateFor(Material m)
{
    if (m == Material::Block)
        return {"You already have a Block Total on the Costs List. Please remove the existing one before adding a new "
                "one.",
                QString(), NoIcon};
    return {QStringLiteral("You already have a %1 Total on the Costs List.").arg(nameOf(m)), "Error", Critical};
}

Message shownFor(const DuplicateMessage &d)
{
    return {d.text, d.title.isEmpty() ? QStringLiteral("Corvane") : d.title, d.style};
}

const Message kNothingToDelete{"There is no value for you to delete.", "Error", 16};

// A printer that cannot start a second page, as a jammed one may fail, on pages of 600 by 130 points (two lines
// go on two pages); it keeps whether its job was aborted. It takes the place of a printer's own engines through
// their protected setter.
struct JammedPrinter : QPaintEngine, QPrintEngine {
    QPrinter::PrinterState state = QPrinter::Idle;
    bool begin(QPaintDevice *) override { return state = QPrinter::Active, true; }
    bool end() override { return state = state == QPrinter::Aborted ? state : QPrinter::Idle, true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    Type type() const override { return User; }
    bool newPage() override { return false; }
    bool abort() override { return state = QPrinter::Aborted, true; }
    QPrinter::PrinterState printerState() const override { return state; }
    int metric(QPaintDevice::PaintDeviceMetric m) const override
    {
        return m == QPaintDevice::PdmWidth ? 600 : m == QPaintDevice::PdmHeight ? 130 : 72;
    }
    void setProperty(PrintEnginePropertyKey, const QVariant &) override {}
    QVariant property(PrintEnginePropertyKey) const override { return {}; }
};
struct EngineAccess : QPrinter {
    using QPrinter::setEngines;
};

// The list as a user thinks of it: lines in order, each remembered by identity, and per material
// the line it owns. Slot numbers are not stored but found, so the model shares no arithmetic
// with the window's shifting of slot fields.
class ListModel {
public:
    struct Line {
        int id;
        QString text;
    };

    // Returns the box the post shows, if any.
    std::optional<Message> post(Material m, const QString &text, double cost)
    {
        const int i = int(m);
        if (cost_[i] != 0)
            return shownFor(duplicateFor(m));
        if (lines_.size() == 12)
            return Message{"full", "Error", 16};
        lines_.push_back({nextId_, text});
        owner_[i] = nextId_++;
        cost_[i] = cost;
        return std::nullopt;
    }

    std::optional<Message> remove(int slot)
    {
        if (slot > lines_.size())
            return kNothingToDelete;
        const int id = lines_[slot - 1].id;
        lines_.removeAt(slot - 1);
        for (int i = 0; i < 5; ++i)
            if (owner_[i] == id) {
                owner_[i] = -1;
                cost_[i] = 0;
            }
        return std::nullopt;
    }

    Snapshot expected() const
    {
        Snapshot s;
        for (int n = 0; n < 12; ++n)
            s.lines << (n < lines_.size() ? lines_[n].text : QString());
        for (int i = 0; i < 5; ++i) {
            s.slotFields[i] = 0;
            for (int n = 0; n < lines_.size(); ++n)
                if (lines_[n].id == owner_[i])
                    s.slotFields[i] = n + 1;
        }
        s.costs = cost_;
        s.counter = int(lines_.size()) + 1;
        return s;
    }

    // Block, sand, gravel, cement, wood: the order the total adds them in.
    double total() const
    {
        return cost_[int(Material::Block)] + cost_[int(Material::Sand)] + cost_[int(Material::Gravel)] +
               cost_[int(Material::Cement)] + cost_[int(Material::Wood)];
    }

private:
    QList<Line> lines_;
    std::array<int, 5> owner_{-1, -1, -1, -1, -1};
    std::array<double, 5> cost_{};
    int nextId_ = 0;
};

} // namespace

class CostsTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    Translations translations;
    std::unique_ptr<Workspace> workspace;
    CostList *costs = nullptr;
    int serial = 0;

    void startProgram()
    {
        workspace = testing::startProgram();
        costs = &workspace->frmCosts();
        serial = 0;
    }

    QString post(Material m, double cost)
    {
        const QString line = QStringLiteral("%1   =   #%2   =   $%3").arg(nameOf(m)).arg(++serial).arg(cost);
        costs->post(m, line, cost, duplicateFor(m), {nameOf(m), QString::number(serial)});
        return line;
    }

    void remove(int slot) { click(*costs, element("cmdRemove", slot)); }

    // Twelve wall-framing lines, every `longEvery`th (none for 0) with twenty characters in every figure column and
    // in the unit; returns their records.
    QList<QStringList> postTwelveLines(int longEvery = 1)
    {
        const QString digits = "3141592653589793238462643383279502884197169399375105820974944592";
        QList<QStringList> records;
        for (int n = 1; n <= 12; ++n) {
            QStringList f{QString::number(n) + ".2708", "8", "2.5", "28.177"};
            for (int column = 0; column < 4 && longEvery && n % longEvery == 0; ++column)
                f[column] = digits.mid(n * 3 + column, 19).insert(10 - column, '.');
            records.append({"Wall framing", f[0], "boards, 2 x 4 x " + f[1] + " ft", f[2], f[3]});
            costs->post(Material::Sand, QString::number(n), 0, duplicateFor(Material::Sand),
                        {records.last()[0], f[0], records.last()[2], f[2], f[3]});
        }
        return records;
    }

    // The pages as a reader meets them (pdftotext -bbox): every word inside the printable area (the margins a tenth
    // of the paper's shorter side, at most 20 mm, unless given); the title and the date first, at the margin; page
    // after page, each under the table's heading with at least one line, the figures of the lines whole and in the
    // list's order, then the total, last; "2 / 3" below all else on each page of several.
    static void checkPages(const QString &pdf, int pages, const QList<QStringList> &records, const QString &total,
                           double marginMm = 0)
    {
        QProcess bbox;
        bbox.start("pdftotext", {"-bbox", pdf, "-"});
        QVERIFY(bbox.waitForFinished(20000));
        static const QRegularExpression tag(R"-(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" )-"
                                            R"-(yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)-");
        QRectF printable;
        // Page by page, the words in reading order: line by line from the top, each from the left.
        QList<QMap<std::pair<int, double>, std::pair<QString, QRectF>>> read;
        for (const QRegularExpressionMatch &m : tag.globalMatch(QString::fromUtf8(bbox.readAllStandardOutput()))) {
            const auto at = [&](int i) { return m.captured(i).toDouble(); };
            if (m.capturedLength(1)) {
                const double margin =
                    (marginMm ? marginMm * 72 / 25.4 : std::min(20 * 72 / 25.4, std::min(at(1), at(2)) / 10)) -
                    0.5; // the PDF rounds margins to whole points
                printable = QRectF(0, 0, at(1), at(2)).adjusted(margin, margin, -margin, -margin);
                read.emplace_back();
                continue;
            }
            const QRectF box(QPointF(at(3), at(4)), QPointF(at(5), at(6)));
            QVERIFY2(printable.contains(box), qPrintable(m.captured(7) + " stands outside the printable area"));
            read.last().insert({qRound(box.top() * 2), box.left()}, {m.captured(7), box});
        }
        QVERIFY(pages ? read.size() == pages : !read.isEmpty());
        QStringList figures;
        for (const QStringList &record : records)
            figures << record[1] << record[3] << record[4];
        figures << QCoreApplication::translate("CostExport", "Total: $%1").arg(total).split(' ');
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat);
        QStringList seen;
        for (qsizetype page = 0; page < read.size(); ++page) {
            const QList<std::pair<QString, QRectF>> line = read[page].values();
            QStringList words;
            for (const auto &[word, box] : line)
                words << word;
            QVERIFY(page > 0 || line[0].second.left() < printable.left() + 1);
            if (read.size() > 1) {
                const QStringList number{QString::number(page + 1), "/", QString::number(read.size())};
                QCOMPARE(words.mid(words.size() - 3), number);
                words.resize(words.size() - 3);
                // Below all else, with room between: it never meets the table.
                for (qsizetype w = 0; w < words.size(); ++w)
                    QVERIFY(line[w].second.bottom() + 72 * 2 / 25.4 < line[words.size()].second.top());
            } else {
                QVERIFY2(!words.contains("/"), "a page alone numbered");
            }
            const qsizetype heading = words.indexOf(QCoreApplication::translate("CostExport", "Item"));
            QCOMPARE(words.mid(0, heading).join(' '), page ? QString() : costPageTitle() + ' ' + date.simplified());
            const qsizetype before = seen.size();
            for (const QString &word : words.mid(heading))
                if (figures.contains(word))
                    seen << word;
            QVERIFY2(seen.size() - before >= (page + 1 < read.size() ? 3 : 5), "a page without a line");
        }
        QCOMPARE(seen, figures);
    }

    QString total() { return costs->text("lblTotalProjectCost"); }

private slots:
    void initTestCase() { translations.install(userLanguages(), {builtTranslations()}); }

    void init()
    {
        // No test may open a real dialog.
        SetSaveFilePrompt([](const QString &caption, const QString &, const QString &) {
            QTest::qFail(qPrintable("unexpected dialog: " + caption), __FILE__, __LINE__);
            return QString();
        });
        SetPrintPrompt([](QPrinter &) { return QTest::qFail("unexpected print dialog", __FILE__, __LINE__), false; });
        startProgram();
        costs->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void beforeTheFirstLoadEveryFieldIsZero()
    {
        workspace.reset();
        settle();
        workspace = testing::startProgram();
        CostList &list = workspace->frmCosts();
        QVERIFY(!list.isLoaded());
        QCOMPARE(list.model().intCounter, 0);
        list.Load();
        list.Hide();
        QVERIFY(!list.isVisible());
        costs = &list;
        const Snapshot fresh = snapshotOf(list);
        QCOMPARE(fresh.counter, 1);
        QCOMPARE(fresh.lines, QStringList(12, QString()));
        QCOMPARE(fresh.slotFields, (std::array<int, 5>{}));
        QCOMPARE(fresh.costs, (std::array<double, 5>{}));
        QCOMPARE(total(), QString("0"));
    }

    void removeBesideAnEmptySlotChangesNothing_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("slot");
        QTest::newRow("empty list, slot 1") << 0 << 1;
        QTest::newRow("two lines, slot 3") << 2 << 3;
        QTest::newRow("five lines, slot 12") << 5 << 12;
    }
    void removeBesideAnEmptySlotChangesNothing()
    {
        QFETCH(int, lines);
        QFETCH(int, slot);
        for (int i = 0; i < lines; ++i)
            post(kMaterials[i], i + 1.5);
        const Snapshot before = snapshotOf(*costs);
        remove(slot);
        QCOMPARE(messages.take(), QList<Message>{kNothingToDelete});
        QVERIFY(snapshotOf(*costs) == before);
    }

    void duplicateIsRefusedAndTheListStillShown_data()
    {
        QTest::addColumn<QString>("material");
        for (const QString &name : kMaterialNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void duplicateIsRefusedAndTheListStillShown()
    {
        const Material m = materialNamed(QTest::currentDataTag());
        post(Material::Gravel == m ? Material::Sand : Material::Gravel, 3);
        post(m, 12.5);
        const Snapshot before = snapshotOf(*costs);
        costs->controlAs<QPushButton>("cmdHide")->click();
        workspace->frmPipe().Show();
        QVERIFY(!costs->isVisible());

        post(m, 99);
        QCOMPARE(messages.take(), QList<Message>{shownFor(duplicateFor(m))});
        QVERIFY(costs->isVisible());
        QCOMPARE(workspace->mdiArea()->activeSubWindow(), costs->window());
        QVERIFY(snapshotOf(*costs) == before);
    }

    void aFullListRefusesAPostAndChangesNothing()
    {
        for (int i = 0; i < 11; ++i)
            post(Material::Sand, 0);
        post(Material::Cement, 10);
        QCOMPARE(costs->model().intCounter, 13);
        const Snapshot full = snapshotOf(*costs);
        costs->Hide();

        post(Material::Block, 5);
        const QList<Message> shown = messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Error"));
        QCOMPARE(shown[0].style, 16);
        QVERIFY2(shown[0].text.contains("full"), qPrintable(shown[0].text));
        QVERIFY(costs->isVisible());
        QVERIFY(snapshotOf(*costs) == full);

        // A duplicate is still called a duplicate.
        post(Material::Cement, 10);
        QCOMPARE(messages.take(), QList<Message>{shownFor(duplicateFor(Material::Cement))});

        remove(1);
        const QString block = post(Material::Block, 5);
        QVERIFY(messages.empty());
        QCOMPARE(costs->text("lblCosts(12)"), block);
        QCOMPARE(costs->model().intBlockCounter, 12);
        QCOMPARE(costs->model().intCementCounter, 11);
        QCOMPARE(costs->model().intCounter, 13);
    }

    // Random posts and removals through the real buttons, compared after every step with the
    // model above, and the total with the model's sum at a few points.
    void randomSequencesKeepTheListInStep()
    {
        for (quint32 seed = 1; seed <= 24; ++seed) {
            if (seed > 1)
                startProgram();
            costs->Show();
            QRandomGenerator random(seed);
            ListModel model;
            for (int step = 0; step < 250; ++step) {
                std::optional<Message> expectedBox;
                QString what;
                if (random.bounded(100) < 62) {
                    const Material m = kMaterials[random.bounded(5)];
                    const double cost = random.bounded(100) < 35 ? 0.0 : random.bounded(1, 2000001) / 100.0;
                    const QString line = post(m, cost);
                    expectedBox = model.post(m, line, cost);
                    what = QStringLiteral("post %1 %2").arg(nameOf(m)).arg(cost);
                } else {
                    const int slot = random.bounded(1, 13);
                    remove(slot);
                    expectedBox = model.remove(slot);
                    what = QStringLiteral("remove %1").arg(slot);
                }
                const QString where = QStringLiteral("seed %1 step %2 (%3): ").arg(seed).arg(step).arg(what);
                QList<Message> shown = messages.take();
                if (expectedBox && expectedBox->text == "full" && shown.size() == 1 && shown[0].text.contains("full"))
                    shown[0].text = "full";
                QVERIFY2(shown == (expectedBox ? QList<Message>{*expectedBox} : QList<Message>{}),
                         qPrintable(where + "unexpected message boxes"));
                const Snapshot actual = snapshotOf(*costs);
                const QString broken = brokenRule(actual);
                QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
                QVERIFY2(actual == model.expected(),
                         qPrintable(where + describe(actual) + "\nexpected " + describe(model.expected())));
                if (step % 125 == 124) {
                    QCOMPARE(total(), DoubleToText(model.total()));
                }
            }
        }
    }

    // The worked examples through the real calculators, then out by every way the list offers.
    void theWorkedExampleLeavesTheProgram()
    {
        const QChar decimal(SystemRegional().decimal);
        const auto regional = [&](QString s) { return s.replace('.', decimal); };
        const auto enter = [&](Form &form, const QString &steps) {
            for (const QString &step : steps.split(' '))
                step.endsWith('!') ? click(form, step.chopped(1))
                                   : typeInto(form, step.section('=', 0, 0), regional(step.section('=', 1)));
        };
        enter(workspace->frmConcrete(), "txtPadWidth=5 txtPadLength=10 txtPadThickness=10 cmdCalculate! txtPriceC=10 "
                                        "txtPriceS=20 txtPriceG=30 cmdPrice! cmdAddCement! cmdAddSand! cmdAddGravel!");
        enter(workspace->frmBlock(), "txtLength=10 txtHeight=8 cmdGo! txtPrice=1.25 cmdGo2! cmdAdd!");
        enter(workspace->frmWallFraming(), "txtLength=10 txtHeight=8 txtStudLength=8 chk2x4! chk16OC! cmdGo! "
                                           "txtPrice=2.5 cmdGo2! cmdAdd!");
        // The line's words and the export's in Spanish when the user reads it, the figures as they were.
        const bool spanish = qgetenv("LANGUAGE") == "es";
        const auto words = [&](const char *english, const char *spanishWords) {
            return spanish ? spanishWords : english;
        };
        QCOMPARE(costs->model().line(1), words("Cement", "Cemento") + regional("   =   35.5   X   $10   =   $355"));
        const QList<QStringList> rows{
            QString(words("Item,Quantity,Unit,Unit price,Cost", "Material,Cantidad,Unidad,Precio por unidad,Costo"))
                .split(','),
            {words("Cement", "Cemento"), regional("35.5"), words("bags", "fundas"), "10", "355"},
            {words("Sand", "Arena"), regional("2.3571"), "m³", "20", regional("47.142")},
            {words("Gravel", "Grava"), regional("4.7143"), "m³", "30", regional("141.429")},
            {"Block", "96", "blocks", regional("1.25"), "120"},
            {words("Wall framing", "Parales de pared"), regional("11.2708"),
             words("boards, 2 x 4 x 8 ft", "parales de 2 x 4 de 8 pies"), regional("2.5"), regional("28.177")},
            {"Total", "", "", "", regional("691.748")}};
        const QString fileName = words("'cost-list-'yyyy-MM-dd'.", "'lista-de-costos-'yyyy-MM-dd'.");
        // The keys reach the list as they would from the keyboard: through the active window.
        QWidget *top = workspace->mdiMain().window();
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top));
        QCOMPARE(workspace->mdiArea()->activeSubWindow(), costs->window());
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && costs->view()->isAncestorOf(focus));

        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        QString table;
        for (const QStringList &row : rows)
            table += row.join('\t') + '\n';
        QCOMPARE(QGuiApplication::clipboard()->text(), table);

        // A home without a documents folder is offered itself.
        QTemporaryDir dir;
        const auto restoreHome = qScopeGuard([home = qgetenv("HOME")] { qputenv("HOME", home); });
        qputenv("HOME", dir.path().toUtf8());
        QString proposed;
        SetSaveFilePrompt([&](const QString &, const QString &offered, const QString &) {
            proposed = offered;
            return dir.filePath("list." + QFileInfo(offered).suffix());
        });
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(proposed, dir.filePath(QDate::currentDate().toString(fileName + "csv'")));
        QFile csv(dir.filePath("list.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QString expected = QChar(0xFEFF);
        for (const QStringList &row : rows)
            expected += row.join(decimal == ',' ? ";" : ",") + "\r\n";
        // Only the wall-framing unit holds a comma; between commas it is quoted.
        QCOMPARE(csv.readAll(), expected.replace(",boards, 2 x 4 x 8 ft,", ",\"boards, 2 x 4 x 8 ft\",").toUtf8());

        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        costs->view()->findChild<QAction *>("itmExportCostsPdf")->trigger();
        QCOMPARE(proposed, QDir(documents).filePath(QDate::currentDate().toString(fileName + "pdf'")));
        checkPages(dir.filePath("list.pdf"), 1, rows.mid(1, 5), rows.last().last());

        SetPrintPrompt([&](QPrinter &printer) {
            printer.setOutputFileName(dir.filePath("printed.pdf"));
            return true;
        });
        QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        checkPages(dir.filePath("printed.pdf"), 1, rows.mid(1, 5), rows.last().last());
    }

    void aCancelledDialogDoesNothing()
    {
        post(Material::Block, 5);
        int asked = 0;
        SetSaveFilePrompt([&](const QString &, const QString &, const QString &) { return ++asked, QString(); });
        SetPrintPrompt([&](QPrinter &) { return ++asked, false; });
        const QStringList before = QDir::current().entryList();
        for (const char *action : {"itmSaveCosts", "itmExportCostsPdf", "itmPrintCosts"})
            costs->view()->findChild<QAction *>(action)->trigger();
        QCOMPARE(asked, 3);
        QCOMPARE(QDir::current().entryList(), before);
    }

    void aFailedWriteSaysWhyAndLeavesTheListAlone_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("CSV into a missing folder") << "itmSaveCosts";
        QTest::newRow("PDF onto a folder") << "itmExportCostsPdf";
        // The job begun is aborted rather than sent half made.
        QTest::newRow("printed, a page the printer cannot start") << "itmPrintCosts";
    }
    void aFailedWriteSaysWhyAndLeavesTheListAlone()
    {
        QFETCH(QString, action);
        QTemporaryDir dir;
        const QString target = action == "itmSaveCosts" ? dir.filePath("missing/list.csv") : dir.path();
        post(Material::Block, 5);
        post(Material::Wood, 3);
        const Snapshot before = snapshotOf(*costs);
        SetSaveFilePrompt([&](const QString &, const QString &, const QString &) { return target; });
        JammedPrinter jammed;
        SetPrintPrompt([&](QPrinter &printer) { return (printer.*&EngineAccess::setEngines)(&jammed, &jammed), true; });
        costs->view()->findChild<QAction *>(action)->trigger();
        const QList<Message> shown = messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(std::pair(shown[0].title, shown[0].style), std::pair(QString("Error"), 16));
        const QStringList parts = shown[0].text.split("\n\n");
        QCOMPARE(parts[0],
                 action == "itmPrintCosts"
                     ? QString("The cost list could not be printed on \"\".")
                     : QString("The cost list could not be saved as \"%1\".").arg(QDir::toNativeSeparators(target)));
        QVERIFY2(action == "itmPrintCosts" ? parts.value(1) == "The page could not be made."
                                           : parts.value(1).size() > 3,
                 qPrintable(shown[0].text));
        QCOMPARE(jammed.state == QPrinter::Aborted, action == "itmPrintCosts");
        QVERIFY(snapshotOf(*costs) == before);
        QVERIFY(!QFileInfo(target).isFile());
    }

    // Printed on papers from a label to a poster, lists of one line to twelve, every third line with long figures:
    // every page read back, or refused, saying why and naming paper that, chosen in the dialog, holds the list.
    void everyPageHoldsTheHeadingAndALine()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        QPageLayout paper;
        SetPrintPrompt([&](QPrinter &printer) {
            printer.setOutputFileName(pdf);
            printer.setPageSize(paper.pageSize());
            printer.setPageOrientation(paper.orientation());
            return true;
        });
        const auto print = [&](const QPageLayout &on) {
            paper = on;
            QFile::remove(pdf);
            costs->view()->findChild<QAction *>("itmPrintCosts")->trigger();
            return messages.take();
        };
        QList<QStringList> records = postTwelveLines(3);
        for (; !records.isEmpty(); remove(int(records.size())), records.removeLast())
            for (const int width : {50, 58, 74, 105, 148, 210, 300})
                for (int height = 30 + records.size() % 4 * 5; height <= 450; height += 10 + height / 2) {
                    const QPageLayout tried(QPageSize(QSizeF(width, height), QPageSize::Millimeter),
                                            QPageLayout::Portrait, {});
                    const auto failed = qScopeGuard([&] {
                        if (QTest::currentTestFailed())
                            qWarning() << paperName(tried) << records.size() << "lines";
                    });
                    const QList<Message> refused = print(tried);
                    if (refused.isEmpty()) {
                        checkPages(pdf, 0, records, total());
                        continue;
                    }
                    QVERIFY2(width < 105 || height < 74, "refused, though larger than A7 turned sideways");
                    QCOMPARE(refused.size(), 1);
                    QVERIFY(!QFile::exists(pdf));
                    // The paper as its user knows it, never by the toolkit's name ("Custom (58mm x 30mm)"), and in
                    // Spanish by its Spanish name.
                    QVERIFY(tried.pageSize().id() != QPageSize::Custom ||
                            !refused[0].text.contains(tried.pageSize().name()));
                    QVERIFY(qgetenv("LANGUAGE") != "es" ||
                            !refused[0].text.contains(QRegularExpression("paper|Letter")));
                    const QString advice = refused[0].text.section("\n\n", -1);
                    int followed = 0;
                    for (const QPageLayout &other : {QPageLayout(tried.pageSize(), QPageLayout::Landscape, {}),
                                                     QPageLayout(standardPageSize(), QPageLayout::Portrait, {})})
                        if (advice.contains(paperName(other)) && ++followed) {
                            QVERIFY(print(other).isEmpty());
                            checkPages(pdf, 0, records, total());
                        }
                    QCOMPARE(followed, 1);
                    if (QTest::currentTestFailed())
                        return;
                }
    }

    // Exported on the paper setting's paper (the paper fixture's de_DE on A4, de_LU on A7) or, where that cannot
    // hold the list, on paper that can, saying which; printed with the margins the dialog sets.
    void theListGoesOnThePaperGiven_data()
    {
        QTest::addColumn<QByteArray>("region"); // exported with this paper setting; printed on A6 when empty
        QTest::addColumn<int>("pages");         // 0 for any number
        QTest::addColumn<double>("margin");     // millimetres; 0 for the page's own
        QTest::newRow("exported on A4, long figures") << QByteArray("de_DE.UTF-8") << 1 << 0.0;
        QTest::newRow("exported on A7, ten lines") << QByteArray("de_LU.UTF-8") << 3 << 0.0;
        QTest::newRow("exported on A7, long figures, on other paper") << QByteArray("de_LU.UTF-8") << 0 << 0.0;
        QTest::newRow("printed on A6, long figures, the dialog's margins") << QByteArray() << 0 << 3.0;
    }
    void theListGoesOnThePaperGiven()
    {
        QFETCH(QByteArray, region);
        QFETCH(int, pages);
        QFETCH(double, margin);
        const QByteArray tag = QTest::currentDataTag();
        const auto restore = qScopeGuard([all = qgetenv("LC_ALL")] { qputenv("LC_ALL", all), qunsetenv("LC_PAPER"); });
        qunsetenv("LC_ALL"), qputenv("LC_PAPER", region);
        QList<QStringList> records = postTwelveLines(tag.contains("long") ? 1 : 0);
        for (; tag.contains("ten lines") && records.size() > 10; records.removeLast())
            remove(11);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        SetSaveFilePrompt([&](const QString &, const QString &, const QString &) { return pdf; });
        SetPrintPrompt([&](QPrinter &printer) {
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A6));
            printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
            return true;
        });
        costs->view()->findChild<QAction *>(region.isEmpty() ? "itmPrintCosts" : "itmExportCostsPdf")->trigger();
        const QList<Message> told = messages.take();
        QCOMPARE(told.size(), int(tag.contains("other paper")));
        const QPageLayout a7(QPageSize(QPageSize::A7), QPageLayout::Portrait, {});
        QVERIFY(told.isEmpty() || (told[0].style == Information && told[0].text.contains(paperName(a7))));
        checkPages(pdf, pages, records, total(), margin);
    }

    // A disk that is full, or has room for all of the file but its last byte: a limit on the size of the files
    // the process writes (RLIMIT_FSIZE) fails a write past it as a full disk does, and needs no root.
    void aFullDiskLeavesTheOldFileAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("room");
        QTest::newRow("replacing a CSV, no room") << "old.csv" << 0;
        QTest::newRow("replacing a PDF, no room") << "old.pdf" << 0;
        QTest::newRow("a new CSV, no room") << "new.csv" << 0;
        QTest::newRow("replacing a PDF, room for all but its last byte") << "old.pdf" << -1;
    }
    void aFullDiskLeavesTheOldFileAsItWas()
    {
        QFETCH(QString, file);
        QFETCH(int, room);
        QTemporaryDir dir;
        QFile old(dir.filePath(file));
        postTwelveLines();
        SetSaveFilePrompt([&](const QString &, const QString &, const QString &) { return old.fileName(); });
        QAction *save =
            costs->view()->findChild<QAction *>(file.endsWith("csv") ? "itmSaveCosts" : "itmExportCostsPdf");
        // Saved where there is room, the file tells the room for all of it but its last byte.
        save->trigger();
        rlimit unlimited{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        const rlimit limit{rlim_t(room < 0 ? old.size() - 1 : room), unlimited.rlim_max};
        QVERIFY(file.startsWith("old") ? old.open(QIODevice::WriteOnly) && old.write("the old list") == 12
                                       : old.remove());
        old.close();
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        const auto signalled = std::signal(SIGXFSZ, SIG_IGN);
        const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &unlimited), std::signal(SIGXFSZ, signalled); });
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        save->trigger();
        const QString text("The cost list could not be saved as \"%1\".\n\nFile too large");
        QCOMPARE(messages.take(), QList<Message>({{text.arg(old.fileName()), "Error", 16}}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
        QVERIFY(!old.exists() || (old.open(QIODevice::ReadOnly) && old.readAll() == "the old list"));
    }

    void theWaysOutAreOfferedOnlyWithLines()
    {
        QCOMPARE(costs->view()->contextMenuPolicy(), Qt::ActionsContextMenu);
        const auto offered = [&](const QString &state) {
            QStringList names;
            for (QAction *a : costs->view()->actions())
                names << a->objectName() + (a->isEnabled() ? " " : " not ") + "offered";
            return names.join(", ") ==
                   QString("itmCopyCosts %1, itmSaveCosts %1, itmExportCostsPdf %1, itmPrintCosts %1").arg(state);
        };
        QVERIFY(offered("not offered"));
        post(Material::Sand, 0);
        QVERIFY(offered("offered"));
        remove(1);
        QVERIFY(offered("not offered"));
    }

    void hidingAndShowingKeepEveryLineAndTheTotal()
    {
        post(Material::Block, 120);
        post(Material::Wood, 28.177);
        const Snapshot before = snapshotOf(*costs);
        QCOMPARE(total(), QString("148.177"));

        click(*costs, "cmdHide");
        QVERIFY(costs->isLoaded());
        QVERIFY(!costs->isVisible());
        // A writer may post while the list is hidden; the total follows.
        post(Material::Gravel, 1.823);
        QCOMPARE(total(), QString("150"));
        costs->Hide();
        remove(3);

        QAction *menuItem = workspace->mdiMain().window()->findChild<QAction *>("itmCosts");
        QVERIFY(menuItem);
        menuItem->trigger();
        QVERIFY(costs->isVisible());
        QVERIFY(snapshotOf(*costs) == before);
        QCOMPARE(total(), QString("148.177"));
    }

    void anUncomputableTotalIsReportedOnceAndLeavesTheLastOneShown()
    {
        post(Material::Cement, 7);
        post(Material::Block, 1e308);
        QCOMPARE(total(), QString("1E+308"));
        post(Material::Sand, 1e308);
        QCOMPARE(messages.take(), (QList<Message>{{"Floating-point error", "Corvane", 16}}));
        post(Material::Gravel, 1);
        QVERIFY(messages.empty());
        QCOMPARE(total(), QString("1E+308"));
        remove(3);
        QCOMPARE(total(), QString("1E+308"));
        post(Material::Sand, -std::numeric_limits<double>::infinity());
        QCOMPARE(messages.take(), (QList<Message>{{"Floating-point error", "Corvane", 16}}));
    }

    // Once accepted, the program sleeps until the user acts: nothing in the list ticks.
    void nothingTicksAndAnUnchangedTotalIsNotRepainted()
    {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    ++paints;
                return false;
            }
        } counter;
        QVERIFY(costs->view()->findChildren<QTimer *>().isEmpty());
        post(Material::Block, 3);
        settle();
        QLabel *label = costs->controlAs<QLabel>("lblTotalProjectCost");
        label->installEventFilter(&counter);
        post(Material::Wood, 0);
        settle();
        QCOMPARE(counter.paints, 0);
        // The counter does see a change, so the silence above means something.
        post(Material::Cement, 3);
        QTRY_VERIFY(counter.paints > 0);
        label->removeEventFilter(&counter);
    }

    void dragByTheTitleStrip_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void dragByTheTitleStrip()
    {
        QFETCH(Qt::MouseButton, button);
        workspace->frmPipe().Show();
        QWidget *frame = costs->window();
        QWidget *client = frame->parentWidget();
        QVERIFY(client->width() > frame->width() + 100 && client->height() > frame->height() + 60);
        frame->move(20, 20);
        auto *strip = costs->controlAs<QLabel>("Label1");
        const QPoint grab(30, 8);
        const QPoint pointer = strip->mapToGlobal(grab);
        auto moveTo = [&](QPoint offset) { QTest::mouseMove(strip, strip->mapFromGlobal(pointer + offset)); };

        QTest::mousePress(strip, button, {}, grab);
        QCOMPARE(workspace->mdiArea()->activeSubWindow(), frame);
        moveTo({40, 30});
        QCOMPARE(frame->pos(), QPoint(60, 50));
        moveTo({75, 10});
        QCOMPARE(frame->pos(), QPoint(95, 30));
        // It stays inside the main window's client area.
        moveTo({5000, 5000});
        QCOMPARE(frame->pos(), QPoint(client->width() - frame->width(), client->height() - frame->height()));
        moveTo({-5000, -5000});
        QCOMPARE(frame->pos(), QPoint(0, 0));
        moveTo({10, 12});
        QTest::mouseRelease(strip, button, {}, strip->mapFromGlobal(pointer + QPoint(10, 12)));
        QCOMPARE(frame->pos(), QPoint(30, 32));

        // Released, the pointer moves on alone.
        QTest::mouseMove(strip, QPoint(60, 5));
        QCOMPARE(frame->pos(), QPoint(30, 32));
        // The rest of the window is no handle.
        auto *slot = costs->controlAs<QLabel>("lblCosts(3)");
        QTest::mousePress(slot, button, {}, QPoint(10, 5));
        QTest::mouseMove(slot, QPoint(80, 40));
        QTest::mouseRelease(slot, button, {}, QPoint(80, 40));
        QCOMPARE(frame->pos(), QPoint(30, 32));
    }

    void windowHasNoTitleBarAndItsSize()
    {
        QVERIFY(costs->window()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(costs->view()->objectName(), QString("frmCosts"));
        QCOMPARE(costs->view()->size(), QSize(389, 465));
        QCOMPARE(costs->window()->size(), QSize(389, 465));
        auto *strip = costs->controlAs<QLabel>("Label1");
        QVERIFY(strip->autoFillBackground());
        QCOMPARE(strip->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(strip->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(strip->font().bold());
        QCOMPARE(costs->view()->palette().color(QPalette::Window), QColor(192, 255, 255));
    }

    void slotGeometry_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QRect>("slot");
        // Twips / 15: left 120 or 75, top 960 + 480 (n - 1), widths 4650, 4695 or 4575, height 255.
        QTest::newRow("1") << 1 << QRect(8, 64, 310, 17);
        QTest::newRow("2") << 2 << QRect(5, 96, 313, 17);
        QTest::newRow("7") << 7 << QRect(5, 256, 313, 17);
        QTest::newRow("11") << 11 << QRect(5, 384, 310, 17);
        QTest::newRow("12") << 12 << QRect(8, 416, 305, 17);
    }
    void slotGeometry()
    {
        QFETCH(int, n);
        QTEST(costs->control(element("lblCosts", n))->geometry(), "slot");
        QCOMPARE(costs->control(element("cmdRemove", n))->geometry(), QRect(352, 64 + 32 * (n - 1), 17, 17));
    }

    void eachSlotAndItsButtonAreHeardWithTheirLine()
    {
        QCOMPARE(costs->control("cmdRemove(3)")->accessibleName(), QString("Remove line 3, empty"));
        QVERIFY(!costs->view()->accessibleName().startsWith("frm"));
        // The slot and its remove button are heard with the line, without the blanks that align it.
        const QString line = post(Material::Sand, 4).simplified();
        QCOMPARE(costs->control("lblCosts(1)")->accessibleName(), "Line 1: " + line);
        QCOMPARE(costs->control("cmdRemove(1)")->accessibleName(), "Remove line 1: " + line);
        remove(1);
        QCOMPARE(costs->control("cmdRemove(1)")->accessibleName(), QString("Remove line 1, empty"));
        QTRY_VERIFY(
            workspace->mdiMain().announcer()->findChild<QLabel *>()->text().endsWith(line + " removed. Total: $0"));
    }

    void aLineTooLongForItsSlotShowsWhole()
    {
        const QString longLine = "Cement   =   123456789.1234   X   $98765.4321   =   $12193263111263.526";
        costs->post(Material::Cement, longLine, 12193263111263.526, duplicateFor(Material::Cement), {});
        const QString shortLine = post(Material::Sand, 2);
        auto tipOver = [&](const QString &slot) {
            QWidget *label = costs->control(slot);
            QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(label, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipOver("lblCosts(1)"), longLine);
        // A line that fits needs no tip; one still showing goes.
        tipOver("lblCosts(2)");
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(costs->text("lblCosts(2)"), shortLine);
    }
};

QTEST_MAIN(CostsTest)
#include "test_costs.moc"
