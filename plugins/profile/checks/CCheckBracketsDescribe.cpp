#include "CCheckBracketsDescribe.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "ItemValueText.h"

namespace {

// A bound as a number: integers stay exact, anything with a "." is a double.
struct Bound {
    bool valid = false;
    bool isInteger = true;
    qint64 integer = 0;
    double real = 0.0;
    long double Value() const { return isInteger ? (long double)integer : (long double)real; }
};

Bound ReadBound(const QString& text) {
    Bound b;
    if (text.isEmpty()) {
        b.valid = true;
        return b;
    }
    if (text.contains(u'.')) {
        const Internal::DoubleReading r = Internal::ReadDouble(text);
        b.isInteger = false;
        b.real = r.value;
        b.valid = r.Whole(text) && !r.overflow;
    } else {
        const Internal::SignedReading r = Internal::ReadSigned(text, 0);
        b.integer = r.value;
        // A bound beyond 64 bits cannot be compared: it is no number for the range.
        b.valid = r.Whole(text) && !r.overflow;
    }
    return b;
}

int JudgeRangeText(CPELFM_ItemInfo* piece) {
    const QString& text = Internal::FirstValue(piece);
    if (text.isEmpty()) return 1;
    const QChar first = text.front();
    const QChar last = text.back();
    if ((first != u'(' && first != u'[') || (last != u')' && last != u']')) return 1;
    if (text.count(u',') != 1) return 40022;
    const qsizetype comma = text.indexOf(u',');
    if ((comma > 0 && text[comma - 1] == u' ') || (comma + 1 < text.size() && text[comma + 1] == u' ')) {
        return 40023;
    }
    _ST_PELFM_RANGEINFO range;
    piece->GetRange(range);
    const Bound upper = ReadBound(range.upperText);
    if (!upper.valid) return 40023;
    const Bound lower = ReadBound(range.lowerText);
    if (!lower.valid) return 40023;
    const bool greater =
        lower.isInteger && upper.isInteger ? lower.integer > upper.integer : lower.Value() > upper.Value();
    return greater ? 40024 : 1;
}

}  // namespace

int CCheckBracketsDescribe::Check() {
    if (ItemKind() != RANGE) return 1;
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::Lists);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        // The verdict depends on the text and its value kind alone; ranges repeat from element to element.
        const std::pair<QString, int> key{Internal::FirstValue(piece), Internal::ValueKind(piece)};
        auto it = verdicts_.constFind(key);
        if (it == verdicts_.cend()) it = verdicts_.insert(key, JudgeRangeText(piece));
        const int id = *it;
        if (id != 1) {
            SetTargetMessageId(id);
            return 0;
        }
    }
    return 1;
}
