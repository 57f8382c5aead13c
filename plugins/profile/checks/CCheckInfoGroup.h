#pragma once
// The information parts: required labels, connection rules, fixed types and formats.

#include <vector>

#include "CCheckContext.h"

#include "CCheckInfoDataFromType.h"
#include "CCheckInfoDataType.h"
#include "CCheckInfoDeviceIf.h"
#include "CCheckInfoDeviceModel.h"
#include "CCheckInfoFormat.h"
#include "CCheckInfoVersionFormat.h"
class CCheckContext;
struct CCheckItemInfo;

class CCheckInfoGroup {
public:
    explicit CCheckInfoGroup(CCheckContext& context);
    // The group's checks in run order, each judging one target (CCheckContext runs them).
    std::vector<CCheckContext::Step> Steps();
    // The structural checks of the information parts; they judge the profile, not the targets, and run
    // even when no target came.
    void RunStructuralChecks();

private:
    CCheckContext& context_;
    CCheckInfoDataType dataType_;
    CCheckInfoVersionFormat versionFormat_;
    CCheckInfoFormat format_;
    CCheckInfoDeviceModel deviceModel_;
    CCheckInfoDataFromType dataFromType_;
    CCheckInfoDeviceIf deviceIf_;
};
