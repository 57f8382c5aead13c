#include "CCheckLabelGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckLabelGroup::CCheckLabelGroup(CCheckContext& context)
    : context_(context), repetition_(context), invalid_(context) {}

void CCheckLabelGroup::Run() {
    context_.RunChecks(targets, {&repetition_, &invalid_});
}
