#pragma once
#include <QDialog>
#include <functional>

class QListWidget;
class QMdiArea;
class QMdiSubWindow;

// Lists the part windows of the tab area; activates or closes the chosen ones.
class CWindowsDialog : public QDialog {
    Q_OBJECT
public:
    // name gives each window's entry; without it the entry is the window's title.
    using WindowName = std::function<QString(const QMdiSubWindow*)>;
    explicit CWindowsDialog(QMdiArea& area, WindowName name = {}, QWidget* parent = nullptr);

    QListWidget& WindowList() { return *m_list; }
    void ActivateSelected();
    void CloseSelected();

private:
    void Fill();

    QMdiArea& m_area;
    WindowName m_name;
    QListWidget* m_list = nullptr;
};
