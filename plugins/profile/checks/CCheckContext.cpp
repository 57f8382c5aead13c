#include "CCheckContext.h"

#include <algorithm>
#include <new>

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
        CollectCheckTargets();
    } catch (const std::bad_alloc&) {
        Destroy();
        return 0;
    }
    return 1;
}

void CCheckContext::CollectCheckTargets() {
    // The elements first, so that the targets and the synthetic items are made in one piece each: a
    // large profile has millions of targets, and the groups keep pointers to them.
    struct PartElems {
        CPELFM_PartInfo* part;
        QList<CPELFM_ElemInfo*> elems;
    };
    std::vector<PartElems> parts;
    qsizetype elemCount = 0, targetCount = 0;
    for (CPELFM_SectionInfo* section : root_->sections) {
        if (!section) continue;
        for (CPELFM_PartInfo* part : section->parts) {
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
            for (const CPELFM_ElemInfo* elem : elems) {
                if (!elem) continue;
                ++elemCount;
                targetCount += 1 + elem->items.size();
            }
            parts.push_back(PartElems{part, std::move(elems)});
        }
    }
    labelItems_ = std::make_unique<CPELFM_ItemInfo[]>(size_t(elemCount));
    targets_.reserve(size_t(targetCount));
    qsizetype labels = 0;
    for (const PartElems& p : parts) {
        for (int k = 0; k < p.elems.size(); ++k) {
            CPELFM_ElemInfo* elem = p.elems[k];
            if (!elem) continue;
            elem->rowIndex = k;
            CPELFM_ItemInfo& label = labelItems_[labels++];
            label.itemType = LABEL;
            label.ownerElem = elem;
            label.values.append(
                ProfileInnerConst::_ST_PELFM_DATAINFO{ProfileInnerConst::DATA_UNKNOWN, elem->label});
            RouteCheckTarget(&label, k);
            for (CPELFM_ItemInfo* item : elem->items) {
                if (item) RouteCheckTarget(item, k);
            }
        }
    }
}

