#include "CCheckLabelGroup.h"

#include "CCheckItemInfo.h"

CCheckLabelGroup::CCheckLabelGroup(CCheckContext& context) : repetition_(context), invalid_(context) {}

void CCheckLabelGroup::Run() {
    for (CCheckItemInfo* target : targets) repetition_.Run(target);
    for (CCheckItemInfo* target : targets) invalid_.Run(target);
}
