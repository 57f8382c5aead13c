#pragma once
// Mouse and keys sent through the X server's test extension, as a person's devices send them: the server
// routes them by its own grab, focus and activation rules. Include after Qt's headers (Xlib's macros).
#include <QWidget>
#include <initializer_list>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace XTestInput {

// Null without an X display offering the extension.
inline Display* Server() {
    static Display* display = XOpenDisplay(nullptr);
    int event, error, major, minor;
    return display && XTestQueryExtension(display, &event, &error, &major, &minor) ? display : nullptr;
}

// To the widget's point where the server has the window; Qt learns of the window manager's moves later.
inline void MoveTo(const QWidget& widget, QPoint pos) {
    const QPoint at = widget.mapTo(widget.window(), pos);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(Server(), widget.window()->winId(), DefaultRootWindow(Server()), at.x(), at.y(), &x,
                          &y, &child);
    XTestFakeMotionEvent(Server(), -1, x, y, CurrentTime);
    XFlush(Server());
}

// The left button.
inline void Button(bool down) {
    XTestFakeButtonEvent(Server(), 1, down, CurrentTime);
    XFlush(Server());
}

// Presses the keys (X keysyms) in order, then releases them in reverse order.
inline void Keys(std::initializer_list<KeySym> keysyms) {
    for (KeySym keysym : keysyms)
        XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), keysym), True, CurrentTime);
    for (auto it = std::rbegin(keysyms); it != std::rend(keysyms); ++it)
        XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), *it), False, CurrentTime);
    XFlush(Server());
}

}  // namespace XTestInput
