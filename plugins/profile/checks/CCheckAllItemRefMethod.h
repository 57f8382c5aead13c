#pragma once
#include "CCheckMethodBase.h"

// Enumeration references belong in RANGE items only (40091).
class CCheckAllItemRefMethod : public CCheckMethodBase {
public:
    explicit CCheckAllItemRefMethod(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
