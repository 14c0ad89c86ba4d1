// A long session in one process: every window opened and closed thousands of times, by each of
// the ways a user has, and the cost list posted to and emptied through its real buttons. After
// every step the list keeps its rules; after every round no widget of a closed window is left
// behind; resident memory stays flat once the program has warmed up.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPixmapCache>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <unistd.h>

#include "app/banner.h"
#include "app/mainwindow.h"
#include "app/quickmenu.h"
#include "app/splash.h"
#include "app/workspace.h"
#include "calculators/block.h"
#include "calculators/concrete.h"
#include "calculators/costlist.h"
#include "calculators/length.h"
#include "calculators/pipe.h"
#include "calculators/ratios.h"
#include "calculators/wallframing.h"
#include "calculators/water.h"
#include "numbers/text.h"
#include "support/costlistcheck.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Rounds of opening and closing every window; two and a half posts or removals go with each.
// CORVANE_SOAK_ROUNDS sets another number, for a quicker look or a longer run: at least 50, so
// that every kind of step happens and memory is measured well past the warm-up.
int rounds()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("CORVANE_SOAK_ROUNDS", &ok);
    return ok && fromEnvironment >= 50 ? fromEnvironment : 2000;
}

// What the process holds in memory now. Freed heap that the allocator keeps for reuse counts
// too, so a leak shows as growth only once the program has warmed up.
qint64 residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Every writer starts its line with the material's name; that is how a slot field is seen to
// name its own material's line.
QString linePrefix(Material m)
{
    switch (m) {
    case Material::Block: return QStringLiteral("Block   =");
    case Material::Cement: return QStringLiteral("Cement   =");
    case Material::Gravel: return QStringLiteral("Gravel   =");
    case Material::Sand: return QStringLiteral("Sand   =");
    case Material::Wood: break;
    }
    return QStringLiteral("Wall Framing   =");
}

const Message kNothingToDelete{"There is no value for you to delete.", "Error", 16};

// Besides the rules every list keeps: each slot field names its own material's line.
QString brokenSoakRule(const Snapshot &s)
{
    if (QString broken = brokenRule(s); !broken.isEmpty())
        return broken;
    for (size_t i = 0; i < kMaterials.size(); ++i) {
        const int slot = s.slotFields[i];
        if (slot != 0 && !s.lines[slot - 1].startsWith(linePrefix(kMaterials[i])))
            return QStringLiteral("%1 names slot %2, which holds another line")
                .arg(linePrefix(kMaterials[i]))
                .arg(slot);
    }
    return {};
}

// One way of opening or closing a window, as a user or the program does it.
enum class Way {
    Show,
    Load,
    QuickMenuButton, // the quick menu's button of the window
    MenuItem,        // the main menu's item of the window
    RatiosButton,    // the concrete calculator's "Location Ratios?"
    Unload,
    CloseBox,
    OkButton,
    HideButton,
    Agree, // "I Agree" and "Ok" on the splash
};

struct WindowWays {
    const char *name;
    const char *quickButton;
    const char *menuItem;
    std::vector<Way> opens;
    std::vector<Way> closes;
};

// The cost list is closed with its Hide button and only now and then unloaded, so that it fills
// up between unloads; the splash closes last, since accepting it loads and hides the cost list.
const std::vector<WindowWays> kWindows{
    {"frmConcrete",
     "cmdConcreteQuantities",
     "itmConcrete",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmBlock",
     "cmdBlockQuantities",
     "itmBlock",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmWallFraming",
     "cmdWallFraming",
     "itmWallFraming",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmPipe",
     "cmdPipeVolumes",
     "itmPipeVolumes",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmWater",
     "cmdWaterVolumes",
     "itmWaterVolumes",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmLength",
     "cmdLengthConversions",
     "itmlengthConversions",
     {Way::Show, Way::QuickMenuButton, Way::MenuItem},
     {Way::CloseBox, Way::Unload}},
    {"frmCosts", "cmdTotalCosts", "itmCosts", {Way::Show, Way::QuickMenuButton, Way::MenuItem}, {Way::HideButton}},
    {"frmQuickMenu", nullptr, "itmQuickMenu", {Way::Show, Way::MenuItem}, {Way::CloseBox, Way::Unload}},
    {"frmBackground", nullptr, nullptr, {Way::Load, Way::Show}, {Way::Unload, Way::CloseBox}},
    {"frmAboutRatios", nullptr, nullptr, {Way::RatiosButton, Way::Show}, {Way::OkButton, Way::CloseBox, Way::Unload}},
    {"frmSplash", nullptr, nullptr, {Way::Show}, {Way::Agree, Way::Unload}},
};
constexpr int kCostListUnloadEvery = 25;

// Marks when a window object has begun to be destroyed, for a handler that must not run then.
bool probeDestroying = false;
int probeHandlerRunsWhileDestroying = 0;

