#include "CCheckInfoDeviceIf.h"

#include <QStringList>

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "RdbConnection.h"

namespace {

using Internal::OwnValue;

const char* const kFileInfoLabels[] = {"CreateDate", "CreateTime",         "ModDate",    "ModTime",
                                       "Language",   "ProfileSpecVersion", "FileVersion"};
const char* const kDeviceInfoLabels[] = {"VendorName", "DeviceModel", "Version"};
const char* const kDeviceIfLabels[] = {"ProtocolType", "ProtocolVersion"};
const char* const kLogCsvLabels[] = {"P_LOG_CSV_Separator", "P_LOG_CSV_NewLineCode"};

struct AllowedValues {
    const char* label;
    std::initializer_list<const char*> values;
};

const AllowedValues kLogCsvValues[] = {
    {"P_LOG_CSV_Extension", {"csv", "txt"}},
    {"P_LOG_CSV_Separator", {"COMMA", "TAB"}},
    {"P_LOG_CSV_NewLineCode", {"CRLF", "LF"}},
    {"P_LOG_CSV_CharacterCode", {"ASCII", "Shift_JIS", "UTF-8", "UTF-16"}},
    {"P_LOG_CSV_CharacterCodeEndian", {"BE", "LE"}},
};

// One structural rule's failure must not cost the others of the part.
template <class F>
void Guarded(F&& rule) {
    try {
        rule();
    } catch (...) {
    }
}

}  // namespace

CPELFM_ElemInfo* CCheckInfoDeviceIf::CheckRequiredLabel(CPELFM_PartInfo* part, const QString& label,
                                                        int missingId, int noDataId) {
    CPELFM_ElemInfo* elem = part->FindElemByLabel(label);
    if (!elem) {
        _ST_PEL_CHECK_MESSAGE m = context_.PartMessage(part, missingId);
        m.arguments.append(label);
        context_.AppendMessage(m);
        return nullptr;
    }
    if (OwnValue(elem, DATA).isEmpty()) {
        _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(elem, noDataId, DATA);
        m.arguments.append(label);
        context_.AppendMessage(m);
    }
    return elem;
}

void CCheckInfoDeviceIf::CheckInfoPartLabels(CPELFM_PartInfo* part) {
    auto require = [&](const char* label) {
        Guarded([&] { CheckRequiredLabel(part, QString::fromLatin1(label), 40027, 40089); });
    };
    const CheckFormat& format = context_.Format();
    switch (part->partType) {
        case PART_FILE_INFO:
            for (const char* label : kFileInfoLabels) require(label);
            break;
        case PART_DEVICE_INFO:
            for (const char* label : kDeviceInfoLabels) require(label);
            break;
        case PART_DEVICE_IF: {
            for (const char* label : kDeviceIfLabels) require(label);
            if (!format.HasLogCsvRules()) break;
            QString protocol;
            Guarded(
                [&] { protocol = OwnValue(part->FindElemByLabel(QStringLiteral("ProtocolType")), DATA); });
            if (protocol != u"LOG_CSV") break;
            for (const char* label : kLogCsvLabels) {
                Guarded([&] { CheckRequiredLabel(part, QString::fromLatin1(label), 40117, 40118); });
            }
            Guarded([&] { CheckLogCsvCharacterCode(part); });
            Guarded([&] { CheckLogCsvValues(part); });
            break;
        }
        case PART_COMM_IF_INFO:
            require("DeviceInterface");
            if (format.HasRdbRules()) {
                Guarded([&] { CheckRdbSchemaName(part); });
                Guarded([&] { CheckRdbDataTypes(part); });
            }
            break;
        case PART_BLOCK_INFO:
            require("DeviceInterface");
            break;
        case PART_BLOCK_PARAM:
            require("DeviceInterface");
            if (format.HasRdbRules()) Guarded([&] { CheckRdbSchemaName(part); });
            break;
        default:
            break;
    }
}

