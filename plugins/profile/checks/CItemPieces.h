#pragma once
// The pieces an item's value is judged by: the item itself, or the temporary single-value items of a
// list (value kind 2) or of an angle list (value kind 3), which live as long as the check run.

#include <QList>
#include <memory>
#include <span>

class CPELFM_ItemInfo;
class CCheckContext;

namespace Internal {

class CItemPieces {
public:
    enum class Split { Lists, ListsAndAngles };

    // Classifies the item; model exceptions (no value, bad list) pass through to the caller. The
    // pieces of a split are the run's, made once per item (CCheckContext::SplitPieces).
    CItemPieces(CCheckContext& context, CPELFM_ItemInfo* item, Split split);

    std::span<CPELFM_ItemInfo* const> Items() const { return pieces_; }
    int SourceKind() const { return sourceKind_; }

private:
    // The item itself when it is not split: most items are judged whole.
    CPELFM_ItemInfo* single_ = nullptr;
    std::span<CPELFM_ItemInfo* const> pieces_;
    std::shared_ptr<const QList<CPELFM_ItemInfo*>> split_;
    int sourceKind_ = 0;
};

}  // namespace Internal
