// The cost list through its real widgets: posting, removing, the total, hiding, dragging, its
// menu of ways out, and random sequences of posts and removals checked against a small model of the
// list written here.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/pipe.h"
#include "core/costs.h"
#include "core/text.h"
#include "support/costlistcheck.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

const QStringList kMaterialNames{"Block", "Cement", "Gravel", "Sand", "Wood"};

int indexOf(Material m)
{
    return int(m);
}

Material materialNamed(const QString &name)
{
    const int i = kMaterialNames.indexOf(name);
    Q_ASSERT(i >= 0);
    return kMaterials[i];
}

// The duplicate boxes as the writers show them: the block calculator's carries no title and no
// icon, the others "Error" and the error icon.
DuplicateMessage duplicateFor(Material m)
{
    if (m == Material::Block)
        return {"You already have a Block Total on the Costs List. Please remove the existing one before adding a new "
                "one.",
                QString(), NoIcon};
    return {QStringLiteral("You already have a %1 Total on the Costs List.").arg(kMaterialNames[indexOf(m)]), "Error",
            Critical};
}

Message shownFor(const DuplicateMessage &d)
{
    return {d.text, d.title.isEmpty() ? QStringLiteral("Corvane") : d.title, d.style};
}

const Message kNothingToDelete{"There is no value for you to delete.", "Error", 16};

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
        const int i = indexOf(m);
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
        return cost_[indexOf(Material::Block)] + cost_[indexOf(Material::Sand)] + cost_[indexOf(Material::Gravel)] +
               cost_[indexOf(Material::Cement)] + cost_[indexOf(Material::Wood)];
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
        const QString line =
            QStringLiteral("%1   =   #%2   =   $%3").arg(kMaterialNames[indexOf(m)]).arg(++serial).arg(cost);
        costs->post(m, line, cost, duplicateFor(m), {kMaterialNames[indexOf(m)], QString::number(serial)});
        return line;
    }

    void remove(int slot) { click(*costs, element("cmdRemove", slot)); }

    QString total() { return costs->text("lblTotalProjectCost"); }

