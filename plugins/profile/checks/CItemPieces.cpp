#include "CItemPieces.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"

namespace Internal {

CItemPieces::CItemPieces(CCheckContext& context, CPELFM_ItemInfo* item, Split split) {
    sourceKind_ = ValueKind(item);
    if (sourceKind_ == VALUE_LIST || (sourceKind_ == VALUE_ANGLE_LIST && split == Split::ListsAndAngles)) {
        const QList<CPELFM_ItemInfo*>& pieces = context.SplitPieces(item, sourceKind_);
        pieces_ = std::span<CPELFM_ItemInfo* const>(pieces.constData(), size_t(pieces.size()));
    } else {
        single_ = item;
        pieces_ = std::span<CPELFM_ItemInfo* const>(&single_, 1);
    }
}

}  // namespace Internal
