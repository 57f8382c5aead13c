#include "XTestInput.h"

#include <QString>
#include <QTest>
#include <QWidget>

// After Qt's headers: Xlib's macros.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace XInput {
namespace {

Display* Server() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

}  // namespace

bool Available() {
    int event, error, major, minor;
    return Server() && XTestQueryExtension(Server(), &event, &error, &major, &minor);
}

void MoveTo(const QWidget& widget, QPoint pos) {
    const QPoint at = widget.mapTo(widget.window(), pos);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(Server(), widget.window()->winId(), DefaultRootWindow(Server()), at.x(), at.y(), &x,
                          &y, &child);
    XTestFakeMotionEvent(Server(), -1, x, y, CurrentTime), XFlush(Server());
}

void Button(bool down, int button) {
    XTestFakeButtonEvent(Server(), button, down, CurrentTime), XFlush(Server());
}

void Keys(std::initializer_list<unsigned long> keys) {
    for (KeySym k : keys) XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), k), True, CurrentTime);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
        XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), *k), False, CurrentTime);
    XFlush(Server());
}

void Type(const QString& text) {
    for (QChar c : text) Keys({c.unicode()});
}

bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 15000);
}

}  // namespace XInput
