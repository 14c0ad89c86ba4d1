// The window model, the control builder, the handler guard and the message box, on a small
// window of the test's own.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "numbers/text.h"
#include "support/testsupport.h"
#include "ui/form.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

class Host : public FormHost {
public:
    QMainWindow main;
    QMdiArea *area = new QMdiArea(&main);
    int unloads = 0;
    Host()
    {
        main.setCentralWidget(area);
        main.resize(800, 600);
        main.show();
    }
    QMdiArea *mdiArea() override { return area; }
    void windowUnloaded(Form &) override { ++unloads; }
};

class Sample : public Form {
public:
    using Form::Form;
    int loads = 0;
    int kept = 0; // a variable of the window itself
    std::function<void()> onGo = [] {};

    const FormLayout &layout() const override
    {
        static const FormLayout kLayout{
            .name = "frmSample",
            .caption = "Sample",
            .client = {3000, 1500},
            .back = kCalculatorBack,
            .controls = {
                TextBox("txtIn", {150, 150, 1500, 285}, 2).labelledBy("Label1"),
                Label("Label1", "Input Box", {150, 450, 1500, 255}).centred(),
                TextBox("txtOut", {150, 750, 1500, 285}, 1).asOutput().labelledBy("Label1"),
                Button("cmdGo", "Go", {1800, 150, 900, 375}, 3).tooltip("Go on"),
                Option("optA", "A", {1800, 600, 600, 255}, 4).initiallySelected(),
                Option("optB", "B", {1800, 900, 600, 255}, 5),
                Check("chkC", "C", {150, 1100, 600, 255}, 0),
                Label("Label2", "Blue", {0, 0, 600, 150}).colours(0x00FF0000, 0x00FFFFFF).bold(),
                Line("Line1", 0, 1050, 3000, 1050),
                Timer("Timer1", 50),
            }};
        return kLayout;
    }
    void wire() override
    {
        onClick("cmdGo", [this] { onGo(); });
    }
    void Form_Load() override { ++loads; }
};

class TopLevelSample : public Sample {
public:
    using Sample::Sample;
    void wire() override {}
    const FormLayout &layout() const override
    {
        static const FormLayout kLayout{
            .name = "frmTop", .caption = "Top", .client = {1500, 750}, .frame = Frame::TopLevel};
        return kLayout;
    }
};

} // namespace

class FormModelTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Host> host;
    std::unique_ptr<Sample> form;

