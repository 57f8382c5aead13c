#pragma once
#include "CCheckMethodBase.h"

// RANGE values against the element's data type (40038, 40039, 40040).
class CCheckRangeItem : public CCheckMethodBase {
public:
    explicit CCheckRangeItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;

private:
    int JudgeRange(CPELFM_ItemInfo* range);
};
