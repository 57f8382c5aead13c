#pragma once
#include <QString>
#include <QStringList>

#include "BaseCommand.h"
#include "ProfileInnerConst.h"

class CPELFM_ElemInfo;
class CPELFM_ItemInfo;
class ICommandFrame;

// Changes one item (grid cell) of an element, or the element's label.
class CChgItemCommand : public BaseCommand {
public:
    CChgItemCommand() = default;
    ~CChgItemCommand() override;

    // From a grid cell: an empty text removes the item.
    void InitFromText(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem, const QString& text);
    // From the data-list dialog: one value per entry; an empty list removes the item.
    void InitFromDataList(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem,
                          const QStringList& values);

    bool Execute() override;
    bool Unexecute() override;

    CPELFM_ItemInfo* NewItem() const { return m_newItem; }
    bool HeaderRefresh() const { return m_headerFlag != 0; }

private:
    void Begin(ICommandFrame* frame, int itemType, CPELFM_ElemInfo* elem, int refill);
    void SetNewValues(const QList<ProfileInnerConst::_ST_PELFM_DATAINFO>& values);
    void RefreshViews();

    CPELFM_ElemInfo* m_elem = nullptr;
    CPELFM_ItemInfo* m_oldItem = nullptr;  // the element's item of the type, taken at each Execute
    CPELFM_ItemInfo* m_newItem = nullptr;  // null: the change removes the item
    bool m_applied = false;                // applied: the old item is ours, else the new one
    ICommandFrame* m_frame = nullptr;
    int m_itemType = 0;
    QString m_labelText;  // LABEL: the label to swap in
    int m_refill = 0;
    int m_headerFlag = 0;
    int m_savedIndex = -1;  // where the old item stood among the element's items
};
