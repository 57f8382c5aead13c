#pragma once
// Xlib on the display Qt's X11 platform uses, looked up at run time: the editor needs no X library offscreen
// or on another platform. Include it after Qt's headers (Xlib defines macros that clash with Qt's names).
#include <QtGui/qtguiglobal.h>

#include <optional>

#if QT_CONFIG(xcb)
#include <X11/Xlib.h>
#define PEL_HAVE_X11_HEADERS 1

namespace X11Xlib {

struct Calls {
    decltype(&XGetInputFocus) getInputFocus = nullptr;
    decltype(&XQueryTree) queryTree = nullptr;
    decltype(&XFree) free = nullptr;
    decltype(&XInternAtom) internAtom = nullptr;
    decltype(&XGetWindowProperty) getWindowProperty = nullptr;
};

// Qt's display, null when the platform is not X11.
Display* QtDisplay();
// Null when Xlib or one of its calls cannot be found.
const Calls* Get();
// The first 32-bit item of a window's property (a window id, a state); nothing without the property.
std::optional<unsigned long> FirstItemOf(Display* display, Window window, const char* property);
// The window's parent, nothing at the root or when the server cannot say.
std::optional<Window> ParentOf(Display* display, Window window);

}  // namespace X11Xlib

#endif
