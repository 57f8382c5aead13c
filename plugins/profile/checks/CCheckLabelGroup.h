#pragma once
// Element labels and second labels: duplicates and vocabulary.

#include <vector>

#include "CCheckContext.h"

#include "CCheckInvalidLabel.h"
#include "CCheckRepetitionLabel.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckLabelGroup {
public:
    explicit CCheckLabelGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();

private:
    CCheckRepetitionLabel repetition_;
    CCheckInvalidLabel invalid_;
};
