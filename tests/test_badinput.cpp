// Bad input, window by window: every input box of every calculator is given text a user might
// type or paste, with the other boxes holding good values, and each button that reads the box is
// pressed. Each case must end in the window's own message for that box, in the result that the
// same number written plainly gives, or in a runtime error reported by name; never in a crash,
// a hang or a changed cost list.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <map>

#include "app/workspace.h"
#include "calculators/costlist.h"
#include "support/costlistcheck.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// How the number grammar should take a text.
enum class Reading {
    NotANumber, // the window's message, or for the length table a row left as it was
    Number,     // the same as its plain equivalent
    Either,     // an odd form the grammar may refuse; if it takes it, as its plain equivalent
};

struct Input {
    const char *name;
    QString text;
    Reading reading;
    QString plain; // the same number written plainly
};

const QList<Input> kInputs{
    {"empty", "", Reading::NotANumber, {}},
    {"blanks", "    ", Reading::NotANumber, {}},
    {"letters", "abc", Reading::NotANumber, {}},
    {"trailing letters", "12abc", Reading::NotANumber, {}},
    {"largest double's order", "1E+308", Reading::Number, "1E+308"},
    {"400 nines", QString(400, QLatin1Char('9')), Reading::Number, "1E+400"},
    {"negative", "-5", Reading::Number, "-5"},
    {"hexadecimal", "&H1F", Reading::Number, "31"},
    {"octal", "&O17", Reading::Number, "15"},
    {"leading separator", ",5", Reading::Either, "5"},
    {"doubled separator", "1,,000", Reading::Either, "1000"},
    {"separator in a short group", "12,5", Reading::Either, "125"},
    {"trailing separator", "1,000,", Reading::Either, "1000"},
    {"10000 digits", QString(10000, QLatin1Char('7')), Reading::Number, "1E+10000"},
    {"10000 letters", QString(10000, QLatin1Char('x')), Reading::NotANumber, {}},
};

struct Box {
    const char *name;
    const char *button;  // the button whose handler reads the box
    const char *message; // the window's message for the box; none in the length table
    // What a refused text amounts to: empty when nothing changes, else the text whose result
    // the window shows instead (the block calculator counts on with 0).
    const char *refusedAs = "";
    // A cell that repeats the typed text as it is rather than as a number.
    const char *verbatimCell = "";
};

struct Window {
    const char *name;
    // Good values for every input box, and the buttons that use them, pressed in this order
    // before each case so that every figure the case may use is in place.
    std::vector<std::pair<const char *, const char *>> good;
    std::vector<const char *> prepare;
    std::vector<Box> boxes;
};

