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
    bool PiecesBalanced(CPELFM_ItemInfo* item, int valueKind);
    // The verdicts on each text and each angle list met in the run: ranges and assignments repeat from
    // element to element.
    QHash<QString, bool> balanced_;
    QHash<QString, bool> angleLists_;
};
