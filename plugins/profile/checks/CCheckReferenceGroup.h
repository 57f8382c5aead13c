#pragma once
// Referenced parts exist and are of the kind the reference may name.

#include <vector>

#include "CCheckContext.h"

#include "CCheckProfileReferRelation.h"
#include "CCheckReferExist.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckReferenceGroup {
public:
    explicit CCheckReferenceGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    CCheckReferExist referExist_;
    CCheckProfileReferRelation referRelation_;
};
