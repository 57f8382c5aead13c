#include "CPasteCellCommand.h"

#include <algorithm>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CellTextValues.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "IPartGridView.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "NodeOwnership.h"
#include "PasteCellText.h"

namespace {

bool IsItemKind(int itemType) {
    return itemType >= LABEL && itemType <= RELATION;
}

}  // namespace

CPasteCellCommand::~CPasteCellCommand() {
    if (!m_applied) return;
    for (CellChange& change : m_changes) delete change.oldItem;
}

void CPasteCellCommand::Init(IPartGridView* view, int firstRow, int firstColumn, int rowCount,
                             int columnCount, const QString& blockText) {
    m_part = view ? view->GridPart() : nullptr;
    m_mode = BLOCK_MODE;
    m_firstRow = firstRow;
    m_firstColumn = firstColumn;
    m_rowCount = rowCount;
    m_columnCount = columnCount;
    m_blockText = blockText;
}

void CPasteCellCommand::InitWithBlock(IPartGridView* view, int firstRow, int firstColumn,
                                      const QList<QStringList>& block) {
    Init(view, firstRow, firstColumn, static_cast<int>(block.size()),
         block.isEmpty() ? 0 : static_cast<int>(block.first().size()), QString());
    m_block = block;
    m_hasBlock = true;
}

void CPasteCellCommand::InitWithValues(IPartGridView* view, int rowCount, int firstRow, int firstColumn,
                                       const QStringList& newTexts) {
    m_part = view ? view->GridPart() : nullptr;
    m_mode = LIST_MODE;
    m_rowCount = rowCount;
    m_firstRow = firstRow;
    m_firstColumn = firstColumn;
    m_columnCount = 1;
    m_newTexts = newTexts;
}

IPartGridView* CPasteCellCommand::FindView(IWorkViewManager& views) {
    if (!m_part || !m_part->ownerSection) return nullptr;
    const QString sectionName = m_part->ownerSection->name;
    IPartGridView* view = views.FindPartView(sectionName, m_part->name);
    if (!view) {
        views.OpenPartView(0, m_part);
        view = views.FindPartView(sectionName, m_part->name);
    }
    // Windows are found by names, which a loaded file may repeat: the window of a namesake
    // part would map rows and columns onto the wrong elements.
    return view && view->GridPart() == m_part ? view : nullptr;
}

bool CPasteCellCommand::Execute() {
    ICommandFrame* frame = GetCommandEnvironment().frame;
    if (m_applied || !frame) return false;
    IPartGridView* view = FindView(frame->WorkViews());
    if (!view) return false;

    // Everything that may throw (the view's column kinds, loading the part) happens before the
    // first cell changes, so a failure leaves the model as it was.
    const QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
    auto elemOfRow = [&elems](int row) { return row >= 1 && row <= elems.size() ? elems[row - 1] : nullptr; };
    std::vector<CellTarget> targets;
    if (m_mode == LIST_MODE) {
        m_lastRow = m_firstRow + m_rowCount - 1;
        m_lastColumn = m_firstColumn;
        const int itemType = m_firstColumn >= 1 && m_rowCount > 0 ? view->ColumnItemKind(m_firstColumn) : 0;
        for (int i = 0; i < m_rowCount; ++i) {
            CPELFM_ElemInfo* elem = elemOfRow(m_firstRow + i);
            if (!elem || !IsItemKind(itemType)) continue;
            const QString text = i < m_newTexts.size() ? m_newTexts[i] : QString();
            targets.push_back({elem, itemType, Internal::ShortenReferenceForCell(text, *m_part, elem)});
        }
    } else {
        m_lastRow = std::min(m_firstRow + m_rowCount - 1, view->GridRowCount() - 1);
        m_lastColumn = std::min(m_firstColumn + m_columnCount - 1, view->GridColumnCount() - 1);
        const int rows = std::max(0, m_lastRow - m_firstRow + 1);
        const int columns = std::max(0, m_lastColumn - m_firstColumn + 1);
        const QList<QStringList> block =
            m_hasBlock ? m_block : Internal::SplitCellBlock(m_blockText, rows, columns);
        std::vector<int> columnKinds;
        for (int c = 0; c < columns; ++c)
            columnKinds.push_back(m_firstColumn + c >= 1 ? view->ColumnItemKind(m_firstColumn + c) : 0);
        for (int r = 0; r < rows; ++r) {
            CPELFM_ElemInfo* elem = elemOfRow(m_firstRow + r);
            if (!elem) continue;
            for (int c = 0; c < columns; ++c) {
                if (IsItemKind(columnKinds[c]))
                    targets.push_back({elem, columnKinds[c], block.value(r).value(c)});
            }
        }
    }

    m_changes.clear();
    m_changes.reserve(targets.size());
    for (const CellTarget& target : targets) ApplyCell(target);
    m_applied = true;
    ShowRange(*view);
    frame->ProfileTree().RefreshProfileRoot();
    return true;
}

