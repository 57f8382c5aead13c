#include "X11InputFocus.h"

#include <QGuiApplication>
#include <QHash>
#include <QWidget>
#include <QWindow>

#include "X11Xlib.h"

namespace X11InputFocus {

#ifdef PEL_HAVE_X11_HEADERS

namespace {

// The window manager puts a window into a frame of its own: a few levels up at most.
constexpr int kMaxDepth = 16;
constexpr unsigned long kIconicState = 3;  // ICCCM's WM_STATE

}  // namespace

std::optional<Holder> Current() {
    Display* display = X11Xlib::QtDisplay();
    const X11Xlib::Calls* xlib = X11Xlib::Get();
    if (!display || !xlib) return std::nullopt;
    Window focus = None;
    int revertTo = 0;
    xlib->getInputFocus(display, &focus, &revertTo);
    const Window root = DefaultRootWindow(display);
    if (focus == None || focus == PointerRoot || focus == root) return Holder{};
    QHash<Window, QWindow*> editor;
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->handle()) editor.insert(static_cast<Window>(window->winId()), window);
    const std::optional<unsigned long> manager =
        X11Xlib::FirstItemOf(display, root, "_NET_SUPPORTING_WM_CHECK");
    Window at = focus;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        if (QWindow* window = editor.value(at)) {
            while (window->parent()) window = window->parent();
            return window->isVisible() ? Holder{Holder::Editor, window} : Holder{};
        }
        if (manager && at == *manager) return Holder{};
        const std::optional<Window> parent = X11Xlib::ParentOf(display, at);
        if (!parent) return std::nullopt;  // gone meanwhile
        if (*parent == root) break;
        at = *parent;
    }
    return Holder{Holder::OtherProgram, nullptr};
}

std::optional<bool> IsIconic(const QWidget& window) {
    Display* display = X11Xlib::QtDisplay();
    const QWindow* handle = window.windowHandle();
    if (!display || !handle || !X11Xlib::Get()) return std::nullopt;
    return X11Xlib::FirstItemOf(display, static_cast<Window>(handle->winId()), "WM_STATE") == kIconicState;
}

#else

std::optional<Holder> Current() {
    return std::nullopt;
}

std::optional<bool> IsIconic(const QWidget&) {
    return std::nullopt;
}

#endif

std::optional<bool> IsIn(const QWidget& window) {
    const std::optional<Holder> holder = Current();
    if (!holder || !window.windowHandle()) return std::nullopt;
    return holder->kind == Holder::Editor && holder->window == window.windowHandle();
}

}  // namespace X11InputFocus
