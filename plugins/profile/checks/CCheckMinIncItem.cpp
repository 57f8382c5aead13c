#include "CCheckMinIncItem.h"

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "CheckPatterns.h"

using Internal::EPattern;
using Internal::MatchRegex;

int CCheckMinIncItem::Check() {
    if (Internal::IsInfoPart(PartKind())) return 1;
    if (ItemKind() == MIN_INC) {
        const int id = JudgeMinInc(Item());
        if (id == 1) return 1;
        SetTargetMessageId(id);
        return 0;
    }
    if (ItemKind() != DATATYPE || Internal::OwnItem(Elem(), MIN_INC)) return 1;
    // An element without a MIN_INC of its own is judged by a MIN_INC it refers to.
    CPELFM_ItemInfo* minInc = context_.References().FindItem(Elem(), MIN_INC, 1);
    if (!minInc || Internal::FirstValueOrEmpty(minInc).isEmpty()) return 1;
    const int id = JudgeMinInc(minInc);
    if (id != 1) context_.AppendMessage(context_.ElementMessage(Elem(), id, MIN_INC));
    return 1;
}

int CCheckMinIncItem::JudgeMinInc(CPELFM_ItemInfo* minInc) {
    const QString& value = Internal::FirstValue(minInc);
    if (value.isEmpty() || value == u"NA") return 1;
    const CPELFM_ItemInfo* unit = context_.References().FindItem(Elem(), ENG_UNIT, 1);
    if (Internal::FirstValueOrEmpty(unit).isEmpty()) return 40041;
    if (!MatchRegex(value, EPattern::MinIncPowerOfTen)) return 40042;
    const CPELFM_ItemInfo* dataTypeItem = context_.References().FindItem(Elem(), DATATYPE, 1);
    const QString dataType = dataTypeItem ? dataTypeItem->GetFirstValue() : QString();
    if (!MatchRegex(dataType, EPattern::TypeInt) && !MatchRegex(dataType, EPattern::TypeUint) &&
        !MatchRegex(dataType, EPattern::TypeBcd)) {
        return 40043;
    }
    return 1;
}
