// The program's own controls: a push button that Return presses, a text box that keeps quiet
// about its caret as the focus comes and goes, and a plain rule.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QWidget>

// In a namespace of their own, apart from the table rows of the same names (ui/layout.h).
namespace corvane::widgets {

// No button is a default button, and a toolkit button that is not one ignores Return; yet a
// keyboard user expects Return or Enter on the focused button to press it, as Space does.
// Auto-repeat does not press again, so holding the key posts a line once.
class PushButton : public QPushButton {
public:
    PushButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Taking the focus, a box sets its caret and selection, and the toolkit tells of them before it
// tells of the focus; losing it, the box drops its selection and tells of that. A screen reader
// that hears of the caret first takes the box as announced already (tabbing into an empty box was
// met with silence), and one that hears of a selection speaks it out of turn ("20 selected" before
// the box's name, "text unselected" as the keyboard leaves). Told of the focus, a screen reader
// reads the box's text, caret and selection itself, so none of them is told as the focus comes or
// goes. Its own meta-object tells a box apart from the plain line edit it is while the toolkit
// builds it, so that what a screen reader is given for it is this program's (ui/hearing.cpp).
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Where a character is drawn, in the box's own coordinates; empty past the end of the text.
    QRect characterRect(int offset) const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// A plain straight rule, with a meta-object of its own for the same reason as the box's.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint from_, to_;
    int width_;
    QColor colour_;
};

} // namespace corvane::widgets
