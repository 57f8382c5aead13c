#pragma once
#include "CCheckMethodBase.h"

// MIN_INC values: powers of ten on integer types with a unit (40041, 40042, 40043).
class CCheckMinIncItem : public CCheckMethodBase {
public:
    explicit CCheckMinIncItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;

private:
    int JudgeMinInc(CPELFM_ItemInfo* minInc);
};
