#include "CCheckReferenceGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckReferenceGroup::CCheckReferenceGroup(CCheckContext& context)
    : context_(context), referExist_(context), referRelation_(context) {}

void CCheckReferenceGroup::Run() {
    context_.RunChecks(targets, {&referExist_, &referRelation_});
}
