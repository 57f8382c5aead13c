#include "CCheckAllItemsGroup.h"

#include "CCheckItemInfo.h"

CCheckAllItemsGroup::CCheckAllItemsGroup(CCheckContext& context) : allItemRef_(context) {}

void CCheckAllItemsGroup::Run() {
    for (CCheckItemInfo* target : targets) allItemRef_.Run(target);
}
