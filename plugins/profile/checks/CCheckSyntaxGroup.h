#pragma once
// How values are written: prohibited characters and brackets.

#include <vector>

#include "CCheckContext.h"

#include "CCheckBracketsDescribe.h"
#include "CCheckBracketsItem.h"
#include "CCheckProhibitionItem.h"
#include "CCheckSquareParentheses.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckSyntaxGroup {
public:
    explicit CCheckSyntaxGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    CCheckProhibitionItem prohibition_;
    CCheckBracketsItem bracketsItem_;
    CCheckBracketsDescribe bracketsDescribe_;
    CCheckSquareParentheses squareParentheses_;
};
