#pragma once
// Data types, spaces, ranges and minimum increments.

#include <vector>

#include "CCheckContext.h"

#include "CCheckDataTypeMethod.h"
#include "CCheckMinIncItem.h"
#include "CCheckRangeItem.h"
#include "CCheckSpaceItem.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckValueGroup {
public:
    explicit CCheckValueGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    CCheckDataTypeMethod dataType_;
    CCheckSpaceItem space_;
    CCheckRangeItem range_;
    CCheckMinIncItem minInc_;
};
