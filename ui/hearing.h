// What a screen reader hears: the accessible interfaces of the windows' controls and the factory
// that makes them, the results heard with what they mean, what is held back while a menu is open
// or while nothing may be heard, and the announcements.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace corvane {

// A window's client area, built from its table: heard as a window while it stands alone (the
// splash) and as a client inside a child window's frame.
void registerView(QWidget *view);

// Marks a control that shows a result, so that it is heard as what it means and what it shows.
void markResult(QWidget *control);

// A result label's spoken name carries its figure: a new figure is announced as a change of name.
void resultChanged(QLabel *label);

// A result label, or a box only the handlers write.
bool isResult(const QWidget *control);
// A result as it is heard: what it means and what it shows ("Gallons 7481").
QString heardResult(const QWidget *control);

// While one lives, assistive tools are told nothing of what happens.
class Unheard {
public:
    Unheard();
    ~Unheard();
    Unheard(const Unheard &) = delete;
    Unheard &operator=(const Unheard &) = delete;
};

// Tells a screen reader short texts without moving the focus. The texts said in one turn of the
// event loop are told at its end, together and in the order said. Through the toolkit's own
// announcement where it has one (Qt 6.8); before it, through a notification, never drawn, that
// comes into view with the texts as a label inside it: a screen reader speaks a notification as it
// comes into view, and writes the labels it then finds showing inside it to the braille display
// and to its list of notifications. So the notification stays in view until the next one. Its
// meta-object is its own, as a rule's is (ui/widgets.h).
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void say(const QString &text);

private:
    void tell();

    QLabel *text_;
    QStringList said_;
};

} // namespace corvane
