// The look of every window: fonts, colours that read on their background and follow the system
// theme, the compact style that gives captions their room, and captions set smaller to fit.
#pragma once

#include <QFont>
#include <QLabel>
#include <QStyle>
#include <QWidget>

#include "ui/layout.h"

namespace corvane {

// The fonts the tables name, mapped to fonts of close widths that every desktop has; sized in
// pixels at 96 dpi so that captions fit their controls on any screen (the device-pixel ratio
// takes care of high-density screens).
QFont fontFor(const FontSpec &spec);

// The application's style with captions given the room they need and text boxes unpadded.
QStyle *compactStyle();

// A caption that has room for a second line wraps at its blanks.
void wrapIfTallEnough(QLabel *label);

// A caption too wide for its control is set in smaller type.
void shrinkToFit(QWidget *w);

// A label whose caption is longer than its table foresaw keeps its right edge and grows to the
// left, in FONT, no further than the pixel LEFTMOST; only past that is it set smaller.
void growLeftToFit(QLabel *label, const QFont &font, int leftmost);

// The window's and its controls' colours from its table, now and after each change of system theme.
void followTheme(const FormLayout &layout, QWidget *view);

} // namespace corvane
