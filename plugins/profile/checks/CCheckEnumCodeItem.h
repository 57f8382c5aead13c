#pragma once
#include "CCheckMethodBase.h"

// ENUM CODE values as 32-bit integers, decimal or hexadecimal (40065).
class CCheckEnumCodeItem : public CCheckMethodBase {
public:
    explicit CCheckEnumCodeItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;
};
