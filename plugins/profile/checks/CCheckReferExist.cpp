#include "CCheckReferExist.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

namespace {

bool IsReferenceItem(int sectionKind, int partKind, int itemKind) {
    if (sectionKind != SECTION_COMM_IF && sectionKind != SECTION_BLOCK) return false;
    switch (partKind) {
        case PART_COMM_IF_INFO:
        case PART_BLOCK_INFO:
            return itemKind == DATA;
        case PART_COMM_IF_VARIABLE:
        case PART_BLOCK_MEMORY:
            return itemKind == DATATYPE || itemKind == RANGE;
        case PART_COMM_IF_CONFIGURATION:
            return itemKind == DATATYPE || itemKind == RANGE || itemKind == REF_MEMORY ||
                   itemKind == REF_PARAM;
        case PART_BLOCK_PARAM:
            return itemKind == DATATYPE;
        default:
            return false;
    }
}

}  // namespace

int CCheckReferExist::Check() {
    if (!IsReferenceItem(SectionKind(), PartKind(), ItemKind())) return 1;
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        bool resolved = true;
        switch (ItemKind()) {
            case DATA:
                if (Internal::AsciiEqualsIgnoreCase(Elem()->label, QStringLiteral("DeviceInterface"))) {
                    resolved = context_.References().ReferencedPartOfType(piece, PART_DEVICE_IF) != nullptr;
                }
                break;
            case RANGE:
                if (Internal::ValueKind(piece) == VALUE_ENUM_REF)
                    resolved = context_.References().EnumRefPart(piece) != nullptr;
                break;
            case REF_MEMORY:
            case REF_PARAM:
                if (Internal::ValueKind(piece) == VALUE_REFERENCE)
                    resolved = context_.References().ReferencedPart(piece) != nullptr;
                break;
            default:
                break;
        }
        if (!resolved) {
            AddMessageArgument(context_.Format().strings.Text(41015));
            return 0;
        }
    }
    return 1;
}

void CCheckReferExist::SetMessageId() {
    SetTargetMessageId(40001);
}
