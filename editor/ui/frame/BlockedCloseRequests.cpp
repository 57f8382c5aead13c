#include "BlockedCloseRequests.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include "X11Xlib.h"

#ifdef PEL_HAVE_X11_HEADERS
#include <xcb/xcb.h>
#endif

BlockedCloseRequests::BlockedCloseRequests(QWidget& window, std::function<bool()> take)
    : m_window(window), m_take(std::move(take)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

BlockedCloseRequests::~BlockedCloseRequests() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool BlockedCloseRequests::nativeEventFilter([[maybe_unused]] const QByteArray& eventType,
                                             [[maybe_unused]] void* message, qintptr*) {
#ifdef PEL_HAVE_X11_HEADERS
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    const QWindow* handle = m_window.windowHandle();
    Display* display = X11Xlib::QtDisplay();
    const X11Xlib::Calls* xlib = X11Xlib::Get();
    if (request->format != 32 || !handle || request->window != handle->winId() || !display || !xlib)
        return false;
    // Both exist once a window has taken part in the protocol.
    static const Atom protocols = xlib->internAtom(display, "WM_PROTOCOLS", True);
    static const Atom deleteWindow = xlib->internAtom(display, "WM_DELETE_WINDOW", True);
    return request->type == protocols && request->data.data32[0] == deleteWindow && m_take();
#else
    return false;
#endif
}