private slots:
    void init()
    {
        startProgram();
        costs->Show();
    }
    void cleanup()
    {
        // A failure here must not spill its boxes into the next test.
        const auto reset = qScopeGuard([this] {
            workspace.reset();
            settle();
            messages.take();
        });
        CHECK_NO_MESSAGES(messages);
    }

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

    void removal_data()
    {
        // Steps: "+Material cost" posts a line, "-n" presses the remove button of slot n. Lines
        // name the posts by their order (1 for the first post), slot fields and costs are in the order
        // block, cement, gravel, sand, wood.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<int>>("slotFields");
        QTest::addColumn<QList<double>>("costs");
        using L = QList<int>;
        using C = QList<double>;
        QTest::newRow("block, cement, wood, sand; the second goes")
            << "+Block 5, +Cement 7, +Wood 3, +Sand 2, -2" << L{1, 3, 4} << L{1, 0, 0, 3, 2} << C{5, 0, 0, 2, 3};
        QTest::newRow("block, cement, sand; the second goes")
            << "+Block 120, +Cement 355, +Sand 47.142, -2" << L{1, 3} << L{1, 0, 0, 2, 0} << C{120, 0, 0, 47.142, 0};
        QTest::newRow("the only line goes") << "+Gravel 141.429, -1" << L{} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0};
        QTest::newRow("cement and wood: slot 1 moves wood up")
            << "+Cement 10, +Wood 28.177, -1" << L{2} << L{0, 0, 0, 0, 1} << C{0, 0, 0, 0, 28.177};
        QTest::newRow("cement and wood: slot 1 twice")
            << "+Cement 10, +Wood 28.177, -1, -1" << L{} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0};
        QTest::newRow("the last line goes")
            << "+Block 1, +Cement 2, +Gravel 3, -3" << L{1, 2} << L{1, 2, 0, 0, 0} << C{1, 2, 0, 0, 0};
        QTest::newRow("the first of five goes") << "+Wood 1, +Sand 2, +Gravel 3, +Cement 4, +Block 5, -1"
                                                << L{2, 3, 4, 5} << L{4, 3, 2, 1, 0} << C{5, 4, 3, 2, 0};
        QTest::newRow("a removed material posts again into the first free slot")
            << "+Block 5, +Cement 7, +Sand 2, -1, +Block 6" << L{2, 3, 4} << L{3, 1, 0, 2, 0} << C{6, 7, 0, 2, 0};
        QTest::newRow("cost 0 posts twice: the second claims")
            << "+Sand 0, +Sand 0" << L{1, 2} << L{0, 0, 0, 2, 0} << C{0, 0, 0, 0, 0};
        QTest::newRow("the unclaimed line above goes too")
            << "+Sand 0, +Sand 0, -1" << L{2} << L{0, 0, 0, 1, 0} << C{0, 0, 0, 0, 0};
        QTest::newRow("the claimed zero line goes, the older one stays")
            << "+Sand 0, +Sand 0, -2" << L{1} << L{0, 0, 0, 0, 0} << C{0, 0, 0, 0, 0};
        QTest::newRow("an unclaimed line goes and the others follow")
            << "+Sand 0, +Block 4, +Sand 6, -1" << L{2, 3} << L{1, 0, 0, 2, 0} << C{4, 0, 0, 6, 0};
        QTest::newRow("an unclaimed line between claimed ones")
            << "+Block 4, +Wood 0, +Wood 9, +Cement 1, -2" << L{1, 3, 4} << L{1, 3, 0, 0, 2} << C{4, 1, 0, 0, 9};
    }
    void removal()
    {
        QFETCH(QString, steps);
        QFETCH(QList<int>, lines);
        QFETCH(QList<int>, slotFields);
        QFETCH(QList<double>, costs);
        QStringList posted;
        for (const QString &step : steps.split(", ")) {
            if (step.startsWith('+')) {
                const QStringList parts = step.mid(1).split(' ');
                posted << post(materialNamed(parts[0]), parts[1].toDouble());
            } else {
                remove(step.mid(1).toInt());
            }
        }
        Snapshot expected;
        for (int n = 0; n < 12; ++n)
            expected.lines << (n < lines.size() ? posted[lines[n] - 1] : QString());
        std::copy(slotFields.begin(), slotFields.end(), expected.slotFields.begin());
        std::copy(costs.begin(), costs.end(), expected.costs.begin());
        expected.counter = int(lines.size()) + 1;
        const Snapshot actual = snapshotOf(*this->costs);
        QVERIFY2(actual == expected, qPrintable(describe(actual) + "\nexpected " + describe(expected)));
    }

    void removingUpdatesTheTotalAtOnce()
    {
        post(Material::Block, 120);
        post(Material::Cement, 355);
        post(Material::Sand, 47.142);
        QCOMPARE(total(), QString("522.142"));
        remove(2);
        QCOMPARE(total(), QString("167.142"));
        QCOMPARE(costs->model().dblTotalCost, 120 + 47.142);
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

    void zeroCostLinesDoNotBlockAnother()
    {
        const QString first = post(Material::Wood, 0);
        const QString second = post(Material::Wood, 0);
        QVERIFY(messages.empty());
        QCOMPARE(costs->text("lblCosts(1)"), first);
        QCOMPARE(costs->text("lblCosts(2)"), second);
        QCOMPARE(costs->model().intWoodCounter, 2);
        // Once a line with a cost is on, the next is a duplicate.
        post(Material::Wood, 28.177);
        post(Material::Wood, 1);
        QCOMPARE(messages.take(), QList<Message>{shownFor(duplicateFor(Material::Wood))});
        QCOMPARE(costs->model().intWoodCounter, 3);
        QCOMPARE(costs->model().intCounter, 4);
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
                    what = QStringLiteral("post %1 %2").arg(kMaterialNames[indexOf(m)]).arg(cost);
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

    void totalAppearsAtOnce_data()
    {
        QTest::addColumn<QString>("posts");
        QTest::addColumn<QString>("total");
        QTest::newRow("empty list") << ""
                                    << "0";
        QTest::newRow("no rounding to cents") << "Block 12.5"
                                              << "12.5";
        QTest::newRow("binary sums shown as typed") << "Sand 0.1, Gravel 0.2"
                                                    << "0.3";
        QTest::newRow("all five") << "Block 120, Cement 355, Sand 47.142, Gravel 141.429, Wood 28.177"
                                  << "691.748";
        QTest::newRow("a line at cost 0 adds nothing") << "Wood 0, Cement 7.25"
                                                       << "7.25";
        QTest::newRow("large totals in scientific notation") << "Block 600000000000000, Sand 400000000000000"
                                                             << "1E+15";
    }
    void totalAppearsAtOnce()
    {
        QFETCH(QString, posts);
        for (const QString &p : posts.split(", ", Qt::SkipEmptyParts)) {
            const QStringList parts = p.split(' ');
            post(materialNamed(parts[0]), parts[1].toDouble());
        }
        QTEST(total(), "total");
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

    void menuShowsTheList()
    {
        costs->Hide();
        workspace->mdiMain().itmCosts_Click();
        QVERIFY(costs->isVisible());
        QCOMPARE(workspace->mdiArea()->activeSubWindow(), costs->window());
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

    void everyControlIsNamedAndEveryButtonSaysWhatItDoes()
    {
        QStringList names{"Label1", "cmdHide", "Label2", "Label4", "Label3", "Label6", "lblTotalProjectCost",
                          "Line1",  "Line2",   "Line3"};
        for (int n = 1; n <= 12; ++n)
            names << element("lblCosts", n) << element("cmdRemove", n);
        for (const QString &name : names) {
            QWidget *w = costs->control(name);
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
            if (auto *button = qobject_cast<QPushButton *>(w))
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(name));
        }
        QCOMPARE(costs->control("cmdRemove(3)")->accessibleName(), QString("Remove line 3"));
        QVERIFY(!costs->view()->accessibleName().startsWith("frm"));
        QVERIFY(qobject_cast<QLabel *>(costs->control("lblCosts(12)")));
        QVERIFY(qobject_cast<QPushButton *>(costs->control("cmdRemove(12)")));
        // The slot's name carries its line, so a screen reader reads what is there.
        const QString line = post(Material::Sand, 4);
        QVERIFY(costs->control("lblCosts(1)")->accessibleName().contains(line));
        remove(1);
        QVERIFY(!costs->control("lblCosts(1)")->accessibleName().contains(line));
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

    void captionsFitTheirControls()
    {
        const QRect client = costs->view()->rect();
        for (QWidget *w : costs->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QString caption;
            int room = 0;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                caption = label->text();
                room = label->contentsRect().width();
            } else if (auto *button = qobject_cast<QPushButton *>(w)) {
                caption = button->text();
                QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
                room = w->width() - 4; // the button's own frame
            }
            if (caption.isEmpty())
                continue;
            QVERIFY2(w->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(w->objectName()));
            QVERIFY2(w->fontMetrics().height() <= w->height() + 1, qPrintable(w->objectName()));
        }
    }

    void onlyTheButtonsTakeTheFocusInOrder()
    {
        QStringList expected{"cmdHide"};
        for (int n = 1; n <= 12; ++n)
            expected << element("cmdRemove", n);
        QStringList order;
        QWidget *w = costs->control("cmdHide");
        for (int guard = 0; order.size() < expected.size() && guard < 200; ++guard, w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && costs->view()->isAncestorOf(w))
                order << w->objectName();
        QCOMPARE(order, expected);
        for (QLabel *label : costs->view()->findChildren<QLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(CostsTest)
#include "test_costs.moc"
