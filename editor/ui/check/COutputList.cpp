#include "COutputList.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "CheckMessageMetaType.h"
#include "CommandIds.h"
#include "IStringSource.h"
#include "MenuText.h"

namespace {

constexpr int kFindingRole = Qt::UserRole + 1;

bool IsCopyKey(const QKeyEvent* key) {
    return key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_C;
}
bool IsSelectAllKey(const QKeyEvent* key) {
    return key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_A;
}

}  // namespace

COutputList::COutputList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("COutputList"));
    setSelectionMode(QAbstractItemView::MultiSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUniformItemSizes(true);
}

void COutputList::AddSummaryLine(const QString& text) {
    addItem(text);
}

void COutputList::AddFindingLine(const _ST_PEL_CHECK_MESSAGE& finding) {
    auto* line = new QListWidgetItem(finding.text);
    line->setData(kFindingRole, QVariant::fromValue(finding));
    addItem(line);
}

bool COutputList::FindingOfLine(int line, _ST_PEL_CHECK_MESSAGE& finding) const {
    const QListWidgetItem* entry = item(line);
    if (!entry) return false;
    const QVariant data = entry->data(kFindingRole);
    if (!data.canConvert<_ST_PEL_CHECK_MESSAGE>()) return false;
    finding = data.value<_ST_PEL_CHECK_MESSAGE>();
    return true;
}

QString COutputList::SelectedLinesText() const {
    QString text;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) text += item(i)->text() + QStringLiteral("\r\n");
    return text;
}

void COutputList::CopySelectedLines() {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard) return;
    clipboard->clear();
    clipboard->setText(SelectedLinesText());
}

void COutputList::SelectAllLines() {
    QList<bool> flags(count(), true);
    ApplySelectionFlags(flags);
}

void COutputList::JumpToCurrentFinding() {
    _ST_PEL_CHECK_MESSAGE finding;
    if (FindingOfLine(currentRow(), finding)) emit findingActivated(finding);
}

bool COutputList::event(QEvent* event) {
    // The list's own keys win over the frame's shortcuts of the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsCopyKey(key) || IsSelectAllKey(key)) {
            event->accept();
            return true;
        }
    }
    return QListWidget::event(event);
}

void COutputList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        JumpToCurrentFinding();
        return;
    }
    if (IsSelectAllKey(event)) {
        SelectAllLines();
        return;
    }
    if (IsCopyKey(event)) {
        CopySelectedLines();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QList<bool> COutputList::SelectionFlags() const {
    QList<bool> flags(count(), false);
    for (int i = 0; i < count(); ++i) flags[i] = item(i)->isSelected();
    return flags;
}

void COutputList::ApplySelectionFlags(const QList<bool>& flags) {
    for (int i = 0; i < count() && i < flags.size(); ++i)
        if (item(i)->isSelected() != flags[i]) item(i)->setSelected(flags[i]);
}

void COutputList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    const int line = indexAt(event->position().toPoint()).row();
    if (line < 0) return;
    setFocus(Qt::MouseFocusReason);
    QList<bool> flags = SelectionFlags();
    m_range.Press(line, event->modifiers() & Qt::ControlModifier, event->modifiers() & Qt::ShiftModifier,
                  flags);
    ApplySelectionFlags(flags);
    selectionModel()->setCurrentIndex(model()->index(line, 0), QItemSelectionModel::NoUpdate);
}

void COutputList::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int line = indexAt(event->position().toPoint()).row();
    if (line < 0) return;
    QList<bool> flags = SelectionFlags();
    m_range.Move(line, flags);
    ApplySelectionFlags(flags);
}

void COutputList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) QListWidget::mouseReleaseEvent(event);
}

void COutputList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) JumpToCurrentFinding();
}

QString COutputList::MenuLabel(int id) const {
    return m_strings ? MenuText::Label(m_strings->LoadString(id)) : QString();
}

void COutputList::FillContextMenu(QMenu& menu) {
    menu.addAction(MenuLabel(ID_OUTPUT_COPY), this, &COutputList::CopySelectedLines)->setData(ID_OUTPUT_COPY);
    menu.addAction(MenuLabel(ID_OUTPUT_CLEAR), this, &QListWidget::clear)->setData(ID_OUTPUT_CLEAR);
    menu.addSeparator();
    menu.addAction(MenuLabel(ID_PANE_OUTPUT), this, &COutputList::hidePaneRequested)->setData(ID_PANE_OUTPUT);
}

void COutputList::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(event->globalPos());
    setFocus(Qt::PopupFocusReason);
}
