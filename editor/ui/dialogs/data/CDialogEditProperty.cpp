#include "CDialogEditProperty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CCommonUtility.h"

namespace {

// A field with the text the node holds: the limit is for typing and never cuts a stored text.
QLineEdit* StoredTextField(const QString& text, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(qMax(maxLength, static_cast<int>(text.size())));
    edit->setText(text);
    return edit;
}

}  // namespace

CDialogEditProperty::CDialogEditProperty(CCommonUtility& utility, CPELFM_NodeBase* node, QWidget* parent)
    : QDialog(parent), m_utility(utility), m_logic(utility, node) {
    setWindowTitle(m_utility.LoadString(316));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(m_utility.LoadString(2802), this), 0, 0);
    m_name = StoredTextField(m_logic.OpeningName(), 64, this);
    layout->addWidget(m_name, 0, 1);
    layout->addWidget(new QLabel(m_utility.LoadString(2803), this), 1, 0);
    m_comment = StoredTextField(m_logic.OpeningComment(), 255, this);
    layout->addWidget(m_comment, 1, 1);
    m_label2Caption = new QLabel(m_utility.LoadString(2801), this);
    layout->addWidget(m_label2Caption, 2, 0);
    m_label2 = StoredTextField(m_logic.OpeningLabel2(), 128, this);
    layout->addWidget(m_label2, 2, 1);
    if (!m_logic.IsPart()) {
        m_label2->clear();
        m_label2->hide();
        m_label2Caption->hide();
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(m_utility.LoadString(9001), this);
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(m_utility.LoadString(9002), this);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    connect(m_ok, &QPushButton::clicked, this, &CDialogEditProperty::accept);
    connect(cancel, &QPushButton::clicked, this, &CDialogEditProperty::reject);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.isEmpty()); });
    m_ok->setEnabled(!m_name->text().isEmpty());
}

void CDialogEditProperty::accept() {
    if (m_name->text().isEmpty()) return;
    const QString label2 = m_logic.IsPart() ? m_label2->text() : QString();
    PropertyEditLogic::Verdict verdict;
    try {
        verdict = m_logic.Check(m_name->text(), label2);
    } catch (...) {
        // No profile plug-in to judge the name: nothing is changed.
        return;
    }
    if (!verdict.ok) {
        m_utility.ShowMessage(verdict.inserts, verdict.messageId, verdict.style);
        if (verdict.focusName) {
            m_name->setFocus();
            m_name->selectAll();
        }
        return;
    }
    try {
        m_logic.Apply(m_name->text(), label2, m_comment->text());
    } catch (...) {
        // The command manager dropped the failed change; the node keeps its texts.
    }
    QDialog::accept();
}
