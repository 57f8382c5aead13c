#pragma once
// One check target: an item of an element (or the element's synthetic LABEL item).

#include <memory>

#include "PluginRecords.h"

class CPELFM_ItemInfo;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;

struct CCheckItemInfo {
    int status = 1;  // 1 until a check fails on the target; later checks then skip it
    int elementIndex = 0;
    CPELFM_ItemInfo* item = nullptr;
    // Where the item sits, taken when the target is made: a check changes no tree, and most checks pick
    // their targets by these kinds without reading the model.
    int itemKind = 0;
    int partKind = 0;
    int sectionKind = 0;
    CPELFM_ElemInfo* elem = nullptr;
    CPELFM_PartInfo* part = nullptr;
    CPELFM_SectionInfo* section = nullptr;
    // The message filled when a check fails on this target; made when first written, as most targets
    // never fail.
    std::unique_ptr<_ST_PEL_CHECK_MESSAGE> message;

    _ST_PEL_CHECK_MESSAGE& Message() {
        if (!message) message = std::make_unique<_ST_PEL_CHECK_MESSAGE>();
        return *message;
    }
};
