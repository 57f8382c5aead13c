#include "CCheckValueGroup.h"

#include "CCheckItemInfo.h"

CCheckValueGroup::CCheckValueGroup(CCheckContext& context)
    : dataType_(context), space_(context), range_(context), minInc_(context) {}

void CCheckValueGroup::Run() {
    for (CCheckItemInfo* target : targets) dataType_.Run(target);
    for (CCheckItemInfo* target : targets) space_.Run(target);
    for (CCheckItemInfo* target : targets) range_.Run(target);
    for (CCheckItemInfo* target : targets) minInc_.Run(target);
}
