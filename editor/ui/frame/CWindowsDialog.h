#pragma once
#include <QDialog>

class QListWidget;
class QMdiArea;

// Lists the part windows of the tab area; activates or closes the chosen ones.
class CWindowsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CWindowsDialog(QMdiArea& area, QWidget* parent = nullptr);

    QListWidget& WindowList() { return *m_list; }
    void ActivateSelected();
    void CloseSelected();

private:
    void Fill();

    QMdiArea& m_area;
    QListWidget* m_list = nullptr;
};
