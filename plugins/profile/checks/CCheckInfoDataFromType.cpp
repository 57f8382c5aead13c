#include "CCheckInfoDataFromType.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "DataTypeRules.h"

int CCheckInfoDataFromType::Check() {
    if (ItemKind() != DATA) return 1;
    const int part = PartKind();
    if (!Internal::IsInfoPart(part) && part != PART_BLOCK_PARAM) return 1;
    CPELFM_ItemInfo* dataTypeItem = Internal::OwnItem(Elem(), DATATYPE);
    if (!dataTypeItem) return 1;
    const QString& dataType = Internal::FirstValue(dataTypeItem);
    if (dataType.isEmpty() || Internal::FirstValue(Item()).isEmpty()) return 1;
    if (Internal::ValueKind(dataTypeItem) == VALUE_ENUM_REF) return 1;

    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    bool valid = pieces.SourceKind() != VALUE_ANGLE_LIST || dataType.endsWith(u"()");
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        if (!valid) break;
        valid = CheckValueAgainstDataType(piece->GetFirstValue(), dataType) == 1;
    }
    if (valid) return 1;
    AddMessageArgument(Elem()->label);
    SetTargetMessageId(40034);
    return 0;
}
