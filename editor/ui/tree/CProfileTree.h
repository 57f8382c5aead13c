#pragma once
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "ProfileTreeRules.h"
#include "ResourceImages.h"

struct CPELFM_NodeBase;

// The tree control of the profile pane. Sections and parts are moved by dragging, but the drop
// only asks for the move: the model changes through the move command and the tree is rebuilt,
// so Qt's own item move (which deletes the source item) is never used.
class CProfileTree : public QTreeWidget {
    Q_OBJECT
public:
    enum Role { NodeRole = Qt::UserRole, ImageRole };

    explicit CProfileTree(QWidget* parent = nullptr);

    static CPELFM_NodeBase* NodeOf(const QTreeWidgetItem* item);
    static int ImageOf(const QTreeWidgetItem* item);
    // Which set of the resource library's pictures new items show.
    void SetImageSet(ResourceImages::ImageSet set);
    const QIcon& ImageIcon(int image) const;
    // The item as a drop target: its node, or the group text of a group item.
    static ProfileTreeRules::DropTarget DropTargetOf(const QTreeWidgetItem* item);
    // A new item under the parent; without a parent it stays outside the tree until added.
    QTreeWidgetItem* NewItem(QTreeWidgetItem* parent, const QString& text, int image, CPELFM_NodeBase* node);

    // The drag as the mouse drives it; public so the pane's tests can drive it by position.
    bool BeginDrag(QTreeWidgetItem* item);
    void TrackDrag(const QPoint& viewportPos);
    // Ends the drag; true when the drop asked for a move.
    bool EndDrag(const QPoint& viewportPos);
    bool IsDragging() const { return m_dragItem != nullptr; }
    QTreeWidgetItem* DropTargetItem() const { return m_dropItem; }
    bool DropAbove() const { return m_dropAbove; }
    // The insertion marker shows allowed (true) or refused.
    bool DropMarkerAllowed() const;
    // A rebuild deletes the items a drag points at.
    void reset() override;

    // Moves the dragged node after the target node (null: first of its group).
    std::function<void(CPELFM_NodeBase* dragged, CPELFM_NodeBase* target)> moveNode;
    // Enter or double-click on the selection.
    std::function<void()> activateSelection;
    // The text of a node's tooltip, plain.
    std::function<QString(CPELFM_NodeBase*)> toolTipText;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void ComputeDropPosition(QTreeWidgetItem* item, const QPoint& viewportPos);
    void AutoScroll();
    void HoverExpand();
    void StopDrag();

    QIcon m_images[ProfileTreeRules::IMAGE_FOREIGN_PART + 1];
    QTreeWidgetItem* m_pressItem = nullptr;
    QPoint m_pressPos;
    QTreeWidgetItem* m_dragItem = nullptr;
    QTreeWidgetItem* m_dropItem = nullptr;
    bool m_dropAbove = false;
    QPoint m_lastPos;
    QTimer m_scrollTimer;
    QTimer m_hoverTimer;
};
