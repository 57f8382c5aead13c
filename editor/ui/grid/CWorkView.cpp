#include "CWorkView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <map>
#include <vector>

#include "AddElemCommand.h"
#include "CChgItemCommand.h"
#include "CCommonUtility.h"
#include "CDialogEditDataEX.h"
#include "CDialogSelectReference.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CPasteCellCommand.h"
#include "CProfileAttributeToolTip.h"
#include "CVsflexgridn.h"
#include "CellEditRules.h"
#include "CellText.h"
#include "CellTextEdit.h"
#include "ClipBlock.h"
#include "CommandFailure.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "DelElemCommand.h"
#include "GridContextMenuRules.h"
#include "GridTableModel.h"
#include "IDialogPresenter.h"
#include "IMessagePresenter.h"
#include "IProfilePlugin.h"
#include "IReferenceTargets.h"
#include "IStringSource.h"
#include "InvalidArgumentError.h"
#include "ItemValueText.h"
#include "MenuText.h"
#include "MessageBoxStyle.h"
#include "PELFMExceptions.h"
#include "ParallelRanges.h"
#include "ReferenceCollector.h"
#include "ReferenceRules.h"
#include "ResourceMessage.h"
#include "WorkFocus.h"

namespace {

constexpr int kFirstColumnTwips = 700;
constexpr int IDS_ELEMENTS = 159;
constexpr int IDS_DATATYPE_WORD = 1214;
constexpr int IDS_ASSIGN_WORD = 1222;
constexpr int IDS_TARGET_MISSING = 10014;
constexpr int IDS_DELETE_ELEMENTS = 10044;
constexpr int IDS_ELEMENT_FIXED = 10045;

// The service object's texts as a string source, for messages with inserts.
class UtilityStrings : public IStringSource {
public:
    explicit UtilityStrings(const CCommonUtility& utility) : m_utility(utility) {}
    QString LoadString(int id) const override { return m_utility.LoadString(id); }

private:
    const CCommonUtility& m_utility;
};

template <typename T>
T* CreateCommand(const char* name) {
    BaseCommand* command = CreateCommandByName(name);
    auto* typed = dynamic_cast<T*>(command);
    if (!typed) delete command;
    return typed;
}

QString FirstValue(const CPELFM_ItemInfo& item) {
    return item.values.isEmpty() ? QString() : item.values.constFirst().text;
}

}  // namespace

CWorkView::CWorkView(const WorkViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_grid(new CVsflexgridn(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);  // the part window's focus is its grid's
    m_grid->SetEventSink(this);
    connect(m_grid, &CVsflexgridn::currentCellChanged, this, &CWorkView::commandStateChanged);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CWorkView::commandStateChanged);
}

CWorkView::~CWorkView() {
    m_grid->SetEventSink(nullptr);
}

IProfilePlugin* CWorkView::ProfilePlugin() const {
    const CCommonUtility* utility = m_context.utility;
    return utility && !utility->profilePlugins.isEmpty() ? utility->profilePlugins.first().instance : nullptr;
}

// ---- set-up and filling

void CWorkView::SetWorkViewPart(CPELFM_PartInfo* part) {
    m_part = part;
    SetupPartGrid();
    if (!m_context.utility) return;
    const CPELFM_ProfileInfo* root = m_context.utility->openProfile;
    m_toolTip = std::make_unique<CProfileAttributeToolTip>(
        *m_context.utility, m_grid, root ? root->deviceModelKind : 0,
        m_context.utility->FirstProfilePluginMajorVersion());
}

