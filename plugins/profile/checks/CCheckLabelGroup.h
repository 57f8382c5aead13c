#pragma once
// Element labels and second labels: duplicates and vocabulary.

#include <vector>

#include "CCheckInvalidLabel.h"
#include "CCheckRepetitionLabel.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckLabelGroup {
public:
    explicit CCheckLabelGroup(CCheckContext& context);
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    CCheckContext& context_;
    CCheckRepetitionLabel repetition_;
    CCheckInvalidLabel invalid_;
};
