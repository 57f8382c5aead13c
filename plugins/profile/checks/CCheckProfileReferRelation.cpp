#include "CCheckProfileReferRelation.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckHelpers.h"

int CCheckProfileReferRelation::Check() {
    referringPart_.clear();
    referringItem_.clear();
    allowedPart_.clear();
    const int kind = ItemKind();
    if ((kind != REF_MEMORY && kind != REF_PARAM) || PartKind() != PART_COMM_IF_CONFIGURATION ||
        SectionKind() != SECTION_COMM_IF) {
        return 1;
    }
    const int allowed = kind == REF_MEMORY ? PART_BLOCK_MEMORY : PART_BLOCK_PARAM;
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        if (Internal::ValueKind(piece) != VALUE_REFERENCE) continue;
        const CPELFM_PartInfo* target = context_.References().ReferencedPart(piece);
        if (!target || target->partType != allowed) {
            referringItem_ = Internal::ItemKindKeyword(kind);
            referringPart_ = Internal::PartKindKeyword(PART_COMM_IF_CONFIGURATION);
            allowedPart_ = Internal::PartKindKeyword(allowed);
            return 0;
        }
    }
    return 1;
}

void CCheckProfileReferRelation::SetMessageId() {
    SetTargetMessageId(40003);
    AddMessageArgument(referringPart_);
    AddMessageArgument(referringItem_);
    AddMessageArgument(allowedPart_);
}
