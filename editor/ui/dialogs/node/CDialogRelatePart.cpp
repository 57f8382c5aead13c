#include "CDialogRelatePart.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "CPELFM_SectionInfo.h"
#include "ProfileInnerConst.h"

using namespace ProfileInnerConst;

CDialogRelatePart::CDialogRelatePart(CCommonUtility& utility, int createdPartType, QWidget* parent)
    : QDialog(parent), m_utility(utility), m_createdPartType(createdPartType) {
    setWindowTitle(utility.LoadString(2614));
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName("1071");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({utility.LoadString(119), utility.LoadString(129)});
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName("1081");
    m_ok->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogRelatePart::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogRelatePart::reject);

    if (createdPartType == PART_COMM_IF_CONFIGURATION)
        m_rows = RelatedNodes::BlockPartRows(utility.openProfile);
    for (const RelatedNodes::PartRow& row : m_rows) {
        auto* item = new QTreeWidgetItem(
            m_list, {row.section->name, QString::fromLatin1(PartTypeNames[row.partType].name)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        m_ticked.append(false);
    }
    connect(m_list, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int) { OnItemChanged(item); });
}

void CDialogRelatePart::OnItemChanged(QTreeWidgetItem* item) {
    const int row = m_list->indexOfTopLevelItem(item);
    if (row < 0 || row >= m_ticked.size()) return;
    const bool ticked = item->checkState(0) == Qt::Checked;
    m_ticks.Changed(m_ticked[row], ticked);
    m_ticked[row] = ticked;
    m_ok->setEnabled(m_ticks.Count() > 0);
}

void CDialogRelatePart::accept() {
    if (m_ticks.Count() == 0) return;
    QList<RelatedNodes::PartRow> chosen;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_ticked[i]) chosen.append(m_rows[i]);
    RelatedNodes::CreateParts(m_utility, chosen);
    QDialog::accept();
}
