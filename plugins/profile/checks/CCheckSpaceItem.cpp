#include "CCheckSpaceItem.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"

namespace {

bool Judged(int partKind, int itemKind) {
    switch (partKind) {
        case PART_COMM_IF_VARIABLE:
            return itemKind == MIN_INC;
        case PART_COMM_IF_CONFIGURATION:
            return itemKind == MIN_INC || itemKind == ACCESS || itemKind == REF_MEMORY ||
                   itemKind == REF_PARAM;
        case PART_BLOCK_MEMORY:
            return itemKind == MIN_INC || itemKind == ACCESS || itemKind == ASSIGN;
        case PART_ENUM:
            return itemKind == CODE;
        default:
            return false;
    }
}

}  // namespace

CCheckSpaceItem::CCheckSpaceItem(CCheckContext& context)
    : CCheckMethodBase(context),
      wideSpace_(context_.Format().strings.Text(41003)),
      tab_(context_.Format().strings.Text(41004)) {}

bool CCheckSpaceItem::HasSpace(const QString& value) const {
    return value.contains(u' ') || (!wideSpace_.isEmpty() && value.contains(wideSpace_)) ||
           (!tab_.isEmpty() && value.contains(tab_));
}

int CCheckSpaceItem::Check() {
    if (!Judged(PartKind(), ItemKind())) return 1;
    const int kind = Internal::ValueKind(Item());
    if (kind == VALUE_ENUM_REF) return 1;
    // Pieces of an angle list are parts of its one value: a value without any space has none.
    if (kind != VALUE_LIST && !HasSpace(Internal::FirstValue(Item()))) return 1;
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        if (HasSpace(Internal::FirstValue(piece))) {
            SetTargetMessageId(40035);
            return 0;
        }
    }
    return 1;
}
