#pragma once
// The state of one check run: the profile, the check groups, every target and the findings. Nothing of
// a run outlives its context, so one run never sees another's findings or progress.

#include <QHash>
#include <QList>
#include <functional>
#include <initializer_list>
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
    // Runs each step over all the targets and keeps the findings as if each step ran over every target
    // before the next: the first step's, then the second's. The work goes target by target, so that
    // the steps of one target read its item while it is at hand; a large profile does not fit in any
    // cache. Steps judge one target each and share nothing that depends on another target's steps.
    void RunSteps(const std::vector<CCheckItemInfo*>& targets,
                  std::initializer_list<std::function<void(CCheckItemInfo*)>> steps);
    // The same for checks run on every target.
    void RunChecks(const std::vector<CCheckItemInfo*>& targets,
                   std::initializer_list<CCheckMethodBase*> checks);
    // A finding located at an element: its section and part labels and its index.
    _ST_PEL_CHECK_MESSAGE ElementMessage(const CPELFM_ElemInfo* elem, int messageId, int itemKind) const;
    // A finding for a part as a whole (element index 0, item kind 0).
    _ST_PEL_CHECK_MESSAGE PartMessage(const CPELFM_PartInfo* part, int messageId) const;
    // A RANGE finding for an element that is reached without a target of its own.
    void ReportRangeMessage(const CPELFM_ElemInfo* elem, int messageId);

    // The single-value items of a list (value kind 2) or angle list (3) of an item of the profile:
    // the checks of one target often judge the same item piece by piece, so the last item's pieces are
    // kept. They live as long as the last holder. The model's exceptions pass through, and nothing is
    // kept then.
    using Pieces = std::shared_ptr<const QList<CPELFM_ItemInfo*>>;
    Pieces SplitPieces(CPELFM_ItemInfo* item, int valueKind);
    // What references name, looked up once per run.
    Internal::CheckReferences& References() { return referenceMemo_; }
    // Results of the RDB block-memory test, per part, kept for the run.
    QHash<const CPELFM_PartInfo*, int>& RdbBlockMemoryResults() { return rdbBlockMemoryResults_; }

private:
    void CollectCheckTargets();
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
    std::vector<CCheckItemInfo> targets_;
    std::unique_ptr<CPELFM_ItemInfo[]> labelItems_;
    std::unique_ptr<CCheckMandatorySection> final_;

    QList<_ST_PEL_CHECK_MESSAGE> messages_;
    // Where findings go while RunSteps runs a step.
    QList<_ST_PEL_CHECK_MESSAGE>* findingsOfStep_ = nullptr;
    int progressSum_ = 0;
    QHash<const CPELFM_PartInfo*, int> rdbBlockMemoryResults_;
    Internal::CheckReferences referenceMemo_;
    const CPELFM_ItemInfo* lastSplit_ = nullptr;
    Pieces lastPieces_;
};
