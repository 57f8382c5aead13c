#pragma once
#include "CCheckMethodBase.h"

// A connection configuration refers to memory and parameter blocks only (40003).
class CCheckProfileReferRelation : public CCheckMethodBase {
public:
    explicit CCheckProfileReferRelation(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    QString referringPart_;
    QString referringItem_;
    QString allowedPart_;
};
