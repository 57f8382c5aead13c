#pragma once
#include "CCheckMethodBase.h"

// Angle brackets of an ASSIGN angle list (40025, 40026).
class CCheckSquareParentheses : public CCheckMethodBase {
public:
    explicit CCheckSquareParentheses(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    int messageId_ = 0;
};
