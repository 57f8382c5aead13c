#include "CCheckSyntaxGroup.h"

#include "CCheckItemInfo.h"

CCheckSyntaxGroup::CCheckSyntaxGroup(CCheckContext& context)
    : prohibition_(context),
      bracketsItem_(context),
      bracketsDescribe_(context),
      squareParentheses_(context) {}

void CCheckSyntaxGroup::Run() {
    for (CCheckItemInfo* target : targets) prohibition_.Run(target);
    for (CCheckItemInfo* target : targets) bracketsItem_.Run(target);
    for (CCheckItemInfo* target : targets) bracketsDescribe_.Run(target);
    for (CCheckItemInfo* target : targets) squareParentheses_.Run(target);
}
