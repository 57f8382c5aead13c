#include "CCheckContext.h"

#include <algorithm>
#include <new>
#include <numeric>

#include "CCheckAllItemsGroup.h"
#include "CCheckInfoGroup.h"
#include "CCheckItemGroup.h"
#include "CCheckLabelGroup.h"
#include "CCheckMandatorySection.h"
#include "CCheckMethodBase.h"
#include "CCheckReferenceGroup.h"
#include "CCheckSyntaxGroup.h"
#include "CCheckValueGroup.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "CheckPatterns.h"
#include "ICheckProgressSink.h"

namespace {

constexpr int kProgressCap = 120;

bool IsOneOf(int partKind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), partKind) != kinds.end();
}

}  // namespace

CCheckContext::CCheckContext(const CheckFormat& format) : format_(format) {}

CCheckContext::~CCheckContext() {
    Destroy();
}

int CCheckContext::Build(CPELFM_ProfileInfo* root) {
    if (!root) return 0;
    root_ = root;
    try {
        references_ = std::make_unique<CCheckReferenceGroup>(*this);
        info_ = std::make_unique<CCheckInfoGroup>(*this);
        labels_ = std::make_unique<CCheckLabelGroup>(*this);
        values_ = std::make_unique<CCheckValueGroup>(*this);
        syntax_ = std::make_unique<CCheckSyntaxGroup>(*this);
        items_ = std::make_unique<CCheckItemGroup>(*this);
        allItems_ = std::make_unique<CCheckAllItemsGroup>(*this);
        final_ = std::make_unique<CCheckMandatorySection>(*this);
        CollectElements();
    } catch (const std::bad_alloc&) {
        Destroy();
        return 0;
    }
    return 1;
}

void CCheckContext::CollectElements() {
    for (CPELFM_SectionInfo* section : std::as_const(root_->sections)) {
        if (!section) continue;
        for (CPELFM_PartInfo* part : std::as_const(section->parts)) {
            if (!part) continue;
            QList<CPELFM_ElemInfo*> elems;
            try {
                part->GetElems(elems);
            } catch (const std::bad_alloc&) {
                throw;
            } catch (...) {
                // A part whose elements cannot be read has nothing to judge.
                continue;
            }
            // Every element knows its index before any check runs: findings about other elements
            // carry theirs. Read through const access: the copy shares the part's list.
            for (int k = 0; k < elems.size(); ++k) {
                if (!elems.at(k)) continue;
                elems.at(k)->rowIndex = k;
                ++elementCount_;
            }
            parts_.push_back(PartElems{part, std::move(elems)});
        }
    }
}

void CCheckContext::JudgeElement(CPELFM_ElemInfo* elem, int elementIndex) {
    targets_.clear();
    targetGroups_.clear();
    labelItem_.itemType = LABEL;
    labelItem_.ownerElem = elem;
    labelItem_.values.clear();
    labelItem_.values.append(
        ProfileInnerConst::_ST_PELFM_DATAINFO{ProfileInnerConst::DATA_UNKNOWN, elem->label});
    labelItem_.ClearValueCache();
    RouteCheckTarget(&labelItem_, elementIndex);
    for (CPELFM_ItemInfo* item : std::as_const(elem->items)) {
        if (item) RouteCheckTarget(item, elementIndex);
    }
    for (int group = 0; group < GroupCount; ++group) {
        // Whatever escapes one group must not stop the next.
        try {
            for (size_t t = 0; t < targets_.size(); ++t) {
                if (!(targetGroups_[t] & (1u << group))) continue;
                for (size_t s = 0; s < steps_[group].size(); ++s) {
                    findingsOfStep_ = &findings_[group][s];
                    steps_[group][s](&targets_[t]);
                }
            }
        } catch (...) {
        }
    }
    findingsOfStep_ = nullptr;
    // The pieces may belong to the synthetic item, which the next element takes over.
    lastSplit_ = nullptr;
    lastPieces_.reset();
}

