#include <QVarLengthArray>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "InvalidArgumentError.h"

CPELFM_ItemInfo* CPELFM_ElemInfo::FindItem(int itemType, int depth) {
    return FindItemFollowing(this, itemType, depth,
                             [](CPELFM_ItemInfo* ref) { return ref->GetReferencedElem(); });
}

CPELFM_ItemInfo* FindItemFollowing(
    CPELFM_ElemInfo* elem, int itemType, int depth,
    const std::function<CPELFM_ElemInfo*(CPELFM_ItemInfo* reference)>& follow) {
    // Chains are short: a few elements, searched in order.
    QVarLengthArray<const CPELFM_ElemInfo*, 8> visited;
    for (;;) {
        const int index = elem->FindItemIndex(itemType);
        if (index >= 0) return elem->items[index];
        if (depth == 0) return nullptr;
        visited.append(elem);

        int refIndex = elem->FindItemIndex(REF_MEMORY);
        if (refIndex < 0) refIndex = elem->FindItemIndex(REF_PARAM);
        if (refIndex < 0) return nullptr;
        CPELFM_ItemInfo* ref = elem->items[refIndex];
        const int kind = ref->valueKind != VALUE_UNCLASSIFIED ? ref->valueKind : ref->AnalyzeValue();

        CPELFM_ElemInfo* next = nullptr;
        if (kind == VALUE_LIST) {
            QList<CPELFM_ItemInfo*> entries;
            ref->SplitListItems(entries);
            struct Cleanup {
                QList<CPELFM_ItemInfo*>& items;
                ~Cleanup() { DeleteItemArray(items); }
            } cleanup{entries};
            if (entries.isEmpty()) throw InvalidArgumentError("empty reference list");
            next = follow(entries.first());
        } else if (kind == VALUE_REFERENCE || kind == VALUE_DOTTED_REFERENCE) {
            next = follow(ref);
        }
        // A reference cycle ends the search as if the chain had ended.
        if (!next || visited.contains(next)) return nullptr;
        elem = next;
        if (depth > 0) --depth;
    }
}
