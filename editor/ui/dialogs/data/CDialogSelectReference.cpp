#include "CDialogSelectReference.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "IReferenceTargets.h"
#include "ReferenceCollector.h"

CDialogSelectReference::CDialogSelectReference(const CCommonUtility& utility, IReferenceTargets& targets,
                                               CPELFM_ItemInfo* item, QWidget* parent)
    : QDialog(parent), m_targets(targets), m_references(std::make_unique<ReferenceCollector>(item)) {
    setWindowTitle(utility.LoadString(2401));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(utility.LoadString(2403), this));
    layout->addWidget(new QLabel(utility.LoadString(2402), this));
    m_list = new QListWidget(this);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (CPELFM_ItemInfo* reference : m_references->Items())
        m_list->addItem(m_targets.BuildNodePathName(reference));
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(utility.LoadString(9001), this);
    auto* cancel = new QPushButton(utility.LoadString(9002), this);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    m_ok->setEnabled(false);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_ok, &QPushButton::clicked, this, &CDialogSelectReference::accept);
    connect(cancel, &QPushButton::clicked, this, &CDialogSelectReference::reject);
}

CDialogSelectReference::~CDialogSelectReference() = default;

void CDialogSelectReference::accept() {
    const int row = m_list->currentRow();
    if (row < 0 || m_list->selectedItems().isEmpty()) return;
    // Shown while the dialog still owns the items it derived.
    m_targets.ShowReferenceTarget(m_references->Items().at(row));
    QDialog::accept();
}