class Probe : public Form {
public:
    using Form::Form;
    ~Probe() override { probeDestroying = true; }

protected:
    const FormLayout &layout() const override
    {
        static const FormLayout kLayout{.name = "frmProbe",
                                        .caption = "Probe",
                                        .client = {3000, 1500},
                                        .controls = {Label("Label1", "Point here", {0, 0, 3000, 1500})}};
        return kLayout;
    }
    void wire() override
    {
        onEvent("Label1", [](QEvent *) {
            if (probeDestroying)
                ++probeHandlerRunsWhileDestroying;
            return false;
        });
    }
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    QRandomGenerator rng{20240508};
    int serial = 0;
    int posted = 0, refused = 0, refusedAsFull = 0, removed = 0, emptyRemoves = 0, steps = 0;

    CostList &costs() { return workspace->frmCosts(); }

    void trigger(const char *item)
    {
        auto *action = workspace->mdiMain().view()->findChild<QAction *>(item);
        QVERIFY2(action, item);
        action->trigger();
    }

    void open(const WindowWays &w, Way way)
    {
        Form &form = *workspace->formNamed(w.name);
        switch (way) {
        case Way::Show: form.Show(); break;
        case Way::Load:
            form.Load();
            form.ZOrderToBack();
            break;
        case Way::QuickMenuButton: click(workspace->frmQuickMenu(), w.quickButton); break;
        case Way::MenuItem: trigger(w.menuItem); break;
        case Way::RatiosButton: click(workspace->frmConcrete(), "cmdRatios"); break;
        default: QFAIL("not a way to open a window");
        }
        QVERIFY2(form.isLoaded(), w.name);
    }

    void close(const WindowWays &w, Way way)
    {
        Form &form = *workspace->formNamed(w.name);
        switch (way) {
        case Way::Unload: form.Unload(); break;
        case Way::CloseBox: form.window()->close(); break;
        case Way::OkButton: click(form, "cmdOK"); break;
        case Way::HideButton: click(form, "cmdHide"); break;
        case Way::Agree:
            click(form, "optAgree");
            click(form, "cmdOK");
            break;
        default: QFAIL("not a way to close a window");
        }
        if (way == Way::HideButton)
            QVERIFY2(!form.isVisible(), w.name);
        else
            QVERIFY2(!form.isLoaded(), w.name);
    }

    // Gives a pricing calculator new figures through its boxes and buttons; a price of 0 now and
    // then, so that lines at cost 0 come along, which alone can fill the list.
    void refigure(int which)
    {
        const QString price = rng.bounded(3) == 0 ? "0" : QString::number(1 + rng.bounded(40)) + ".25";
        const QString size = QString::number(2 + rng.bounded(20));
        switch (which) {
        case 0: {
            ConcreteCalculator &c = workspace->frmConcrete();
            typeInto(c, "txtPadWidth", size);
            typeInto(c, "txtPadLength", "4");
            typeInto(c, "txtPadThickness", "10");
            click(c, "cmdCalculate");
            typeInto(c, "txtPriceC", price);
            typeInto(c, "txtPriceS", "35");
            typeInto(c, "txtPriceG", rng.bounded(2) ? price : "0");
            click(c, "cmdPrice");
            break;
        }
        case 1: {
            BlockCalculator &b = workspace->frmBlock();
            typeInto(b, "txtLength", size);
            typeInto(b, "txtHeight", "8");
            click(b, "cmdGo");
            typeInto(b, "txtPrice", price);
            click(b, "cmdGo2");
            break;
        }
        default: {
            WallFramingCalculator &f = workspace->frmWallFraming();
            typeInto(f, "txtLength", size);
            typeInto(f, "txtHeight", "8");
            typeInto(f, "txtStudLength", "8");
            if (f.value("chk2x4") != 1)
                click(f, "chk2x4");
            if (f.value("chk16OC") != 1)
                click(f, "chk16OC");
            click(f, "cmdGo");
            typeInto(f, "txtPrice", price);
            click(f, "cmdGo2");
            break;
        }
        }
        CHECK_NO_MESSAGES(messages);
    }