void CCheckInfoDeviceIf::CheckRdbSchemaName(CPELFM_PartInfo* part) {
    if (OwnValue(part->FindElemByLabel(QStringLiteral("P_RDB_DefaultSchemaName")), DATA).isEmpty()) return;
    CPELFM_ElemInfo* deviceInterface = part->FindElemByLabel(QStringLiteral("DeviceInterface"));
    CPELFM_PartInfo* deviceIf = Internal::ReferencedDeviceIf(deviceInterface);
    QString protocol;
    if (!deviceIf || !Internal::ProtocolTypeOf(deviceIf, protocol) || protocol == u"RDB") return;
    _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(deviceInterface, 40122, DATA);
    m.arguments.append(QStringLiteral("DeviceInterface"));
    context_.AppendMessage(m);
}

void CCheckInfoDeviceIf::CheckRdbDataTypes(CPELFM_PartInfo* part) {
    CPELFM_PartInfo* deviceIf =
        Internal::ReferencedDeviceIf(part->FindElemByLabel(QStringLiteral("DeviceInterface")));
    QString protocol;
    if (!deviceIf || !Internal::ProtocolTypeOf(deviceIf, protocol) || protocol != u"RDB") return;
    const CPELFM_SectionInfo* section = part->ownerSection;
    if (!section) return;
    for (int kind : {PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION}) {
        for (CPELFM_PartInfo* other : section->parts) {
            if (!other || other->partType != kind) continue;
            for (const CPELFM_ElemInfo* elem : std::as_const(other->Elems())) {
                const CPELFM_ItemInfo* dataType = Internal::OwnItem(elem, DATATYPE);
                if (!dataType) continue;
                const QString v = Internal::FirstValueOrEmpty(dataType);
                if ((v.size() >= 5 && v.startsWith(u"RDB_")) || v == u"DATE") continue;
                _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(elem, 40123, DATATYPE);
                m.arguments.append(other->name);
                context_.AppendMessage(m);
            }
        }
    }
}

void CCheckInfoDeviceIf::CheckLogCsvCharacterCode(CPELFM_PartInfo* part) {
    const QString codeLabel = QStringLiteral("P_LOG_CSV_CharacterCode");
    const QString code = OwnValue(part->FindElemByLabel(codeLabel), DATA);
    const QString endian = QStringLiteral("P_LOG_CSV_CharacterCodeEndian");
    const QString bom = QStringLiteral("P_LOG_CSV_CharacterCodeBOM");

    auto report = [&](_ST_PEL_CHECK_MESSAGE m, const QString& label) {
        m.arguments = QStringList{label, codeLabel, code};
        context_.AppendMessage(m);
    };
    auto required = [&](const QString& label) {
        const CPELFM_ElemInfo* elem = part->FindElemByLabel(label);
        if (!elem) {
            report(context_.PartMessage(part, 40119), label);
        } else if (OwnValue(elem, DATA).isEmpty()) {
            report(context_.ElementMessage(elem, 40120, DATA), label);
        }
    };
    auto forbidden = [&](const QString& label) {
        const CPELFM_ElemInfo* elem = part->FindElemByLabel(label);
        if (elem && !OwnValue(elem, DATA).isEmpty()) report(context_.ElementMessage(elem, 40121, 0), label);
    };
    if (code == u"UTF-16") {
        required(endian);
        required(bom);
    } else if (code == u"UTF-8") {
        required(bom);
        forbidden(endian);
    } else {
        forbidden(endian);
        forbidden(bom);
    }
}

void CCheckInfoDeviceIf::CheckLogCsvValues(CPELFM_PartInfo* part) {
    for (const AllowedValues& rule : kLogCsvValues) {
        const CPELFM_ElemInfo* elem = part->FindElemByLabel(QString::fromLatin1(rule.label));
        const QString value = OwnValue(elem, DATA);
        if (value.isEmpty()) continue;
        bool allowed = false;
        for (const char* v : rule.values) allowed = allowed || value == QLatin1String(v);
        if (allowed) continue;
        _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(elem, 40033, DATA);
        m.arguments.append(elem->label);
        context_.AppendMessage(m);
    }
}

void CCheckInfoDeviceIf::CheckDeviceIfPartExists(const CPELFM_SectionInfo* device) {
    for (const CPELFM_PartInfo* part : device->parts) {
        if (part && part->partType == PART_DEVICE_IF) return;
    }
    _ST_PEL_CHECK_MESSAGE m;
    m.sectionLabel = device->name;
    m.messageId = 40114;
    m.arguments.append(deviceIfKeyword_);
    context_.AppendMessage(m);
}