void CCheckContext::RouteCheckTarget(CPELFM_ItemInfo* item, int elementIndex) {
    CPELFM_ElemInfo* elem = item ? item->ownerElem : nullptr;
    CPELFM_PartInfo* part = elem ? elem->ownerPart : nullptr;
    CPELFM_SectionInfo* section = part ? part->ownerSection : nullptr;
    if (!section) return;

    CCheckItemInfo& target = targets_.emplace_back();
    target.elementIndex = elementIndex;
    target.item = item;
    target.itemKind = CCheckItemInfo::ShortKind(item->itemType);
    target.partKind = CCheckItemInfo::ShortKind(part->partType);
    target.sectionKind = CCheckItemInfo::ShortKind(section->sectionType);
    target.elem = elem;
    target.part = part;
    quint8& groups = targetGroups_.emplace_back(quint8(1u << AllItemsGroup));
    auto route = [&groups](Group g) { groups |= quint8(1u << g); };

    const int kind = item->itemType;
    // Item kinds the format does not have meet only the checks every target meets.
    if (kind < LABEL || !format_.HasItemKind(kind)) return;
    const int p = part->partType;
    switch (kind) {
        case LABEL:
            if (IsOneOf(p, {PART_FILE_INFO, PART_DEVICE_INFO, PART_COMM_IF_INFO, PART_BLOCK_INFO})) {
                route(InfoGroup);
            }
            route(LabelGroup);
            route(ItemGroup);
            break;
        case LABEL2:
            route(LabelGroup);
            break;
        case CATEGORY:
        case NAME:
        case COMMENT:
        case READ_CONDITION:
            route(ItemGroup);
            break;
        case DATATYPE:
            if (IsOneOf(p, {PART_FILE_INFO, PART_DEVICE_INFO, PART_DEVICE_IF, PART_COMM_IF_INFO,
                            PART_BLOCK_INFO})) {
                route(InfoGroup);
            } else {
                route(ReferenceGroup);
            }
            route(ValueGroup);
            route(ItemGroup);
            break;
        case DATA:
            route(InfoGroup);
            route(ItemGroup);
            if (IsOneOf(p, {PART_COMM_IF_INFO, PART_BLOCK_INFO})) {
                route(ReferenceGroup);
            } else if (p == PART_BLOCK_PARAM) {
                route(SyntaxGroup);
            }
            break;
        case RANGE:
            if (p == PART_BLOCK_PARAM) break;
            route(ReferenceGroup);
            route(ValueGroup);
            route(SyntaxGroup);
            break;
        case MIN_INC:
            if (p == PART_BLOCK_PARAM) break;
            route(ValueGroup);
            route(SyntaxGroup);
            break;
        case ENG_UNIT:
            route(ValueGroup);
            break;
        case ACCESS:
        case CODE:
            route(ValueGroup);
            route(SyntaxGroup);
            route(ItemGroup);
            break;
        case ASSIGN:
            route(ValueGroup);
            route(SyntaxGroup);
            break;
        case REF_MEMORY:
        case REF_PARAM:
            route(ReferenceGroup);
            route(ValueGroup);
            route(SyntaxGroup);
            if (section->sectionType != SECTION_BLOCK) route(ItemGroup);
            break;
        case RELATION:
            route(SyntaxGroup);
            break;
        default:
            break;
    }
}

void CCheckContext::AddProgress(ICheckProgressSink* progress, int weight) {
    progressSum_ = std::min(progressSum_ + weight, kProgressCap);
    if (progress) progress->PostCheckProgress(progressSum_);
}