void CWorkView::SetupPartGrid() {
    m_kinds.clear();
    if (IProfilePlugin* plugin = ProfilePlugin(); plugin && m_part)
        plugin->GetItemKindsOfPart(m_part->partType, m_kinds);
    m_grid->SetRows(1);
    m_grid->SetCols(static_cast<int>(m_kinds.size()) + 1);
    m_grid->SetColWidthTwips(0, kFirstColumnTwips);
    // A line is never lower than the font's own line spacing, so that no text is cut off.
    const int spacingTwips = qRound((m_grid->fontMetrics().lineSpacing() + 2) * 1440.0 / logicalDpiY());
    m_lineTwips = std::max(CellText::RowHeightTwips(m_grid->FontSize(), 1), spacingTwips);
    m_grid->verticalHeader()->setDefaultSectionSize(qRound(m_lineTwips * logicalDpiY() / 1440.0));
    for (int c = 1; c < m_grid->GetCols(); ++c) m_grid->SetTextMatrix(0, c, GetItemTypeName(m_kinds[c - 1]));
}

void CWorkView::FillPartGrid() {
    // Const: the rows' threads index it, and a non-const index into a list shared with the part would
    // detach it on every thread at once.
    const QList<CPELFM_ElemInfo*> elems = [this] {
        try {
            return m_part ? m_part->Elems() : QList<CPELFM_ElemInfo*>();
        } catch (const CPELFM_ExceptionBase&) {
            // A part whose elements cannot be read shows no rows rather than half of them.
            return QList<CPELFM_ElemInfo*>();
        }
    }();
    const int count = static_cast<int>(elems.size());
    const size_t columns = m_kinds.size();
    std::vector<QString> texts(size_t(count) * columns);
    std::vector<int> lines(size_t(count), 1);
    // Rows of a large part are worked out on a few threads: each row touches only its own element and texts.
    Internal::RunInRanges(size_t(count), 8192, 6, [&](size_t, size_t first, size_t last) {
        for (size_t r = first; r < last; ++r) {
            if (!elems[r]) continue;
            QString* row = texts.data() + r * columns;
            CellText::CellTextsOfRow(*elems[r], m_kinds, row);
            for (size_t c = 0; c < columns; ++c)
                if (!row[c].isEmpty()) lines[r] = std::max(lines[r], CellText::CellLineCount(row[c]));
        }
    });
    // Most rows share one height: new rows are made with it, and only the others are sized one by one.
    std::map<int, int> rowsOfHeight;
    for (int l : lines) ++rowsOfHeight[l];
    int common = 1;
    for (const auto& [l, rows] : rowsOfHeight)
        if (rows > rowsOfHeight[common]) common = l;
    // A refill keeps the current cell where it was; the command that refills moves it where it acted.
    const int currentRow = m_grid->GetRow();
    const int currentCol = m_grid->GetCol();
    m_grid->SetRows(1);
    m_grid->SetNewRowHeightTwips(m_lineTwips * common);
    m_grid->SetRedraw(false);
    m_grid->SetRowsWithTexts(count + 1, std::move(texts));
    for (int r = 0; r < count; ++r)
        if (lines[r] != common) m_grid->SetRowHeightTwips(r + 1, m_lineTwips * lines[r]);
    m_grid->SetRedraw(true);
    m_grid->AutoSize(1, m_grid->GetCols() - 1);
    if (currentRow >= 1 && currentCol >= 1) SelectCellWithin(currentRow, currentCol);
}

void CWorkView::SelectCellWithin(int row, int col) {
    const int rows = m_grid->GetRows();
    const int cols = m_grid->GetCols();
    if (rows < 2 || cols < 2) return;
    row = std::clamp(row, 1, rows - 1);
    col = std::clamp(col, 1, cols - 1);
    m_grid->Select(row, col, row, col);
}

void CWorkView::MakeCellCurrent(int row, int itemKind) {
    const int col = itemKind > 0 ? ItemTypeColumn(itemKind) : -1;
    SelectCellWithin(row, col >= 1 ? col : m_grid->GetCol());
}

void CWorkView::ReloadPartGrid() {
    FillPartGrid();
    m_grid->Select(1, 1, 1, 1);
}

