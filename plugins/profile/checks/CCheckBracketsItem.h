#pragma once
#include "CCheckMethodBase.h"

// Brackets of ranges and assignments must balance (40021).
class CCheckBracketsItem : public CCheckMethodBase {
public:
    explicit CCheckBracketsItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;
};
