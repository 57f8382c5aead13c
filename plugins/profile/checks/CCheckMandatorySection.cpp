#include "CCheckMandatorySection.h"

#include "CCheckContext.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"

void CCheckMandatorySection::CheckMandatorySections() {
    const CPELFM_ProfileInfo* root = context_.Root();
    auto has = [root](int sectionKind) {
        for (const CPELFM_SectionInfo* section : root->sections) {
            if (section && section->sectionType == sectionKind) return true;
        }
        return false;
    };
    auto report = [this](const char* sectionLabel) {
        _ST_PEL_CHECK_MESSAGE m;
        m.sectionLabel = QString::fromLatin1(sectionLabel);
        m.messageId = context_.Format().settings.missingSectionMessageId;
        context_.AppendMessage(m);
    };
    if (!has(SECTION_COMM_IF)) report("COMM_IF");
    if (!has(SECTION_BLOCK)) report("BLOCK");
}
