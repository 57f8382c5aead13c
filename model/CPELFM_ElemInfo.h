#pragma once
#include <QList>
#include <QString>
#include <functional>

#include "CPELFM_NodeBase.h"

// One row of the part grid: a label and one item per item type present.
class CPELFM_ElemInfo : public CPELFM_NodeBase {
public:
    static constexpr int Kind = NODE_ELEM;

    CPELFM_ElemInfo() : CPELFM_NodeBase(Kind) {}
    ~CPELFM_ElemInfo();
    CPELFM_ElemInfo(const CPELFM_ElemInfo&) = delete;
    CPELFM_ElemInfo& operator=(const CPELFM_ElemInfo&) = delete;

    // Deep copy into this fresh element; copied items name this element as owner.
    void CopyFrom(const CPELFM_ElemInfo& source);

    void GetItems(QList<CPELFM_ItemInfo*>& out) const;
    void AddItem(CPELFM_ItemInfo* item);
    int FindItemIndex(int itemType) const;
    // The first item of the type; when there is none and depth is not 0, the search goes on in the
    // element that this element's REF_MEMORY (else REF_PARAM) item designates, with depth - 1.
    // A negative depth follows references until they end; an element is never searched twice.
    CPELFM_ItemInfo* FindItem(int itemType, int depth);
    // Takes out the first item of the type without deleting it; the caller owns it.
    void RemoveItem(int itemType);
    // Replaces the first item of the same type (the old one is left to the caller) or appends.
    void SetItem(CPELFM_ItemInfo* item);

    QList<CPELFM_ItemInfo*> items;  // owned
    QString label;
    CPELFM_PartInfo* ownerPart = nullptr;
    int rowIndex = 0;
};

inline void DeleteElemInfo(CPELFM_ElemInfo* node) {
    delete node;
}

// CPELFM_ElemInfo::FindItem with the step from a reference item to the element it designates left to
// the caller, who may keep what references designate while it follows many.
CPELFM_ItemInfo* FindItemFollowing(CPELFM_ElemInfo* elem, int itemType, int depth,
                                   const std::function<CPELFM_ElemInfo*(CPELFM_ItemInfo* reference)>& follow);
