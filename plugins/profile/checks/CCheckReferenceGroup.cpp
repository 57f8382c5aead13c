#include "CCheckReferenceGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckReferenceGroup::CCheckReferenceGroup(CCheckContext& context)
    : referExist_(context), referRelation_(context) {}

std::vector<CCheckContext::Step> CCheckReferenceGroup::Steps() {
    return {[this](CCheckItemInfo* t) { referExist_.Run(t); },
            [this](CCheckItemInfo* t) { referRelation_.Run(t); }};
}