    // A post by an Add button or directly; what it does follows from the list as it was.
    void post(const Snapshot &before, bool filling)
    {
        Material material = Material::Block;
        double cost = 0;
        QString line;
        const int writer = filling ? 5 : rng.bounded(7);
        switch (writer) {
        case 0:
        case 1:
        case 2: {
            ConcreteCalculator &c = workspace->frmConcrete();
            const char *buttons[] = {"cmdAddCement", "cmdAddSand", "cmdAddGravel"};
            const Money figures[] = {c.curCostC, c.curCostS, c.curCostG};
            material = std::array{Material::Cement, Material::Sand, Material::Gravel}[writer];
            cost = MoneyToDouble(figures[writer]);
            click(c, buttons[writer]);
            break;
        }
        case 3:
            material = Material::Block;
            cost = workspace->frmBlock().dblPrice;
            click(workspace->frmBlock(), "cmdAdd");
            break;
        case 4:
            material = Material::Wood;
            cost = MoneyToDouble(workspace->frmWallFraming().curPrice);
            click(workspace->frmWallFraming(), "cmdAdd");
            break;
        default:
            material = kMaterials[rng.bounded(int(kMaterials.size()))];
            cost = filling || rng.bounded(2) ? 0 : 10.5;
            line = linePrefix(material) + QStringLiteral("   soak line %1").arg(++serial);
            costs().post(material, line, cost, {"You already have that one.", "Error", Critical});
            break;
        }
        const int m = int(std::find(kMaterials.begin(), kMaterials.end(), material) - kMaterials.begin());
        const Snapshot after = snapshotOf(costs());
        const QList<Message> shown = messages.take();
        if (before.costs[m] != 0 || before.counter > CostList::kSlots) {
            ++refused;
            refusedAsFull += before.costs[m] == 0;
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].text.contains(before.costs[m] != 0 ? "already have" : "full"), qPrintable(shown[0].text));
            QVERIFY2(after == before, qPrintable(describe(after)));
            return;
        }
        ++posted;
        QCOMPARE(shown, QList<Message>{});
        QCOMPARE(after.counter, before.counter + 1);
        QCOMPARE(after.slotFields[m], before.counter);
        QCOMPARE(after.costs[m], cost);
        if (!line.isEmpty())
            QCOMPARE(after.lines[before.counter - 1], line);
        for (int n = 0; n < CostList::kSlots; ++n)
            if (n != before.counter - 1)
                QCOMPARE(after.lines[n], before.lines[n]);
    }

    // A remove button, mostly beside a line, sometimes beside the first empty slot.
    void remove(const Snapshot &before)
    {
        const int slot = std::min(CostList::kSlots, 1 + int(rng.bounded(before.counter)));
        click(costs(), QStringLiteral("cmdRemove(%1)").arg(slot));
        const Snapshot after = snapshotOf(costs());
        const QList<Message> shown = messages.take();
        if (before.lines[slot - 1].isEmpty()) {
            ++emptyRemoves;
            QCOMPARE(shown, QList<Message>{kNothingToDelete});
            QVERIFY2(after == before, qPrintable(describe(after)));
            return;
        }
        ++removed;
        QCOMPARE(shown, QList<Message>{});
        QStringList lines = before.lines;
        lines.removeAt(slot - 1);
        lines << QString();
        QCOMPARE(after.lines, lines);
        QCOMPARE(after.counter, before.counter - 1);
        for (size_t i = 0; i < kMaterials.size(); ++i) {
            if (before.slotFields[i] == slot) {
                QCOMPARE(after.slotFields[i], 0);
                QCOMPARE(after.costs[i], 0.0);
            } else {
                // Every other material's line moved with it, cost and all.
                QCOMPARE(after.costs[i], before.costs[i]);
                if (before.slotFields[i] != 0)
                    QCOMPARE(after.lines[after.slotFields[i] - 1], before.lines[before.slotFields[i] - 1]);
            }
        }
    }

    // While filling, posts at cost 0 come nine times in ten, so that the list also runs full.
    void postOrRemove(bool filling)
    {
        const Snapshot before = snapshotOf(costs());
        if (rng.bounded(10) < (filling ? 9 : 5))
            post(before, filling);
        else
            remove(before);
        if (QTest::currentTestFailed())
            return;
        const Snapshot after = snapshotOf(costs());
        const QString broken = brokenSoakRule(after);
        QVERIFY2(broken.isEmpty(), qPrintable(broken + "\n" + describe(after)));
        ++steps;
    }

    template <class T>
    void shuffle(std::vector<T> &items)
    {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[rng.bounded(int(i))]);
    }

    void round(int number, int stepsDue)
    {
        // The quick menu first, so that its buttons can open the others; the ratios after the
        // concrete calculator, whose button opens them.
        std::vector<const WindowWays *> order;
        for (const WindowWays &w : kWindows)
            order.push_back(&w);
        const auto named = [&](const char *name) -> const WindowWays & {
            return *std::find_if(kWindows.begin(), kWindows.end(),
                                 [&](const WindowWays &w) { return qstrcmp(w.name, name) == 0; });
        };
        std::vector<const WindowWays *> middle(order.begin(), order.end());
        std::erase_if(middle, [](const WindowWays *w) {
            return qstrcmp(w->name, "frmQuickMenu") == 0 || qstrcmp(w->name, "frmAboutRatios") == 0;
        });
        shuffle(middle);
        open(named("frmQuickMenu"), named("frmQuickMenu").opens[number % 2]);
        for (const WindowWays *w : middle)
            open(*w, w->opens[number % w->opens.size()]);
        open(named("frmAboutRatios"), named("frmAboutRatios").opens[number % 2]);
        CHECK_NO_MESSAGES(messages);

        for (int which = 0; which < 3; ++which)
            if (number == 0 || rng.bounded(6) == 0)
                refigure(which);
        while (steps < stepsDue && !QTest::currentTestFailed())
            postOrRemove(number % 20 >= 15);
        if (QTest::currentTestFailed())
            return;

        std::erase_if(order, [](const WindowWays *w) { return qstrcmp(w->name, "frmSplash") == 0; });
        shuffle(order);
        order.push_back(&named("frmSplash"));
        for (const WindowWays *w : order) {
            Way way = w->closes[(number / w->opens.size()) % w->closes.size()];
            if (qstrcmp(w->name, "frmCosts") == 0 && number % kCostListUnloadEvery == kCostListUnloadEvery - 1)
                way = Way::Unload;
            close(*w, way);
        }
        CHECK_NO_MESSAGES(messages);
        settle();
    }

