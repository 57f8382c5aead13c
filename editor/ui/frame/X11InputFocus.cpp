#include "X11InputFocus.h"

#include <dlfcn.h>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#define PEL_HAVE_X11_HEADERS 1
#endif

namespace X11InputFocus {

#ifdef PEL_HAVE_X11_HEADERS

namespace {

struct Xlib {
    decltype(&XGetInputFocus) getInputFocus = nullptr;
    decltype(&XQueryTree) queryTree = nullptr;
    decltype(&XFree) free = nullptr;

    Xlib() {
        // The X11 platform has loaded Xlib already; this only finds it. Kept for the process's life.
        void* library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library) return;
        getInputFocus = reinterpret_cast<decltype(getInputFocus)>(dlsym(library, "XGetInputFocus"));
        queryTree = reinterpret_cast<decltype(queryTree)>(dlsym(library, "XQueryTree"));
        free = reinterpret_cast<decltype(free)>(dlsym(library, "XFree"));
    }
    bool Loaded() const { return getInputFocus && queryTree && free; }
};

// The window manager puts a window into a frame of its own: a few levels up at most.
constexpr int kMaxDepth = 16;

}  // namespace

std::optional<bool> IsIn(const QWidget& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    const QWindow* handle = window.windowHandle();
    if (!display || !handle) return std::nullopt;
    static const Xlib xlib;
    if (!xlib.Loaded()) return std::nullopt;
    const Window target = static_cast<Window>(handle->winId());
    Window focus = None;
    int revertTo = 0;
    xlib.getInputFocus(display, &focus, &revertTo);
    for (int depth = 0; focus != None && focus != PointerRoot && depth < kMaxDepth; ++depth) {
        if (focus == target) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!xlib.queryTree(display, focus, &root, &parent, &children, &count)) return false;
        if (children) xlib.free(children);
        if (parent == root) return false;
        focus = parent;
    }
    return false;
}

#else

std::optional<bool> IsIn(const QWidget&) {
    return std::nullopt;
}

#endif

}  // namespace X11InputFocus
