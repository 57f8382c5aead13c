#pragma once
#include "CCheckMethodBase.h"

// DATA values of the information parts against their DATATYPE (40034).
class CCheckInfoDataFromType : public CCheckMethodBase {
public:
    explicit CCheckInfoDataFromType(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
