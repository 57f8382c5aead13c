#pragma once
#include "CCheckMethodBase.h"

// The fixed data types of the information parts' labels (40028).
class CCheckInfoDataType : public CCheckMethodBase {
public:
    explicit CCheckInfoDataType(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
