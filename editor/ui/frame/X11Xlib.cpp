#include <dlfcn.h>
#include <QGuiApplication>

#include "X11Xlib.h"

#ifdef PEL_HAVE_X11_HEADERS
#include <QtGui/qguiapplication_platform.h>

namespace X11Xlib {

Display* QtDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

const Calls* Get() {
    static const std::optional<Calls> calls = []() -> std::optional<Calls> {
        // The X11 platform has loaded Xlib already; this only finds it. Kept for the process's life.
        void* library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library) return std::nullopt;
        Calls found;
        const auto resolve = [library](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(dlsym(library, name));
            return call != nullptr;
        };
        if (!resolve(found.getInputFocus, "XGetInputFocus") || !resolve(found.queryTree, "XQueryTree") ||
            !resolve(found.free, "XFree") || !resolve(found.internAtom, "XInternAtom") ||
            !resolve(found.getWindowProperty, "XGetWindowProperty"))
            return std::nullopt;
        return found;
    }();
    return calls ? &*calls : nullptr;
}

std::optional<unsigned long> FirstItemOf(Display* display, Window window, const char* property) {
    const Calls* xlib = Get();
    if (!xlib) return std::nullopt;
    const Atom name = xlib->internAtom(display, property, True);
    if (name == None) return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> item;
    if (xlib->getWindowProperty(display, window, name, 0, 1, False, AnyPropertyType, &type, &format, &count,
                                &left, &data) == Success &&
        data && format == 32 && count > 0)
        item = *reinterpret_cast<const unsigned long*>(data);  // Xlib hands 32-bit items as longs
    if (data) xlib->free(data);
    return item;
}

std::optional<Window> ParentOf(Display* display, Window window) {
    const Calls* xlib = Get();
    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (!xlib || !xlib->queryTree(display, window, &root, &parent, &children, &count)) return std::nullopt;
    if (children) xlib->free(children);
    if (parent == None || window == root) return std::nullopt;
    return parent;
}

}  // namespace X11Xlib

#endif
