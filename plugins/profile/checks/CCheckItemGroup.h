#pragma once
// Items a part kind requires, ACCESS values, and READ_CONDITION or enumeration CODE values.

#include <vector>

#include "CCheckContext.h"

#include "CCheckAccessItem.h"
#include "CCheckEnumCodeItem.h"
#include "CCheckReadConditionItem.h"
class CCheckContext;
class CPELFM_ElemInfo;
struct CCheckItemInfo;

class CCheckItemGroup {
public:
    explicit CCheckItemGroup(CCheckContext& context);
    // The group's judgements in run order, each of one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    void CheckMandatoryItems(CCheckItemInfo* target);
    void ReportOmittedItem(const CPELFM_ElemInfo* elem, int itemKind);

    CCheckContext& context_;
    CCheckAccessItem access_;
    CCheckEnumCodeItem enumCode_;
    CCheckReadConditionItem readCondition_;
};
