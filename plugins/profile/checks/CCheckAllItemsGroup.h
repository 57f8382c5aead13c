#pragma once
// Sees every target first: enumeration references outside RANGE items.

#include <vector>

#include "CCheckContext.h"

#include "CCheckAllItemRefMethod.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckAllItemsGroup {
public:
    explicit CCheckAllItemsGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    CCheckAllItemRefMethod allItemRef_;
};
