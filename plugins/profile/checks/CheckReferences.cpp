#include "CheckReferences.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckHelpers.h"

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
    return KeptPart(item, kAnyPart, [item] { return item->GetReferencedPart(); });
}

CPELFM_PartInfo* CheckReferences::EnumRefPart(CPELFM_ItemInfo* item) {
    if (!IsOfKind(item, VALUE_ENUM_REF)) return item->GetEnumRefPart();
    return KeptPart(item, kAnyPart, [item] { return item->GetEnumRefPart(); });
}

CPELFM_PartInfo* CheckReferences::ReferencedPartOfType(CPELFM_ItemInfo* item, int partType) {
    if (item->values.isEmpty()) return nullptr;
    return KeptPart(item, partType, [item, partType] { return item->GetReferencedPartOfType(partType); });
}

CPELFM_PartInfo* CheckReferences::KeptPart(CPELFM_ItemInfo* item, int flag,
                                           const std::function<CPELFM_PartInfo*()>& lookUp) {
    // The model reads the first value, and names without a section are parts of the item's section.
    const Key key{SectionOf(item), flag, item->values.constFirst().text};
    auto it = parts_.constFind(key);
    if (it != parts_.cend()) return *it;
    return *parts_.insert(key, lookUp());
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
    return FindItemFollowing(elem, itemType, depth,
                             [this](CPELFM_ItemInfo* ref) { return ReferencedElem(ref); });
}

}  // namespace Internal