void CWorkView::ShowCell(int row, int col) {
    CPELFM_ElemInfo* elem = ElemOfRow(row);
    const int kind = KindOfColumn(col);
    if (!elem || kind == 0) return;
    m_grid->SetTextMatrix(row, col, CellText::CellTextOfItem(*elem, kind));
}

void CWorkView::FitRowHeight(int row) {
    if (row < 1 || row >= m_grid->GetRows()) return;
    int lines = 1;
    for (int c = 1; c < m_grid->GetCols(); ++c)
        lines = std::max(lines, CellText::CellLineCount(m_grid->GetTextMatrix(row, c)));
    m_grid->SetRowHeightTwips(row, m_lineTwips * lines);
}

// ---- grid coordinates and the model

CPELFM_ElemInfo* CWorkView::ElemOfRow(int row) const {
    if (!m_part || row < 1) return nullptr;
    try {
        const QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
        return row <= elems.size() ? elems[row - 1] : nullptr;
    } catch (const CPELFM_ExceptionBase&) {
        return nullptr;
    }
}

int CWorkView::KindOfColumn(int col) const {
    return col >= 1 && col <= m_kinds.size() ? m_kinds[col - 1] : 0;
}

CPELFM_ItemInfo* CWorkView::ItemOfCell(int row, int col) const {
    CPELFM_ElemInfo* elem = ElemOfRow(row);
    const int kind = KindOfColumn(col);
    if (!elem || kind == 0) return nullptr;
    const int index = elem->FindItemIndex(kind);
    return index >= 0 ? elem->items[index] : nullptr;
}

GridRange CWorkView::CellSelection() const {
    return m_grid->GetSelection().ClampedToCells(m_grid->GetRows(), m_grid->GetCols());
}

int CWorkView::GridRowCount() {
    return m_grid->GetRows();
}

int CWorkView::GridColumnCount() {
    return m_grid->GetCols();
}

int CWorkView::ColumnItemKind(int column) {
    if (column < 1 || column > m_kinds.size())
        throw InvalidArgumentError("grid column outside the item kinds");
    return m_kinds[column - 1];
}

int CWorkView::ItemTypeColumn(int itemType) {
    for (int c = static_cast<int>(m_kinds.size()); c >= 1; --c)
        if (m_kinds[c - 1] == itemType) return c;
    return -1;
}

void CWorkView::RefreshGridCells(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    const GridRange range = GridRange{firstRow, firstColumn, lastRow, lastColumn}.ClampedToCells(
        m_grid->GetRows(), m_grid->GetCols());
    if (!range.IsValid()) return;
    for (int r = range.row1; r <= range.row2; ++r) {
        for (int c = range.col1; c <= range.col2; ++c) ShowCell(r, c);
        FitRowHeight(r);
    }
    m_grid->AutoSize(range.col1, range.col2);
}

void CWorkView::SelectGridRange(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    m_grid->Select(firstRow, firstColumn, lastRow, lastColumn);
}

void CWorkView::FocusGrid() {
    m_grid->setFocus(Qt::OtherFocusReason);
}

void CWorkView::SelectGridCell(int elementNumber, int itemType) {
    if (elementNumber == 0 && itemType == 0) {
        m_grid->SetCurrentCell(0, 0);
        return;
    }
    if (elementNumber < 0 || elementNumber >= m_grid->GetRows() - 1) return;
    const int row = elementNumber + 1;
    if (itemType == 0) {
        m_grid->Select(row, 1, row, m_grid->GetCols() - 1);
        FocusGrid();
        return;
    }
    const QString name = GetItemTypeName(itemType);
    for (int c = 1; c < m_grid->GetCols(); ++c) {
        if (m_grid->GetTextMatrix(0, c).compare(name, Qt::CaseInsensitive) == 0) {
            m_grid->Select(row, c, row, c);
            FocusGrid();
            return;
        }
    }
}

void CWorkView::ResetViewOption() {
    m_grid->ResetViewOption();
}

void CWorkView::SetTopRow(int row) {
    m_grid->SetTopRow(row);
}

