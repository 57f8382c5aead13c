#include "CCheckSyntaxGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckSyntaxGroup::CCheckSyntaxGroup(CCheckContext& context)
    : prohibition_(context),
      bracketsItem_(context),
      bracketsDescribe_(context),
      squareParentheses_(context) {}

std::vector<CCheckContext::Step> CCheckSyntaxGroup::Steps() {
    return {[this](CCheckItemInfo* t) { prohibition_.Run(t); },
            [this](CCheckItemInfo* t) { bracketsItem_.Run(t); },
            [this](CCheckItemInfo* t) { bracketsDescribe_.Run(t); },
            [this](CCheckItemInfo* t) { squareParentheses_.Run(t); }};
}
