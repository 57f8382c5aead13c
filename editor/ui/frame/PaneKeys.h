#pragma once
#include <QList>
#include <QObject>

class QDockWidget;
class QMdiArea;
class QWidget;

// The desktop's keys between the main window's panes, beside the designed ones: F6 and Shift+F6 move the
// focus to the next and the previous pane (the tree, the active part window, the output list), leaving out
// panes that are hidden; Ctrl+Tab and Ctrl+F6 go to the next part window, with Shift to the previous one, in
// the tabs' order, from any pane. The focus moves as by the keyboard, so the pane shows where it is.
class PaneKeys : public QObject {
public:
    PaneKeys(QWidget& window, QDockWidget& tree, QMdiArea& parts, QDockWidget& output, QWidget& outputList);

    void MoveToPane(int step);
    void MoveToPartWindow(int step);

private:
    struct Pane {
        QWidget* area;   // the focus is in the pane when it is in here
        QWidget* focus;  // what takes the focus
    };
    // The panes that can take the focus now, in order.
    QList<Pane> Panes() const;
    void Focus(QWidget& widget);

    QDockWidget& m_tree;
    QMdiArea& m_parts;
    QDockWidget& m_output;
    QWidget& m_outputList;
};
