#include "PaneKeys.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

void AddKeys(QWidget& window, const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(&window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, std::move(run));
    window.addAction(action);
}

void MakeALineCurrent(QWidget& widget) {
    auto* list = qobject_cast<QAbstractItemView*>(&widget);
    if (!list || !list->model() || list->currentIndex().isValid() || list->model()->rowCount() == 0) return;
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

}  // namespace

PaneKeys::PaneKeys(QWidget& window, QDockWidget& tree, QMdiArea& parts, QDockWidget& output,
                   QWidget& outputList)
    : QObject(&window), m_tree(tree), m_parts(parts), m_output(output), m_outputList(outputList) {
    AddKeys(window, {Qt::Key_F6}, [this] { MoveToPane(1); });
    AddKeys(window, {Qt::SHIFT | Qt::Key_F6}, [this] { MoveToPane(-1); });
    AddKeys(window, {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_F6}, [this] { MoveToPartWindow(1); });
    // Shift+Tab arrives as Backtab.
    AddKeys(window,
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
             Qt::CTRL | Qt::SHIFT | Qt::Key_F6},
            [this] { MoveToPartWindow(-1); });
}

QList<PaneKeys::Pane> PaneKeys::Panes() const {
    QList<Pane> panes;
    if (m_tree.isVisible() && m_tree.widget()) panes.append({&m_tree, m_tree.widget()});
    // The part's pane takes in the tab area, its tabs included.
    if (QMdiSubWindow* part = m_parts.activeSubWindow(); part && part->widget())
        panes.append({&m_parts, part->widget()});
    if (m_output.isVisible()) panes.append({&m_output, &m_outputList});
    return panes;
}

void PaneKeys::MoveToPane(int step) {
    const QList<Pane> panes = Panes();
    if (panes.isEmpty()) return;
    const QWidget* focus = QApplication::focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (focus && panes[i].area->isAncestorOf(focus)) at = i;
    // From outside every pane, F6 starts at the first and Shift+F6 at the last.
    const qsizetype count = panes.size();
    const qsizetype next = at < 0 ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
    QWidget& target = *panes[next].focus;
    Focus(target);
    // A list shows where its focus is only on a current line; the grid keeps a current cell of its own.
    if (panes[next].area != &m_parts) MakeALineCurrent(target.focusProxy() ? *target.focusProxy() : target);
}

void PaneKeys::MoveToPartWindow(int step) {
    const QList<QMdiSubWindow*> windows = m_parts.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    const qsizetype count = windows.size();
    const qsizetype at = windows.indexOf(m_parts.activeSubWindow());
    QMdiSubWindow* next = windows[at < 0 ? 0 : ((at + step) % count + count) % count];
    m_parts.setActiveSubWindow(next);
    if (next->widget()) Focus(*next->widget());
}

void PaneKeys::Focus(QWidget& widget) {
    if (!widget.window()->isActiveWindow()) widget.window()->activateWindow();  // a floating pane
    widget.setFocus(Qt::ShortcutFocusReason);
}