const std::vector<Window> kWindows{
    {"frmConcrete",
     {{"txtPadWidth", "3"},
      {"txtPadLength", "4"},
      {"txtPadThickness", "10"},
      {"txtPriceC", "5"},
      {"txtPriceS", "35"},
      {"txtPriceG", "40"}},
     {"cmdCalculate", "cmdPrice"},
     {{"txtPadWidth", "cmdCalculate", "Please enter a value in the Pad Width Box"},
      {"txtPadLength", "cmdCalculate", "Please enter a value in the Pad Length Box"},
      {"txtPadThickness", "cmdCalculate", "Please enter a value in the Pad Thickness Box"},
      {"txtPriceC", "cmdPrice", "Please enter a value in the Cement Price Box"},
      {"txtPriceS", "cmdPrice", "Please enter a value in the Sand Price Box"},
      {"txtPriceG", "cmdPrice", "Please enter a value in the Gravel Price Box"}}},
    {"frmBlock",
     {{"txtLength", "10"}, {"txtHeight", "8"}, {"txtPrice", "1.25"}},
     {"cmdGo", "cmdGo2"},
     {{"txtLength", "cmdGo", "Please Enter a Number in the Length Box", "0"},
      {"txtHeight", "cmdGo", "Please Enter a Number in the Heigth Box", "0"},
      {"txtPrice", "cmdGo2", "Please Enter a Number in the Price Box"}}},
    {"frmWallFraming",
     {{"txtLength", "10"}, {"txtHeight", "8"}, {"txtStudLength", "8"}, {"txtPrice", "3.5"}},
     {"chk2x4", "chk16OC", "cmdGo", "cmdGo2"},
     {{"txtLength", "cmdGo", "Please Enter a Number in the Length Box"},
      {"txtHeight", "cmdGo", "Please Enter a Number in the Heigth Box"},
      {"txtStudLength", "cmdGo", "Please Enter a Number in the Length of Boards Box"},
      {"txtPrice", "cmdGo2", "Please Enter a Number in the Price Box"}}},
    {"frmPipe",
     {{"txtPipeD", "10"}, {"txtPipeL", "100"}},
     {"cmdCalculate"},
     {{"txtPipeD", "cmdCalculate", "Please enter a value in the Pipe Diameter Box"},
      {"txtPipeL", "cmdCalculate", "Please enter a value in the Pipe Length Box"}}},
    {"frmWater",
     {{"txtWidth", "2"}, {"txtLength", "3"}, {"txtDepth", "4"}},
     {"Command1"},
     {{"txtWidth", "Command1", "Please enter a value in the Width Box"},
      {"txtLength", "Command1", "Please enter a value in the Length Box"},
      {"txtDepth", "Command1", "Please enter a value in the Depth Box"}}},
    {"frmLength",
     {{"txtcm", "100"}, {"txtm", "2"}, {"txtin", "12"}, {"txtft", "3"}},
     {"Command1"},
     {{"txtcm", "Command1", "", "", "lblcm_cm"},
      {"txtm", "Command1", "", "", "lblm_m"},
      {"txtin", "Command1", "", "", "lblin_in"},
      {"txtft", "Command1", "", "", "lblft_ft"}}},
};

const QStringList kRuntimeErrors{"Type mismatch", "Overflow", "Floating-point error", "Subscript out of range",
                                 "Out of memory"};

bool isRuntimeError(const Message &m)
{
    return m.title == "Corvane" && m.style == 16 && kRuntimeErrors.contains(m.text);
}

// What a press left on show: the messages, and every result box and label of the window.
struct Outcome {
    QList<Message> messages;
    std::map<QString, QString> shown;
};

QString describe(const Outcome &o)
{
    QStringList out;
    for (const Message &m : o.messages)
        out << QStringLiteral("box \"%1\" (\"%2\", %3)").arg(m.text, m.title).arg(m.style);
    for (const auto &[name, text] : o.shown)
        if (!text.isEmpty())
            out << QStringLiteral("%1=%2").arg(name, text.left(40));
    return out.join(", ");
}

