#pragma once
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

#include "ToolbarLayout.h"

class CToolbarCustomizeDialog;
class QAction;
class QMainWindow;
class QToolBar;
class QToolButton;

// Keeps the main window's toolbars as the user arranged them: builds them from the layout, keeps the
// layout in the user's settings after every change and reads it at the next start. Also the quick
// customisation: Alt+drag moves a button within or between the toolbars, or removes it when it is
// dropped elsewhere.
class ToolbarCustomizer : public QObject {
    Q_OBJECT
public:
    // commandAction gives the window's action of a command id, null for a command the window does not
    // have. customizeButton ends every toolbar.
    ToolbarCustomizer(QMainWindow& window, QToolBar& standard, QAction& customizeButton,
                      std::function<QAction*(int)> commandAction, const QList<int>& defaultButtons);
    ~ToolbarCustomizer() override;

    // Reads the stored layout (the default when there is none or it cannot be read) and builds the
    // toolbars from it.
    void Restore();
    const ToolbarLayout& Layout() const { return m_layout; }
    // Applies an edit to the layout, the toolbars and the stored layout; false when the edit refused.
    bool Change(const std::function<bool(ToolbarLayout&)>& edit);
    QToolBar* ToolBarOf(int bar) const;
    QAction* CommandAction(int id) const { return m_commandAction(id); }
    QMainWindow& Window() const { return m_window; }

    // Shows the customisation dialog (modeless); a second call brings it forward.
    void ShowDialog();
    CToolbarCustomizeDialog* Dialog() const;

signals:
    void layoutChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Drag {
        int bar = -1;
        int index = -1;
        QPoint start;
        bool moving = false;
    };

    void Apply();
    void Fill(QToolBar& bar, const QList<int>& buttons);
    void Store() const;
    // The layout's place of a toolbar button; false for a button that is not a layout's command.
    bool Locate(const QToolButton& button, int& bar, int& index) const;
    // Asks for the move (or the removal) that a drop at the point means.
    void Drop(const QPoint& globalPos);
    void EndDrag();
    int InsertionIndex(const QToolBar& bar, int barIndex, const QPoint& localPos) const;

    QMainWindow& m_window;
    QToolBar& m_standard;
    QAction& m_customizeButton;
    std::function<QAction*(int)> m_commandAction;
    ToolbarLayout m_layout;
    // The user's own toolbars by their key.
    QHash<QString, QToolBar*> m_userBars;
    QPointer<CToolbarCustomizeDialog> m_dialog;
    Drag m_drag;
};