void CCheckContext::RunCheckGroups(ICheckProgressSink* progress) {
    static constexpr int kWeights[GroupCount] = {1, 2, 6, 7, 7, 10, 2};
    const Internal::MatchRegexMemo memo;
    steps_[AllItemsGroup] = allItems_->Steps();
    steps_[ReferenceGroup] = references_->Steps();
    steps_[LabelGroup] = labels_->Steps();
    steps_[SyntaxGroup] = syntax_->Steps();
    steps_[InfoGroup] = info_->Steps();
    steps_[ValueGroup] = values_->Steps();
    steps_[ItemGroup] = items_->Steps();
    for (int group = 0; group < GroupCount; ++group) findings_[group].resize(steps_[group].size());

    // The info group judges its parts before its targets; that needs no target.
    QList<_ST_PEL_CHECK_MESSAGE> infoParts;
    findingsOfStep_ = &infoParts;
    try {
        info_->RunStructuralChecks();
    } catch (...) {
    }
    findingsOfStep_ = nullptr;

    // Each group's progress is posted when the elements are judged as far as the groups before it
    // weigh, so the bar moves with the work and posts the same sums in the same order.
    int weightBefore = 0, posted = 0;
    const int weightOfGroups = std::accumulate(std::begin(kWeights), std::end(kWeights), 0);
    auto post = [&](qsizetype judged) {
        while (posted < GroupCount &&
               judged * weightOfGroups >= qsizetype(weightBefore) * std::max<qsizetype>(elementCount_, 1)) {
            AddProgress(progress, kWeights[posted]);
            weightBefore += kWeights[posted++];
        }
    };
    qsizetype judged = 0;
    post(judged);
    for (const PartElems& p : parts_) {
        for (int k = 0; k < p.elems.size(); ++k) {
            if (!p.elems[k]) continue;
            JudgeElement(p.elems[k], k);
            post(++judged);
        }
    }
    post(std::max<qsizetype>(elementCount_, 1));

    for (int group = 0; group < GroupCount; ++group) {
        if (group == InfoGroup) messages_.append(std::move(infoParts));
        for (QList<_ST_PEL_CHECK_MESSAGE>& f : findings_[group]) messages_.append(std::move(f));
    }
    AddProgress(progress, 1);
    try {
        final_->CheckMandatorySections();
    } catch (...) {
    }
}

void CCheckContext::Destroy() {
    references_.reset();
    syntax_.reset();
    values_.reset();
    info_.reset();
    labels_.reset();
    items_.reset();
    allItems_.reset();
    final_.reset();
    targets_.clear();
    targetGroups_.clear();
    parts_.clear();
    for (int group = 0; group < GroupCount; ++group) {
        steps_[group].clear();
        findings_[group].clear();
    }
    rdbBlockMemoryResults_.clear();
    referenceMemo_ = Internal::CheckReferences();
    lastSplit_ = nullptr;
    lastPieces_.reset();
}

_ST_PEL_CHECK_MESSAGE CCheckContext::ElementMessage(const CPELFM_ElemInfo* elem, int messageId,
                                                    int itemKind) const {
    _ST_PEL_CHECK_MESSAGE m;
    const CPELFM_PartInfo* part = elem ? elem->ownerPart : nullptr;
    if (part) {
        m.partLabel = part->name;
        if (part->ownerSection) m.sectionLabel = part->ownerSection->name;
    }
    m.messageId = messageId;
    m.elementIndex = elem ? elem->rowIndex : 0;
    m.itemKind = itemKind;
    return m;
}

_ST_PEL_CHECK_MESSAGE CCheckContext::PartMessage(const CPELFM_PartInfo* part, int messageId) const {
    _ST_PEL_CHECK_MESSAGE m;
    if (part) {
        m.partLabel = part->name;
        if (part->ownerSection) m.sectionLabel = part->ownerSection->name;
    }
    m.messageId = messageId;
    return m;
}

CCheckContext::Pieces CCheckContext::SplitPieces(CPELFM_ItemInfo* item, int valueKind) {
    if (item == lastSplit_ && lastPieces_) return lastPieces_;
    QList<CPELFM_ItemInfo*> pieces;
    if (valueKind == VALUE_LIST)
        item->SplitListItems(pieces);
    else
        item->SplitAngleItems(pieces);
    lastSplit_ = item;
    lastPieces_ =
        Pieces(new QList<CPELFM_ItemInfo*>(std::move(pieces)), [](const QList<CPELFM_ItemInfo*>* p) {
            QList<CPELFM_ItemInfo*> items = *p;
            DeleteItemArray(items);
            delete p;
        });
    return lastPieces_;
}

void CCheckContext::ReportRangeMessage(const CPELFM_ElemInfo* elem, int messageId) {
    AppendMessage(ElementMessage(elem, messageId, RANGE));
}