void CWorkView::SetLeftCol(int column) {
    m_grid->SetLeftCol(column);
}

int CWorkView::GetCol() {
    return m_grid->GetCol();
}

int CWorkView::GetCols() {
    return m_grid->GetCols();
}

void CWorkView::Select(int row, int column, int endRow, int endColumn) {
    m_grid->Select(row, column, endRow, endColumn);
}

void CWorkView::FinishCellEdit() {
    m_grid->FinishEditing();
}

// ---- grid events

void CWorkView::BeforeEdit(int row, int col, bool& cancel) {
    m_editStartText = m_grid->GetTextMatrix(row, col);
    const int kind = KindOfColumn(col);
    if (row < 1 || kind == 0) {
        cancel = true;
        return;
    }
    QString dataTypes;
    if (kind == DATATYPE) {
        if (IProfilePlugin* plugin = ProfilePlugin()) dataTypes = plugin->GetDataTypeList();
    }
    m_grid->SetComboList(CellEditRules::ComboListFor(kind, ElemOfRow(row), dataTypes));
}

void CWorkView::StartEdit(int row, int col, bool& cancel) {
    SetEditing(true);
    if (CellEditRules::OpensDataDialog(KindOfColumn(col), ElemOfRow(row))) {
        cancel = true;
        OpenDataDialog(row, col);
    }
}

void CWorkView::AfterEdit(int row, int col, bool committed) {
    // Also after Esc: the flag keeps Undo disabled while it is set.
    SetEditing(false);
    if (!committed) return;
    QString text = m_grid->GetTextMatrix(row, col);
    if (text == m_editStartText) return;
    const int kind = KindOfColumn(col);
    CPELFM_ElemInfo* elem = ElemOfRow(row);
    if (!elem || kind == 0) {
        ShowElemMissing();
        m_grid->SetTextMatrix(row, col, m_editStartText);
        return;
    }
    // The cell lets go of its text, so that a long one is cleaned in place rather than copied; it shows what
    // is stored below.
    m_grid->Model().SetText(row, col, QString(), false);
    const QString cleaned = CellEditRules::CleanEditedText(kind, std::move(text));
    if (cleaned != m_editStartText) {
        if (auto* command = CreateCommand<CChgItemCommand>("CChgItemCommand")) {
            command->InitFromText(m_context.commandFrame, kind, elem, cleaned);
            ExecuteCommand(command);
        }
    }
    // The cell shows what the model holds now, also when the change did not go through.
    ShowCell(row, col);
    FitRowHeight(row);
    // The command leaves the grid as it is, so the column is fitted to the new text here.
    m_grid->AutoSize(col, col);
}

void CWorkView::CellButtonClick(int row, int col) {
    if (row < 1 || col < 1 || m_editing) return;
    SetEditing(true);
    OpenDataDialog(row, col);
}

void CWorkView::CellChanged(int, int) {
    // The paste and clear commands store their values in the model themselves.
}

void CWorkView::KeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Delete && !m_grid->IsEditing()) {
        OnClear();
        key = 0;
    } else if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        ContextMenuKey();
        key = 0;
    }
}

void CWorkView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) {
    Press(button == Qt::RightButton, modifiers, m_grid->MouseRow(), m_grid->MouseCol(), position.toPoint());
}

// The keyboard's menu is a right click on the current cell.
void CWorkView::ContextMenuKey() {
    const int row = m_grid->GetRow();
    const int col = m_grid->GetCol();
    Press(true, {}, row, col, m_grid->CellMenuPoint(row, col));
}

