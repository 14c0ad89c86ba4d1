#include "support/testsupport.h"

#include "app/mainwindow.h"
#include "app/workspace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace corvane::testing {

MessageRecorder::MessageRecorder()
{
    auto record = [this](const QString &text, const QString &title, int style) {
        messages_.append({text, title, style});
    };
    previous_ = SetMessagePresenter(record);
}

MessageRecorder::~MessageRecorder()
{
    SetMessagePresenter(previous_);
}

QList<Message> MessageRecorder::take()
{
    return std::exchange(messages_, {});
}

QString MessageRecorder::describe() const
{
    QStringList lines;
    for (const Message &m : messages_)
        lines << QStringLiteral("unexpected message box: \"%1\" (\"%2\", %3)").arg(m.text, m.title).arg(m.style);
    return lines.join('\n');
}

std::unique_ptr<Workspace> startProgram(std::function<void()> onEnd)
{
    auto workspace = std::make_unique<Workspace>();
    workspace->setOnEnd(std::move(onEnd));
    workspace->start();
    return workspace;
}

void typeInto(Form &form, const QString &box, const QString &text)
{
    auto *edit = form.controlAs<QLineEdit>(box);
    edit->setFocus();
    edit->selectAll();
    edit->del();
    if (!text.isEmpty())
        QTest::keyClicks(edit, text);
    // keyClicks can't type every character (tabs, for one); the box must hold the text anyway.
    if (edit->text() != text)
        edit->setText(text);
}

void click(Form &form, const QString &button)
{
    auto *b = form.controlAs<QAbstractButton>(button);
    QVERIFY2(b->isEnabled() && b->isVisibleTo(form.view()), qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

QString shown(Form &form, const QString &control)
{
    return form.text(control);
}

QString builtTranslations()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../translations");
}

std::unique_ptr<Workspace> startProgramCountingEnds(int &ends)
{
    ends = 0;
    auto workspace = startProgram([&ends] { ++ends; });
    settle();
    return workspace;
}

QStringList stacking(Workspace &workspace)
{
    QStringList names;
    for (QMdiSubWindow *sub : workspace.mdiMain().area()->subWindowList(QMdiArea::StackingOrder))
        if (sub->isVisible())
            names << sub->widget()->objectName();
    return names;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void endProgram(std::unique_ptr<Workspace> &workspace, MessageRecorder &messages)
{
    const auto reset = qScopeGuard([&] {
        workspace.reset();
        settle();
        messages.take();
    });
    CHECK_NO_MESSAGES(messages);
}

} // namespace corvane::testing
