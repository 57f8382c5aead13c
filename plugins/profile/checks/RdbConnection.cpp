#include "RdbConnection.h"

#include <QString>

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

namespace Internal {

CPELFM_PartInfo* ReferencedDeviceIf(const CPELFM_ElemInfo* elem) {
    CPELFM_ItemInfo* data = OwnItem(elem, DATA);
    if (!data || FirstValueOrEmpty(data).isEmpty()) return nullptr;
    return data->GetReferencedPartOfType(PART_DEVICE_IF);
}

bool ProtocolTypeOf(CPELFM_PartInfo* deviceIf, QString& protocolType) {
    const CPELFM_ElemInfo* elem =
        deviceIf ? deviceIf->FindElemByLabel(QStringLiteral("ProtocolType")) : nullptr;
    const CPELFM_ItemInfo* data = OwnItem(elem, DATA);
    if (!data || data->values.isEmpty() || data->values.first().text.isEmpty()) return false;
    protocolType = data->values.first().text;
    return true;
}

int IsRdbCommIfSection(const CPELFM_PartInfo* part) {
    const CPELFM_SectionInfo* section = part ? part->ownerSection : nullptr;
    if (!section || section->sectionType != SECTION_COMM_IF) return 1;
    for (CPELFM_PartInfo* info : section->parts) {
        if (!info || info->partType != PART_COMM_IF_INFO) continue;
        const CPELFM_ElemInfo* deviceInterface = info->FindElemByLabel(QStringLiteral("DeviceInterface"));
        if (!deviceInterface) continue;
        CPELFM_PartInfo* deviceIf = ReferencedDeviceIf(deviceInterface);
        QString protocol;
        if (!deviceIf || !ProtocolTypeOf(deviceIf, protocol)) return 1;
        if (protocol != u"RDB") return 0;
    }
    return 1;
}

int IsRdbBlockMemoryPart(CCheckContext& context, const CPELFM_PartInfo* part) {
    // The answer depends on the profile alone, which the check does not change.
    auto cached = context.RdbBlockMemoryResults().constFind(part);
    if (cached != context.RdbBlockMemoryResults().constEnd()) return *cached;

    int result = 0;
    bool referred = false;
    for (const CPELFM_SectionInfo* section : std::as_const(context.Root()->sections)) {
        if (!section || section->sectionType != SECTION_COMM_IF) continue;
        for (CPELFM_PartInfo* config : section->parts) {
            if (!config || config->partType != PART_COMM_IF_CONFIGURATION) continue;
            for (const CPELFM_ElemInfo* elem : std::as_const(config->Elems())) {
                CPELFM_ItemInfo* ref = OwnItem(elem, REF_MEMORY);
                const CPELFM_PartInfo* memory =
                    ref ? context.References().ReferencedPartOfType(ref, PART_BLOCK_MEMORY) : nullptr;
                if (!memory || !AsciiEqualsIgnoreCase(memory->name, part->name)) continue;
                if (IsRdbCommIfSection(config) == 0) {
                    context.RdbBlockMemoryResults().insert(part, 0);
                    return 0;
                }
                referred = true;
                break;
            }
        }
    }
    result = referred ? 1 : 0;
    context.RdbBlockMemoryResults().insert(part, result);
    return result;
}

}  // namespace Internal
