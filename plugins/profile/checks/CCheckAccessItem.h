#pragma once
#include "CCheckMethodBase.h"

#include <QString>

// ACCESS values per part kind (40044).
class CCheckAccessItem : public CCheckMethodBase {
public:
    explicit CCheckAccessItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    QString value_;
};