void CWorkView::Press(bool rightButton, Qt::KeyboardModifiers modifiers, int row, int col, QPoint position) {
    SelectionModeMachine::Press press;
    press.rightButton = rightButton;
    press.row = row;
    press.col = col;
    press.selection = m_grid->GetSelection();
    press.rows = m_grid->GetRows();
    press.columns = m_grid->GetCols();
    const SelectionModeMachine::Outcome outcome = m_modes.OnPress(press);
    // Shift and Ctrl clicks extend the selection the grid's own way.
    const bool extends = !press.rightButton && (modifiers & (Qt::ShiftModifier | Qt::ControlModifier));
    if (outcome.select && !extends)
        m_grid->Select(outcome.select->row1, outcome.select->col1, outcome.select->row2,
                       outcome.select->col2);
    if (outcome.focusGrid) FocusGrid();
    if (outcome.showMenu) ShowContextMenu(m_grid->mapToGlobal(position));
    emit commandStateChanged();  // the reference rules read the selection mode
}

void CWorkView::MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) {
    if (position == m_lastMouse) return;
    m_lastMouse = position;
    if (!m_toolTip) return;
    const int col = m_grid->MouseCol();
    if (m_grid->MouseRow() == 0 && col >= 1)
        m_toolTip->ShowAttributeDescription(m_grid->GetTextMatrix(0, col));
    else
        m_toolTip->ShowAttributeDescription({});
}

// ---- dialogs and messages

void CWorkView::OpenDataDialog(int row, int col) {
    CPELFM_ElemInfo* elem = ElemOfRow(row);
    const int kind = KindOfColumn(col);
    if (!elem || kind == 0) {
        ShowElemMissing();
    } else if (m_context.utility && m_context.dialogs) {
        CDialogEditDataEX dialog(CDialogEditDataEX::Texts(*m_context.utility), m_context.commandFrame, elem,
                                 kind, this);
        m_context.dialogs->RunModal(dialog);
    }
    SetEditing(false);
}

void CWorkView::SetEditing(bool editing) {
    if (m_editing == editing) return;
    m_editing = editing;
    emit commandStateChanged();
}

void CWorkView::ShowElemMissing() {
    if (m_context.utility && m_context.utility->MessagePresenter())
        m_context.utility->MessagePresenter()->ShowMessage(QStringLiteral("ElemInfo is Uninitialized!"), {},
                                                           MB_OK);
}

bool CWorkView::ExecuteCommand(BaseCommand* command) {
    if (!command) return false;
    try {
        return GetCommandManager()->Execute(command);
    } catch (const CPELFM_ExceptionBase&) {
        return false;
    } catch (const std::exception&) {
        return false;
    }
}

// ---- context menu and its tests

void CWorkView::ShowContextMenu(const QPoint& globalPosition) {
    using namespace GridContextMenuRules;
    Inputs in;
    in.clipboardHasText = HasClipboardText();
    in.hasCellSelection = HasCellSelection();
    in.canSelectReference = CanSelectReference();
    in.canCopyReference = CanCopyReference();
    in.canPasteReference = CanPasteReference() == 1;
    in.currentRow = m_grid->GetRow();
    in.currentCol = m_grid->GetCol();
    in.selectionMode = m_modes.CurrentMode();
    in.partHasElements = m_grid->GetRows() > 1;
    const auto enabled = EnabledEntries(in);
    QMenu menu(this);
    for (int e = 0; e < EntryCount; ++e) {
        if (e == AddElements) menu.addSeparator();
        const QString text = m_context.utility ? m_context.utility->LoadString(kTextIds[e]) : QString();
        QAction* action = menu.addAction(text);
        action->setData(kCommandIds[e]);
        action->setEnabled(enabled[e]);
    }
    QAction* chosen = m_menuRunner ? m_menuRunner(menu, globalPosition) : menu.exec(globalPosition);
    if (chosen && chosen->isEnabled()) {
        const auto command = [&] { OnCommand(chosen->data().toInt()); };
        // A command that fails says so under its own name; the grid goes on.
        if (m_context.utility)
            CommandFailure::Run(*m_context.utility, MenuText::Name(chosen->text()), command);
        else
            command();
    }
    // Copying references from here changes what the edit menu's paste offers.
    emit commandStateChanged();
}

