#pragma once
// Referenced parts exist and are of the kind the reference may name.

#include <vector>

#include "CCheckProfileReferRelation.h"
#include "CCheckReferExist.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckReferenceGroup {
public:
    explicit CCheckReferenceGroup(CCheckContext& context);
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    CCheckContext& context_;
    CCheckReferExist referExist_;
    CCheckProfileReferRelation referRelation_;
};
