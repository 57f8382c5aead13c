#pragma once
#include <QHash>
#include <QString>
#include <utility>

#include "CCheckMethodBase.h"
#include "ItemValueText.h"

// RANGE values against the element's data type (40038, 40039, 40040).
class CCheckRangeItem : public CCheckMethodBase {
public:
    explicit CCheckRangeItem(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;

private:
    int JudgeRange(CPELFM_ItemInfo* range);
    // As CPELFM_ItemInfo::GetRange on a range piece, and MatchDataTypeSyntax, kept per text for the run:
    // ranges and data types repeat from element to element.
    const _ST_PELFM_RANGEINFO& Bounds(CPELFM_ItemInfo* piece);
    bool MatchesSyntax(const QString& text, const QString& dataType);

    QHash<QString, _ST_PELFM_RANGEINFO> bounds_;
    QHash<std::pair<QString, QString>, bool> syntax_;
};
