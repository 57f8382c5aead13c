#include "CCheckMethodBase.h"

#include "CCheckContext.h"
#include "CCheckItemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckHelpers.h"

void CCheckMethodBase::Run(CCheckItemInfo* target) {
    target_ = target;
    if (!target || target->status != 1) return;
    // Arguments a check added before it passed or threw must not reach a later check's message.
    const qsizetype argumentCount = target->message ? target->message->arguments.size() : 0;
    int result = 1;
    try {
        result = Check();
    } catch (...) {
        result = 1;
    }
    if (result == 1) {
        if (target->message && target->message->arguments.size() != argumentCount)
            target->message->arguments.resize(argumentCount);
        return;
    }
    target->status = 0;
    ReportCheckFailure();
}

int CCheckMethodBase::Check() {
    return 1;
}

void CCheckMethodBase::SetMessageId() {}

void CCheckMethodBase::AddMessageArgument(const QString& text) {
    target_->Message().arguments.append(text);
}

void CCheckMethodBase::SetTargetMessageId(int id) {
    target_->Message().messageId = id;
}

CPELFM_ItemInfo* CCheckMethodBase::Item() const {
    return target_ ? target_->item : nullptr;
}

CPELFM_ElemInfo* CCheckMethodBase::Elem() const {
    return target_ ? target_->elem : nullptr;
}

CPELFM_PartInfo* CCheckMethodBase::Part() const {
    return target_ ? target_->part : nullptr;
}

CPELFM_SectionInfo* CCheckMethodBase::Section() const {
    return target_ ? target_->part->ownerSection : nullptr;
}

int CCheckMethodBase::ItemKind() const {
    return target_ ? target_->ItemKind() : 0;
}

int CCheckMethodBase::PartKind() const {
    if (!target_) return 0;
    return target_->partKind != CCheckItemInfo::kNotShort ? target_->partKind : target_->part->partType;
}

int CCheckMethodBase::SectionKind() const {
    if (!target_) return 0;
    return target_->sectionKind != CCheckItemInfo::kNotShort ? target_->sectionKind
                                                             : target_->part->ownerSection->sectionType;
}

void CCheckMethodBase::ReportCheckFailure() {
    _ST_PEL_CHECK_MESSAGE& m = target_->Message();
    const CPELFM_PartInfo* part = Part();
    const CPELFM_SectionInfo* section = Section();
    m.sectionLabel = section ? section->name : QString();
    m.partLabel = part ? part->name : QString();
    m.itemKind = ItemKind();
    m.elementIndex = target_->elementIndex;
    m.level = 0;
    SetMessageId();
    context_.AppendMessage(m);
}
