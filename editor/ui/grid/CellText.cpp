#include "CellText.h"

#include <algorithm>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "PELFMExceptions.h"

namespace CellText {

namespace {

const QString kEnumPrefix = QStringLiteral("ENUM ");

QString TextOfItem(CPELFM_ItemInfo& item) {
    if (item.values.isEmpty()) return {};
    // Several values always make a list. A single value shows as stored, unless it is an enumeration
    // reference, which only a value of the enumRefItem kind can be: only that one needs the analysis.
    if (item.values.size() == 1) {
        const ProfileInnerConst::_ST_PELFM_DATAINFO& value = item.values.constFirst();
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
    const QStringView separator(kListSeparator);
    qsizetype length = separator.size() * (item.values.size() - 1);
    for (const auto& value : std::as_const(item.values))
        length += value.text.size() +
                  (value.dataKind == ProfileInnerConst::DATA_ENUM_REF_ITEM ? kEnumPrefix.size() : 0);
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < item.values.size(); ++i) {
        const auto& value = item.values.at(i);
        if (i > 0) text += separator;
        if (value.dataKind == ProfileInnerConst::DATA_ENUM_REF_ITEM) text += kEnumPrefix;
        text += value.text;
    }
    return text;
}

}  // namespace

QString CellTextOfItem(CPELFM_ElemInfo& elem, int itemType) {
    if (itemType == LABEL) return elem.label;
    const int index = elem.FindItemIndex(itemType);
    return index < 0 ? QString() : TextOfItem(*elem.items.at(index));
}

void CellTextsOfRow(CPELFM_ElemInfo& elem, const QList<int>& kinds, QString* out) {
    // The first item of each kind, found in one pass over the items.
    CPELFM_ItemInfo* first[ProfileInnerConst::ItemTypeCount + 1] = {};
    for (CPELFM_ItemInfo* item : std::as_const(elem.items)) {
        if (item && item->itemType >= 0 && item->itemType <= ProfileInnerConst::ItemTypeCount &&
            !first[item->itemType])
            first[item->itemType] = item;
    }
    for (qsizetype c = 0; c < kinds.size(); ++c) {
        const int kind = kinds[c];
        if (kind == LABEL)
            out[c] = elem.label;
        else if (kind >= 0 && kind <= ProfileInnerConst::ItemTypeCount && first[kind])
            out[c] = TextOfItem(*first[kind]);
        else if (kind < 0 || kind > ProfileInnerConst::ItemTypeCount)
            out[c] = CellTextOfItem(elem, kind);
    }
}

QString ShownText(const QString& text, bool* cut) {
    if (cut) *cut = false;
    // No line of a text this short is cut.
    if (text.size() <= kShownLineChars && !text.contains(u'\r')) return text;
    constexpr QChar kEllipsis(0x2026);
    const qsizetype end = std::min(text.size(), kShownChars);
    const QChar* chars = text.constData();
    QString shown;
    shown.reserve(end + 2);
    const auto endWithEllipsis = [&shown] {
        // A character is never split.
        if (!shown.isEmpty() && shown.back().isHighSurrogate()) shown.chop(1);
        shown.append(kEllipsis);
    };
    bool lineCut = false, anyCut = false;
    qsizetype lineChars = 0;
    qsizetype i = 0;
    for (; i < end; ++i) {
        const QChar c = chars[i];
        if (c == u'\n') {
            shown.append(c);
            lineChars = 0;
            lineCut = false;
        } else if (c == u'\r' && i + 1 < text.size() && chars[i + 1] == u'\n') {
            continue;  // shown as the line feed that follows
        } else if (lineChars < kShownLineChars) {
            shown.append(c);
            ++lineChars;
        } else if (!lineCut) {
            endWithEllipsis();
            lineCut = anyCut = true;
        }
    }
    if (i < text.size()) {
        if (!lineCut) endWithEllipsis();
        anyCut = true;
    }
    if (cut) *cut = anyCut;
    return shown;
}

int CellLineCount(const QString& text) {
    // Called for every cell of a part: a plain scan, of the shown part only.
    const QChar* chars = text.constData();
    const qsizetype end = std::min(text.size(), kShownChars);
    int lines = 1;
    for (qsizetype i = 1; i + 1 < end; ++i)
        if (chars[i] == kListSeparator[1] && chars[i - 1] == kListSeparator[0] &&
            chars[i + 1] == kListSeparator[2])
            ++lines;
    return lines;
}

int RowHeightTwips(double fontPoints, int lines) {
    const int perLine = static_cast<int>(fontPoints * 22);
    return perLine <= 0 ? 0 : perLine * std::max(1, lines);
}

}  // namespace CellText
