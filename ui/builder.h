// Makes real widgets from a window's table.
#pragma once

#include <QFont>
#include <QLabel>
#include <QWidget>

#include "ui/layout.h"

namespace corvane {

// The fonts the tables name, mapped to fonts of close widths that every desktop has; sized in
// pixels at 96 dpi so that captions fit their controls on any screen (the device-pixel ratio
// takes care of high-density screens).
QFont fontFor(const FontSpec &spec);

// A plain straight rule.
class LineShape : public QWidget {
public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint from_, to_;
    int width_;
    QColor colour_;
};

// A result label's spoken name carries its figure: a new figure is announced as a change of name.
void resultChanged(QLabel *label);

// The client widget of a window: its size, colour, font and every control, in tab order.
// Returns the control that takes the focus first, if any.
QWidget *buildControls(const FormLayout &layout, QWidget *view);

} // namespace corvane
