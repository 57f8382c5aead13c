#pragma once
#include "LockKeyState.h"

// The keyboard's indicators from the X server (XKB), on the display Qt's X11 platform uses. Xlib is
// loaded when first needed, so the editor runs without it and on other platforms; there, and when
// the server does not answer, nothing is read.
class X11KeyboardIndicators final : public IKeyboardIndicatorSource {
public:
    X11KeyboardIndicators();
    ~X11KeyboardIndicators() override;
    X11KeyboardIndicators(const X11KeyboardIndicators&) = delete;
    X11KeyboardIndicators& operator=(const X11KeyboardIndicators&) = delete;

    std::optional<KeyboardIndicators> ReadIndicators() override;

private:
    struct Xlib;
    Xlib* m_xlib = nullptr;
};
