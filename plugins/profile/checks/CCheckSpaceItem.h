#pragma once
#include "CCheckMethodBase.h"

// No stray spaces, ideographic spaces or tabs in values (40035).
class CCheckSpaceItem : public CCheckMethodBase {
public:
    explicit CCheckSpaceItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
