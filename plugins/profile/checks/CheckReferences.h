#pragma once
// What references name, looked up once per check run. The tree does not change while it is judged,
// and the model finds sections, parts and elements by scanning them by name: a large profile whose
// elements refer to a few parts would scan the same lists for every element.

#include <QHash>
#include <QString>
#include <functional>

class CPELFM_ItemInfo;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;

namespace Internal {

class CheckReferences {
public:
    // As CPELFM_ItemInfo::GetReferencedPart, GetEnumRefPart and GetReferencedPartOfType: the same
    // answers and the same exceptions.
    CPELFM_PartInfo* ReferencedPart(CPELFM_ItemInfo* item);
    CPELFM_PartInfo* EnumRefPart(CPELFM_ItemInfo* item);
    CPELFM_PartInfo* ReferencedPartOfType(CPELFM_ItemInfo* item, int partType);
    // As CPELFM_ElemInfo::FindItem.
    CPELFM_ItemInfo* FindItem(CPELFM_ElemInfo* elem, int itemType, int depth);

private:
    // A reference text read from one place: a section for part names, a part for element names (a
    // section and the root follow from either). The flag tells apart what else decides the answer.
    struct Key {
        const void* place;
        int flag;
        QString text;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.place, key.flag, key.text);
        }
    };
    CPELFM_ElemInfo* ReferencedElem(CPELFM_ItemInfo* item);
    // The part kept for the item's place and first value, looked up once.
    CPELFM_PartInfo* KeptPart(CPELFM_ItemInfo* item, int flag,
                              const std::function<CPELFM_PartInfo*()>& lookUp);

    QHash<Key, CPELFM_PartInfo*> parts_;
    QHash<Key, CPELFM_ElemInfo*> elems_;
};

}  // namespace Internal
