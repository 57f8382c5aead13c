#pragma once
#include <QDialog>

#include "RelatedNodes.h"

class CCommonUtility;
class QPushButton;
class QTreeWidget;

// Offers the section of the other side after a new BLOCK or COMM_IF section.
class CDialogRelateSection : public QDialog {
    Q_OBJECT
public:
    CDialogRelateSection(CCommonUtility& utility, int createdSectionType, QWidget* parent = nullptr);

    int SectionTypeToCreate() const { return m_sectionType; }

public slots:
    void accept() override;

private:
    CCommonUtility& m_utility;
    int m_sectionType;
    bool m_ticked = false;
    RelatedNodes::TickCounter m_ticks;
    QTreeWidget* m_list;
    QPushButton* m_ok;
};