std::map<QString, QString> outputsOf(Form &form)
{
    std::map<QString, QString> shown;
    for (QLineEdit *box : form.view()->findChildren<QLineEdit *>())
        if (box->isReadOnly())
            shown[box->objectName()] = box->text();
    for (QLabel *label : form.view()->findChildren<QLabel *>())
        shown[label->objectName()] = label->text();
    return shown;
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    std::map<QString, int> tally;
    QList<Message> preparing; // boxes shown while good values were worked out: there must be none

    const Window &windowNamed(const QString &name)
    {
        return *std::find_if(kWindows.begin(), kWindows.end(), [&](const Window &w) { return name == w.name; });
    }

    // Long texts are pasted rather than typed, as a user would bring them in.
    void enter(Form &form, const char *box, const QString &text)
    {
        if (text.size() > 64)
            form.controlAs<QLineEdit>(box)->setText(text);
        else
            typeInto(form, box, text);
    }

    // Good values everywhere and every figure worked out, then the text in the box and its button.
    Outcome press(const Window &w, const Box &box, const QString &text, std::map<QString, QString> *prepared = nullptr)
    {
        Form &form = *workspace->formNamed(w.name);
        for (const auto &[name, good] : w.good)
            enter(form, name, good);
        for (const char *button : w.prepare) {
            if (qstrncmp(button, "chk", 3) == 0 && form.value(button) == 1)
                continue;
            click(form, button);
        }
        preparing += messages.take();
        if (prepared)
            *prepared = outputsOf(form);
        enter(form, box.name, text);
        click(form, box.button);
        return {messages.take(), outputsOf(form)};
    }

private slots:
    void initTestCase()
    {
        workspace = startProgram();
        // Lines on the list, so that there is something to lose.
        CostList &costs = workspace->frmCosts();
        costs.post(Material::Block, "Block   =   400   X   $1.25   =   $500", 500, {});
        costs.post(Material::Cement, "Cement   =   1   X   $5   =   $5", 5, {});
        for (const Window &w : kWindows)
            workspace->formNamed(w.name)->Show();
        CHECK_NO_MESSAGES(messages);
    }
    void cleanupTestCase()
    {
        QStringList counts;
        for (const auto &[outcome, count] : tally)
            counts << QStringLiteral("%1: %2").arg(outcome).arg(count);
        qInfo("%s", qPrintable(counts.join("; ")));
        workspace.reset();
        settle();
    }

    void everyBoxTakesBadInput_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("input");
        for (const Window &w : kWindows)
            for (int b = 0; b < int(w.boxes.size()); ++b)
                for (int i = 0; i < kInputs.size(); ++i)
                    QTest::addRow("%s %s, %s", w.name, w.boxes[b].name, kInputs[i].name) << w.name << b << i;
    }
    void everyBoxTakesBadInput()
    {
        QFETCH(QString, window);
        QFETCH(int, box);
        QFETCH(int, input);
        const Window &w = windowNamed(window);
        const Box &b = w.boxes[box];
        const Input &in = kInputs[input];
        CostList &costs = workspace->frmCosts();
        const Snapshot listBefore = snapshotOf(costs);

        std::map<QString, QString> prepared;
        preparing.clear();
        Outcome bad = press(w, b, in.text, &prepared);
        QCOMPARE(preparing, QList<Message>{});
        QVERIFY2(snapshotOf(costs) == listBefore, qPrintable(describe(snapshotOf(costs))));
        for (const Message &m : bad.messages)
            QVERIFY2((m == Message{b.message, "Error", 16}) || isRuntimeError(m), qPrintable(describe(bad)));

        // The typed text is the one cell that is not a figure.
        if (*b.verbatimCell) {
            const bool rowWritten = bad.shown[b.verbatimCell] != prepared[b.verbatimCell];
            if (rowWritten)
                QCOMPARE(bad.shown[b.verbatimCell], in.text);
            bad.shown.erase(b.verbatimCell);
            prepared.erase(b.verbatimCell);
        }

        const bool refusedWithMessage = *b.message && bad.messages.contains(Message{b.message, "Error", 16});
        const bool refusedSilently = !*b.message && bad.messages.isEmpty() && bad.shown == prepared;
        if (refusedWithMessage || (refusedSilently && in.reading != Reading::Number)) {
            QVERIFY2(in.reading != Reading::Number, qPrintable(describe(bad)));
            ++tally[refusedWithMessage ? QStringLiteral("the window's message") : QStringLiteral("row left as it was")];
            if (!*b.refusedAs) {
                QVERIFY2(bad.shown == prepared, qPrintable(describe(bad)));
                QVERIFY2(refusedSilently || bad.messages.size() == 1, qPrintable(describe(bad)));
                return;
            }
            Outcome stand = press(w, b, b.refusedAs);
            stand.messages.prepend(Message{b.message, "Error", 16});
            QVERIFY2(bad.messages == stand.messages && bad.shown == stand.shown,
                     qPrintable(describe(bad) + "\nas refused: " + describe(stand)));
            return;
        }

        QVERIFY2(in.reading != Reading::NotANumber, qPrintable("taken as a number: " + describe(bad)));
        Outcome plain = press(w, b, in.plain);
        if (*b.verbatimCell)
            plain.shown.erase(b.verbatimCell);
        QVERIFY2(bad.messages == plain.messages && bad.shown == plain.shown,
                 qPrintable(describe(bad) + "\nwritten plainly: " + describe(plain)));
        ++tally[bad.messages.isEmpty() ? QStringLiteral("a result") : "runtime error " + bad.messages.last().text];
        QVERIFY2(snapshotOf(costs) == listBefore, qPrintable(describe(snapshotOf(costs))));
    }
};

QTEST_MAIN(BadInputTest)
#include "test_badinput.moc"
