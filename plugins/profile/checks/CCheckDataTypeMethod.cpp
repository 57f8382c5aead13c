#include "CCheckDataTypeMethod.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "CheckPatterns.h"
#include "DataTypeRules.h"
#include "RdbConnection.h"

using Internal::EPattern;
using Internal::MatchRegex;

namespace {

bool IsKnownType(const QString& v, bool rdbTypes) {
    for (EPattern p :
         {EPattern::TypeBool, EPattern::TypeBin, EPattern::TypeByteWordBitString, EPattern::TypeInt,
          EPattern::TypeUint, EPattern::TypeBcd, EPattern::TypeReal, EPattern::TypeStringOrStringU}) {
        if (MatchRegex(v, p)) return true;
    }
    if (v == u"TIME" || v == u"DATE" || v == u"ACCURACY") return true;
    if (rdbTypes && v.startsWith(u"RDB_")) return true;
    return v == u"IP_V4" || v == u"IP_V4_64";
}

bool IsCountOutOfRange(const QString& v) {
    for (EPattern p : {EPattern::CountByteWordBitString, EPattern::CountBin, EPattern::CountInt,
                       EPattern::CountUint, EPattern::CountBcd, EPattern::CountString}) {
        if (MatchRegex(v, p)) return true;
    }
    return false;
}

EPattern ArrayPattern(const CheckFormat& format, int partKind) {
    if (!format.stringTypesInInfoPartsOnly) return EPattern::TypeArray;
    return Internal::IsInfoPart(partKind) ? EPattern::TypeArrayWithStrings
                                          : EPattern::TypeArrayWithoutStrings;
}

}  // namespace

int CCheckDataTypeMethod::Fail(int messageId) {
    if (messageId == 40020) AddMessageArgument(Part()->name);
    SetTargetMessageId(messageId);
    return 0;
}

int CCheckDataTypeMethod::Check() {
    if (ItemKind() != DATATYPE) return 1;
    const CheckFormat& format = context_.Format();
    const int part = PartKind();
    QString v = Item()->GetFirstValue();
    // RDB_ types keep their own brackets.
    const bool rdbPrefix = v.startsWith(u"RDB_");

    bool hadParentheses = false;
    if (v.endsWith(u"()") && !rdbPrefix) {
        v.chop(2);
        hadParentheses = true;
    }

    const qsizetype bracket = v.indexOf(u'[');
    if (bracket >= 1 && v.endsWith(u']') && !rdbPrefix) {
        if (!format.arraysInEveryPart && !Internal::IsArrayPart(part)) return Fail(40020);
        const QString length = v.mid(bracket + 1, v.size() - bracket - 2);
        if (length.contains(u'.') || length.startsWith(u'-') || length == u"0") return Fail(40019);
        if (MatchRegex(v, ArrayPattern(format, part))) {
            const Internal::UnsignedReading r = Internal::ReadUnsigned(length, 0);
            if (!r.Whole(length) || r.overflow) return Fail(40019);
            if (!IsArrayLengthInRange(v.left(bracket), r.value)) return Fail(40019);
            return 1;
        }
        // A length that is no plain positive number never describes an array, whatever the element type.
        if (!MatchRegex(v.mid(bracket), EPattern::ArrayLengthSuffix)) return Fail(40019);
        v.truncate(bracket);
    }

    if (format.HasRdbRules() && v.startsWith(u"RDB_")) {
        if (!Internal::IsArrayPart(part)) return Fail(40020);
        if (part == PART_COMM_IF_VARIABLE || part == PART_COMM_IF_CONFIGURATION) {
            if (Internal::IsRdbCommIfSection(Part()) == 0) return Fail(40124);
        } else if (part == PART_BLOCK_MEMORY) {
            if (Internal::IsRdbBlockMemoryPart(context_, Part()) == 0) return Fail(40124);
        }
    }

    if (!IsKnownType(v, format.HasRdbRules())) return Fail(IsCountOutOfRange(v) ? 40019 : 40018);

    const bool infoOnly = MatchRegex(
        v, format.stringTypesInInfoPartsOnly ? EPattern::TypeStringOrStringU : EPattern::TypeStringU);
    if ((infoOnly || hadParentheses) && !Internal::IsInfoPart(part)) return Fail(40020);
    if (v == u"DATE" && !Internal::IsArrayPart(part)) return Fail(40020);
    return 1;
}
