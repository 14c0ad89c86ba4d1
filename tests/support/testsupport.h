// Shared by the widget tests: a recorder in place of real message boxes, and the user's hands.
#pragma once

#include <QList>
#include <QString>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/form.h"
#include "ui/messages.h"

namespace corvane {
class Workspace;
}

namespace corvane::testing {

// The program started as its entry routine starts it; onEnd stands in for leaving the event loop.
std::unique_ptr<Workspace> startProgram(std::function<void()> onEnd = {});
// The same, counting in ends how often the program would leave its event loop, with the events
// of its start run.
std::unique_ptr<Workspace> startProgramCountingEnds(int &ends);

struct Message {
    QString text;
    QString title;
    int style = 0;
    bool operator==(const Message &) const = default;
};

// Takes the place of the message boxes for its lifetime, so that no modal box can stall a test;
// every box shown is recorded, and a test that leaves one unexamined fails in checkNone().
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    // The boxes shown since the last take, oldest first.
    QList<Message> take();
    bool empty() const { return messages_.isEmpty(); }
    QString describe() const;

private:
    QList<Message> messages_;
    MessagePresenter previous_;
};

// As a user would: replace a box's text, press a button, tick a box or choose an option.
void typeInto(Form &form, const QString &box, const QString &text);
void click(Form &form, const QString &button);
QString shown(Form &form, const QString &control);

// The names of the visible child windows, from the back to the front.
QStringList stacking(Workspace &workspace);

// Where the build put the program's compiled translations.
QString builtTranslations();

// Lets deferred deletions and queued events run.
void settle();

// A row of a test's data, its cells in the order of the columns, a text as a plain literal: one
// line, where a chain of literals after QTest::newRow would be broken into one line each.
template <typename... Cells>
void dataRow(const char *name, const Cells &...cells)
{
    (QTest::newRow(name) << ... << cells);
}

// Takes the program down after a test, whatever the test left: a box the test did not look at
// fails it, and none is left over for the next test.
void endProgram(std::unique_ptr<Workspace> &workspace, MessageRecorder &messages);

} // namespace corvane::testing

namespace QTest {
template <>
inline char *toString(const corvane::testing::Message &m)
{
    return qstrdup(QStringLiteral("{\"%1\", \"%2\", %3}").arg(m.text, m.title).arg(m.style).toUtf8().constData());
}
} // namespace QTest

// Fails the running test when a box was shown that it did not look at.
#define CHECK_NO_MESSAGES(recorder) QVERIFY2((recorder).empty(), qPrintable((recorder).describe()))
