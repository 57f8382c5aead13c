#include "CCheckAllItemRefMethod.h"

#include "CPELFM_ItemInfo.h"

int CCheckAllItemRefMethod::Check() {
    if (Item()->AnalyzeValue() == VALUE_ENUM_REF && ItemKind() != RANGE) {
        SetTargetMessageId(40091);
        return 0;
    }
    return 1;
}
