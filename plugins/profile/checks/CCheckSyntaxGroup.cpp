#include "CCheckSyntaxGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckSyntaxGroup::CCheckSyntaxGroup(CCheckContext& context)
    : context_(context),
      prohibition_(context),
      bracketsItem_(context),
      bracketsDescribe_(context),
      squareParentheses_(context) {}

void CCheckSyntaxGroup::Run() {
    context_.RunChecks(targets, {&prohibition_, &bracketsItem_, &bracketsDescribe_, &squareParentheses_});
}
