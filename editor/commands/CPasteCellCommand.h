#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "BaseCommand.h"

class CPELFM_ElemInfo;
class CPELFM_ItemInfo;
class CPELFM_PartInfo;
class IPartGridView;
class IWorkViewManager;

// Writes texts into a block of a part's grid cells (paste, clear, paste of references). The
// texts become values by the same conversion as typed cells. Undo puts back the very items the
// cells held before (kinds, order, all values) rather than parsing their shown texts again.
class CPasteCellCommand : public BaseCommand {
public:
    static constexpr int BLOCK_MODE = 0;
    static constexpr int LIST_MODE = 2;

    CPasteCellCommand() = default;
    ~CPasteCellCommand() override;

    // Block mode: cells separated by tabs, rows by form feeds, in-cell line breaks as vertical
    // tabs; an empty text clears the block.
    void Init(IPartGridView* view, int firstRow, int firstColumn, int rowCount, int columnCount,
              const QString& blockText);
    // Block mode from the cells' texts as they are (tabs and line breaks included).
    void InitWithBlock(IPartGridView* view, int firstRow, int firstColumn, const QList<QStringList>& block);
    // List mode: one text per row of one column, copied references made relative to each cell.
    void InitWithValues(IPartGridView* view, int rowCount, int firstRow, int firstColumn,
                        const QStringList& newTexts);

    bool Execute() override;
    bool Unexecute() override;

private:
    struct CellTarget {
        CPELFM_ElemInfo* elem;
        int itemType;
        QString text;
    };
    // One changed cell, enough to put back exactly what was there.
    struct CellChange {
        CPELFM_ElemInfo* elem = nullptr;
        int itemType = 0;
        QString oldLabel;
        CPELFM_ItemInfo* oldItem = nullptr;  // ours while applied
        CPELFM_ItemInfo* newItem = nullptr;  // in the element while applied
        int index = -1;                      // the item's position in the element
    };

    IPartGridView* FindView(IWorkViewManager& views);
    void ApplyCell(const CellTarget& target);
    void ShowRange(IPartGridView& view);

    CPELFM_PartInfo* m_part = nullptr;
    int m_mode = BLOCK_MODE;
    int m_rowCount = 0;
    int m_columnCount = 0;
    int m_firstRow = 0;
    int m_firstColumn = 0;
    QString m_blockText;
    QList<QStringList> m_block;
    bool m_hasBlock = false;
    QStringList m_newTexts;

    bool m_applied = false;
    std::vector<CellChange> m_changes;  // in the order they were made
    int m_lastRow = 0;
    int m_lastColumn = 0;
};
