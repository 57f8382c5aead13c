#include "CCheckLabelGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckLabelGroup::CCheckLabelGroup(CCheckContext& context) : repetition_(context), invalid_(context) {}

std::vector<CCheckContext::Step> CCheckLabelGroup::Steps() {
    return {[this](CCheckItemInfo* t) { repetition_.Run(t); },
            [this](CCheckItemInfo* t) { invalid_.Run(t); }};
}
