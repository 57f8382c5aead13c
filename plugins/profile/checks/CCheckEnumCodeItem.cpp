#include "CCheckEnumCodeItem.h"

#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "CheckPatterns.h"

int CCheckEnumCodeItem::Check() {
    const QString& value = Internal::FirstValue(Item());
    if (value.isEmpty()) return 1;
    int base = 10;
    if (Internal::AsciiStartsWithIgnoreCase(value, QStringLiteral("0x"))) {
        if (!Internal::MatchRegex(value, Internal::EPattern::EnumCodeHex)) return 0;
        base = 16;
    }
    // A 32-bit long reading first; its top value is read again as a 32-bit unsigned long, so the
    // accepted range is -2^31 to 2^32-1.
    const Internal::SignedReading asSigned = Internal::ReadSigned(value, base, 32);
    if (!asSigned.Whole(value) || asSigned.end == 0) return 0;
    if (asSigned.value == 0x7FFFFFFF) {
        const Internal::UnsignedReading asUnsigned = Internal::ReadUnsigned(value, base, 32);
        return asUnsigned.overflow ? 0 : 1;
    }
    return asSigned.overflow ? 0 : 1;
}

void CCheckEnumCodeItem::SetMessageId() {
    SetTargetMessageId(40065);
}
