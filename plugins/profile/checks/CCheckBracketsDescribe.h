#pragma once
#include <QHash>
#include <QString>
#include <utility>

#include "CCheckMethodBase.h"

// The form of a range written in brackets (40022, 40023, 40024).
class CCheckBracketsDescribe : public CCheckMethodBase {
public:
    explicit CCheckBracketsDescribe(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;

private:
    // The verdict (1 or the message id) on each range text and value kind met in the run.
    QHash<std::pair<QString, int>, int> verdicts_;
};
