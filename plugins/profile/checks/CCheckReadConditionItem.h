#pragma once
#include "CCheckMethodBase.h"

// READ_CONDITION comparisons: known elements, comparable types, valid values (40049).
class CCheckReadConditionItem : public CCheckMethodBase {
public:
    explicit CCheckReadConditionItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;
};
