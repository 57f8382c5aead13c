#include "MdiDocumentMenu.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTabBar>

MdiDocumentMenu::MdiDocumentMenu(QMdiArea& area, QTabBar& tabBar, WindowName name)
    : QToolButton(&area), m_area(area), m_tabBar(tabBar), m_name(std::move(name)), m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("DocumentMenu"));
    setArrowType(Qt::DownArrow);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setPopupMode(QToolButton::InstantPopup);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &MdiDocumentMenu::Fill);
    m_tabBar.installEventFilter(this);
    Place();
}

QList<QMdiSubWindow*> MdiDocumentMenu::Windows() const {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_area.subWindowList(QMdiArea::CreationOrder))
        if (!window->isHidden()) windows.append(window);
    return windows;
}

void MdiDocumentMenu::Fill() {
    m_menu->clear();
    QMdiSubWindow* active = m_area.activeSubWindow();
    for (QMdiSubWindow* window : Windows()) {
        QAction* action = m_menu->addAction(m_name ? m_name(window) : window->windowTitle());
        action->setCheckable(true);
        action->setChecked(window == active);
        connect(action, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(window)] {
            if (target) m_area.setActiveSubWindow(target);
        });
    }
}

// The area lays its tab bar across its whole width whenever it resizes; the button takes the right end.
void MdiDocumentMenu::Place() {
    if (m_placing) return;
    m_placing = true;
    setVisible(m_tabBar.isVisible());
    const QRect bar = m_tabBar.geometry();
    const int side = bar.height();
    const int right = m_area.width();
    setGeometry(right - side, bar.top(), side, side);
    if (bar.right() >= right - side)
        m_tabBar.setGeometry(bar.left(), bar.top(), right - side - bar.left(), side);
    raise();
    m_placing = false;
}

bool MdiDocumentMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_tabBar) {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Move:
            case QEvent::Show:
            case QEvent::Hide:
                Place();
                break;
            default:
                break;
        }
    }
    return QToolButton::eventFilter(watched, event);
}
