#include "CellText.h"

#include <algorithm>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "PELFMExceptions.h"

namespace CellText {

namespace {

const QString kEnumPrefix = QStringLiteral("ENUM ");

QString ValueText(const ProfileInnerConst::_ST_PELFM_DATAINFO& value) {
    return value.dataKind == ProfileInnerConst::DATA_ENUM_REF_ITEM ? kEnumPrefix + value.text : value.text;
}

}  // namespace

QString CellTextOfItem(CPELFM_ElemInfo& elem, int itemType) {
    if (itemType == LABEL) return elem.label;
    const int index = elem.FindItemIndex(itemType);
    if (index < 0) return {};
    CPELFM_ItemInfo& item = *elem.items[index];
    if (item.values.isEmpty()) return {};
    // Several values always make a list. A single value shows as stored, unless it is an enumeration
    // reference, which only a value of the enumRefItem kind can be: only that one needs the analysis.
    if (item.values.size() == 1) {
        const ProfileInnerConst::_ST_PELFM_DATAINFO& value = item.values.first();
        if (value.dataKind != ProfileInnerConst::DATA_ENUM_REF_ITEM) return value.text;
        int kind = item.valueKind;
        if (kind == VALUE_UNCLASSIFIED) {
            try {
                kind = item.AnalyzeValue();
            } catch (const CPELFM_ExceptionBase&) {
                return value.text;
            }
        }
        return kind == VALUE_ENUM_REF ? kEnumPrefix + value.text : value.text;
    }
    // Every value is shown, empty ones too, so the text reads back as the same values.
    QString text;
    for (qsizetype i = 0; i < item.values.size(); ++i) {
        if (i > 0) text += QStringView(kListSeparator);
        text += ValueText(item.values[i]);
    }
    return text;
}

int CellLineCount(const QString& text) {
    return static_cast<int>(text.count(QStringView(kListSeparator))) + 1;
}

int RowHeightTwips(double fontPoints, int lines) {
    const int perLine = static_cast<int>(fontPoints * 22);
    return perLine <= 0 ? 0 : perLine * std::max(1, lines);
}

}  // namespace CellText
