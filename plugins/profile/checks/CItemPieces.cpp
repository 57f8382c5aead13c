#include "CItemPieces.h"

#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"

namespace Internal {

CItemPieces::CItemPieces(CPELFM_ItemInfo* item, Split split) {
    sourceKind_ = ValueKind(item);
    if (sourceKind_ == VALUE_LIST) {
        item->SplitListItems(owned_);
    } else if (sourceKind_ == VALUE_ANGLE_LIST && split == Split::ListsAndAngles) {
        item->SplitAngleItems(owned_);
    } else {
        single_ = item;
    }
}

CItemPieces::~CItemPieces() {
    DeleteItemArray(owned_);
}

}  // namespace Internal
