#include "CCheckInfoGroup.h"

#include "CCheckContext.h"
#include "CCheckItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"

CCheckInfoGroup::CCheckInfoGroup(CCheckContext& context)
    : context_(context),
      dataType_(context),
      versionFormat_(context),
      format_(context),
      deviceModel_(context),
      dataFromType_(context),
      deviceIf_(context) {}

void CCheckInfoGroup::RunStructuralChecks() {
    auto check = [this](CPELFM_PartInfo* part) {
        try {
            if (part) deviceIf_.CheckInfoPartLabels(part);
        } catch (...) {
        }
    };
    auto first = [](const CPELFM_SectionInfo* section, int partKind) -> CPELFM_PartInfo* {
        for (CPELFM_PartInfo* part : section->parts) {
            if (part && part->partType == partKind) return part;
        }
        return nullptr;
    };
    auto every = [&check](const CPELFM_SectionInfo* section, int partKind) {
        for (CPELFM_PartInfo* part : section->parts) {
            if (part && part->partType == partKind) check(part);
        }
    };
    for (const CPELFM_SectionInfo* section : std::as_const(context_.Root()->sections)) {
        if (!section) continue;
        switch (section->sectionType) {
            case SECTION_FILE:
                check(first(section, PART_FILE_INFO));
                break;
            case SECTION_DEVICE:
                check(first(section, PART_DEVICE_INFO));
                every(section, PART_DEVICE_IF);
                break;
            case SECTION_COMM_IF:
                check(first(section, PART_COMM_IF_INFO));
                break;
            case SECTION_BLOCK:
                check(first(section, PART_BLOCK_INFO));
                every(section, PART_BLOCK_PARAM);
                break;
            default:
                break;
        }
    }
    for (const CPELFM_SectionInfo* section : std::as_const(context_.Root()->sections)) {
        if (section && section->sectionType == SECTION_DEVICE) deviceIf_.CheckDeviceIfPartExists(section);
    }
}

std::vector<CCheckContext::Step> CCheckInfoGroup::Steps() {
    return {[this](CCheckItemInfo* t) { dataType_.Run(t); },
            [this](CCheckItemInfo* t) { versionFormat_.Run(t); },
            [this](CCheckItemInfo* t) { format_.Run(t); }, [this](CCheckItemInfo* t) { deviceModel_.Run(t); },
            [this](CCheckItemInfo* t) { dataFromType_.Run(t); }};
}
