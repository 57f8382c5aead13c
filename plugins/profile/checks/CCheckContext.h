#pragma once
// The state of one check run: the profile, the check groups, the targets and the findings. Nothing of
// a run outlives its context, so one run never sees another's findings or progress.
//
// The groups run in their order, each check over the targets in target order, and the findings come
// out in that order. The work itself goes element by element: every group judges an element's targets
// before the next element is read, so a large profile is read once while it is at hand rather than
// once per group. A check judges one target at a time and keeps nothing that depends on another
// target's later checks, so the findings and statuses are the same either way.

#include <QHash>
#include <QList>
#include <functional>
#include <memory>
#include <vector>

#include "CCheckItemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckReferences.h"
#include "PluginRecords.h"

struct CheckFormat;
class ICheckProgressSink;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class CPELFM_ElemInfo;
class CCheckReferenceGroup;
class CCheckSyntaxGroup;
class CCheckValueGroup;
class CCheckInfoGroup;
class CCheckLabelGroup;
class CCheckItemGroup;
class CCheckAllItemsGroup;
class CCheckMandatorySection;
class CCheckMethodBase;

class CCheckContext {
public:
    explicit CCheckContext(const CheckFormat& format);
    ~CCheckContext();
    CCheckContext(const CCheckContext&) = delete;
    CCheckContext& operator=(const CCheckContext&) = delete;

    // 1 = ready; 0 = null root or no memory for the groups.
    int Build(CPELFM_ProfileInfo* root);
    // Every group in its order; the progress sum grows by each step's weight, capped at 120.
    void RunCheckGroups(ICheckProgressSink* progress);
    // Frees the targets, the synthetic items and the groups; the findings stay.
    void Destroy();

    CPELFM_ProfileInfo* Root() const { return root_; }
    const CheckFormat& Format() const { return format_; }
    const QList<_ST_PEL_CHECK_MESSAGE>& Messages() const { return messages_; }
    int ProgressSum() const { return progressSum_; }

    void AppendMessage(const _ST_PEL_CHECK_MESSAGE& message) {
        (findingsOfStep_ ? *findingsOfStep_ : messages_).append(message);
    }
    // One step of a group: a check, or the group's own judgement, of one target.
    using Step = std::function<void(CCheckItemInfo*)>;
    // A finding located at an element: its section and part labels and its index.
    _ST_PEL_CHECK_MESSAGE ElementMessage(const CPELFM_ElemInfo* elem, int messageId, int itemKind) const;
    // A finding for a part as a whole (element index 0, item kind 0).
    _ST_PEL_CHECK_MESSAGE PartMessage(const CPELFM_PartInfo* part, int messageId) const;
    // A RANGE finding for an element that is reached without a target of its own.
    void ReportRangeMessage(const CPELFM_ElemInfo* elem, int messageId);

    // The single-value items of a list (value kind 2) or angle list (3) of an item of the profile or of
    // the element being judged: the checks of one target often judge the same item piece by piece, so
    // the last item's pieces are kept. They live as long as the last holder. The model's exceptions pass
    // through, and nothing is kept then.
    using Pieces = std::shared_ptr<const QList<CPELFM_ItemInfo*>>;
    Pieces SplitPieces(CPELFM_ItemInfo* item, int valueKind);
    // What references name, looked up once per run.
    Internal::CheckReferences& References() { return referenceMemo_; }
    // Results of the RDB block-memory test, per part, kept for the run.
    QHash<const CPELFM_PartInfo*, int>& RdbBlockMemoryResults() { return rdbBlockMemoryResults_; }

private:
    // The groups in run order, with the weight each adds to the progress sum.
    enum Group {
        AllItemsGroup,
        ReferenceGroup,
        LabelGroup,
        SyntaxGroup,
        InfoGroup,
        ValueGroup,
        ItemGroup,
        GroupCount
    };
    struct PartElems {
        CPELFM_PartInfo* part;
        QList<CPELFM_ElemInfo*> elems;
    };

    void CollectElements();
    void JudgeElement(CPELFM_ElemInfo* elem, int elementIndex);
    void RouteCheckTarget(CPELFM_ItemInfo* item, int elementIndex);
    void AddProgress(ICheckProgressSink* progress, int weight);

    const CheckFormat& format_;
    CPELFM_ProfileInfo* root_ = nullptr;
    std::unique_ptr<CCheckReferenceGroup> references_;
    std::unique_ptr<CCheckSyntaxGroup> syntax_;
    std::unique_ptr<CCheckValueGroup> values_;
    std::unique_ptr<CCheckInfoGroup> info_;
    std::unique_ptr<CCheckLabelGroup> labels_;
    std::unique_ptr<CCheckItemGroup> items_;
    std::unique_ptr<CCheckAllItemsGroup> allItems_;
    std::unique_ptr<CCheckMandatorySection> final_;

    // Every part's elements, in section and part order; the parts are loaded by Build.
    std::vector<PartElems> parts_;
    qsizetype elementCount_ = 0;
    // The targets of the element being judged (its synthetic LABEL item first) and the groups each
    // goes to, one bit per group.
    std::vector<CCheckItemInfo> targets_;
    std::vector<quint8> targetGroups_;
    CPELFM_ItemInfo labelItem_;
    // The steps of each group and, per step, its findings so far.
    std::vector<Step> steps_[GroupCount];
    std::vector<QList<_ST_PEL_CHECK_MESSAGE>> findings_[GroupCount];

    QList<_ST_PEL_CHECK_MESSAGE> messages_;
    // Where findings go while a step runs.
    QList<_ST_PEL_CHECK_MESSAGE>* findingsOfStep_ = nullptr;
    int progressSum_ = 0;
    QHash<const CPELFM_PartInfo*, int> rdbBlockMemoryResults_;
    Internal::CheckReferences referenceMemo_;
    const CPELFM_ItemInfo* lastSplit_ = nullptr;
    Pieces lastPieces_;
};
