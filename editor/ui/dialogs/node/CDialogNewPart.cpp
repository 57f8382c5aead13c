#include "CDialogNewPart.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "DialogFields.h"
#include "IRelatedNodeDialogs.h"

using DialogFields::NewEdit;

namespace {

QLabel* Label(CCommonUtility& utility, int id, QWidget* parent) {
    auto* label = new QLabel(utility.LoadString(id), parent);
    label->setObjectName(QString::number(id));
    return label;
}

}  // namespace

CDialogNewPart::CDialogNewPart(CCommonUtility& utility, CPELFM_NodeBase* selected,
                               IRelatedNodeDialogs& related, QWidget* parent)
    : QDialog(parent), m_logic(utility, NewPartLogic::TargetSection(selected)), m_related(related) {
    setWindowTitle(utility.LoadString(2600));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label(utility, 2601, this));
    m_types = new QListWidget(this);
    m_types->setObjectName("933");
    m_types->addItems(m_logic.AddablePartTypeNames());
    layout->addWidget(m_types);

    auto* form = new QFormLayout;
    m_name = NewEdit(this, 927, 64);
    m_label2 = NewEdit(this, 952, 128);
    m_comment = NewEdit(this, 929, 255);
    form->addRow(Label(utility, 2602, this), m_name);
    form->addRow(Label(utility, 2603, this), m_label2);
    form->addRow(Label(utility, 2604, this), m_comment);
    m_count = NewEdit(this, 1057, 16);
    m_count->setText("20");
    auto* spin = new QWidget(this);
    auto* spinLayout = new QHBoxLayout(spin);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    auto* up = new QToolButton(spin);
    up->setObjectName("1058up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(spin);
    down->setObjectName("1058down");
    down->setArrowType(Qt::DownArrow);
    spinLayout->addWidget(m_count);
    spinLayout->addWidget(up);
    spinLayout->addWidget(down);
    auto* countLabel = new QLabel(utility.LoadString(2612), this);
    countLabel->setObjectName("1059");
    form->addRow(countLabel, spin);
    layout->addLayout(form);

    m_relatedBox = new QCheckBox(utility.LoadString(1083), this);
    m_relatedBox->setObjectName("1083");
    m_relatedBox->setVisible(m_logic.RelatedBoxVisible());
    m_relatedBox->setEnabled(false);
    layout->addWidget(m_relatedBox);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setObjectName("931");
    m_ok->setText(utility.LoadString(9003));
    m_ok->setEnabled(false);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(utility.LoadString(9002));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogNewPart::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogNewPart::reject);
    // The list's current row is not a choice: Qt sets it on focus without selecting it.
    connect(m_types, &QListWidget::itemSelectionChanged, this, &CDialogNewPart::OnTypeChosen);
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        m_nameTyped = !m_name->text().isEmpty();
        UpdateOk();
    });
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    // The first (often the only) type is chosen from the start: a name is all Create waits for.
    if (m_types->count() > 0) m_types->setCurrentRow(0);
}

QListWidgetItem* CDialogNewPart::ChosenType() const {
    const QList<QListWidgetItem*> selected = m_types->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void CDialogNewPart::OnTypeChosen() {
    QListWidgetItem* item = ChosenType();
    m_typeChosen = item != nullptr;
    const QString type = item != nullptr ? item->text() : QString();
    const bool enabled = m_logic.RelatedBoxEnabled(type);
    m_relatedBox->setEnabled(enabled);
    m_relatedBox->setChecked(enabled && m_logic.AutoCreateRelatedPart());
    UpdateOk();
}

void CDialogNewPart::UpdateOk() {
    m_ok->setEnabled(m_typeChosen && m_nameTyped);
}

void CDialogNewPart::Step(int delta) {
    m_count->setText(NewPartLogic::StepElemCount(m_count->text(), delta));
}

void CDialogNewPart::accept() {
    if (!m_ok->isEnabled()) return;
    NewPartInput input;
    if (QListWidgetItem* item = ChosenType()) input.partTypeName = item->text();
    input.name = m_name->text();
    input.label2 = m_label2->text();
    input.comment = m_comment->text();
    input.elemCount = m_count->text();
    input.relatedShown = m_relatedBox->isVisibleTo(this) && m_relatedBox->isEnabled();
    input.relatedTicked = m_relatedBox->isChecked();
    const NewPartOutcome outcome = m_logic.Accept(input);
    switch (outcome.focus) {
        case NewPartField::Name:
            DialogFields::FocusAndSelect(m_name);
            break;
        case NewPartField::Label2:
            DialogFields::FocusAndSelect(m_label2);
            break;
        case NewPartField::ElemCount:
            DialogFields::FocusAndSelect(m_count);
            break;
        case NewPartField::None:
            break;
    }
    if (!outcome.created) return;
    m_created = outcome.part;
    if (outcome.openRelated) m_related.RelateParts(outcome.partType);
    QDialog::accept();
}
