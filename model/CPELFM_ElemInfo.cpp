#include "CPELFM_ElemInfo.h"

#include <memory>

#include "CPELFM_ItemInfo.h"

CPELFM_ElemInfo::~CPELFM_ElemInfo() { qDeleteAll(items); }

void CPELFM_ElemInfo::CopyFrom(const CPELFM_ElemInfo& source) {
    kindTag = source.kindTag;
    label = source.label;
    ownerPart = source.ownerPart;
    rowIndex = source.rowIndex;
    for (const CPELFM_ItemInfo* sourceItem : source.items) {
        if (!sourceItem) continue;
        auto copy = std::make_unique<CPELFM_ItemInfo>();
        copy->CopyFrom(*sourceItem);
        copy->ownerElem = this;
        items.append(copy.release());
    }
}

void CPELFM_ElemInfo::GetItems(QList<CPELFM_ItemInfo*>& out) const { out = items; }

void CPELFM_ElemInfo::AddItem(CPELFM_ItemInfo* item) {
    if (item) items.append(item);
}

int CPELFM_ElemInfo::FindItemIndex(int itemType) const {
    for (int i = 0; i < items.size(); ++i) {
        if (items[i] && items[i]->itemType == itemType) return i;
    }
    return -1;
}

void CPELFM_ElemInfo::RemoveItem(int itemType) {
    const int index = FindItemIndex(itemType);
    if (index >= 0) items.removeAt(index);
}

void CPELFM_ElemInfo::SetItem(CPELFM_ItemInfo* item) {
    if (!item) return;
    const int index = FindItemIndex(item->itemType);
    if (index >= 0)
        items[index] = item;
    else
        items.append(item);
}
