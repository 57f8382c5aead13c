#pragma once
#include <QObject>

class QAbstractItemView;
class QWidget;

// Qt draws every selection of the active window alike, so the tree, the part grids and the output list all
// look focused at once. Here the pane that has the focus shows its selection in the highlight colour and the
// others theirs muted, so a keyboard user sees where a key goes. A pane keeps its look while the focus is in
// its own editor (a cell being edited), in the menus or nowhere in the application.
class PaneFocusLook : public QObject {
public:
    explicit PaneFocusLook(QWidget& window);

    // The muted highlight of a pane without the focus, made from its palette.
    static QColor MutedHighlight(const QWidget& pane);

private:
    void OnFocusChanged(QWidget* old, QWidget* now);
    // The pane's view that holds widget, null when it is in none of the window's panes.
    QAbstractItemView* PaneOf(QWidget* widget) const;

    QWidget& m_window;
};
