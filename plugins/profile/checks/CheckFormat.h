#pragma once
// What the check of one format build needs: the plug-in's format settings (item kinds, label words,
// templates, protocols, the missing-section message) and the few check rules that only the check knows.

#include "CCheckStringTable.h"
#include "FormatSettings.h"

struct CheckFormat {
    const PeloraFormat::FormatSettings& settings;
    const CCheckStringTable& strings;

    // 3.0: the LOG_CSV label messages 40117 to 40121 carry no location insert.
    bool connectionMessagesWithoutLocation;
    // 1.1: CODE values are judged as 32-bit integers (40065) in place of the READ_CONDITION check.
    bool enumCodeCheck;
    // 1.1: an array suffix is allowed in every part; the element types allowed depend on the part.
    bool arraysInEveryPart;
    // 1.1: STRING(n) is confined to the information parts like STRING_U(n).
    bool stringTypesInInfoPartsOnly;
    // 3.0 and 2.0: a RANGE may name an ENUM part on a STRING(n) element.
    bool rangeEnumAllowsString;
    // 1.1: the DEVICE_INFO Version may be a STRING of any positive length.
    bool versionAllowsAnyStringLength;

    bool HasItemKind(int itemKind) const { return settings.HasItemKind(itemKind); }
    bool HasRdbRules() const { return settings.hasRdbDataTypes; }
    bool HasLogCsvRules() const;

    // The check of a plug-in build's settings; null for settings of no known format.
    static const CheckFormat* ForSettings(const PeloraFormat::FormatSettings& settings);

    static const CheckFormat& Format30();
    static const CheckFormat& Format20();
    static const CheckFormat& Format11();
};
