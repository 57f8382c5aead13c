#pragma once
#include <QDialog>
#include <QList>

#include "RelatedNodes.h"

class CCommonUtility;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Offers a BLOCK_MEMORY and a BLOCK_PARAM part in every BLOCK section after a new
// COMM_IF_CONFIGURATION part.
class CDialogRelatePart : public QDialog {
    Q_OBJECT
public:
    CDialogRelatePart(CCommonUtility& utility, int createdPartType, QWidget* parent = nullptr);

    int TickedCount() const { return m_ticks.Count(); }

public slots:
    void accept() override;

private:
    void OnItemChanged(QTreeWidgetItem* item);

    CCommonUtility& m_utility;
    int m_createdPartType;
    QList<RelatedNodes::PartRow> m_rows;
    QList<bool> m_ticked;
    RelatedNodes::TickCounter m_ticks;
    QTreeWidget* m_list;
    QPushButton* m_ok;
};
