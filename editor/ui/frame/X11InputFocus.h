#pragma once
#include <optional>

class QWidget;

// Where the X server has the keyboard focus, on the display Qt's X11 platform uses. Qt learns that a
// window lost the focus only a while later (it waits for a focus-in that may follow), and keys go where
// the server has the focus, so whoever must know asks the server. Xlib is looked up at run time, as for
// the keyboard indicators.
namespace X11InputFocus {

// Whether the server's focus is on the window or inside it; nothing when the platform is not X11 or the
// server cannot be asked.
std::optional<bool> IsIn(const QWidget& window);

}  // namespace X11InputFocus
