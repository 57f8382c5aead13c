#include "CheckReferences.h"

#include <algorithm>
#include <vector>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckHelpers.h"
#include "InvalidArgumentError.h"

namespace Internal {

namespace {

// The flag of a part looked up by a reference of any kind; part kinds are the others.
constexpr int kAnyPart = -1;

// The item's value is of one of the kinds, classified as the model would before it answers.
bool IsOfKind(CPELFM_ItemInfo* item, int kind, int otherKind = -1) {
    if (item->values.isEmpty()) return false;
    const int k = ValueKind(item);
    return k == kind || k == otherKind;
}

}  // namespace

CPELFM_PartInfo* CheckReferences::ReferencedPart(CPELFM_ItemInfo* item) {
    // Anything the model refuses is left to the model, so that it throws as it does.
    if (!IsOfKind(item, VALUE_REFERENCE)) return item->GetReferencedPart();
    const Key key{SectionOf(item), kAnyPart, item->values.constFirst().text};
    auto it = parts_.constFind(key);
    if (it != parts_.cend()) return *it;
    return *parts_.insert(key, item->GetReferencedPart());
}

CPELFM_PartInfo* CheckReferences::EnumRefPart(CPELFM_ItemInfo* item) {
    if (!IsOfKind(item, VALUE_ENUM_REF)) return item->GetEnumRefPart();
    const Key key{SectionOf(item), kAnyPart, item->values.constFirst().text};
    auto it = parts_.constFind(key);
    if (it != parts_.cend()) return *it;
    return *parts_.insert(key, item->GetEnumRefPart());
}

CPELFM_PartInfo* CheckReferences::ReferencedPartOfType(CPELFM_ItemInfo* item, int partType) {
    if (item->values.isEmpty()) return nullptr;
    const Key key{SectionOf(item), partType, item->values.constFirst().text};
    auto it = parts_.constFind(key);
    if (it != parts_.cend()) return *it;
    return *parts_.insert(key, item->GetReferencedPartOfType(partType));
}

CPELFM_ElemInfo* CheckReferences::ReferencedElem(CPELFM_ItemInfo* item) {
    if (!IsOfKind(item, VALUE_REFERENCE, VALUE_DOTTED_REFERENCE)) return item->GetReferencedElem();
    // The model reads the analysed value, and a memory reference names the part's P_Value.
    const Key key{PartOf(item), item->itemType == REF_MEMORY ? 1 : 0, item->work.text};
    auto it = elems_.constFind(key);
    if (it != elems_.cend()) return *it;
    return *elems_.insert(key, item->GetReferencedElem());
}

CPELFM_ItemInfo* CheckReferences::FindItem(CPELFM_ElemInfo* elem, int itemType, int depth) {
    std::vector<const CPELFM_ElemInfo*> visited;
    for (;;) {
        const int index = elem->FindItemIndex(itemType);
        if (index >= 0) return elem->items[index];
        if (depth == 0) return nullptr;
        visited.push_back(elem);

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
            next = ReferencedElem(entries.first());
        } else if (kind == VALUE_REFERENCE || kind == VALUE_DOTTED_REFERENCE) {
            next = ReferencedElem(ref);
        }
        // A reference cycle ends the search as if the chain had ended.
        if (!next || std::find(visited.cbegin(), visited.cend(), next) != visited.cend()) return nullptr;
        elem = next;
        if (depth > 0) --depth;
    }
}

}  // namespace Internal
