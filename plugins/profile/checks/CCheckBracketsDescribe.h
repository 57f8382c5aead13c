#pragma once
#include "CCheckMethodBase.h"

// The form of a range written in brackets (40022, 40023, 40024).
class CCheckBracketsDescribe : public CCheckMethodBase {
public:
    explicit CCheckBracketsDescribe(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
