#pragma once

#include <QDialog>

#include "PropertyEditLogic.h"

class CCommonUtility;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits the name, comment and (for a part) second name of a section or part as one undoable change.
class CDialogEditProperty : public QDialog {
    Q_OBJECT
public:
    CDialogEditProperty(CCommonUtility& utility, CPELFM_NodeBase* node, QWidget* parent = nullptr);

    QLineEdit* NameField() const { return m_name; }
    QLineEdit* CommentField() const { return m_comment; }
    QLineEdit* Label2Field() const { return m_label2; }
    QPushButton* OkButton() const { return m_ok; }

public slots:
    void accept() override;

private:
    CCommonUtility& m_utility;
    PropertyEditLogic m_logic;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_comment = nullptr;
    QLineEdit* m_label2 = nullptr;
    QLabel* m_label2Caption = nullptr;
    QPushButton* m_ok = nullptr;
};
