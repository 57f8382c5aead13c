#pragma once
#include <QHash>
#include <QString>

#include "CCheckMethodBase.h"

// Angle brackets of an ASSIGN angle list (40025, 40026).
class CCheckSquareParentheses : public CCheckMethodBase {
public:
    explicit CCheckSquareParentheses(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    int Judge(CPELFM_ItemInfo* item);

    int messageId_ = 0;
    // The verdict (1 or the message id) on each angle list met in the run.
    QHash<QString, int> verdicts_;
};
