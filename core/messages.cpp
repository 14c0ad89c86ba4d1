#include "core/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

#include "core/errors.h"

namespace corvane {
namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style) {
    case Critical: return QMessageBox::Critical;
    case Exclamation: return QMessageBox::Warning;
    case Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

void presentInBox(const QString &text, const QString &title, int style)
{
    QMessageBox box(iconFor(style), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessagePresenter &presenter()
{
    static MessagePresenter current = presentInBox;
    return current;
}

void reportError(const char *name)
{
    ShowMessage(QString::fromUtf8(name), kAppTitle, Critical);
}

} // namespace

void ShowMessage(const QString &text, const QString &title, int style)
{
    presenter()(text, title.isEmpty() ? kAppTitle : title, style);
}

MessagePresenter SetMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

void RunHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        reportError(error.name());
    } catch (const std::bad_alloc &) {
        reportError("Out of memory");
    } catch (const std::exception &error) {
        reportError(error.what());
    }
}

} // namespace corvane
