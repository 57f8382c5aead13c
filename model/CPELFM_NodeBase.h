#pragma once
#include "ProfileInnerConst.h"

// Every tree node starts with its kind tag. Untyped holders (tree item data, clipboard
// entries) keep a pointer to this base and read the tag to learn the node's class.
struct CPELFM_NodeBase {
    explicit CPELFM_NodeBase(int kind) : kindTag(kind) {}
    int kindTag;
};

class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class CPELFM_ElemInfo;
class CPELFM_ItemInfo;

// Checked down-casts from the base by the kind tag; null when the tag does not match.
template <class T>
T* NodeCast(CPELFM_NodeBase* node) {
    return node && node->kindTag == T::Kind ? static_cast<T*>(node) : nullptr;
}
