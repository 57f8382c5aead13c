#include "CChgItemCommand.h"

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CellTextValues.h"
#include "ICommandFrame.h"
#include "IPartGridView.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "NodeOwnership.h"

namespace {

bool LabelIn(const QString& label, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (label.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The root item's text shows these header values.
int HeaderFlag(const CPELFM_ElemInfo* elem, int itemType) {
    if (!elem || !elem->ownerPart || itemType != DATA) return 0;
    const int partType = elem->ownerPart->partType;
    if (partType == PART_DEVICE_INFO &&
        LabelIn(elem->label, {"DeviceModel", "DisplayVersionValue", "Version"}))
        return 1;
    if (partType == PART_FILE_INFO && LabelIn(elem->label, {"Language"})) return 1;
    return 0;
}

}  // namespace

CChgItemCommand::~CChgItemCommand() {
    delete (m_applied ? m_oldItem : m_newItem);
}

void CChgItemCommand::Begin(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem, int refill) {
    if (!m_applied) delete m_newItem;
    m_newItem = nullptr;
    m_oldItem = nullptr;
    m_applied = false;
    m_frame = frame;
    m_itemType = itemType;
    m_elem = elem;
    m_refill = refill;
    m_headerFlag = HeaderFlag(elem, itemType);
    m_savedIndex = -1;
    if (elem && itemType != LABEL) {
        m_savedIndex = elem->FindItemIndex(itemType);
        m_oldItem = m_savedIndex >= 0 ? elem->items[m_savedIndex] : nullptr;
    }
}

void CChgItemCommand::SetNewValues(const QList<ProfileInnerConst::_ST_PELFM_DATAINFO>& values) {
    if (values.isEmpty()) return;
    auto item = std::make_unique<CPELFM_ItemInfo>();
    item->itemType = m_itemType;
    item->ownerElem = m_elem;
    for (const auto& value : values) item->AddDataInfo(value);
    m_newItem = item.release();
}

void CChgItemCommand::InitFromText(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem,
                                   const QString& text) {
    Begin(frame, itemType, elem, 0);
    if (itemType == LABEL) {
        m_labelText = text;
        return;
    }
    if (elem) SetNewValues(CellTextToValues(itemType, *elem, text));
}

void CChgItemCommand::InitFromDataList(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem,
                                       const QStringList& values) {
    Begin(frame, itemType, elem, 1);
    if (itemType == LABEL) {
        m_labelText = values.isEmpty() ? QString() : values.first();
        return;
    }
    QList<ProfileInnerConst::_ST_PELFM_DATAINFO> records;
    for (const QString& value : values) records.append(ValueFromText(value, true));
    SetNewValues(records);
}

bool CChgItemCommand::Execute() {
    // The frame is checked first: a change that reports failure must leave the model untouched.
    if (!m_frame || !m_elem || m_applied) return false;
    if (m_itemType == LABEL) {
        std::swap(m_elem->label, m_labelText);
    } else {
        QList<CPELFM_ItemInfo*>& items = m_elem->items;
        m_savedIndex = m_elem->FindItemIndex(m_itemType);
        m_oldItem = m_savedIndex >= 0 ? items[m_savedIndex] : nullptr;
        if (m_newItem) {
            m_newItem->ownerElem = m_elem;
            if (m_savedIndex >= 0)
                items[m_savedIndex] = m_newItem;
            else
                items.append(m_newItem);
        } else if (m_savedIndex >= 0) {
            items.removeAt(m_savedIndex);
        }
    }
    m_applied = true;
    RefreshViews();
    return true;
}

bool CChgItemCommand::Unexecute() {
    if (!m_frame || !m_elem || !m_applied) return false;
    if (m_itemType == LABEL) {
        std::swap(m_elem->label, m_labelText);
    } else {
        QList<CPELFM_ItemInfo*>& items = m_elem->items;
        if (m_newItem) {
            // The item this command put in, found by identity.
            const int index = Internal::IndexOfPointer(items, m_newItem);
            if (index < 0) return false;
            if (m_oldItem)
                items[index] = m_oldItem;
            else
                items.removeAt(index);
        } else if (m_oldItem) {
            if (m_savedIndex < 0 || m_savedIndex > items.size()) return false;
            items.insert(m_savedIndex, m_oldItem);
        }
        if (m_oldItem) m_oldItem->ownerElem = m_elem;
    }
    m_applied = false;
    RefreshViews();
    return true;
}

void CChgItemCommand::RefreshViews() {
    if (CPELFM_PartInfo* part = m_elem->ownerPart) {
        IPartGridView* view = m_frame->WorkViews().OpenPartView(m_refill, part);
        // A refilled grid goes on from the changed cell; a cell edit's own grid is already there.
        const qsizetype index = part->Elems().indexOf(m_elem);
        if (view && m_refill != 0 && index >= 0)
            view->MakeCellCurrent(static_cast<int>(index) + 1, m_itemType);
    }
    m_refill = 1;
    if (m_headerFlag) m_frame->ProfileTree().RefreshProfileRoot();
}