private slots:
    void initTestCase()
    {
        // As the program does at start; a child window without an icon of its own takes this one.
        QApplication::setWindowIcon(applicationIcon());
        // The offscreen platform says, for every window raised, that it cannot raise windows;
        // thousands of those would bury what the run has to say.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                previous(type, context, text);
        });
    }
    void init() { workspace = startProgram(); }
    void cleanup() { endProgram(workspace, messages); }

    void everyWindowOpensAndClosesWithoutGrowing()
    {
        const int total = rounds();
        const int totalSteps = total * 5 / 2;
        // Widgets alive once every window is closed; the cost list, when merely hidden, keeps its own.
        std::map<bool, qsizetype> widgetsAfterARound;
        // The toolkit's pixmap cache fills with drawings of widgets that are new every round,
        // up to its limit: at the default 10 MB that takes over a hundred rounds, at 1 MB a few.
        QPixmapCache::setCacheLimit(1024);
        const int warmUp = 25;
        qint64 residentAfterWarmUp = 0;
        for (int number = 0; number < total; ++number) {
            round(number, qint64(totalSteps) * (number + 1) / total);
            if (QTest::currentTestFailed())
                return;
            for (const QString &name : Workspace::windowNames())
                if (name != "mdiMain" && name != "frmCosts")
                    QVERIFY2(!workspace->formNamed(name)->isLoaded(), qPrintable(name));
            const qsizetype widgets = QApplication::allWidgets().size();
            const auto [known, fresh] = widgetsAfterARound.try_emplace(costs().isLoaded(), widgets);
            QVERIFY2(fresh || known->second == widgets,
                     qPrintable(QStringLiteral("round %1: %2 widgets, %3 after an earlier round")
                                    .arg(number)
                                    .arg(widgets)
                                    .arg(known->second)));
            if (number == warmUp - 1)
                residentAfterWarmUp = residentBytes();
        }
        const qint64 residentAtEnd = residentBytes();
        const qint64 growth = residentAtEnd - residentAfterWarmUp;
        const int measured = total - warmUp;
        qInfo("%d rounds of %zu windows; %d posts (%d refused, %d of them as the list was full), %d removals (%d "
              "beside an empty slot); "
              "resident memory %.2f MB after round %d, %.2f MB after round %d: %+.2f KB a round",
              total, kWindows.size(), posted + refused, refused, refusedAsFull, removed + emptyRemoves, emptyRemoves,
              residentAfterWarmUp / 1048576.0, warmUp, residentAtEnd / 1048576.0, total, growth / 1024.0 / measured);
        QCOMPARE(steps, totalSteps);
        // Each kind of step must have happened for the run to prove anything.
        QVERIFY(posted > 0 && refused > refusedAsFull && refusedAsFull > 0 && removed > 0 && emptyRemoves > 0);
        // Controls left behind would add tens of KB a round, the settling allocator a KB or two.
        // AddressSanitizer keeps freed memory in quarantine; its own leak check stands in there.
        const qint64 allowed = 256 * 1024 + qint64(measured) * 4 * 1024;
        if (!kSanitized)
            QVERIFY2(growth <= allowed, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    }

    void destroyingAWindowRunsNoneOfItsHandlers()
    {
        probeDestroying = false;
        probeHandlerRunsWhileDestroying = 0;
        auto probe = std::make_unique<Probe>(*workspace);
        probe->Show();
        // The pointer rests on the label, which then gets a last move event as it goes.
        auto *label = probe->controlAs<QLabel>("Label1");
        QTest::mouseMove(label, label->rect().center());
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
        probe.reset();
        QCOMPARE(probeHandlerRunsWhileDestroying, 0);
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
