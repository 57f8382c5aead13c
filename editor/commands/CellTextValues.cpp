#include "CellTextValues.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"

namespace {

const QString kListSeparator = QStringLiteral(",\r\n");

}  // namespace

bool CellKeepsLineBreaks(int itemType) {
    switch (itemType) {
        case NAME:
        case DATA:
        case COMMENT:
        case RANGE:
        case REF_MEMORY:
        case REF_PARAM:
            return true;
        default:
            return false;
    }
}

bool ElemDataTypeIsList(const CPELFM_ElemInfo& elem) {
    const int index = elem.FindItemIndex(DATATYPE);
    if (index < 0) return false;
    const CPELFM_ItemInfo* dataType = elem.items[index];
    return !dataType->values.isEmpty() && dataType->values.first().text.endsWith(QLatin1String("()"));
}

bool EnumPrefixAllowed(int itemType) {
    return itemType != NAME && itemType != CATEGORY && itemType != COMMENT && itemType != DATA;
}

ProfileInnerConst::_ST_PELFM_DATAINFO ValueFromText(const QString& text, bool enumPrefixAllowed) {
    if (enumPrefixAllowed && text.size() >= 5 &&
        text.left(5).compare(QLatin1String("enum "), Qt::CaseInsensitive) == 0) {
        QString rest = text.mid(5);
        qsizetype start = 0;
        while (start < rest.size() && rest.at(start).isSpace()) ++start;
        return {ProfileInnerConst::DATA_ENUM_REF_ITEM, rest.mid(start)};
    }
    return {ProfileInnerConst::DATA_ITEM, text};
}

QList<ProfileInnerConst::_ST_PELFM_DATAINFO> CellTextToValues(int itemType, const CPELFM_ElemInfo& elem,
                                                              const QString& text) {
    QList<ProfileInnerConst::_ST_PELFM_DATAINFO> values;
    QString cleaned = text;
    if (!CellKeepsLineBreaks(itemType)) cleaned.remove(QStringLiteral("\r\n"));
    if (cleaned.isEmpty()) return values;

    QStringList pieces;
    // A text of one value stays one string: a long one is not copied.
    if (itemType == NAME || (itemType == DATA && !ElemDataTypeIsList(elem)) ||
        !cleaned.contains(kListSeparator))
        pieces.append(cleaned);
    else
        pieces = cleaned.split(kListSeparator);

    const bool enumAllowed = EnumPrefixAllowed(itemType);
    for (const QString& piece : pieces) values.append(ValueFromText(piece, enumAllowed));
    return values;
}
