#include "ToolbarCustomizer.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include "CToolbarCustomizeDialog.h"

namespace {

const QString kLayoutKey = QStringLiteral("Toolbars/Layout");
constexpr QSize kIconSize(16, 16);

}  // namespace

ToolbarCustomizer::ToolbarCustomizer(QMainWindow& window, QToolBar& standard, QAction& customizeButton,
                                     std::function<QAction*(int)> commandAction,
                                     const QList<int>& defaultButtons)
    : QObject(&window),
      m_window(window),
      m_standard(standard),
      m_customizeButton(customizeButton),
      m_commandAction(std::move(commandAction)),
      m_layout(defaultButtons) {
    m_standard.setObjectName(ToolbarLayout::kStandardKey);
}

ToolbarCustomizer::~ToolbarCustomizer() {
    EndDrag();
}

void ToolbarCustomizer::Restore() {
    const QString stored = QSettings().value(kLayoutKey).toString();
    const auto known = [this](int id) { return m_commandAction(id) != nullptr; };
    if (!stored.isEmpty())
        if (std::optional<ToolbarLayout> layout =
                ToolbarLayout::Parse(stored.toUtf8(), m_layout.DefaultButtons(), known))
            m_layout = *layout;
    Apply();
}

bool ToolbarCustomizer::Change(const std::function<bool(ToolbarLayout&)>& edit) {
    ToolbarLayout changed = m_layout;
    if (!edit(changed)) return false;
    m_layout = changed;
    Apply();
    Store();
    emit layoutChanged();
    return true;
}

void ToolbarCustomizer::Store() const {
    QSettings().setValue(kLayoutKey, QString::fromUtf8(m_layout.Serialize()));
}

QToolBar* ToolbarCustomizer::ToolBarOf(int bar) const {
    if (bar < 0 || bar >= m_layout.Bars().size()) return nullptr;
    const ToolbarLayout::Bar& entry = m_layout.Bars()[bar];
    return entry.IsStandard() ? &m_standard : m_userBars.value(entry.key);
}

void ToolbarCustomizer::Apply() {
    QSet<QString> kept;
    for (const ToolbarLayout::Bar& entry : m_layout.Bars()) {
        QToolBar* bar = &m_standard;
        if (!entry.IsStandard()) {
            bar = m_userBars.value(entry.key);
            if (!bar) {
                bar = new QToolBar(entry.title, &m_window);
                bar->setObjectName(entry.key);
                m_window.addToolBar(Qt::TopToolBarArea, bar);
                bar->show();  // a stored window state may hide it again
                m_userBars.insert(entry.key, bar);
            }
            bar->setWindowTitle(entry.title);
            kept.insert(entry.key);
        }
        Fill(*bar, entry.buttons);
    }
    for (auto it = m_userBars.begin(); it != m_userBars.end();) {
        if (kept.contains(it.key())) {
            ++it;
            continue;
        }
        m_window.removeToolBar(it.value());
        delete it.value();
        it = m_userBars.erase(it);
    }
}

void ToolbarCustomizer::Fill(QToolBar& bar, const QList<int>& buttons) {
    for (QAction* action : bar.actions()) {
        bar.removeAction(action);
        if (action->parent() == &bar) delete action;  // a separator
    }
    bar.setIconSize(kIconSize);
    for (int id : buttons) {
        if (id == ToolbarLayout::kSeparator)
            bar.addSeparator();
        else if (QAction* action = m_commandAction(id))
            bar.addAction(action);
    }
    if (!buttons.isEmpty()) bar.addSeparator();
    bar.addAction(&m_customizeButton);
    for (QAction* action : bar.actions())
        if (QWidget* button = bar.widgetForAction(action)) button->installEventFilter(this);
}