private slots:
    void init()
    {
        host = std::make_unique<Host>();
        form = std::make_unique<Sample>(*host);
    }
    void cleanup()
    {
        CHECK_NO_MESSAGES(messages);
        form.reset();
        host.reset();
        settle();
    }

    void loadBuildsOnceAndShowsAChild()
    {
        QVERIFY(!form->isLoaded());
        form->Load();
        form->Load();
        QCOMPARE(form->loads, 1);
        QVERIFY(form->isVisible());
        QCOMPARE(form->view()->objectName(), QString("frmSample"));
        QCOMPARE(qobject_cast<QMdiSubWindow *>(form->window())->mdiArea(), host->area);
        QCOMPARE(form->view()->size(), QSize(200, 100));
    }

    void readingAControlLoadsTheWindow()
    {
        QCOMPARE(form->text("txtIn"), QString());
        QVERIFY(form->isLoaded());
        QCOMPARE(form->loads, 1);
    }

    void hideKeepsContentsAndUnloadDiscardsControlsButNotVariables()
    {
        form->Show();
        form->setText("txtIn", "kept");
        form->kept = 42;
        form->Hide();
        QVERIFY(form->isLoaded() && !form->isVisible());
        form->Show();
        QCOMPARE(form->text("txtIn"), QString("kept"));
        QPointer<QWidget> oldView = form->view();
        form->Unload();
        QVERIFY(!form->isLoaded());
        QCOMPARE(host->unloads, 1);
        settle();
        QVERIFY(oldView.isNull());
        form->Show();
        QCOMPARE(form->text("txtIn"), QString());
        QCOMPARE(form->kept, 42);
        QCOMPARE(form->loads, 2);
        form->Unload();
        form->Unload(); // unloading an unloaded window does nothing
        QCOMPARE(host->unloads, 2);
    }

    void aWindowTheAreaPlacesIsFullyInView()
    {
        host->main.resize(300, 200);
        std::vector<std::unique_ptr<Sample>> many;
        for (int i = 0; i < 6; ++i) {
            many.push_back(std::make_unique<Sample>(*host));
            many.back()->Show();
            const QRect room = host->area->viewport()->rect();
            QVERIFY2(room.contains(many.back()->window()->geometry()), qPrintable(QString::number(i)));
        }
    }

    void aWindowThatPlacesItselfKeepsItsPlace()
    {
        struct Placed : Sample {
            using Sample::Sample;
            void Form_Load() override { moveTo(6000, 6000); }
        } placed(*host);
        placed.Show();
        QCOMPARE(placed.window()->pos(), QPoint(400, 400));
    }

    void closeBoxUnloads()
    {
        form->Show();
        // A close that reports failure would stop the program from ending.
        QVERIFY(form->window()->close());
        QVERIFY(!form->isLoaded());
        settle();
        QVERIFY(host->area->subWindowList().isEmpty());
    }

    void aHandlerThatUnloadsItsOwnWindowIsSafe()
    {
        form->onGo = [this] { form->Unload(); };
        form->Show();
        click(*form, "cmdGo");
        QVERIFY(!form->isLoaded());
        settle();
    }

    void showBringsToTheFrontAndZOrderSendsBack()
    {
        Sample other(*host);
        // Both share a layout, so their view names clash; only the stacking matters here.
        form->Show();
        other.Show();
        QCOMPARE(host->area->activeSubWindow(), other.window());
        form->Show();
        QCOMPARE(host->area->activeSubWindow(), form->window());
        form->ZOrderToBack();
        const QObjectList stack = form->window()->parentWidget()->children();
        QVERIFY(stack.indexOf(form->window()) < stack.indexOf(other.window()));
    }

    void aTopLevelWindowLoadsHidden()
    {
        TopLevelSample top(*host);
        top.Load();
        QVERIFY(top.isLoaded() && !top.isVisible());
        QVERIFY(top.window()->isWindow());
        top.Show();
        QVERIFY(top.isVisible());
        QCOMPARE(top.window()->windowTitle(), QString("Top"));
    }

    void builderFollowsTheTable()
    {
        form->Load();
        auto *in = form->controlAs<QLineEdit>("txtIn");
        QCOMPARE(in->geometry(), QRect(10, 10, 100, 19));
        QCOMPARE(in->accessibleName(), QString("Input Box"));
        auto *out = form->controlAs<QLineEdit>("txtOut");
        QVERIFY(out->isReadOnly());
        QCOMPARE(out->focusPolicy(), Qt::ClickFocus);
        auto *go = form->controlAs<QPushButton>("cmdGo");
        QCOMPARE(go->toolTip(), QString("Go on"));
        QCOMPARE(go->accessibleDescription(), QString("Go on"));
        QVERIFY(!go->autoDefault() && !go->isDefault());
        auto *blue = form->controlAs<QLabel>("Label2");
        QCOMPARE(blue->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(blue->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(blue->font().bold());
        QCOMPARE(blue->font().family(), QString("Liberation Sans"));
        QCOMPARE(form->view()->palette().color(QPalette::Window), QColor(192, 255, 255));
        QCOMPARE(form->controlAs<QLabel>("Label1")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(form->control("Line1")->geometry(), QRect(0, 70, 201, 1));
        QVERIFY(form->view()->findChild<QTimer *>("Timer1")->isActive());
    }

    void valuesOfOptionsAndChecks()
    {
        QCOMPARE(form->value("optA"), -1);
        QCOMPARE(form->value("optB"), 0);
        form->setValue("optB", -1);
        QCOMPARE(form->value("optA"), 0);
        form->setValue("optB", 0);
        QCOMPARE(form->value("optB"), 0);
        QCOMPARE(form->value("chkC"), 0);
        form->setValue("chkC", 1);
        QCOMPARE(form->value("chkC"), 1);
    }

    void guardReportsEachRuntimeErrorByNameAndGoesOn_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("overflow") << 0 << "Overflow";
        QTest::newRow("type mismatch") << 1 << "Type mismatch";
        QTest::newRow("floating point") << 2 << "Floating-point error";
        QTest::newRow("missing control") << 3 << "Subscript out of range";
    }
    void guardReportsEachRuntimeErrorByNameAndGoesOn()
    {
        QFETCH(int, which);
        QFETCH(QString, name);
        bool after = false;
        form->onGo = [&] {
            form->setText("txtOut", "before");
            switch (which) {
            case 0: TextToInt16("40000"); break;
            case 1: TextToDouble("abc"); break;
            case 2: checkedStep(1.0 / (after ? 1.0 : 0.0)); break;
            default: form->setText("lblCosts(13)", "x"); break;
            }
            after = true;
        };
        form->Show();
        click(*form, "cmdGo");
        QCOMPARE(messages.take(), (QList<Message>{{name, "Corvane", 16}}));
        QVERIFY(!after);
        QCOMPARE(form->text("txtOut"), QString("before")); // what ran before the error stays
        form->onGo = [&] { after = true; };
        click(*form, "cmdGo");
        QVERIFY(after);
    }

    void unloadedTimersNeverReloadTheWindow()
    {
        int ticks = 0;
        form->Load();
        QObject::connect(form->view()->findChild<QTimer *>("Timer1"), &QTimer::timeout, [&] {
            ++ticks;
            form->text("txtIn");
        });
        QTRY_VERIFY(ticks > 0);
        form->Unload();
        const int before = ticks;
        QTest::qWait(150);
        QCOMPARE(ticks, before);
        QVERIFY(!form->isLoaded());
    }
};

// The real box, not the recorder: modal, with the given text, title, icon and one OK button.
class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showMessageShowsARealModalBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("expectedTitle");
        QTest::newRow("critical") << 16 << "Error" << int(QMessageBox::Critical) << "Error";
        QTest::newRow("warning") << 48 << "Error" << int(QMessageBox::Warning) << "Error";
        QTest::newRow("information") << 64 << "Note" << int(QMessageBox::Information) << "Note";
        QTest::newRow("none, application title") << 0 << "" << int(QMessageBox::NoIcon) << "Corvane";
    }
    void showMessageShowsARealModalBox()
    {
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QString, expectedTitle);
        QMessageBox *seen = nullptr;
        QString text, shownTitle;
        int shownIcon = -1, buttons = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(seen);
            text = seen->text();
            shownTitle = seen->windowTitle();
            shownIcon = seen->icon();
            buttons = seen->buttons().size();
            modal = seen->isModal();
            seen->button(QMessageBox::Ok)->click();
        });
        ShowMessage("Please enter a value", title, style);
        QVERIFY(seen);
        QCOMPARE(text, QString("Please enter a value"));
        QCOMPARE(shownTitle, expectedTitle);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        FormModelTest model;
        failures |= QTest::qExec(&model, argc, argv);
    }
    MessageBoxTest box; // after the model test's recorder has given the real boxes back
    return failures | QTest::qExec(&box, argc, argv);
}

#include "test_formmodel.moc"
