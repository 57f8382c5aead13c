#pragma once
// The pieces an item's value is judged by: the item itself, or the temporary single-value items of a
// list (value kind 2) or of an angle list (value kind 3). Temporary items are deleted with this object.

#include <QList>
#include <span>

class CPELFM_ItemInfo;

namespace Internal {

class CItemPieces {
public:
    enum class Split { Lists, ListsAndAngles };

    // Classifies the item; model exceptions (no value, bad list) pass through to the caller.
    CItemPieces(CPELFM_ItemInfo* item, Split split);
    ~CItemPieces();
    CItemPieces(const CItemPieces&) = delete;
    CItemPieces& operator=(const CItemPieces&) = delete;

    std::span<CPELFM_ItemInfo* const> Items() const {
        return owned_.isEmpty() && single_ ? std::span<CPELFM_ItemInfo* const>(&single_, 1)
                                           : std::span<CPELFM_ItemInfo* const>(owned_.constData(), owned_.size());
    }
    int SourceKind() const { return sourceKind_; }

private:
    // The item itself when it is not split: most items are judged whole.
    CPELFM_ItemInfo* single_ = nullptr;
    QList<CPELFM_ItemInfo*> owned_;
    int sourceKind_ = 0;
};

}  // namespace Internal
