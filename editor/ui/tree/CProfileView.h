#pragma once
#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

#include "EditCommandRouting.h"
#include "IProfileTreeNavigation.h"
#include "IProfileTreePane.h"
#include "ProfileTreeRules.h"
#include "ResourceImages.h"

class CCommonUtility;
class CPELFM_PartInfo;
class CProfileTree;
class IMessagePresenter;
class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;

// The profile tree pane: the open profile as root, kind groups, sections and parts, rebuilt from the
// model after every structural change. Sections and parts are added, copied, pasted, deleted and
// moved here, each change through a command of the registry.
class CProfileView : public QWidget,
                     public IProfileTreePane,
                     public IProfileTreeNavigation,
                     public IRoutedTreePane {
    Q_OBJECT
public:
    // Command ids of the pane's context menu.
    enum CommandId {
        ID_NEW_SECTION = 1105,
        ID_NEW_PART = 1106,
        ID_PROPERTIES = 1107,
        ID_COPY_NODE = 32794,
        ID_PASTE_NODE = 32795,
        ID_DELETE_NODE = 32796,
        ID_COPY_REFERENCE = 32806,
        ID_SORT_FIRST = 145,
        ID_SORT_LAST = 148,
        // The pane's own toolbar; 139 and 143 point the user to the commands that do the work.
        ID_TOOL_FIRST = 139,
        ID_TOOL_LAST = 143,
    };

    // The high-colour or the normal set of the resource library's pictures.
    explicit CProfileView(CCommonUtility& utility, QWidget* parent = nullptr, bool highColorImages = true);
    ~CProfileView() override;

    CProfileTree& Tree() const { return *m_tree; }
    QAction* Action(int id) const { return m_actions.value(id); }
    QMenu& ContextMenu() const { return *m_menu; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    // The toolbar's drop-down of the sort choices; it shows the chosen one's picture.
    QToolButton& SortButton() const { return *m_sortButton; }
    // Sets the enabled state of the pane's commands from the selection.
    void UpdateCommands();

    // IProfileTreePane
    void ExpandSectionTreeItem(CPELFM_SectionInfo* section, int flag) override;
    void RememberTreeSelection(CPELFM_NodeBase* node) override;
    TreeItem FindTreeItemOfNode(CPELFM_NodeBase* node) override;
    TreeItem GetRelatedTreeItem(TreeItem item, TreeRelation relation) override;
    void RememberTreeItemSelection(TreeItem item) override;
    void RebuildProfileTree() override;
    void RefreshProfileRoot() override;

    // IProfileTreeNavigation
    void SelectNodeItem(CPELFM_NodeBase* node) override;
    void FocusTree() override;

    // Deletes every item and forgets the copied node; the file is closing.
    void ClearTree();

    ProfileTreeRules::Selection CurrentSelection() const;

    // IRoutedTreePane: the edit menu's commands while the tree has the focus, and the context menu's.
    bool CanCopySelectedNode() override;
    void CopySelectedNode() override;
    bool CanPasteNode() override;
    void PasteNode() override;
    bool CanDeleteSelectedNode() override;
    void DeleteSelectedNode() override;
    CPELFM_NodeBase* SelectedNode() override;
    void CopyPartReference() override;
    // The copy kept for pasting; null when nothing is copied.
    CPELFM_NodeBase* CopiedNode() const { return m_copy.get(); }
    // The flag the new-part dialog gets: set when the selection is a DEVICE section and the device
    // model takes parts there.
    int NewPartInDeviceSection() const { return m_newPartInDeviceSection; }
    int SortChoice() const { return m_sortChoice; }

    // The frame opens part windows and shows the node dialogs.
    std::function<void(CPELFM_PartInfo*)> openPart;
    std::function<void()> newSection;
    std::function<void(int newPartInDeviceSection)> newPart;
    std::function<void(CPELFM_NodeBase*)> editProperties;

signals:
    // The selection or the copied node changed: what the edit commands offer may differ now.
    void commandStateChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    struct NodeDeleter {
        void operator()(CPELFM_NodeBase* node) const;
    };

    QAction* AddAction(int id, void (CProfileView::*handler)());
    void AddSortChoices(ResourceImages::ImageSet images);
    void CreateToolBar(ResourceImages::ImageSet images);
    void ShowSortChoice();
    void OnNewSection();
    void OnNewPart();
    void OnProperties();
    void ActivateSelection();
    void StoreExpansion();
    void ClearClipboard();
    QTreeWidgetItem* GroupItem(int sectionType) const;
    QTreeWidgetItem* AddSectionItem(QTreeWidgetItem* group, CPELFM_SectionInfo* section);
    void Remember(QTreeWidgetItem* item, QTreeWidgetItem*& toSelect) const;

    CCommonUtility& m_utility;
    CProfileTree* m_tree;
    QMenu* m_menu;
    QMenu* m_sortMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_sortButton = nullptr;
    QHash<int, QAction*> m_actions;
    // The copied section or part as it was when copied; the original may leave the model at any time.
    std::unique_ptr<CPELFM_NodeBase, NodeDeleter> m_copy;
    // Only compared, never read: tells a delete of the copied node or its section.
    const void* m_copiedOriginal = nullptr;
    const void* m_copiedOriginalSection = nullptr;
    QString m_selectText;
    QString m_selectParentText;
    int m_newPartInDeviceSection = 0;
    int m_sortChoice = ID_SORT_FIRST;
};
