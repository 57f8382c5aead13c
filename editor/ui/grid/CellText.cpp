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

namespace {

// Walks what a cell shows of a long text, a line at a time; appends it to shown unless that is null. True
// when something is left out.
bool WalkShownText(const QString& text, QString* shown) {
    constexpr QChar kEllipsis(0x2026);
    const QStringView all(text);
    const qsizetype end = std::min(text.size(), kShownChars);
    const auto endWithEllipsis = [shown] {
        if (!shown) return;
        // A character is never split.
        if (!shown->isEmpty() && shown->back().isHighSurrogate()) shown->chop(1);
        shown->append(kEllipsis);
    };
    bool cut = false, lineCut = false;
    for (qsizetype from = 0; from < end;) {
        qsizetype lineEnd = all.indexOf(u'\n', from);
        if (lineEnd < 0 || lineEnd > end) lineEnd = end;
        // "\r\n" shows as the line feed.
        const qsizetype contentEnd =
            lineEnd > from && all[lineEnd - 1] == u'\r' && lineEnd < all.size() && all[lineEnd] == u'\n'
                ? lineEnd - 1
                : lineEnd;
        lineCut = contentEnd - from > kShownLineChars;
        if (shown) shown->append(all.sliced(from, std::min(contentEnd - from, kShownLineChars)));
        if (lineCut) endWithEllipsis();
        cut = cut || lineCut;
        if (lineEnd == end) break;
        if (shown) shown->append(u'\n');
        lineCut = false;
        from = lineEnd + 1;
    }
    if (end < text.size()) {
        if (!lineCut) endWithEllipsis();
        cut = true;
    }
    return cut;
}

// Whether a line of the text is longer than a cell shows: a window one character longer holds no line feed.
bool HasLongLine(QStringView text) {
    for (qsizetype from = 0; text.size() - from > kShownLineChars;) {
        const qsizetype lineFeed = text.sliced(from, kShownLineChars + 1).lastIndexOf(u'\n');
        if (lineFeed < 0) return true;
        from += lineFeed + 1;
    }
    return false;
}

// The common case, a start without carriage returns whose lines are all short: it shows as it is.
bool ShowsAsItIs(QStringView start) {
    return !start.contains(u'\r') && !HasLongLine(start);
}

}  // namespace

QString ShownText(const QString& text, bool* cut) {
    if (cut) *cut = false;
    // No line of a text this short is cut.
    if (text.size() <= kShownLineChars && !text.contains(u'\r')) return text;
    const qsizetype end = std::min(text.size(), kShownChars);
    if (ShowsAsItIs(QStringView(text).first(end))) {
        if (end == text.size()) return text;
        if (cut) *cut = true;
        // A character is never split.
        QString shown;
        shown.reserve(end + 1);
        shown.append(QStringView(text).first(text.at(end - 1).isHighSurrogate() ? end - 1 : end));
        return shown.append(QChar(0x2026));
    }
    QString shown;
    shown.reserve(end + 2);
    const bool anyCut = WalkShownText(text, &shown);
    if (cut) *cut = anyCut;
    return shown;
}

bool ShowsCut(const QString& text) {
    if (text.size() <= kShownLineChars) return false;
    const qsizetype end = std::min(text.size(), kShownChars);
    if (ShowsAsItIs(QStringView(text).first(end))) return end < text.size();
    return WalkShownText(text, nullptr);
}

QString FittedText(const QString& text, qsizetype lines, qsizetype lineChars) {
    const auto endsLine = [](QChar c) {
        return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    QString fitted;  // made only once something is left out
    bool cut = false;
    for (qsizetype line = 0, from = 0;; ++line) {
        qsizetype end = from;
        while (end < size && !endsLine(chars[end])) ++end;
        const qsizetype bound = line < lines ? lineChars : 1;
        if (end - from > bound) {
            if (!cut) fitted = text.first(from);
            cut = true;
            qsizetype keep = bound;
            if (keep > 0 && chars[from + keep - 1].isHighSurrogate()) ++keep;  // a character is never split
            fitted.append(QStringView(chars + from, keep)).append(QChar(0x2026));
        } else if (cut) {
            fitted.append(QStringView(chars + from, end - from));
        }
        if (end == size) return cut ? fitted : text;
        if (line == lines) return cut ? fitted : text.first(end);
        if (cut) fitted.append(chars[end]);
        from = end + 1;
    }
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
