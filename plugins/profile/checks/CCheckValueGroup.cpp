#include "CCheckValueGroup.h"

#include "CCheckContext.h"

#include "CCheckItemInfo.h"

CCheckValueGroup::CCheckValueGroup(CCheckContext& context)
    : dataType_(context), space_(context), range_(context), minInc_(context) {}

std::vector<CCheckContext::Step> CCheckValueGroup::Steps() {
    return {[this](CCheckItemInfo* t) { dataType_.Run(t); }, [this](CCheckItemInfo* t) { space_.Run(t); },
            [this](CCheckItemInfo* t) { range_.Run(t); }, [this](CCheckItemInfo* t) { minInc_.Run(t); }};
}
