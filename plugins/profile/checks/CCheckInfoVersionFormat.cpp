#include "CCheckInfoVersionFormat.h"

#include <QStringList>

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "CheckPatterns.h"

using Internal::EPattern;

namespace {

// The pattern, and every dotted number within 32 bits.
bool IsVersionText(const QString& value, EPattern pattern) {
    if (!Internal::MatchRegex(value, pattern)) return false;
    for (const QString& number : value.split(u'.')) {
        if (Internal::ReadUnsigned(number, 10).value > 0xFFFFFFFFull) return false;
    }
    return true;
}

}  // namespace

int CCheckInfoVersionFormat::Check() {
    if (ItemKind() != DATA || PartKind() != PART_FILE_INFO) return 1;
    const QString& value = Internal::FirstValue(Item());
    if (value.isEmpty()) return 1;
    const QString& label = Elem()->label;
    if (Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("ProfileSpecVersion"))) {
        if (!IsVersionText(value, EPattern::SpecVersion)) {
            AddMessageArgument(QStringLiteral("x.y.z"));
            SetTargetMessageId(40029);
            return 0;
        }
        // The whole major number counts: a 16-bit reading would take 65539 for 3.
        const quint64 major = Internal::ReadUnsigned(value.section(u'.', 0, 0), 10).value;
        if (major != quint64(context_.Format().settings.specMajor)) {
            SetTargetMessageId(40116);
            return 0;
        }
        return 1;
    }
    if (Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("FileVersion")) &&
        !IsVersionText(value, EPattern::FileVersion)) {
        AddMessageArgument(QStringLiteral("m.n"));
        SetTargetMessageId(40029);
        return 0;
    }
    return 1;
}
