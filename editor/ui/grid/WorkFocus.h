#pragma once

class QWidget;

// The widget the user works in: the focus widget, except while the menu bar holds the focus for
// keyboard navigation (Alt, Alt+letter), when it is the widget the menu bar took the focus from and
// gives it back to. A menu's commands act there, however the menu was opened.
namespace WorkFocus {

// Starts following the application's focus; later calls do nothing.
void Follow();
QWidget* Widget();
inline bool Has(const QWidget* widget) {
    return widget && Widget() == widget;
}

}  // namespace WorkFocus
