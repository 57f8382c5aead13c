#include "CCheckInfoDataType.h"

#include <span>

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "CheckPatterns.h"

using Internal::EPattern;
using Internal::MatchRegex;

namespace {

// The element templates of a part kind fix the data types of their labels.
std::span<const PeloraFormat::TemplateSpec> TemplatesOf(const PeloraFormat::FormatSettings& s, int partKind) {
    switch (partKind) {
        case PART_FILE_INFO:
            return s.fileInfoTemplates;
        case PART_DEVICE_INFO:
            return s.deviceInfoTemplates;
        case PART_DEVICE_IF:
            return s.deviceIfTemplates;
        case PART_COMM_IF_INFO:
            return s.commIfInfoTemplates;
        case PART_BLOCK_INFO:
            return s.blockInfoTemplates;
        default:
            return {};
    }
}

bool IsVersionType(const QString& v, bool anyStringLength) {
    return MatchRegex(v, EPattern::TypeByteWordBitString) || MatchRegex(v, EPattern::TypeInt) ||
           MatchRegex(v, EPattern::TypeUint) ||
           MatchRegex(v, anyStringLength ? EPattern::TypeStringAnyLength : EPattern::TypeString);
}

}  // namespace

int CCheckInfoDataType::Check() {
    if (ItemKind() != DATATYPE) return 1;
    const CheckFormat& format = context_.Format();
    const QString& label = Elem()->label;
    bool valid = true;
    if (PartKind() == PART_DEVICE_INFO && Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("Version"))) {
        valid = IsVersionType(Item()->GetFirstValue(), format.versionAllowsAnyStringLength);
    } else {
        const PeloraFormat::TemplateSpec* fixed = nullptr;
        for (const PeloraFormat::TemplateSpec& t : TemplatesOf(format.settings, PartKind())) {
            if (Internal::AsciiEqualsIgnoreCase(label, QString::fromLatin1(t.label))) {
                fixed = &t;
                break;
            }
        }
        if (!fixed || !*fixed->dataType) return 1;
        valid = Internal::FirstValue(Item()) == QLatin1String(fixed->dataType);
    }
    if (valid) return 1;
    AddMessageArgument(label);
    SetTargetMessageId(40028);
    return 0;
}
