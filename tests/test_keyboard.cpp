// The program by keyboard alone, with real key events sent to whatever has the focus: the focus
// starts where each window's table puts it and Tab walks its controls in their order; Space,
// Return and keypad Enter press the focused button and nothing else; Return and Esc in a box
// press nothing; and each calculator's worked example can be typed and pressed without a mouse.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

QString focused()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(nothing)");
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY2(w, "nothing has the focus");
    QTest::keyClick(w, Qt::Key(key), modifiers);
}

// The key a row presses a button with.
struct PressKey {
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
};
const PressKey kPressKeys[] = {
    {"Space", Qt::Key_Space, Qt::NoModifier},
    {"Return", Qt::Key_Return, Qt::NoModifier},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
};

// Every button of a window, watched for clicks.
struct ButtonWatch {
    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    explicit ButtonWatch(Form &form)
    {
        for (auto *button : form.view()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
            if (qobject_cast<QPushButton *>(button))
                spies.emplace_back(button->objectName(),
                                   std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    }
    QStringList pressed() const
    {
        QStringList names;
        for (const auto &[name, spy] : spies)
            for (qsizetype i = 0; i < spy->count(); ++i)
                names << name;
        return names;
    }
};

// The controls of one kind of every window, by window and control name.
template <class W>
QList<std::pair<QString, QString>> controlsOfEveryWindow(std::function<bool(W *)> wanted = {})
{
    MessageRecorder quiet;
    Workspace probe;
    probe.setOnEnd({});
    probe.mdiMain().Load();
    QList<std::pair<QString, QString>> found;
    for (const QString &window : Workspace::windowNames()) {
        Form *form = probe.formNamed(window);
        form->Load();
        for (W *control : form->view()->findChildren<W *>(Qt::FindDirectChildrenOnly))
            if (!wanted || wanted(control))
                found.append({window, control->objectName()});
    }
    quiet.take();
    return found;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;

    // Opens a window as the user would find it and gives its top-level window the keyboard.
    Form &open(const QString &window)
    {
        workspace->mdiMain().Show();
        Form &form = *workspace->formNamed(window);
        form.Show();
        QWidget *top = form.window()->window();
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top))
            QTest::qFail(qPrintable(window + " did not become active"), __FILE__, __LINE__);
        return form;
    }

    // Runs a script of keys: "<Tab>", "<Backtab>", "<Space>", "<Down>", "<press>" (the row's
    // key), "@name" (the focus must be there), anything else is typed.
    void play(const QStringList &script, const PressKey &pressKey)
    {
        for (const QString &step : script) {
            if (step.startsWith('@')) {
                QCOMPARE(focused(), step.mid(1));
            } else if (step == "<Tab>") {
                press(Qt::Key_Tab);
            } else if (step == "<Backtab>") {
                press(Qt::Key_Backtab, Qt::ShiftModifier);
            } else if (step == "<Space>") {
                press(Qt::Key_Space);
            } else if (step == "<Down>") {
                press(Qt::Key_Down);
            } else if (step == "<press>") {
                press(pressKey.key, pressKey.modifiers);
            } else {
                QWidget *w = QApplication::focusWidget();
                QVERIFY2(qobject_cast<QLineEdit *>(w), qPrintable("typing into " + focused()));
                QTest::keyClicks(w, step);
            }
            if (QTest::currentTestFailed())
                return;
        }
    }

private slots:
    void init() { workspace = startProgram(); }
    void cleanup() { endProgram(workspace, messages); }

    void tabWalksTheWindowInItsOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order"); // the first has the focus when the window opens
        QTest::newRow("frmConcrete") << "frmConcrete"
                                     << QStringList{"txtPadWidth",  "txtPadLength", "txtPadThickness", "cmdCalculate",
                                                    "optUSA",       "cmdRatios",    "txtPriceC",       "txtPriceS",
                                                    "txtPriceG",    "cmdPrice",     "cmdAddCement",    "cmdAddSand",
                                                    "cmdAddGravel", "cmdClear"};
        QTest::newRow("frmBlock") << "frmBlock" << QStringList{"txtLength", "txtHeight", "cmdGo",   "txtPrice",
                                                               "cmdGo2",    "cmdAdd",    "cmdClear"};
        QTest::newRow("frmWallFraming") << "frmWallFraming"
                                        << QStringList{"txtLength", "txtHeight", "cmdGo",    "txtPrice",
                                                       "cmdGo2",    "cmdAdd",    "cmdClear", "txtStudLength",
                                                       "chk2x4",    "chk2x6",    "chk16OC",  "chk24OC"};
        QTest::newRow("frmPipe") << "frmPipe"
                                 << QStringList{"txtPipeD", "txtPipeL", "cmdCalculate", "optCm", "cmdClear"};
        QTest::newRow("frmWater") << "frmWater"
                                  << QStringList{"txtWidth", "txtLength", "txtDepth", "Command1", "cmdClear"};
        QTest::newRow("frmLength") << "frmLength"
                                   << QStringList{"txtcm", "txtm", "txtin", "txtft", "Command1", "cmdClear"};
        QStringList costs{"cmdHide"};
        for (int n = 1; n <= 12; ++n)
            costs << element("cmdRemove", n);
        QTest::newRow("frmCosts") << "frmCosts" << costs;
        QTest::newRow("frmQuickMenu") << "frmQuickMenu"
                                      << QStringList{"cmdConcreteQuantities", "cmdBlockQuantities",   "cmdPipeVolumes",
                                                     "cmdWaterVolumes",       "cmdLengthConversions", "cmdTotalCosts",
                                                     "cmdWallFraming"};
        QTest::newRow("frmSplash") << "frmSplash" << QStringList{"cmdOK", "optAgree"};
        QTest::newRow("frmAboutRatios") << "frmAboutRatios" << QStringList{"cmdOK"};
    }
    void tabWalksTheWindowInItsOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        Form &form = open(window);
        QCOMPARE(focused(), order.first());
        QVERIFY(form.view()->isAncestorOf(QApplication::focusWidget()));

        QStringList forward{focused()};
        for (qsizetype i = 1; i < order.size(); ++i) {
            press(Qt::Key_Tab);
            forward << focused();
        }
        QCOMPARE(forward, order);
        // Round again from the last: the focus stays inside the window.
        press(Qt::Key_Tab);
        QCOMPARE(focused(), order.first());

        QStringList backward;
        for (qsizetype i = 0; i < order.size(); ++i) {
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(focused());
        }
        QCOMPARE(backward, order);
    }

    void everyButtonPressesWithItsKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const auto &[window, button] : controlsOfEveryWindow<QPushButton>())
            for (const PressKey &k : kPressKeys)
                QTest::addRow("%s.%s %s", qPrintable(window), qPrintable(button), k.name)
                    << window << button << k.key << int(k.modifiers);
    }
    void everyButtonPressesWithItsKeys()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Form &form = open(window);
        auto *target = form.controlAs<QAbstractButton>(button);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), button);
        ButtonWatch watch(form);
        press(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(watch.pressed(), QStringList{button});
        messages.take(); // what the button does is the business of the window's own tests
    }

    // Holding the key down presses once: a held Return on "Add to Price List" posts one line.
    void aHeldKeyPressesOnce()
    {
        Form &form = open("frmBlock");
        auto *add = form.controlAs<QAbstractButton>("cmdAdd");
        add->setFocus(Qt::TabFocusReason);
        ButtonWatch watch(form);
        for (int i = 0; i < 5; ++i) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString("\r"), i > 0);
            QApplication::sendEvent(add, &held);
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString("\r"));
        QApplication::sendEvent(add, &release);
        QCOMPARE(watch.pressed(), QStringList{"cmdAdd"});
        messages.take();
    }

    void enterAndEscInABoxPressNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        for (const auto &[window, box] :
             controlsOfEveryWindow<QLineEdit>([](QLineEdit *box) { return bool(box->focusPolicy() & Qt::TabFocus); }))
            QTest::addRow("%s.%s", qPrintable(window), qPrintable(box)) << window << box;
    }
    void enterAndEscInABoxPressNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        Form &form = open(window);
        form.controlAs<QLineEdit>(box)->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), box);
        QTest::keyClicks(QApplication::focusWidget(), "12");
        ButtonWatch watch(form);
        for (const PressKey &k : kPressKeys)
            if (k.key != Qt::Key_Space)
                press(k.key, k.modifiers);
        press(Qt::Key_Escape);
        QCOMPARE(watch.pressed(), QStringList{});
        QVERIFY(form.isVisible());
        QCOMPARE(focused(), box);
        QCOMPARE(form.text(box), QString("12"));
    }

    // The mix-ratio dialog is the exception: its OK is the default and the cancel button.
    void enterAndEscCloseTheRatiosDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    }
    void enterAndEscCloseTheRatiosDialog()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Form &ratios = open("frmAboutRatios");
        QCOMPARE(focused(), QString("cmdOK"));
        press(key, Qt::KeyboardModifiers(modifiers));
        settle();
        QVERIFY(!ratios.isLoaded());
    }

    void workedExamplesByKeyboardAlone_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("expected"); // control=text
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const auto rows = [](const char *name, const QString &window, const QStringList &script,
                             const QStringList &expected) {
            for (const PressKey &k : kPressKeys)
                QTest::addRow("%s, %s", name, k.name) << window << script << expected << k.key << int(k.modifiers);
        };
        rows("concrete 5 x 10 x 10 USA at 10, 20, 30", "frmConcrete", {"@txtPadWidth", "5",          "<Tab>",
                                                                       "10",           "<Tab>",      "@txtPadThickness",
                                                                       "10",           "<Tab>",      "@cmdCalculate",
                                                                       "<press>",      "<Tab>",      "<Tab>",
                                                                       "<Tab>",        "@txtPriceC", "10",
                                                                       "<Tab>",        "20",         "<Tab>",
                                                                       "30",           "<Tab>",      "@cmdPrice",
                                                                       "<press>"},
             {"txtCement=35.5", "txtSand=2.3571", "txtGravel=4.7143", "txtCementCost=355", "txtSandCost=47.142",
              "txtGravelCost=141.429", "txtTotalCost=543.571"});
        // An option group is one stop, at its chosen option; the arrow keys choose within it.
        rows("concrete DR chosen by arrow", "frmConcrete",
             {"5", "<Tab>", "10", "<Tab>", "10", "<Tab>", "<Tab>", "@optUSA", "<Down>", "@optDR", "<Tab>", "<Backtab>",
              "@optDR", "<Backtab>", "@cmdCalculate", "<press>"},
             {"txtCement=35.5", "txtSand=3.5357", "txtGravel=3.5357"});
        rows("block 10 by 8 at 1.25", "frmBlock",
             {"@txtLength", "10", "<Tab>", "8", "<Tab>", "@cmdGo", "<press>", "<Tab>", "@txtPrice", "1.25", "<Tab>",
              "@cmdGo2", "<press>"},
             {"txtBlockAmount=96", "txtAmount=120"});
        rows("wall framing 10 by 8, 8-foot 2 x 4 at 16 inches, 2.5 a board", "frmWallFraming",
             {"@txtLength", "10",        "<Tab>",     "8",         "<Tab>",          "<Tab>",
              "<Tab>",      "<Tab>",     "<Tab>",     "<Tab>",     "@txtStudLength", "8",
              "<Tab>",      "@chk2x4",   "<Space>",   "<Tab>",     "<Tab>",          "@chk16OC",
              "<Space>",    "<Backtab>", "<Backtab>", "<Backtab>", "<Backtab>",      "<Backtab>",
              "<Backtab>",  "<Backtab>", "<Backtab>", "@cmdGo",    "<press>",        "<Tab>",
              "@txtPrice",  "2.5",       "<Tab>",     "@cmdGo2",   "<press>"},
             {"lblAmount1=11.2708", "lblAmount2=2 x 4", "lblAmount3=x 8", "txtCost=28.177"});
        rows("pipe 10 cm by 100 cm", "frmPipe",
             {"@txtPipeD", "10", "<Tab>", "100", "<Tab>", "@cmdCalculate", "<press>"},
             {"txtVolumeL=7.85", "txtVolumeG=2.07397"});
        rows("pipe 4 in by 100 in", "frmPipe",
             {"4", "<Tab>", "100", "<Tab>", "<Tab>", "@optCm", "<Down>", "@optIn", "<Tab>", "<Backtab>", "@optIn",
              "<Backtab>", "@cmdCalculate", "<press>"},
             {"txtVolumeL=19.625", "txtVolumeG=5.184925"});
        rows("water 10 by 20 by 5", "frmWater",
             {"@txtWidth", "10", "<Tab>", "20", "<Tab>", "5", "<Tab>", "@Command1", "<press>"},
             {"lblSquerefeet=1000", "lblGallons=7481", "lblWaterWeight=62092.3", "lblTonsofWater=31.04615"});
        rows("length 1 m", "frmLength", {"@txtcm", "<Tab>", "1", "<Tab>", "<Tab>", "<Tab>", "@Command1", "<press>"},
             {"lblm_cm=100", "lblm_m=1", "lblm_in=39.36", "lblm_ft=3.281"});
    }
    void workedExamplesByKeyboardAlone()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, script);
        QFETCH(QStringList, expected);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Form &form = open(window);
        play(script, {"", key, Qt::KeyboardModifiers(modifiers)});
        if (QTest::currentTestFailed())
            return;
        for (const QString &pair : expected)
            QCOMPARE(form.text(pair.section('=', 0, 0)), pair.section('=', 1));
        press(key == Qt::Key_Space ? Qt::Key_W : Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!form.isLoaded());
    }

    // The quick menu and the splash, by keyboard: open a calculator, accept the disclaimer.
    void theQuickMenuOpensByKeyboard()
    {
        open("frmQuickMenu");
        QCOMPARE(focused(), QString("cmdConcreteQuantities"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), QString("cmdPipeVolumes"));
        press(Qt::Key_Return);
        QVERIFY(workspace->formNamed("frmPipe")->isVisible());
        QCOMPARE(focused(), QString("txtPipeD"));
        press(Qt::Key_F10);
        QTRY_VERIFY(workspace->mdiMain().window()->findChild<QMenu *>("mnuFile")->isVisible());
    }
    // Ctrl+W and Ctrl+F4 leave a window without a close box alone.
    void closingKeysLeaveTheCostListAndTheBanner()
    {
        for (const char *window : {"frmCosts", "frmBackground"}) {
            open(window);
            press(Qt::Key_W, Qt::ControlModifier);
            press(Qt::Key_F4, Qt::ControlModifier);
            QVERIFY(workspace->formNamed(window)->isLoaded());
        }
    }
    void theDisclaimerIsAcceptedByKeyboard()
    {
        Form &splash = open("frmSplash");
        QCOMPARE(focused(), QString("cmdOK"));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), QString("optAgree"));
        press(Qt::Key_Space);
        QCOMPARE(splash.value("optAgree"), -1);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), QString("cmdOK"));
        press(Qt::Key_Return);
        settle();
        QVERIFY(!splash.isLoaded());
        QVERIFY(workspace->formNamed("frmCosts")->isLoaded());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
