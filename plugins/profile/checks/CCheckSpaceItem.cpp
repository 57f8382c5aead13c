#include "CCheckSpaceItem.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"

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

int CCheckSpaceItem::Check() {
    if (!Judged(PartKind(), ItemKind())) return 1;
    if (Item()->AnalyzeValue() == VALUE_ENUM_REF) return 1;
    const QString wideSpace = context_.Format().strings.Text(41003);
    const QString tab = context_.Format().strings.Text(41004);
    const Internal::CItemPieces pieces(Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        const QString value = piece->GetFirstValue();
        if (value.contains(u' ') || (!wideSpace.isEmpty() && value.contains(wideSpace)) ||
            (!tab.isEmpty() && value.contains(tab))) {
            SetTargetMessageId(40035);
            return 0;
        }
    }
    return 1;
}
