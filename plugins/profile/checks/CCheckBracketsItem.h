#pragma once
#include <QHash>
#include <QString>

#include "CCheckMethodBase.h"

// Brackets of ranges and assignments must balance (40021).
class CCheckBracketsItem : public CCheckMethodBase {
public:
    explicit CCheckBracketsItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    bool Balanced(const QString& text);
    // The verdict on each text met in the run: ranges and assignments repeat from element to element.
    QHash<QString, bool> balanced_;
};
