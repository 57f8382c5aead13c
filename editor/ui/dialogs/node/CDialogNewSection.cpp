#include "CDialogNewSection.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "DialogFields.h"
#include "IRelatedNodeDialogs.h"
#include "ProfileInnerConst.h"

using namespace ProfileInnerConst;
using DialogFields::NewEdit;

namespace {

QLabel* Label(CCommonUtility& utility, int id, QWidget* parent) {
    auto* label = new QLabel(utility.LoadString(id), parent);
    label->setObjectName(QString::number(id));
    return label;
}

}  // namespace

CDialogNewSection::CDialogNewSection(CCommonUtility& utility, CPELFM_NodeBase* selected,
                                     bool commIfGroupSelected, IRelatedNodeDialogs& related, QWidget* parent)
    : QDialog(parent), m_utility(utility), m_logic(utility), m_related(related) {
    setWindowTitle(utility.LoadString(2500));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label(utility, 2501, this));
    m_types = new QListWidget(this);
    m_types->setObjectName("900");
    for (int type : {SECTION_BLOCK, SECTION_COMM_IF}) {
        auto* item = new QListWidgetItem(QString::fromLatin1(SectionTypeNames[type].name), m_types);
        item->setData(Qt::UserRole, type);
    }
    layout->addWidget(m_types);

    auto* form = new QFormLayout;
    m_sectionName = NewEdit(this, 918, 64);
    m_sectionComment = NewEdit(this, 916, 255);
    form->addRow(Label(utility, 2502, this), m_sectionName);
    form->addRow(Label(utility, 2503, this), m_sectionComment);
    form->addRow(Label(utility, 2504, this));
    m_partName = NewEdit(this, 913, 64);
    m_partLabel2 = NewEdit(this, 914, 128);
    m_partComment = NewEdit(this, 910, 255);
    m_partNameLabel = Label(utility, 2505, this);
    m_partLabel2Label = Label(utility, 2506, this);
    m_partCommentLabel = Label(utility, 2510, this);
    form->addRow(m_partNameLabel, m_partName);
    form->addRow(m_partLabel2Label, m_partLabel2);
    form->addRow(m_partCommentLabel, m_partComment);
    layout->addLayout(form);

    m_relatedBox = new QCheckBox(utility.LoadString(1084), this);
    m_relatedBox->setObjectName("1084");
    m_relatedBox->setChecked(m_logic.AutoCreateRelatedSection());
    layout->addWidget(m_relatedBox);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setObjectName("901");
    m_ok->setText(utility.LoadString(9003));
    m_ok->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Cancel)->setText(utility.LoadString(9002));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogNewSection::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogNewSection::reject);
    // The type is the selected row; Qt's current row alone is not a choice.
    connect(m_types, &QListWidget::itemSelectionChanged, this, &CDialogNewSection::OnTypeChanged);
    connect(m_sectionName, &QLineEdit::textChanged, this, &CDialogNewSection::UpdateOk);
    connect(m_partName, &QLineEdit::textChanged, this, &CDialogNewSection::UpdateOk);

    const int initial = NewSectionLogic::InitialSectionType(selected, commIfGroupSelected);
    m_types->setCurrentRow(initial == SECTION_COMM_IF ? 1 : 0);
}

int CDialogNewSection::SelectedType() const {
    const QList<QListWidgetItem*> selected = m_types->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(Qt::UserRole).toInt();
}

void CDialogNewSection::OnTypeChanged() {
    UpdateOk();
    const int type = SelectedType();
    if (type == 0) return;
    const bool commIf = type == SECTION_COMM_IF;
    m_partNameLabel->setText(m_utility.LoadString(commIf ? 2507 : 2505));
    m_partLabel2Label->setText(m_utility.LoadString(commIf ? 2508 : 2506));
    m_partCommentLabel->setText(m_utility.LoadString(commIf ? 2511 : 2510));
}

void CDialogNewSection::UpdateOk() {
    m_ok->setEnabled(SelectedType() != 0 &&
                     NewSectionLogic::OkEnabled(m_sectionName->text(), m_partName->text()));
}

void CDialogNewSection::accept() {
    if (!m_ok->isEnabled()) return;
    NewSectionInput input;
    input.sectionType = SelectedType();
    input.sectionName = m_sectionName->text();
    input.sectionComment = m_sectionComment->text();
    input.partName = m_partName->text();
    input.partLabel2 = m_partLabel2->text();
    input.partComment = m_partComment->text();
    input.relatedTicked = m_relatedBox->isChecked();
    const NewSectionOutcome outcome = m_logic.Accept(input);
    switch (outcome.focus) {
        case NewSectionField::SectionName:
            DialogFields::FocusAndSelect(m_sectionName);
            break;
        case NewSectionField::PartName:
            DialogFields::FocusAndSelect(m_partName);
            break;
        case NewSectionField::PartLabel2:
            DialogFields::FocusAndSelect(m_partLabel2);
            break;
        case NewSectionField::None:
            break;
    }
    if (!outcome.created) return;
    m_created = outcome.section;
    if (outcome.openRelated) m_related.RelateSection(input.sectionType);
    QDialog::accept();
}
