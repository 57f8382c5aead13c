#include "PaneFocusLook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

namespace {

// Whether a pane is muted is kept beside it: its palette cannot tell, as the application's palette, set
// whole by the look, counts as set in every widget's.
constexpr char kMuted[] = "paneMuted";

void ShowFocused(QAbstractItemView& view, bool focused) {
    if (view.property(kMuted).toBool() != focused) return;
    view.setProperty(kMuted, !focused);
    if (focused) {
        view.setPalette(QPalette());  // the window's again
        return;
    }
    const QPalette window = view.parentWidget() ? view.parentWidget()->palette() : QApplication::palette();
    QPalette muted;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        muted.setColor(group, QPalette::Highlight, PaneFocusLook::MutedHighlight(view));
        muted.setColor(group, QPalette::HighlightedText, window.color(group, QPalette::Text));
    }
    view.setPalette(muted);
}

}  // namespace

PaneFocusLook::PaneFocusLook(QWidget& window) : QObject(&window), m_window(window) {
    connect(qApp, &QApplication::focusChanged, this, &PaneFocusLook::OnFocusChanged);
}

QColor PaneFocusLook::MutedHighlight(const QWidget& pane) {
    const QPalette palette = pane.parentWidget() ? pane.parentWidget()->palette() : QApplication::palette();
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    // A third of the highlight over the base: still a selection, plainly not the focused one.
    const auto mix = [](int h, int b) { return (h + 2 * b) / 3; };
    return QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                  mix(highlight.blue(), base.blue()));
}

QAbstractItemView* PaneFocusLook::PaneOf(QWidget* widget) const {
    QAbstractItemView* view = nullptr;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) view = v;  // the outermost: a cell editor's grid
        if (w == &m_window) return view;
        // A dialog's or a popup's lists are not panes; a floating pane is still one.
        if (w->isWindow() && !qobject_cast<QDockWidget*>(w)) return nullptr;
    }
    return nullptr;
}

void PaneFocusLook::OnFocusChanged(QWidget*, QWidget* now) {
    // The application lost the focus (the window's inactive colours show that), or the menu bar took it for
    // the keyboard's walk through the menus, which ends where it began.
    if (!now || qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
    // Every pane, so that one opened meanwhile without the focus looks as the others do.
    QAbstractItemView* focused = PaneOf(now);
    for (QAbstractItemView* view : m_window.findChildren<QAbstractItemView*>())
        if (PaneOf(view) == view) ShowFocused(*view, view == focused);
}
