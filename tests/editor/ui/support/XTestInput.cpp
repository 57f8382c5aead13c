#include "XTestInput.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstring>

// After Qt's headers: Xlib defines names Qt uses.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace XTestInput {
namespace {

constexpr int kWaitMs = 15000;
constexpr int kClientMessage = 33;

Display* g_display = nullptr;
Atom g_marker = 0;
unsigned long g_sent = 0;
unsigned long g_seen = 0;

// A client message sent after the input reaches Qt after every event the input caused.
class MarkerFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* bytes = static_cast<const unsigned char*>(message);
        quint32 atom = 0, number = 0;
        if (type != "xcb_generic_event_t" || (bytes[0] & 0x7f) != kClientMessage) return false;
        std::memcpy(&atom, bytes + 8, 4);
        std::memcpy(&number, bytes + 12, 4);
        if (atom != g_marker) return false;
        g_seen = number;
        return true;
    }
};

Window MarkerWindow() {
    static QWindow* window = new QWindow;  // left to the end of the process, after Qt's own windows
    return static_cast<Window>(window->winId());
}

void Sync() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = MarkerWindow();
    event.xclient.message_type = g_marker;
    event.xclient.format = 32;
    const unsigned long number = ++g_sent;
    event.xclient.data.l[0] = static_cast<long>(number);
    XSendEvent(g_display, event.xclient.window, False, NoEventMask, &event);
    XSync(g_display, False);
    WaitFor([number] { return g_seen >= number; });
    QCoreApplication::processEvents();
}

void Key(unsigned long keysym, bool down) {
    XTestFakeKeyEvent(g_display, XKeysymToKeycode(g_display, keysym), down, CurrentTime);
}

}  // namespace

bool Open() {
    if (g_display) return true;
    int event, error, major, minor;
    g_display = XOpenDisplay(nullptr);
    if (!g_display || !XTestQueryExtension(g_display, &event, &error, &major, &minor)) return false;
    g_marker = XInternAtom(g_display, "PEL_XTEST_MARKER", False);
    static MarkerFilter filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
    return true;
}

void MoveTo(const QWidget& widget, QPoint pos) {
    // Where the server has the window, which Qt learns only later when the window manager moves it.
    const QWidget& window = *widget.window();
    const QPoint inWindow = widget.mapTo(&window, pos);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(g_display, static_cast<Window>(window.winId()), DefaultRootWindow(g_display),
                          inWindow.x(), inWindow.y(), &x, &y, &child);
    XTestFakeMotionEvent(g_display, -1, x, y, CurrentTime);
    Sync();
}

void LeftButton(bool down) {
    XTestFakeButtonEvent(g_display, 1, down, CurrentTime);
    Sync();
}

void Click(const QWidget& widget, QPoint pos) {
    MoveTo(widget, pos);
    LeftButton(true);
    LeftButton(false);
}

void Keys(std::initializer_list<unsigned long> keysyms) {
    for (unsigned long keysym : keysyms) Key(keysym, true);
    for (auto it = std::rbegin(keysyms); it != std::rend(keysyms); ++it) Key(*it, false);
    Sync();
}

void Type(const QString& text) {
    for (const QChar c : text) {
        const KeySym keysym = c.unicode();
        const KeyCode code = XKeysymToKeycode(g_display, keysym);
        const bool shift = XkbKeycodeToKeysym(g_display, code, 0, 0) != keysym;
        if (shift) Key(XK_Shift_L, true);
        Key(keysym, true);
        Key(keysym, false);
        if (shift) Key(XK_Shift_L, false);
    }
    Sync();
}

bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, kWaitMs);
}

void WhenReady(QObject& owner, std::function<bool()> ready, std::function<void()> step) {
    auto* timer = new QTimer(&owner);
    QObject::connect(timer, &QTimer::timeout, [timer, ready = std::move(ready), step = std::move(step)] {
        if (!ready()) return;
        timer->deleteLater();
        timer->stop();
        step();
    });
    timer->start(20);
}

}  // namespace XTestInput
