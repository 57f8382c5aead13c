#pragma once
#include "CCheckMethodBase.h"

// File names, dates and times of the information parts (40030).
class CCheckInfoFormat : public CCheckMethodBase {
public:
    explicit CCheckInfoFormat(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
