#pragma once
#include "CCheckMethodBase.h"

// The form of ProfileSpecVersion and FileVersion, and the format's major version (40029, 40116).
class CCheckInfoVersionFormat : public CCheckMethodBase {
public:
    explicit CCheckInfoVersionFormat(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
