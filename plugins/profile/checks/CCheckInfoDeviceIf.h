#pragma once
#include <QString>

#include "CCheckMethodBase.h"

class CPELFM_PartInfo;
class CPELFM_SectionInfo;
class CPELFM_ElemInfo;

// The structural checks of the information parts: required labels with data, the connection rules of
// LOG_CSV and RDB connections, and the DEVICE_IF part a DEVICE section needs. Every target passes.
class CCheckInfoDeviceIf : public CCheckMethodBase {
public:
    explicit CCheckInfoDeviceIf(CCheckContext& context) : CCheckMethodBase(context) {}

    void CheckInfoPartLabels(CPELFM_PartInfo* part);
    void CheckDeviceIfPartExists(const CPELFM_SectionInfo* device);

private:
    CPELFM_ElemInfo* CheckRequiredLabel(CPELFM_PartInfo* part, const QString& label, int missingId,
                                        int noDataId);
    void CheckRdbSchemaName(CPELFM_PartInfo* part);
    void CheckRdbDataTypes(CPELFM_PartInfo* part);
    void CheckLogCsvCharacterCode(CPELFM_PartInfo* part);
    void CheckLogCsvValues(CPELFM_PartInfo* part);

    const QString deviceIfKeyword_ = QStringLiteral("DEVICE_IF");
};
