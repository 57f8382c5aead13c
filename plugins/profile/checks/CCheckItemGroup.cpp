#include "CCheckItemGroup.h"

#include <initializer_list>

#include "CCheckContext.h"
#include "CCheckItemInfo.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"

CCheckItemGroup::CCheckItemGroup(CCheckContext& context)
    : context_(context), access_(context), enumCode_(context), readCondition_(context) {}

void CCheckItemGroup::ReportOmittedItem(const CPELFM_ElemInfo* elem, int itemKind) {
    _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(elem, 40011, itemKind);
    m.arguments.append(Internal::PartKindKeyword(elem->ownerPart ? elem->ownerPart->partType : 0));
    m.arguments.append(Internal::ItemKindKeyword(itemKind));
    context_.AppendMessage(m);
}

void CCheckItemGroup::CheckMandatoryItems(CCheckItemInfo* target) {
    const CPELFM_ElemInfo* elem = target->item->ownerElem;
    if (Internal::FirstValueOrEmpty(target->item).isEmpty()) {
        target->status = 0;
        ReportOmittedItem(elem, LABEL);
    }
    std::initializer_list<int> required;
    static constexpr std::initializer_list<int> kNone = {};
    static constexpr std::initializer_list<int> kDataType = {DATATYPE};
    static constexpr std::initializer_list<int> kDataTypeName = {DATATYPE, NAME};
    static constexpr std::initializer_list<int> kName = {NAME};
    static constexpr std::initializer_list<int> kCode = {CODE};
    switch (elem->ownerPart->partType) {
        case PART_FILE_INFO:
        case PART_DEVICE_INFO:
        case PART_DEVICE_IF:
        case PART_COMM_IF_INFO:
        case PART_BLOCK_INFO:
            required = kDataType;
            break;
        case PART_COMM_IF_VARIABLE:
        case PART_BLOCK_MEMORY:
        case PART_BLOCK_PARAM:
            required = kDataTypeName;
            break;
        case PART_COMM_IF_CONFIGURATION:
            if (Internal::OwnItem(elem, REF_MEMORY)) {
                required = kNone;
            } else if (Internal::OwnItem(elem, REF_PARAM)) {
                required = kName;
            } else {
                required = kDataTypeName;
            }
            break;
        case PART_ENUM:
            required = kCode;
            break;
        default:
            required = kNone;
            break;
    }
    for (int kind : required) {
        // An item without any value counts as omitted, like an empty one or "-".
        const QString& value = Internal::OwnValue(elem, kind);
        if (value.isEmpty() || value == u"-") ReportOmittedItem(elem, kind);
    }
}

std::vector<CCheckContext::Step> CCheckItemGroup::Steps() {
    const bool enumCodes = context_.Format().enumCodeCheck;
    return {[this](CCheckItemInfo* target) {
                if (target->ItemKind() != LABEL) return;
                // Not a check of the target: it reports on the element, even after earlier failures.
                try {
                    CheckMandatoryItems(target);
                } catch (...) {
                }
            },
            [this](CCheckItemInfo* target) {
                if (target->ItemKind() == ACCESS) access_.Run(target);
            },
            [this, enumCodes](CCheckItemInfo* target) {
                if (enumCodes && target->ItemKind() == CODE) enumCode_.Run(target);
                if (!enumCodes && target->ItemKind() == READ_CONDITION) readCondition_.Run(target);
            }};
}
