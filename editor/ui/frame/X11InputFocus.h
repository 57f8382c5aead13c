#pragma once
#include <optional>

class QWidget;
class QWindow;

// Where the X server has the keyboard focus, on the display Qt's X11 platform uses. Qt learns that a
// window lost the focus only a while later (it waits for a focus-in that may follow), and keys go where
// the server has the focus, so whoever must know asks the server. Xlib is looked up at run time, as for
// the keyboard indicators. Nothing is known when the platform is not X11 or the server cannot be asked.
namespace X11InputFocus {

struct Holder {
    enum Kind {
        // No window, the root, the window manager's own window, or a window of the editor that is no longer
        // shown (a dialog just closed): keys typed now reach no one.
        Nobody,
        Editor,        // one of the editor's shown windows
        OtherProgram,  // another client's window: the user's choice
    };
    Kind kind = Nobody;
    QWindow* window = nullptr;  // Editor: the top-level window that has the focus
};

std::optional<Holder> Current();
// Whether the server's focus is on the window or inside it.
std::optional<bool> IsIn(const QWidget& window);
// Whether the window manager holds the window iconified; Qt hears of it later.
std::optional<bool> IsIconic(const QWidget& window);

}  // namespace X11InputFocus
