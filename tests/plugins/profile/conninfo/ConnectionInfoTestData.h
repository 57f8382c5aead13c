#pragma once
// Profiles with a DEVICE section for the connection-editor tests.
#include <QString>

#include "ConnectionPartParameters.h"
#include "ProfileTreeBuilder.h"

namespace ConnInfoTest {

inline CPELFM_ElemInfo* AddParameter(CPELFM_PartInfo* part, const QString& label, const QString& value) {
    return AddElem(part, label,
                   {{LABEL2, {"l2"}},
                    {CATEGORY, {"COMMON"}},
                    {NAME, {"n"}},
                    {DATATYPE, {"STRING(48)"}},
                    {DATA, {value}}});
}

// A connection part with its protocol rows and any further parameter pairs.
inline CPELFM_PartInfo* AddConnection(CPELFM_SectionInfo* device, const QString& label, const QString& type,
                                      const QString& version = "1",
                                      std::initializer_list<std::pair<const char*, const char*>> params = {},
                                      const QString& comment = QString()) {
    CPELFM_PartInfo* part = AddPart(device, PART_DEVICE_IF, label, "label2 of " + label, comment);
    AddParameter(part, "ProtocolType", type);
    AddParameter(part, "ProtocolVersion", version);
    for (const auto& [name, value] : params)
        AddParameter(part, QString::fromUtf8(name), QString::fromUtf8(value));
    return part;
}

inline QString Param(CPELFM_PartInfo* part, const char* label) {
    return ConnInfo::GetParameterValue(*part, QString::fromLatin1(label));
}

}  // namespace ConnInfoTest
