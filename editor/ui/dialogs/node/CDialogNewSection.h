#pragma once
#include <QDialog>

#include "NewSectionLogic.h"

class CCommonUtility;
class CPELFM_NodeBase;
class IRelatedNodeDialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Adds a BLOCK or COMM_IF section with its first part.
class CDialogNewSection : public QDialog {
    Q_OBJECT
public:
    // commIfGroupSelected: the tree's selection is the COMM_IF group item, which is no node.
    CDialogNewSection(CCommonUtility& utility, CPELFM_NodeBase* selected, bool commIfGroupSelected,
                      IRelatedNodeDialogs& related, QWidget* parent = nullptr);

    CPELFM_SectionInfo* CreatedSection() const { return m_created; }

public slots:
    void accept() override;

private:
    int SelectedType() const;
    void OnTypeChanged();
    void UpdateOk();

    CCommonUtility& m_utility;
    NewSectionLogic m_logic;
    IRelatedNodeDialogs& m_related;
    CPELFM_SectionInfo* m_created = nullptr;
    QListWidget* m_types;
    QLineEdit* m_sectionName;
    QLineEdit* m_sectionComment;
    QLineEdit* m_partName;
    QLineEdit* m_partLabel2;
    QLineEdit* m_partComment;
    QLabel* m_partNameLabel;
    QLabel* m_partLabel2Label;
    QLabel* m_partCommentLabel;
    QCheckBox* m_relatedBox;
    QPushButton* m_ok;
};
