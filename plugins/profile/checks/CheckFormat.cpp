#include "CheckFormat.h"

#include <cstring>

bool CheckFormat::HasLogCsvRules() const {
    for (const PeloraFormat::ProtocolSpec& p : settings.protocols) {
        if (std::strcmp(p.name, "LOG_CSV") == 0) return true;
    }
    return false;
}

const CheckFormat* CheckFormat::ForSettings(const PeloraFormat::FormatSettings& settings) {
    for (const CheckFormat* format : {&Format30(), &Format20(), &Format11()}) {
        if (&format->settings == &settings) return format;
    }
    return nullptr;
}

const CheckFormat& CheckFormat::Format30() {
    static const CheckFormat format{
        .settings = PeloraFormat::Format30(),
        .strings = CCheckStringTable::Japanese30(),
        .connectionMessagesWithoutLocation = true,
        .enumCodeCheck = false,
        .arraysInEveryPart = false,
        .stringTypesInInfoPartsOnly = false,
        .rangeEnumAllowsString = true,
        .versionAllowsAnyStringLength = false,
    };
    return format;
}

const CheckFormat& CheckFormat::Format20() {
    static const CheckFormat format{
        .settings = PeloraFormat::Format20(),
        .strings = CCheckStringTable::Japanese20(),
        .connectionMessagesWithoutLocation = false,
        .enumCodeCheck = false,
        .arraysInEveryPart = false,
        .stringTypesInInfoPartsOnly = false,
        .rangeEnumAllowsString = true,
        .versionAllowsAnyStringLength = false,
    };
    return format;
}

const CheckFormat& CheckFormat::Format11() {
    static const CheckFormat format{
        .settings = PeloraFormat::Format11(),
        .strings = CCheckStringTable::English11(),
        .connectionMessagesWithoutLocation = false,
        .enumCodeCheck = true,
        .arraysInEveryPart = true,
        .stringTypesInInfoPartsOnly = true,
        .rangeEnumAllowsString = false,
        .versionAllowsAnyStringLength = true,
    };
    return format;
}
