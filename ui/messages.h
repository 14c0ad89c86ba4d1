// Message boxes and the guard every event handler runs through.
#pragma once

#include <QString>
#include <functional>

namespace corvane {

inline const QString kAppTitle = QStringLiteral("Corvane");

// Message-box styles: the icon the box shows.
enum MessageStyle : int { NoIcon = 0, Critical = 16, Exclamation = 48, Information = 64 };

// The title of the boxes that turn bad input away, in the user's language.
QString ErrorTitle();

// A modal box with one OK button; the caller waits until the user closes it. An empty title
// shows the application title.
void ShowMessage(const QString &text, const QString &title = QString(), int style = NoIcon);

// What actually presents a message. The program shows a QMessageBox; tests record instead.
using MessagePresenter = std::function<void(const QString &text, const QString &title, int style)>;
MessagePresenter SetMessagePresenter(MessagePresenter presenter); // returns the one it replaces

// Runs one event handler. A runtime error abandons the handler at the step that raised it, is
// reported in a box that names it, and the program goes on with the next event. True when the
// handler ran to its end.
bool RunHandler(const std::function<void()> &handler);

} // namespace corvane
