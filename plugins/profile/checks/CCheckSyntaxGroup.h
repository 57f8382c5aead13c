#pragma once
// How values are written: prohibited characters and brackets.

#include <vector>

#include "CCheckBracketsDescribe.h"
#include "CCheckBracketsItem.h"
#include "CCheckProhibitionItem.h"
#include "CCheckSquareParentheses.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckSyntaxGroup {
public:
    explicit CCheckSyntaxGroup(CCheckContext& context);
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    CCheckContext& context_;
    CCheckProhibitionItem prohibition_;
    CCheckBracketsItem bracketsItem_;
    CCheckBracketsDescribe bracketsDescribe_;
    CCheckSquareParentheses squareParentheses_;
};
