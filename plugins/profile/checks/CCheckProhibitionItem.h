#pragma once
#include "CCheckMethodBase.h"

// Characters an item may not hold in connection and block parts (40010).
class CCheckProhibitionItem : public CCheckMethodBase {
public:
    explicit CCheckProhibitionItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
