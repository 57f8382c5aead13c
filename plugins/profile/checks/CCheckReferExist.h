#pragma once
#include "CCheckMethodBase.h"

// Referenced parts must exist (40001).
class CCheckReferExist : public CCheckMethodBase {
public:
    explicit CCheckReferExist(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;
};
