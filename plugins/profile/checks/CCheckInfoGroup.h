#pragma once
// The information parts: required labels, connection rules, fixed types and formats.

#include <vector>

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
    void Run();

    std::vector<CCheckItemInfo*> targets;  // not owned

private:
    void RunStructuralChecks();

    CCheckContext& context_;
    CCheckInfoDataType dataType_;
    CCheckInfoVersionFormat versionFormat_;
    CCheckInfoFormat format_;
    CCheckInfoDeviceModel deviceModel_;
    CCheckInfoDataFromType dataFromType_;
    CCheckInfoDeviceIf deviceIf_;
};
