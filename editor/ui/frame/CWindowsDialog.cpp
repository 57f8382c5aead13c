#include "CWindowsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

CWindowsDialog::CWindowsDialog(QMdiArea& area, WindowName name, QWidget* parent)
    : QDialog(parent), m_area(area), m_name(std::move(name)) {
    setWindowTitle(tr("Windows"));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* activate = buttons->addButton(tr("&Activate"), QDialogButtonBox::AcceptRole);
    QPushButton* closeWindows = buttons->addButton(tr("&Close Window"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(activate, &QPushButton::clicked, this, [this] {
        ActivateSelected();
        accept();
    });
    connect(closeWindows, &QPushButton::clicked, this, &CWindowsDialog::CloseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        ActivateSelected();
        accept();
    });
    Fill();
}

void CWindowsDialog::Fill() {
    m_list->clear();
    const QList<QMdiSubWindow*> windows = m_area.subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows) {
        if (window->isHidden()) continue;  // closed, waiting to be deleted
        auto* entry = new QListWidgetItem(m_name ? m_name(window) : window->windowTitle(), m_list);
        entry->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject*>(window)));
        // The keys start from the active window's row, not from the first.
        if (window == m_area.activeSubWindow()) m_list->setCurrentItem(entry);
    }
}

void CWindowsDialog::ActivateSelected() {
    const QList<QListWidgetItem*> chosen = m_list->selectedItems();
    if (chosen.isEmpty()) return;
    if (auto* window = qobject_cast<QMdiSubWindow*>(chosen.first()->data(Qt::UserRole).value<QObject*>()))
        m_area.setActiveSubWindow(window);
}

void CWindowsDialog::CloseSelected() {
    for (QListWidgetItem* entry : m_list->selectedItems())
        if (auto* window = qobject_cast<QMdiSubWindow*>(entry->data(Qt::UserRole).value<QObject*>()))
            window->close();
    Fill();
}