bool ToolbarCustomizer::Locate(const QToolButton& button, int& bar, int& index) const {
    const auto* toolBar = qobject_cast<const QToolBar*>(button.parentWidget());
    const QAction* action = button.defaultAction();
    if (!toolBar || !action || action == &m_customizeButton) return false;
    for (int i = 0; i < m_layout.Bars().size(); ++i) {
        if (ToolBarOf(i) != toolBar) continue;
        bar = i;
        index = static_cast<int>(m_layout.Bars()[i].buttons.indexOf(action->data().toInt()));
        return index >= 0;
    }
    return false;
}

bool ToolbarCustomizer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
         type != QEvent::MouseButtonRelease) ||
        !watched->isWidgetType())
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (m_drag.bar < 0) {
        auto* button = qobject_cast<QToolButton*>(watched);
        int bar = -1;
        int index = -1;
        if (type != QEvent::MouseButtonPress || !button || mouse->button() != Qt::LeftButton ||
            !(mouse->modifiers() & Qt::AltModifier) || !Locate(*button, bar, index))
            return false;
        // The button neither presses nor triggers: the press starts a move. Until the release the
        // whole application's mouse events are the move's, wherever the pointer goes.
        m_drag = Drag{bar, index, global, false};
        qApp->installEventFilter(this);
        return true;
    }
    if (type == QEvent::MouseButtonPress) {
        // A press before the release (the release went elsewhere) ends the move where it began.
        EndDrag();
        return false;
    }
    if (type == QEvent::MouseMove) {
        if (!m_drag.moving &&
            (global - m_drag.start).manhattanLength() >= QApplication::startDragDistance()) {
            m_drag.moving = true;
            QApplication::setOverrideCursor(Qt::DragMoveCursor);
        }
    } else if (type == QEvent::MouseButtonRelease) {
        if (m_drag.moving) Drop(global);
        EndDrag();
    }
    return true;
}

void ToolbarCustomizer::EndDrag() {
    if (m_drag.bar < 0) return;
    qApp->removeEventFilter(this);
    if (m_drag.moving) QApplication::restoreOverrideCursor();
    m_drag = Drag{};
}

void ToolbarCustomizer::Drop(const QPoint& globalPos) {
    const int from = m_drag.bar;
    const int fromIndex = m_drag.index;
    std::function<bool(ToolbarLayout&)> edit = [=](ToolbarLayout& layout) {
        return layout.RemoveButton(from, fromIndex);
    };
    for (int i = 0; i < m_layout.Bars().size(); ++i) {
        QToolBar* bar = ToolBarOf(i);
        if (!bar || !bar->isVisible()) continue;
        const QPoint local = bar->mapFromGlobal(globalPos);
        if (!bar->rect().contains(local)) continue;
        const int to = InsertionIndex(*bar, i, local);
        edit = [=](ToolbarLayout& layout) { return layout.MoveButton(from, fromIndex, i, to); };
        break;
    }
    // Rebuilding the toolbars deletes the button whose event is being handled: later.
    QMetaObject::invokeMethod(
        this, [this, edit] { Change(edit); }, Qt::QueuedConnection);
}

int ToolbarCustomizer::InsertionIndex(const QToolBar& bar, int barIndex, const QPoint& localPos) const {
    const qsizetype count = m_layout.Bars()[barIndex].buttons.size();
    const QList<QAction*> actions = bar.actions();
    const bool vertical = bar.orientation() == Qt::Vertical;
    for (int i = 0; i < count && i < actions.size(); ++i) {
        const QWidget* widget = bar.widgetForAction(actions[i]);
        if (!widget || !widget->isVisible()) continue;
        const QPoint centre = widget->geometry().center();
        if (vertical ? localPos.y() < centre.y() : localPos.x() < centre.x()) return i;
    }
    return static_cast<int>(count);
}

CToolbarCustomizeDialog* ToolbarCustomizer::Dialog() const {
    return m_dialog;
}

void ToolbarCustomizer::ShowDialog() {
    if (!m_dialog) {
        m_dialog = new CToolbarCustomizeDialog(*this, &m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
