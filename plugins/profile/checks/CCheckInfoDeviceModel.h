#pragma once
#include "CCheckMethodBase.h"

// File-name characters in the device model, vendor name and language (40031).
class CCheckInfoDeviceModel : public CCheckMethodBase {
public:
    explicit CCheckInfoDeviceModel(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
};
