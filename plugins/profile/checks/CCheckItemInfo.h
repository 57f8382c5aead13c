#pragma once
// One check target: an item of an element (or the element's synthetic LABEL item).

#include <QtGlobal>
#include <limits>
#include <memory>

#include "CPELFM_ItemInfo.h"
#include "PluginRecords.h"

class CPELFM_ElemInfo;
class CPELFM_PartInfo;

struct CCheckItemInfo {
    int elementIndex = 0;
    qint8 status = 1;  // 1 until a check fails on the target; later checks then skip it
    // Where the item sits, taken when the target is made: a check changes no tree, and most checks pick
    // their targets by these kinds without reading the model. Kinds are small numbers and a large
    // profile has millions of targets, so they are kept short; kNotShort stands for a kind that is not
    // (CCheckMethodBase then reads the model).
    static constexpr qint16 kNotShort = std::numeric_limits<qint16>::min();
    qint16 itemKind = 0;
    qint16 partKind = 0;
    qint16 sectionKind = 0;
    CPELFM_ItemInfo* item = nullptr;
    CPELFM_ElemInfo* elem = nullptr;
    CPELFM_PartInfo* part = nullptr;  // its section is part->ownerSection
    // The message filled when a check fails on this target; made when first written, as most targets
    // never fail.
    std::unique_ptr<_ST_PEL_CHECK_MESSAGE> message;

    int ItemKind() const { return itemKind != kNotShort ? itemKind : item->itemType; }
    static qint16 ShortKind(int kind) {
        return kind > kNotShort && kind <= std::numeric_limits<qint16>::max() ? qint16(kind) : kNotShort;
    }
    _ST_PEL_CHECK_MESSAGE& Message() {
        if (!message) message = std::make_unique<_ST_PEL_CHECK_MESSAGE>();
        return *message;
    }
};
