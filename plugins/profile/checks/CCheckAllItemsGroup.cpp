#include "CCheckAllItemsGroup.h"

#include "CCheckItemInfo.h"

CCheckAllItemsGroup::CCheckAllItemsGroup(CCheckContext& context) : allItemRef_(context) {}

std::vector<CCheckContext::Step> CCheckAllItemsGroup::Steps() {
    return {[this](CCheckItemInfo* t) { allItemRef_.Run(t); }};
}
