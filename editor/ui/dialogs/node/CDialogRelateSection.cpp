#include "CDialogRelateSection.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CCommonUtility.h"

CDialogRelateSection::CDialogRelateSection(CCommonUtility& utility, int createdSectionType, QWidget* parent)
    : QDialog(parent),
      m_utility(utility),
      m_sectionType(RelatedNodes::SectionTypeToRelate(createdSectionType)) {
    setWindowTitle(utility.LoadString(2615));
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName("955");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({utility.LoadString(102)});
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName("1069");
    m_ok->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogRelateSection::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogRelateSection::reject);

    if (m_sectionType != 0) {
        auto* item = new QTreeWidgetItem(m_list, {RelatedNodes::SectionTypeName(m_sectionType)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        const bool ticked = item->checkState(0) == Qt::Checked;
        m_ticks.Changed(m_ticked, ticked);
        m_ticked = ticked;
        m_ok->setEnabled(m_ticks.Count() > 0);
    });
}

void CDialogRelateSection::accept() {
    if (m_ticks.Count() == 0) return;
    RelatedNodes::CreateSection(m_utility, m_sectionType);
    QDialog::accept();
}
