#pragma once
// Data types, spaces, ranges and minimum increments.

#include <vector>

#include "CCheckDataTypeMethod.h"
#include "CCheckMinIncItem.h"
#include "CCheckRangeItem.h"
#include "CCheckSpaceItem.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckValueGroup {
public:
    explicit CCheckValueGroup(CCheckContext& context);
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    CCheckContext& context_;
    CCheckDataTypeMethod dataType_;
    CCheckSpaceItem space_;
    CCheckRangeItem range_;
    CCheckMinIncItem minInc_;
};
