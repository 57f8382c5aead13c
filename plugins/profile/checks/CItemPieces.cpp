#include "CItemPieces.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"

namespace Internal {

CItemPieces::CItemPieces(CCheckContext& context, CPELFM_ItemInfo* item, Split split) {
    sourceKind_ = ValueKind(item);
    if (sourceKind_ == VALUE_LIST || (sourceKind_ == VALUE_ANGLE_LIST && split == Split::ListsAndAngles)) {
        split_ = context.SplitPieces(item, sourceKind_);
        pieces_ = std::span<CPELFM_ItemInfo* const>(split_->constData(), size_t(split_->size()));
    } else {
        single_ = item;
        pieces_ = std::span<CPELFM_ItemInfo* const>(&single_, 1);
    }
}

}  // namespace Internal
