#pragma once

#include <QDialog>
#include <QStringList>

#include "DataListEditor.h"

class CCommonUtility;
class CPELFM_ElemInfo;
class ICommandFrame;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the list of values of one item of an element; OK stores the list as one undoable change.
class CDialogEditDataEX : public QDialog {
    Q_OBJECT
public:
    CDialogEditDataEX(const QStringList& texts, ICommandFrame* frame, CPELFM_ElemInfo* elem, int itemType,
                      QWidget* parent = nullptr);

    // The dialog's texts from the editor's string table, in the order the constructor takes them.
    static QStringList Texts(const CCommonUtility& utility);

    QListWidget* ValueList() const { return m_list; }
    QLineEdit* ValueField() const { return m_value; }
    QComboBox* PositionBox() const { return m_positions; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* InsertButton() const { return m_insert; }
    QPushButton* ReplaceButton() const { return m_replace; }
    QPushButton* DeleteButton() const { return m_delete; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill(int select);
    void FillPositions(bool forNewEntry);
    // The selected entry's row, -1 while none is selected.
    int SelectedRow() const;
    void OnSelectionChanged();
    void OnPositionChosen(int index);
    void OnNew();
    void OnInsert();
    void OnReplace();
    void OnDelete();
    void UpdateButtons();

    ICommandFrame* m_frame;
    CPELFM_ElemInfo* m_elem;
    int m_itemType;
    QStringList m_opening;
    DataListEditor m_editor;
    QListWidget* m_list = nullptr;
    QLineEdit* m_value = nullptr;
    QComboBox* m_positions = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_delete = nullptr;
    bool m_updating = false;
};
