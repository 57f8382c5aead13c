#include "CDialogEditDataEX.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include "CChgItemCommand.h"
#include "CCommonUtility.h"
#include "CommandManager.h"
#include "CommandRegistry.h"

QStringList CDialogEditDataEX::Texts(const CCommonUtility& utility) {
    QStringList texts;
    for (int id : {2701, 2702, 2703, 2704, 2705, 2706, 2707, 2708, 9001, 9002})
        texts << utility.LoadString(id);
    return texts;
}

// texts: title, values caption, value caption, position caption, new, insert, replace, delete, OK, cancel.
CDialogEditDataEX::CDialogEditDataEX(const QStringList& texts, ICommandFrame* frame, CPELFM_ElemInfo* elem,
                                     int itemType, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_elem(elem), m_itemType(itemType) {
    setWindowTitle(texts.value(0));
    setSizeGripEnabled(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(texts.value(1), this), 0, 0, 1, 3);
    m_list = new QListWidget(this);
    layout->addWidget(m_list, 1, 0, 1, 3);
    layout->addWidget(new QLabel(texts.value(2), this), 2, 0);
    m_value = new QLineEdit(this);
    m_value->setReadOnly(true);
    layout->addWidget(m_value, 2, 1, 1, 2);
    layout->addWidget(new QLabel(texts.value(3), this), 3, 0);
    m_positions = new QComboBox(this);
    layout->addWidget(m_positions, 3, 1);
    auto* row = new QHBoxLayout;
    m_new = new QPushButton(texts.value(4), this);
    m_insert = new QPushButton(texts.value(5), this);
    m_replace = new QPushButton(texts.value(6), this);
    m_delete = new QPushButton(texts.value(7), this);
    for (QPushButton* b : {m_new, m_insert, m_replace, m_delete}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row, 4, 0, 1, 3);
    auto* box = new QDialogButtonBox(this);
    box->addButton(texts.value(8), QDialogButtonBox::AcceptRole);
    box->addButton(texts.value(9), QDialogButtonBox::RejectRole);
    layout->addWidget(box, 5, 0, 1, 3);
    connect(box, &QDialogButtonBox::accepted, this, &CDialogEditDataEX::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CDialogEditDataEX::reject);

    m_opening = DataListEditor::ValuesOfItem(elem, itemType);
    m_editor.SetValues(m_opening);
    Refill(-1);
    FillPositions(false);

    // Only a selected entry is the user's: Qt makes a row current on focus without selecting it.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CDialogEditDataEX::OnSelectionChanged);
    connect(m_positions, &QComboBox::currentIndexChanged, this, &CDialogEditDataEX::OnPositionChosen);
    connect(m_value, &QLineEdit::textChanged, this, &CDialogEditDataEX::UpdateButtons);
    connect(m_new, &QPushButton::clicked, this, &CDialogEditDataEX::OnNew);
    connect(m_insert, &QPushButton::clicked, this, &CDialogEditDataEX::OnInsert);
    connect(m_replace, &QPushButton::clicked, this, &CDialogEditDataEX::OnReplace);
    connect(m_delete, &QPushButton::clicked, this, &CDialogEditDataEX::OnDelete);
    m_value->installEventFilter(this);
    UpdateButtons();
}

bool CDialogEditDataEX::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_value && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // A typed value is the field's business first: Enter keeps it before it can be the dialog's OK.
            using Action = DataListEditor::EnterAction;
            const Action action = m_editor.ActionOfEnter(!m_value->isReadOnly(), SelectedRow(),
                                                         m_positions->currentIndex(), m_value->text());
            QPushButton* button = action == Action::Insert    ? m_insert
                                  : action == Action::Replace ? m_replace
                                                              : nullptr;
            if (button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDialogEditDataEX::Refill(int select) {
    m_updating = true;
    m_list->clear();
    m_list->addItems(m_editor.Entries());
    m_list->setCurrentRow(select);
    m_updating = false;
}

void CDialogEditDataEX::FillPositions(bool forNewEntry) {
    const bool was = m_updating;
    m_updating = true;
    m_positions->clear();
    m_positions->addItems(DataListEditor::Positions(m_editor.Count(), forNewEntry));
    m_positions->setCurrentIndex(forNewEntry ? m_positions->count() - 1 : SelectedRow());
    m_updating = was;
}

int CDialogEditDataEX::SelectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CDialogEditDataEX::OnSelectionChanged() {
    if (m_updating) return;
    FillPositions(false);
    const int row = SelectedRow();
    if (row >= 0) {
        m_value->setReadOnly(false);
        m_value->setText(m_editor.Values().value(row));
    }
    UpdateButtons();
}

void CDialogEditDataEX::OnPositionChosen(int index) {
    if (m_updating || index < 0 || index >= m_editor.Count()) return;
    m_list->setCurrentRow(index);
}

void CDialogEditDataEX::OnNew() {
    m_updating = true;
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    m_updating = false;
    m_value->setReadOnly(false);
    m_value->clear();
    FillPositions(true);
    m_value->setFocus();
    UpdateButtons();
}

void CDialogEditDataEX::OnInsert() {
    const int at = m_editor.Insert(m_positions->currentIndex(), m_value->text());
    if (at < 0) return;
    Refill(at);
    FillPositions(false);
    UpdateButtons();
}

void CDialogEditDataEX::OnReplace() {
    const int at = m_editor.Replace(m_positions->currentIndex(), m_value->text());
    if (at < 0) return;
    Refill(at);
    FillPositions(false);
    UpdateButtons();
}

void CDialogEditDataEX::OnDelete() {
    if (!m_editor.Remove(SelectedRow())) return;
    Refill(-1);
    FillPositions(false);
    m_value->clear();
    m_value->setReadOnly(true);
    UpdateButtons();
}

void CDialogEditDataEX::UpdateButtons() {
    // A read-only value field looks like the dialog's face, so it does not invite typing.
    QPalette palette = m_value->palette();
    palette.setBrush(QPalette::Base,
                     m_value->isReadOnly() ? this->palette().button() : this->palette().base());
    m_value->setPalette(palette);
    const bool usable = !m_value->isReadOnly() && DataListEditor::IsUsableValue(m_value->text());
    m_insert->setEnabled(usable);
    // Replacing needs an entry at the chosen position.
    m_replace->setEnabled(usable && m_positions->currentIndex() >= 0 &&
                          m_positions->currentIndex() < m_editor.Count());
    m_delete->setEnabled(SelectedRow() >= 0);
}

void CDialogEditDataEX::accept() {
    const QStringList values = m_editor.Values();
    if (DataListEditor::HasChanged(m_opening, values)) {
        BaseCommand* created = CreateCommandByName("CChgItemCommand");
        auto* command = dynamic_cast<CChgItemCommand*>(created);
        if (command == nullptr) {
            delete created;
        } else {
            bool ready = false;
            try {
                command->InitFromDataList(m_frame, m_itemType, m_elem, values);
                ready = true;
                GetCommandManager()->Execute(command);
            } catch (...) {
                // Once handed to the manager the command is its to delete; the model is unchanged.
                if (!ready) delete command;
            }
        }
    }
    QDialog::accept();
}