void CWorkView::OnCommand(int id) {
    switch (id) {
        case ID_COPY:
            OnCopy();
            break;
        case ID_PASTE:
            OnPaste();
            break;
        case ID_CLEAR:
            OnClear();
            break;
        case ID_CUT:
            OnCut();
            break;
        case ID_ADD_ELEMENTS:
            OnAddElements();
            break;
        case ID_DELETE_ELEMENTS:
            OnDeleteElements();
            break;
        case ID_FOLLOW_REFERENCE:
            OnSelectReference();
            break;
        case ID_COPY_REFERENCES:
            OnCopyReference();
            break;
        case ID_PASTE_REFERENCES:
            OnPasteReference();
            break;
        default:
            break;
    }
}

bool CWorkView::HasClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

bool CWorkView::IsEditingCell() {
    return m_grid->IsEditing();
}

bool CWorkView::HasCellSelection() {
    if (WorkFocus::Has(m_grid)) return m_grid->GetRow() >= 0 && m_grid->GetCol() >= 0;
    return m_editing;
}

bool CWorkView::CanSelectReference() {
    if (!WorkFocus::Has(m_grid)) return false;
    const GridRange sel = m_grid->GetSelection();
    if (!sel.IsValid() || sel.Rows() != 1 || sel.Columns() != 1 || sel.row1 < 1 || sel.col1 < 1) return false;
    const CPELFM_ItemInfo* item = ItemOfCell(sel.row1, sel.col1);
    return item && ReferenceRules::IsFollowableKind(item->itemType);
}

bool CWorkView::CanCopyReference() {
    const GridRange sel = m_grid->GetSelection();
    if (!sel.IsValid()) return false;
    QList<int> kinds;
    for (int c = std::max(sel.col1, 1); c <= sel.col2; ++c) kinds.append(KindOfColumn(c));
    return ReferenceRules::CanCopyReference(sel.row1, sel.col1, m_modes.CurrentMode(), kinds);
}

int CWorkView::CanPasteReference() {
    if (!m_context.utility || m_context.utility->copiedReferences.isEmpty() || !WorkFocus::Has(m_grid))
        return false;
    const GridRange sel = m_grid->GetSelection();
    if (!sel.IsValid() || sel.Rows() != 1 || sel.Columns() != 1 || sel.row1 < 1 || sel.col1 < 1) return false;
    const CPELFM_ElemInfo* elem = ElemOfRow(sel.row1);
    const int kind = KindOfColumn(sel.col1);
    return elem && kind != 0 &&
           ReferenceRules::CanPasteReference(m_context.utility->copiedReferences.first(), kind, *elem);
}

// ---- clipboard commands

bool CWorkView::ForwardToEditor(const char* slot) {
    if (!m_grid->IsEditing()) return false;
    QWidget* editor = m_grid->ActiveEditor();
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
        editor = combo->lineEdit();
    if (editor) QMetaObject::invokeMethod(editor, slot);
    return true;
}

