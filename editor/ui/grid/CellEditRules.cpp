#include "CellEditRules.h"

#include <algorithm>
#include <utility>

#include "CPELFM_ElemInfo.h"
#include "CellTextValues.h"
#include "ProfileInnerConst.h"

namespace CellEditRules {

bool DataCellIsList(const CPELFM_ElemInfo* elem) {
    return elem && ElemDataTypeIsList(*elem);
}

QString ComboListFor(int itemType, const CPELFM_ElemInfo* elem, const QString& dataTypeList) {
    switch (itemType) {
        case DATATYPE:
            return dataTypeList;
        case DATA:
            return DataCellIsList(elem) ? QString::fromUtf16(kEllipsis) : QString();
        case RANGE:
            return QString::fromUtf16(kEllipsis);
        case ACCESS:
            return QString::fromUtf16(kAccessList);
        default:
            return {};
    }
}

bool OpensDataDialog(int itemType, const CPELFM_ElemInfo* elem) {
    return itemType == RANGE || (itemType == DATA && DataCellIsList(elem));
}

QStringList ComboChoices(const QString& comboList) {
    if (comboList.size() < 2 || !comboList.startsWith(QLatin1Char('|')) ||
        comboList == QStringView(kEllipsis))
        return {};
    QStringList choices = comboList.mid(1).split(QLatin1Char('|'));
    if (comboList.endsWith(QLatin1Char('|'))) choices.removeLast();
    return choices;
}

int ChoiceOfValue(const QStringList& choices, const QString& value) {
    const qsizetype exact = choices.indexOf(value);
    if (exact >= 0) return static_cast<int>(exact);
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const QStringView choice(choices[i]);
        const qsizetype mark = choice.indexOf(QLatin1Char('?'));
        if (mark < 0) {
            if (choice.compare(value, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
            continue;
        }
        const QStringView head = choice.left(mark);
        const QStringView tail = choice.mid(mark + 1);
        if (value.size() > head.size() + tail.size() && value.startsWith(head, Qt::CaseInsensitive) &&
            value.endsWith(tail, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

QString CleanEditedText(int itemType, QString text) {
    QString cleaned = std::move(text).trimmed();
    if (!CellKeepsLineBreaks(itemType)) cleaned.remove(QStringLiteral("\r\n"));
    return cleaned;
}

QRect EditorRect(const QRect& cell, int wantedWidth, const QRect& visible) {
    QRect rect = cell;
    rect.setWidth(std::min(std::max(cell.width(), wantedWidth), visible.width()));
    if (rect.right() > visible.right()) rect.moveRight(visible.right());
    if (rect.left() < visible.left()) rect.moveLeft(visible.left());
    return rect;
}

}  // namespace CellEditRules
