#pragma once
// Sees every target first: enumeration references outside RANGE items.

#include <vector>

#include "CCheckAllItemRefMethod.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckAllItemsGroup {
public:
    explicit CCheckAllItemsGroup(CCheckContext& context);
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    CCheckAllItemRefMethod allItemRef_;
};