void CWorkView::OnCopy() {
    if (ForwardToEditor("copy")) return;
    const GridRange range = CellSelection();
    if (!range.IsValid()) return;
    ClipBlock::Block block;
    for (int r = range.row1; r <= range.row2; ++r) {
        QStringList row;
        for (int c = range.col1; c <= range.col2; ++c) row.append(m_grid->GetTextMatrix(r, c));
        block.append(row);
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(ClipBlock::CopiedData(block));
    if (CCommonUtility* utility = m_context.utility) {
        utility->copiedBlockRows = range.Rows();
        utility->copiedBlockColumns = range.Columns();
        utility->clipboardKind = 2;
    }
}

void CWorkView::OnPaste() {
    if (ForwardToEditor("paste")) return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    // Cells copied here are pasted as they are; a text from elsewhere is read as the clipboard's convention.
    const ClipBlock::Block* copied = ClipBlock::CopiedCells(clipboard->mimeData());
    const QString text = copied ? QString() : clipboard->text();
    if (!copied && text.isEmpty()) return;
    // A selection on the headers pastes from the first real row and column.
    const GridRange selection = m_grid->GetSelection();
    if (!selection.IsValid() || m_grid->GetRows() < 2 || m_grid->GetCols() < 2) return;
    GridRange range = selection.ClampedToCells(m_grid->GetRows(), m_grid->GetCols());
    if (!range.IsValid()) {
        const int row = std::max(selection.row1, 1);
        const int col = std::max(selection.col1, 1);
        range = GridRange{row, col, row, col};
    }
    const ClipBlock::Block block = ClipBlock::FillSelection(copied ? *copied : ClipBlock::ParseClipText(text),
                                                            range.Rows(), range.Columns());
    if (block.isEmpty() || block.first().isEmpty()) return;
    if (auto* command = CreateCommand<CPasteCellCommand>("CPasteCellCommand")) {
        command->InitWithBlock(this, range.row1, range.col1, block);
        ExecuteCommand(command);
    }
}

void CWorkView::OnClear() {
    if (m_grid->IsEditing()) {
        if (auto* plain = qobject_cast<QPlainTextEdit*>(m_grid->ActiveEditor()))
            plain->textCursor().removeSelectedText();
        else if (auto* cell = qobject_cast<CellTextEdit*>(m_grid->ActiveEditor()))
            cell->RemoveSelectedText();
        else if (auto* combo = qobject_cast<QComboBox*>(m_grid->ActiveEditor()); combo && combo->lineEdit())
            combo->lineEdit()->del();
        return;
    }
    const GridRange range = CellSelection();
    if (!range.IsValid()) return;
    if (auto* command = CreateCommand<CPasteCellCommand>("CPasteCellCommand")) {
        command->Init(this, range.row1, range.col1, range.Rows(), range.Columns(), QString());
        ExecuteCommand(command);
    }
}

void CWorkView::OnCut() {
    OnCopy();
    OnClear();
}

// ---- element commands

void CWorkView::OnAddElements() {
    if (!m_part) return;
    int position = m_grid->GetRows();
    int count = 1;
    if (m_grid->GetRow() >= 0) {
        const GridRange range = CellSelection();
        if (range.IsValid()) {
            position = range.row1;
            count = range.Rows();
        } else {
            position = std::clamp(m_grid->GetRow(), 1, m_grid->GetRows());
        }
    }
    if (auto* command = CreateCommand<AddElemCommand>("AddElemCommand")) {
        command->Init(m_part, count, m_context.commandFrame, position);
        ExecuteCommand(command);
    }
}

void CWorkView::OnDeleteElements() {
    const GridRange range = CellSelection();
    if (!m_part || !range.IsValid() || !m_context.utility) return;
    CCommonUtility& utility = *m_context.utility;
    if (IProfilePlugin* plugin = ProfilePlugin()) {
        for (int r = range.row1; r <= range.row2; ++r) {
            CPELFM_ElemInfo* elem = ElemOfRow(r);
            if (elem && plugin->IsElementEditable(elem) == 0) {
                utility.ShowMessage({}, IDS_ELEMENT_FIXED, MB_ICONWARNING);
                return;
            }
        }
    }
    IMessagePresenter* presenter = utility.MessagePresenter();
    if (!presenter) return;
    const UtilityStrings strings(utility);
    const QString question =
        FormatResourceMessage(strings, {utility.LoadString(IDS_ELEMENTS)}, IDS_DELETE_ELEMENTS);
    if (ShowMessageBox(*presenter, question, {}, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) return;
    auto* command = CreateCommand<DelElemCommand>("DelElemCommand");
    if (!command) return;
    if (!command->Init(m_context.commandFrame, range.Rows(), m_part, range.row1 - 1)) {
        delete command;
        return;
    }
    ExecuteCommand(command);
}

// ---- references

void CWorkView::OnSelectReference() {
    const GridRange sel = m_grid->GetSelection();
    CPELFM_ItemInfo* item = sel.IsValid() ? ItemOfCell(sel.row1, sel.col1) : nullptr;
    if (!item || !m_context.utility || !m_context.references) return;
    const auto runDialog = [this, item] {
        if (!m_context.dialogs) return;
        CDialogSelectReference dialog(*m_context.utility, *m_context.references, item, this);
        m_context.dialogs->RunModal(dialog);
        if (m_context.focusTree) m_context.focusTree();
    };
    int kind = VALUE_UNCLASSIFIED;
    _ST_PELFM_RANGEINFO bounds;
    try {
        kind = item->AnalyzeValue();
        if (kind == VALUE_RANGE) item->GetRange(bounds);
    } catch (const CPELFM_ExceptionBase&) {
        kind = VALUE_UNCLASSIFIED;
    }
    if (kind == VALUE_LIST || kind == VALUE_ANGLE_LIST) {
        const ReferenceCollector references(item);
        const qsizetype count = references.Items().size();
        if (count >= 2)
            runDialog();
        else if (count == 1)
            m_context.references->ShowReferenceTarget(references.Items().first());
        else
            m_context.utility->ShowMessage({FirstValue(*item)}, IDS_TARGET_MISSING, MB_ICONERROR);
    } else if (kind == VALUE_RANGE &&
               ReferenceRules::RangeBoundsAreReferences(bounds.lowerText, bounds.upperText)) {
        runDialog();
    } else {
        m_context.references->ShowReferenceTarget(item);
    }
}

void CWorkView::OnCopyReference() {
    if (!m_context.utility || !m_part) return;
    CCommonUtility& utility = *m_context.utility;
    utility.copiedReferences.clear();
    const int mode = m_modes.CurrentMode();
    const GridRange range = CellSelection();
    if ((mode != 1 && mode != 2) || !range.IsValid()) return;
    QString kindWord;
    if (mode == 1) {
        const int kind = KindOfColumn(range.col1);
        if (kind == DATATYPE) kindWord = utility.LoadString(IDS_DATATYPE_WORD);
        if (kind == ASSIGN) kindWord = utility.LoadString(IDS_ASSIGN_WORD);
    }
    for (int r = range.row1; r <= range.row2; ++r) {
        if (const CPELFM_ElemInfo* elem = ElemOfRow(r))
            utility.copiedReferences.append(
                ReferenceRules::CopyReferenceText(*m_part, *elem, mode, kindWord));
    }
    utility.copiedReferenceSection = m_part->ownerSection ? m_part->ownerSection->name : QString();
}

void CWorkView::OnPasteReference() {
    if (!m_context.utility || !m_part) return;
    const QStringList references = m_context.utility->copiedReferences;
    const int row = m_grid->GetRow();
    const int col = m_grid->GetCol();
    if (references.isEmpty() || row < 1 || col < 1 || row >= m_grid->GetRows() || KindOfColumn(col) == 0)
        return;
    if (!references.first().contains(QStringView(ReferenceRules::kConditionMarker))) {
        const int count = std::min(static_cast<int>(references.size()), m_grid->GetRows() - row);
        if (auto* command = CreateCommand<CPasteCellCommand>("CPasteCellCommand")) {
            command->InitWithValues(this, count, row, col, references.mid(0, count));
            ExecuteCommand(command);
        }
        return;
    }
    CPELFM_ElemInfo* elem = ElemOfRow(row);
    if (!elem) {
        ShowElemMissing();
        return;
    }
    const QString section = m_part->ownerSection ? m_part->ownerSection->name : QString();
    const QString text = ReferenceRules::ConditionPasteText(references.first(), section,
                                                            m_context.utility->copiedReferenceSection);
    if (auto* command = CreateCommand<CChgItemCommand>("CChgItemCommand")) {
        command->InitFromText(m_context.commandFrame, KindOfColumn(col), elem, text);
        ExecuteCommand(command);
    }
    ShowCell(row, col);
    FitRowHeight(row);
}
