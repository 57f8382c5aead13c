#include "X11KeyboardIndicators.h"

#include <dlfcn.h>
#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Xlib's headers only declare the functions; they are looked up at run time.
#include <X11/XKBlib.h>
#define PEL_HAVE_X11_HEADERS 1
#endif

#ifdef PEL_HAVE_X11_HEADERS

struct X11KeyboardIndicators::Xlib {
    void* library = nullptr;
    decltype(&XkbGetIndicatorState) getIndicatorState = nullptr;
    decltype(&XkbAllocKeyboard) allocKeyboard = nullptr;
    decltype(&XkbGetNames) getNames = nullptr;
    decltype(&XkbFreeKeyboard) freeKeyboard = nullptr;
    decltype(&XGetAtomNames) getAtomNames = nullptr;
    decltype(&XFree) free = nullptr;

    bool Load() {
        // The X11 platform has loaded Xlib already; this only finds it.
        library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library) return false;
        const auto resolve = [this](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            return function != nullptr;
        };
        return resolve(getIndicatorState, "XkbGetIndicatorState") &&
               resolve(allocKeyboard, "XkbAllocKeyboard") && resolve(getNames, "XkbGetNames") &&
               resolve(freeKeyboard, "XkbFreeKeyboard") && resolve(getAtomNames, "XGetAtomNames") &&
               resolve(free, "XFree");
    }
    ~Xlib() {
        if (library) dlclose(library);
    }
};

namespace {

Display* QtDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

X11KeyboardIndicators::X11KeyboardIndicators() {
    if (!QtDisplay()) return;
    m_xlib = new Xlib;
    if (!m_xlib->Load()) {
        delete m_xlib;
        m_xlib = nullptr;
    }
}

X11KeyboardIndicators::~X11KeyboardIndicators() {
    delete m_xlib;
}

std::optional<KeyboardIndicators> X11KeyboardIndicators::ReadIndicators() {
    Display* display = m_xlib ? QtDisplay() : nullptr;
    if (!display) return std::nullopt;
    unsigned int lit = 0;
    if (m_xlib->getIndicatorState(display, XkbUseCoreKbd, &lit) != Success) return std::nullopt;

    // The names are read each time: another keyboard map may order the indicators differently.
    XkbDescPtr keyboard = m_xlib->allocKeyboard();
    if (!keyboard) return std::nullopt;
    std::optional<KeyboardIndicators> result;
    if (m_xlib->getNames(display, XkbIndicatorNamesMask, keyboard) == Success && keyboard->names) {
        // Unnamed indicators have no atom, and asking for its name would fail the whole request.
        Atom atoms[XkbNumIndicators];
        int indexes[XkbNumIndicators];
        int named = 0;
        for (int i = 0; i < XkbNumIndicators; ++i) {
            if (keyboard->names->indicators[i] == None) continue;
            atoms[named] = keyboard->names->indicators[i];
            indexes[named++] = i;
        }
        char* names[XkbNumIndicators] = {};
        if (named == 0 || m_xlib->getAtomNames(display, atoms, named, names)) {
            result.emplace();
            result->lit = lit;
            result->names.resize(XkbNumIndicators);
            for (int n = 0; n < named; ++n) {
                if (!names[n]) continue;
                result->names[indexes[n]] = QString::fromLatin1(names[n]);
                m_xlib->free(names[n]);
            }
        }
    }
    m_xlib->freeKeyboard(keyboard, 0, True);
    return result;
}

#else

struct X11KeyboardIndicators::Xlib {};
X11KeyboardIndicators::X11KeyboardIndicators() = default;
X11KeyboardIndicators::~X11KeyboardIndicators() = default;
std::optional<KeyboardIndicators> X11KeyboardIndicators::ReadIndicators() {
    return std::nullopt;
}

#endif