void CCheckContext::RouteCheckTarget(CPELFM_ItemInfo* item, int elementIndex) {
    CPELFM_ElemInfo* elem = item ? item->ownerElem : nullptr;
    CPELFM_PartInfo* part = elem ? elem->ownerPart : nullptr;
    CPELFM_SectionInfo* section = part ? part->ownerSection : nullptr;
    if (!section) return;

    // Never more targets than counted: the groups hold pointers into the array.
    if (targets_.size() == targets_.capacity()) return;
    CCheckItemInfo* target = &targets_.emplace_back();
    target->elementIndex = elementIndex;
    target->item = item;
    target->itemKind = CCheckItemInfo::ShortKind(item->itemType);
    target->partKind = CCheckItemInfo::ShortKind(part->partType);
    target->sectionKind = CCheckItemInfo::ShortKind(section->sectionType);
    target->elem = elem;
    target->part = part;
    allItems_->targets.push_back(target);

    const int kind = item->itemType;
    // Item kinds the format does not have meet only the checks every target meets.
    if (kind < LABEL || !format_.HasItemKind(kind)) return;
    const int p = part->partType;
    switch (kind) {
        case LABEL:
            if (IsOneOf(p, {PART_FILE_INFO, PART_DEVICE_INFO, PART_COMM_IF_INFO, PART_BLOCK_INFO})) {
                info_->targets.push_back(target);
            }
            labels_->targets.push_back(target);
            items_->targets.push_back(target);
            break;
        case LABEL2:
            labels_->targets.push_back(target);
            break;
        case CATEGORY:
        case NAME:
        case COMMENT:
        case READ_CONDITION:
            items_->targets.push_back(target);
            break;
        case DATATYPE:
            if (IsOneOf(p, {PART_FILE_INFO, PART_DEVICE_INFO, PART_DEVICE_IF, PART_COMM_IF_INFO,
                            PART_BLOCK_INFO})) {
                info_->targets.push_back(target);
            } else {
                references_->targets.push_back(target);
            }
            values_->targets.push_back(target);
            items_->targets.push_back(target);
            break;
        case DATA:
            info_->targets.push_back(target);
            items_->targets.push_back(target);
            if (IsOneOf(p, {PART_COMM_IF_INFO, PART_BLOCK_INFO})) {
                references_->targets.push_back(target);
            } else if (p == PART_BLOCK_PARAM) {
                syntax_->targets.push_back(target);
            }
            break;
        case RANGE:
            if (p == PART_BLOCK_PARAM) break;
            references_->targets.push_back(target);
            values_->targets.push_back(target);
            syntax_->targets.push_back(target);
            break;
        case MIN_INC:
            if (p == PART_BLOCK_PARAM) break;
            values_->targets.push_back(target);
            syntax_->targets.push_back(target);
            break;
        case ENG_UNIT:
            values_->targets.push_back(target);
            break;
        case ACCESS:
        case CODE:
            values_->targets.push_back(target);
            syntax_->targets.push_back(target);
            items_->targets.push_back(target);
            break;
        case ASSIGN:
            values_->targets.push_back(target);
            syntax_->targets.push_back(target);
            break;
        case REF_MEMORY:
        case REF_PARAM:
            references_->targets.push_back(target);
            values_->targets.push_back(target);
            syntax_->targets.push_back(target);
            if (section->sectionType != SECTION_BLOCK) items_->targets.push_back(target);
            break;
        case RELATION:
            syntax_->targets.push_back(target);
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
    // The steps and weights are fixed; whatever escapes one step must not stop the next.
    auto step = [&](int weight, auto&& run) {
        AddProgress(progress, weight);
        try {
            run();
        } catch (...) {
        }
    };
    const Internal::MatchRegexMemo memo;
    step(1, [this] { allItems_->Run(); });
    step(2, [this] { references_->Run(); });
    step(6, [this] { labels_->Run(); });
    step(7, [this] { syntax_->Run(); });
    step(7, [this] { info_->Run(); });
    step(10, [this] { values_->Run(); });
    step(2, [this] { items_->Run(); });
    step(1, [this] { final_->CheckMandatorySections(); });
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
    labelItems_.reset();
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

void CCheckContext::RunSteps(const std::vector<CCheckItemInfo*>& targets,
                             std::initializer_list<std::function<void(CCheckItemInfo*)>> steps) {
    std::vector<QList<_ST_PEL_CHECK_MESSAGE>> findings(steps.size());
    struct Restore {
        QList<_ST_PEL_CHECK_MESSAGE>*& to;
        ~Restore() { to = nullptr; }
    } restore{findingsOfStep_};
    for (CCheckItemInfo* target : targets) {
        size_t i = 0;
        for (const auto& step : steps) {
            findingsOfStep_ = &findings[i++];
            step(target);
        }
    }
    findingsOfStep_ = nullptr;
    for (QList<_ST_PEL_CHECK_MESSAGE>& f : findings) messages_.append(std::move(f));
}

void CCheckContext::RunChecks(const std::vector<CCheckItemInfo*>& targets,
                              std::initializer_list<CCheckMethodBase*> checks) {
    std::vector<QList<_ST_PEL_CHECK_MESSAGE>> findings(checks.size());
    struct Restore {
        QList<_ST_PEL_CHECK_MESSAGE>*& to;
        ~Restore() { to = nullptr; }
    } restore{findingsOfStep_};
    for (CCheckItemInfo* target : targets) {
        size_t i = 0;
        for (CCheckMethodBase* check : checks) {
            findingsOfStep_ = &findings[i++];
            check->Run(target);
        }
    }
    findingsOfStep_ = nullptr;
    for (QList<_ST_PEL_CHECK_MESSAGE>& f : findings) messages_.append(std::move(f));
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
