#include "CCheckReadConditionItem.h"

#include <QList>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "CheckPatterns.h"
#include "DataTypeRules.h"

using Internal::EPattern;
using Internal::MatchRegex;

namespace {

struct ItemList {
    QList<CPELFM_ItemInfo*> items;
    ~ItemList() { DeleteItemArray(items); }
};

bool IsComparisonValid(CPELFM_ItemInfo* left, const QString& right, const QString& op) {
    if (Internal::ValueKind(left) != VALUE_DOTTED_REFERENCE) return false;
    const CPELFM_ElemInfo* elem = left->GetReferencedElem();
    const CPELFM_ItemInfo* dataTypeItem = Internal::OwnItem(elem, DATATYPE);
    if (!dataTypeItem) return false;
    const QString& dataType = Internal::FirstValue(dataTypeItem);
    if (!MatchRegex(dataType, EPattern::TypeReadCondition)) return false;
    const bool valueValid = CheckValueAgainstDataType(right, dataType) == 1 ||
                            (dataType == u"BOOL" && MatchRegex(right, EPattern::ValueOnOff));
    if (!valueValid) return false;
    static const QString kOperators[] = {QStringLiteral("=="), QStringLiteral("!="), QStringLiteral("<"),
                                         QStringLiteral(">"),  QStringLiteral("<="), QStringLiteral(">=")};
    if (std::find(std::begin(kOperators), std::end(kOperators), op) == std::end(kOperators)) return false;
    if (dataType.startsWith(u"STRING(")) {
        // Texts compare for equality only, and are written in double quotation marks.
        const bool quoted = right.size() >= 2 && right.startsWith(u'"') && right.endsWith(u'"');
        return (op == u"==" || op == u"!=") && quoted;
    }
    return true;
}

}  // namespace

int CCheckReadConditionItem::Check() {
    CPELFM_ItemInfo* item = Item();
    if (item->GetFirstValue().isEmpty()) return 1;
    if (Internal::ValueKind(item) != VALUE_CONDITION) return 0;
    ItemList pieces;
    item->SplitConditionItems(pieces.items);
    // Three pieces per comparison, then one connector between each two.
    const qsizetype count = pieces.items.size();
    if (count < 3 || (count + 1) % 4 != 0) return 0;
    const qsizetype comparisons = (count + 1) / 4;
    for (qsizetype i = 0; i < comparisons; ++i) {
        if (!IsComparisonValid(pieces.items[3 * i], pieces.items[3 * i + 1]->GetFirstValue(),
                               pieces.items[3 * i + 2]->GetFirstValue())) {
            return 0;
        }
    }
    return 1;
}

void CCheckReadConditionItem::SetMessageId() {
    SetTargetMessageId(40049);
}
