// Makes real widgets from a window's table.
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "ui/layout.h"

namespace corvane {

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
// and to its list of notifications. So the notification stays in view until the next one.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget *parent);
    void say(const QString &text);

private:
    void tell();

    QLabel *text_;
    QStringList said_;
};

// The client widget of a window: its size, colour, font and every control, in tab order.
// Returns the control that takes the focus first, if any.
QWidget *buildControls(const FormLayout &layout, QWidget *view);

} // namespace corvane
