#pragma once
#include "CCheckMethodBase.h"

// The label vocabulary: prohibited and leading characters, reserved words, lengths (40013-40017, 40115).
class CCheckInvalidLabel : public CCheckMethodBase {
public:
    explicit CCheckInvalidLabel(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    int Fail(int messageId, const QString& argument = QString());
    int messageId_ = 0;
};
