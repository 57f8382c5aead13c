#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class BaseCommandManager;
struct CPELFM_NodeBase;

// What the edit menu asks of the profile tree pane while it has the keyboard focus.
class IRoutedTreePane {
public:
    virtual bool CanCopySelectedNode() = 0;
    virtual void CopySelectedNode() = 0;
    virtual bool CanPasteNode() = 0;
    virtual void PasteNode() = 0;
    // The tree's own delete rule.
    virtual bool CanDeleteSelectedNode() = 0;
    virtual void DeleteSelectedNode() = 0;
    // The node of the selected item, null for none or a group item.
    virtual CPELFM_NodeBase* SelectedNode() = 0;
    // Puts the selected part's reference on the copied-reference list.
    virtual void CopyPartReference() = 0;

protected:
    ~IRoutedTreePane() = default;
};

// What the edit menu asks of the active part view.
class IRoutedPartView {
public:
    // True while a cell editor is open.
    virtual bool IsEditingCell() = 0;
    virtual void CopySelectedCells() = 0;
    virtual void DeleteSelectedCells() = 0;
    virtual bool HasCellSelection() = 0;
    // The view's own test of clipboard text.
    virtual bool AcceptsClipboardText(const QString& text) = 0;
    virtual void PasteCells() = 0;
    virtual bool CanSelectReference() = 0;
    virtual void OnSelectReference() = 0;
    virtual bool CanCopyReference() = 0;
    virtual void OnCopyReference() = 0;
    // 1 when the copied references can be pasted at the current cell.
    virtual int CanPasteReference() = 0;
    virtual void OnPasteReference() = 0;

protected:
    ~IRoutedPartView() = default;
};

// Where an edit command goes: the tree when it has the focus, otherwise the active part view.
struct EditRoute {
    bool treeFocus = false;
    IRoutedTreePane* tree = nullptr;   // null when there is no tree pane
    IRoutedPartView* view = nullptr;   // null when no part view is active
    BaseCommandManager* history = nullptr;
    std::optional<QString> clipboardText;  // set when the clipboard offers text
    QStringList* copiedReferences = nullptr;
};

// True for the ids this routing handles (undo, redo, copy, cut, paste, delete and the three
// reference commands).
bool IsRoutedEditCommand(int id);
bool IsEditCommandEnabled(int id, const EditRoute& route);
// Runs the command where the route sends it; a command that is disabled does nothing.
void RunEditCommand(int id, EditRoute& route);
