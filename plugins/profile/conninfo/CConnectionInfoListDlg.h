#pragma once
#include <QDialog>

class CConnectionInfoSession;
class CConnectionInfoWorkSet;
class CVsflexgridn2;
class QGroupBox;
class QPushButton;

// The modal list of an edit run: one grid row per connection of the working copy, with add,
// delete and each connection's detail dialog.
class CConnectionInfoListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 8165;
    static constexpr int kColumns = 6;
    static constexpr int kDetailColumn = 5;

    CConnectionInfoListDlg(QWidget* parent, CConnectionInfoSession& session);

    // 0 when it ended with OK after a change, 2 otherwise, 1 when it could not run.
    int Run();
    int IsModified() const { return m_modified; }
    CVsflexgridn2* Grid() const { return m_grid; }

    void OnAdd();
    void DeleteSelected();
    void SelectAll();
    void OpenSelected();
    // 0, or 1 when the grid could not be filled.
    int FillGrid();

    void accept() override;
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitDialog();
    void LayoutControls();
    bool HasDataRows() const;
    void ShowInfo(int messageId);
    void OnGridKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OnGridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& globalPos);
    void OnGridDblClick();
    void ShowContextMenu(const QPoint& globalPos);

    CConnectionInfoSession& m_session;
    CConnectionInfoWorkSet& m_workSet;
    int m_modified = 0;
    CVsflexgridn2* m_grid;
    QGroupBox* m_frame;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
