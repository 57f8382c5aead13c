#pragma once

#include <QString>

class CPELFM_ItemInfo;

// What the reference dialog needs of the main frame: the dotted path of what a reference item points
// at, and bringing that target into view (1 shown, 0 not).
class IReferenceTargets {
public:
    virtual ~IReferenceTargets() = default;
    virtual QString BuildNodePathName(CPELFM_ItemInfo* item) = 0;
    virtual int ShowReferenceTarget(CPELFM_ItemInfo* item) = 0;
};