void CPasteCellCommand::ApplyCell(const CellTarget& target) {
    CPELFM_ElemInfo& elem = *target.elem;
    CellChange change;
    change.elem = target.elem;
    change.itemType = target.itemType;
    if (target.itemType == LABEL) {
        change.oldLabel = elem.label;
        elem.label = QString(target.text).remove(QStringLiteral("\r\n"));
        m_changes.push_back(change);
        return;
    }
    // One cell at a time: a DATA cell is split by the DATATYPE the same paste may just have set.
    const auto values = CellTextToValues(target.itemType, elem, target.text);
    const int index = elem.FindItemIndex(target.itemType);
    if (index < 0 && values.isEmpty()) return;
    std::unique_ptr<CPELFM_ItemInfo> newItem;
    if (!values.isEmpty()) {
        newItem = std::make_unique<CPELFM_ItemInfo>();
        newItem->itemType = target.itemType;
        newItem->ownerElem = &elem;
        for (const auto& value : values) newItem->AddDataInfo(value);
    }
    if (index >= 0) {
        change.oldItem = elem.items[index];
        change.index = index;
        if (newItem)
            elem.items[index] = newItem.get();
        else
            elem.items.removeAt(index);
    } else {
        change.index = static_cast<int>(elem.items.size());
        elem.items.append(newItem.get());
    }
    change.newItem = newItem.release();
    m_changes.push_back(change);
}

bool CPasteCellCommand::Unexecute() {
    ICommandFrame* frame = GetCommandEnvironment().frame;
    if (!m_applied || !frame) return false;
    for (const CellChange& change : m_changes) {
        if (change.newItem && Internal::IndexOfPointer(change.elem->items, change.newItem) < 0) return false;
    }
    // Backwards, so every position is the one the change saw.
    for (auto it = m_changes.rbegin(); it != m_changes.rend(); ++it) {
        QList<CPELFM_ItemInfo*>& items = it->elem->items;
        if (it->itemType == LABEL) {
            it->elem->label = it->oldLabel;
        } else if (it->newItem) {
            const int index = Internal::IndexOfPointer(items, it->newItem);
            if (it->oldItem)
                items[index] = it->oldItem;
            else
                items.removeAt(index);
            delete it->newItem;
        } else if (it->oldItem) {
            items.insert(std::min<qsizetype>(it->index, items.size()), it->oldItem);
        }
    }
    m_changes.clear();
    m_applied = false;
    if (IPartGridView* view = FindView(frame->WorkViews())) ShowRange(*view);
    frame->ProfileTree().RefreshProfileRoot();
    return true;
}

void CPasteCellCommand::ShowRange(IPartGridView& view) {
    if (m_lastRow < m_firstRow || m_lastColumn < m_firstColumn) return;
    view.RefreshGridCells(m_firstRow, m_firstColumn, m_lastRow, m_lastColumn);
    view.SelectGridRange(m_firstRow, m_firstColumn, m_lastRow, m_lastColumn);
    view.FocusGrid();
}
