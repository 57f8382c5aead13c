#include "CCheckReferenceGroup.h"

#include "CCheckItemInfo.h"

CCheckReferenceGroup::CCheckReferenceGroup(CCheckContext& context)
    : referExist_(context), referRelation_(context) {}

void CCheckReferenceGroup::Run() {
    for (CCheckItemInfo* target : targets) referExist_.Run(target);
    for (CCheckItemInfo* target : targets) referRelation_.Run(target);
}
