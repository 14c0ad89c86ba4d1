// Whether there is a display to start on, told by trying the connection the toolkit would make rather than by
// its warnings, whose wording varies with the release and the language.
#pragma once

#include <QString>

namespace corvane {

// Whether a display server answers for the window system the toolkit would start on: the platforms the
// command line's -platform or else QT_QPA_PLATFORM names, else Wayland where the session names it and X; X
// at the command line's -display or else DISPLAY. A server that answers but refuses the program (another
// user's display, without its authority) answers. Asked once the toolkit has failed to start, it looks no
// name up and tries this machine alone: an X server on another host counts as none. A platform with no
// display server (offscreen) or unknown here answers too, its own messages being the ones that tell what
// went wrong.
bool displayServerAnswers(const QString &platform, const QString &display);

} // namespace corvane
