// Where the start-up windows put themselves. Each works from the whole screen's size and the
// window's outer size in twips, in single precision, so that a half twip is kept rather than
// rounded away and each window lands on the twip its rule gives; a child window's place is
// measured from the main window's client corner, not from the screen's.
#pragma once

#include <QPointF>
#include <QSizeF>

namespace corvane {

// The splash: (screen - window) / 2 on each axis.
QPointF splashPlace(QSizeF screenTwips, QSizeF outerTwips);
// The quick menu: screen / 2 - window / 2 on each axis.
QPointF quickMenuPlace(QSizeF screenTwips, QSizeF outerTwips);
// The title banner: centred across, and raised so that its middle lies a sixth of its height
// above the screen's half-height line.
QPointF bannerPlace(QSizeF screenTwips, QSizeF outerTwips);

} // namespace corvane
