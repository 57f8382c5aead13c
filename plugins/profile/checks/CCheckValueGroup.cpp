#include "CCheckValueGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckValueGroup::CCheckValueGroup(CCheckContext& context)
    : context_(context), dataType_(context), space_(context), range_(context), minInc_(context) {}

void CCheckValueGroup::Run() {
    context_.RunChecks(targets, {&dataType_, &space_, &range_, &minInc_});
}
