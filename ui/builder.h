// Makes real widgets from a window's table: each control from its row, in its place, with its
// caption tied to it, in the tab order. How they look (ui/look.h) and what a screen reader hears
// of them (ui/hearing.h) it leaves to those.
#pragma once

#include <QWidget>

#include "ui/layout.h"

namespace corvane {

// The client widget of a window: its size, colour, font and every control, in tab order.
// Returns the control that takes the focus first, if any.
QWidget *buildControls(const FormLayout &layout, QWidget *view);

} // namespace corvane
