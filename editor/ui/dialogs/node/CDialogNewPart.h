#pragma once
#include <QDialog>

#include "NewPartLogic.h"

class CCommonUtility;
class IRelatedNodeDialogs;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Adds a part to the section of the tree's selection.
class CDialogNewPart : public QDialog {
    Q_OBJECT
public:
    CDialogNewPart(CCommonUtility& utility, CPELFM_NodeBase* selected, IRelatedNodeDialogs& related,
                   QWidget* parent = nullptr);

    CPELFM_PartInfo* CreatedPart() const { return m_created; }

public slots:
    void accept() override;

private:
    // The selected type; none while nothing is selected.
    QListWidgetItem* ChosenType() const;
    void OnTypeChosen();
    void UpdateOk();
    void Step(int delta);

    NewPartLogic m_logic;
    IRelatedNodeDialogs& m_related;
    bool m_typeChosen = false;
    bool m_nameTyped = false;
    CPELFM_PartInfo* m_created = nullptr;
    QListWidget* m_types;
    QLineEdit* m_name;
    QLineEdit* m_label2;
    QLineEdit* m_comment;
    QLineEdit* m_count;
    QCheckBox* m_relatedBox;
    QPushButton* m_ok;
};
