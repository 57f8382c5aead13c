#include "ReferenceCollector.h"

#include "CPELFM_ItemInfo.h"
#include "ItemValueText.h"
#include "ProfileInnerConst.h"

namespace {
// Pieces of a split value hold no separator of their own; the bound only stops a malformed value.
constexpr int kMaxDepth = 8;
}  // namespace

ReferenceCollector::ReferenceCollector(CPELFM_ItemInfo* item) {
    if (item != nullptr) Collect(item, 0);
}

ReferenceCollector::~ReferenceCollector() {
    DeleteItemArray(m_owned);
}

CPELFM_ItemInfo* ReferenceCollector::MakeBound(CPELFM_ItemInfo* item, const QString& text) {
    auto* bound = new CPELFM_ItemInfo;
    bound->itemType = item->itemType;
    bound->ownerElem = item->ownerElem;
    bound->AddDataInfo({ProfileInnerConst::DATA_ITEM, text});
    m_owned.append(bound);
    return bound;
}

void ReferenceCollector::Collect(CPELFM_ItemInfo* item, int depth) {
    int kind = VALUE_UNCLASSIFIED;
    QList<CPELFM_ItemInfo*> pieces;
    try {
        kind = item->AnalyzeValue();
        if (depth < kMaxDepth && kind == VALUE_LIST) {
            item->ExpandListItems(pieces);
        } else if (depth < kMaxDepth && kind == VALUE_ANGLE_LIST) {
            item->SplitAngleItems(pieces);
        } else if (kind == VALUE_RANGE) {
            _ST_PELFM_RANGEINFO range;
            item->GetRange(range);
            if (!range.lowerText.isEmpty()) m_items.append(MakeBound(item, range.lowerText));
            if (!range.upperText.isEmpty()) m_items.append(MakeBound(item, range.upperText));
            return;
        } else {
            m_items.append(item);
            return;
        }
    } catch (...) {
        // A value that cannot be taken apart (the model's exceptions) lists nothing more.
        m_owned.append(pieces);
        return;
    }
    m_owned.append(pieces);
    for (CPELFM_ItemInfo* piece : std::as_const(pieces)) Collect(piece, depth + 1);
}
