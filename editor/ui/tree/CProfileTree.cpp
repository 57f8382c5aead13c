#include "CProfileTree.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "CPELFM_NodeBase.h"

using namespace ProfileTreeRules;

namespace {

constexpr int kScrollIntervalMs = 25;
constexpr int kHoverExpandMs = 1000;
constexpr int kScrollMargin = 5;
constexpr int kTickHeight = 6;

// The resource library's picture of each tree image; image 4 is not used.
const char* const kImageNames[IMAGE_FOREIGN_PART + 1] = {"tree-root", "tree-section", "tree-group",
                                                         "tree-part", nullptr,        "tree-foreign-part"};

QTreeWidgetItem* PreviousSibling(QTreeWidgetItem* item) {
    QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    if (!parent) return nullptr;
    const int index = parent->indexOfChild(item);
    return index > 0 ? parent->child(index - 1) : nullptr;
}

}  // namespace

CProfileTree::CProfileTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("CProfileTree"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setExpandsOnDoubleClick(false);
    m_scrollTimer.setInterval(kScrollIntervalMs);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CProfileTree::AutoScroll);
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(kHoverExpandMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CProfileTree::HoverExpand);
    SetImageSet(ResourceImages::ImageSet::HighColour);
}

// Loaded once per set rather than per item, which would dominate a rebuild.
void CProfileTree::SetImageSet(ResourceImages::ImageSet set) {
    for (int i = 0; i <= IMAGE_FOREIGN_PART; ++i)
        m_images[i] =
            kImageNames[i] ? ResourceImages::Image(QString::fromLatin1(kImageNames[i]), set) : QIcon();
}

const QIcon& CProfileTree::ImageIcon(int image) const {
    static const QIcon none;
    return image >= 0 && image <= IMAGE_FOREIGN_PART ? m_images[image] : none;
}

CPELFM_NodeBase* CProfileTree::NodeOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<CPELFM_NodeBase*>(item->data(0, NodeRole).value<quintptr>()) : nullptr;
}

int CProfileTree::ImageOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, ImageRole).toInt() : IMAGE_NONE;
}

DropTarget CProfileTree::DropTargetOf(const QTreeWidgetItem* item) {
    DropTarget target;
    if (!item) return target;
    target.node = NodeOf(item);
    if (!target.node && ImageOf(item) == IMAGE_GROUP) target.groupText = item->text(0);
    return target;
}

QTreeWidgetItem* CProfileTree::NewItem(QTreeWidgetItem* parent, const QString& text, int image,
                                       CPELFM_NodeBase* node) {
    // Filled before it joins its parent: an item inside the view reports every change to it.
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setIcon(0, ImageIcon(image));
    item->setData(0, ImageRole, image);
    item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
    if (parent) parent->addChild(item);
    return item;
}

bool CProfileTree::BeginDrag(QTreeWidgetItem* item) {
    const CPELFM_NodeBase* node = NodeOf(item);
    if (!node || (node->kindTag != NODE_SECTION && node->kindTag != NODE_PART)) return false;
    setCurrentItem(item);
    m_dragItem = item;
    m_dropItem = nullptr;
    m_dropAbove = false;
    // No grab of our own: the press's implicit grab already sends every move and the release to the
    // viewport, inside the window or not, and ends with the release. A grab on the tree itself would
    // take them from the viewport (a scroll area ignores mouse events sent to itself) and outlive it.
    viewport()->setCursor(Qt::DragMoveCursor);
    m_scrollTimer.start();
    return true;
}

void CProfileTree::ComputeDropPosition(QTreeWidgetItem* item, const QPoint& viewportPos) {
    QTreeWidgetItem* target = item;
    bool above = false;
    if (item) {
        const QRect rect = visualItemRect(item);
        if (viewportPos.y() < rect.center().y()) {
            above = true;
        } else if (item->childCount() > 0 && item->isExpanded()) {
            target = item->child(0);
            above = true;
        }
    }
    if (target != m_dropItem || above != m_dropAbove) {
        m_dropItem = target;
        m_dropAbove = above;
        if (target) scrollToItem(target);
        viewport()->update();
    }
}

void CProfileTree::TrackDrag(const QPoint& viewportPos) {
    if (!m_dragItem) return;
    m_lastPos = viewportPos;
    m_hoverTimer.start();
    if (QTreeWidgetItem* item = itemAt(viewportPos)) ComputeDropPosition(item, viewportPos);
}

bool CProfileTree::DropMarkerAllowed() const {
    return m_dragItem && m_dropItem &&
           IsDropAllowed(NodeOf(m_dragItem), DropTargetOf(m_dropItem), m_dropAbove);
}

bool CProfileTree::EndDrag(const QPoint& viewportPos) {
    if (!m_dragItem) return false;
    if (QTreeWidgetItem* item = itemAt(viewportPos)) ComputeDropPosition(item, viewportPos);
    QTreeWidgetItem* dragged = m_dragItem;
    QTreeWidgetItem* target = m_dropItem;
    const bool above = m_dropAbove;
    StopDrag();
    const DropTarget drop = DropTargetOf(target);
    if (!target || target == dragged || !IsDropAllowed(NodeOf(dragged), drop, above)) {
        scrollToItem(dragged);
        viewport()->update();
        return false;
    }
    CPELFM_NodeBase* previous = NodeOf(PreviousSibling(target));
    if (moveNode) {
        setUpdatesEnabled(false);
        moveNode(NodeOf(dragged), MoveTarget(drop, above, previous));
        setUpdatesEnabled(true);
        viewport()->update();
    }
    return true;
}

void CProfileTree::StopDrag() {
    m_scrollTimer.stop();
    m_hoverTimer.stop();
    viewport()->unsetCursor();
    m_dragItem = nullptr;
    m_dropItem = nullptr;
    m_dropAbove = false;
    viewport()->update();
}

void CProfileTree::AutoScroll() {
    if (!m_dragItem) return;
    // The release went to another window (a popup's grab took it): the drag is over.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        StopDrag();
        return;
    }
    const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
    const QRect area = viewport()->rect();
    QScrollBar* vertical = verticalScrollBar();
    if (pos.y() < area.top() - kScrollMargin && vertical->value() > vertical->minimum())
        vertical->setValue(vertical->value() - 1);
    else if (pos.y() > area.bottom() + kScrollMargin && vertical->value() < vertical->maximum())
        vertical->setValue(vertical->value() + 1);
    QScrollBar* horizontal = horizontalScrollBar();
    if (pos.x() < area.left() && horizontal->value() > horizontal->minimum())
        horizontal->setValue(horizontal->value() - horizontal->singleStep());
    else if (pos.x() > area.right() && horizontal->value() < horizontal->maximum())
        horizontal->setValue(horizontal->value() + horizontal->singleStep());
    const QPoint clamped(qBound(area.left(), pos.x(), area.right()),
                         qBound(area.top(), pos.y(), area.bottom()));
    if (QTreeWidgetItem* item = itemAt(clamped)) ComputeDropPosition(item, clamped);
}

void CProfileTree::HoverExpand() {
    if (!m_dragItem) return;
    if (QTreeWidgetItem* item = itemAt(m_lastPos)) {
        item->setExpanded(!item->isExpanded());
        ComputeDropPosition(item, m_lastPos);
    }
}

void CProfileTree::mousePressEvent(QMouseEvent* event) {
    if (m_dragItem) StopDrag();  // the release was missed; this press starts afresh
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_pressItem = itemAt(event->position().toPoint());
        m_pressPos = event->position().toPoint();
    }
}

void CProfileTree::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragItem) {
        TrackDrag(pos);
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && m_pressItem &&
        (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        QTreeWidgetItem* pressed = m_pressItem;
        m_pressItem = nullptr;
        if (BeginDrag(pressed)) {
            TrackDrag(pos);
            return;
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CProfileTree::mouseReleaseEvent(QMouseEvent* event) {
    m_pressItem = nullptr;
    if (m_dragItem && event->button() == Qt::LeftButton) {
        EndDrag(event->position().toPoint());
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CProfileTree::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QTreeWidget::mouseDoubleClickEvent(event);
    event->accept();
    if (activateSelection) activateSelection();
}

void CProfileTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (activateSelection) activateSelection();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_dragItem) {
        StopDrag();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// A drag ends when the tree loses the focus, hides, or loses its items.
void CProfileTree::focusOutEvent(QFocusEvent* event) {
    if (m_dragItem) StopDrag();
    QTreeWidget::focusOutEvent(event);
}

void CProfileTree::hideEvent(QHideEvent* event) {
    if (m_dragItem) StopDrag();
    QTreeWidget::hideEvent(event);
}

void CProfileTree::reset() {
    if (m_dragItem) StopDrag();
    QTreeWidget::reset();
}

void CProfileTree::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (!m_dragItem || !m_dropItem || m_dropItem == m_dragItem) return;
    const QRect rect = visualItemRect(m_dropItem);
    const int y = m_dropAbove ? rect.top() : rect.bottom();
    const int left = rect.left();
    const int right = viewport()->width() - 1;
    QPainter painter(viewport());
    if (DropMarkerAllowed()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(left, y, right, y);
        painter.drawLine(left, y + 1, right, y + 1);
        painter.drawLine(left, y - kTickHeight / 2, left, y + kTickHeight / 2);
        painter.drawLine(right, y - kTickHeight / 2, right, y + kTickHeight / 2);
    } else {
        const QColor red(255, 48, 48);
        painter.setPen(QPen(red, 2));
        painter.drawLine(left, y - 3, left + 6, y + 3);
        painter.drawLine(left, y + 3, left + 6, y - 3);
        painter.setPen(QPen(red, 1, Qt::DotLine));
        painter.drawLine(left + 8, y, right, y);
    }
}

bool CProfileTree::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QTreeWidgetItem* item = itemAt(help->pos());
        const QString text = item && toolTipText ? toolTipText(NodeOf(item)) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            // Names may hold "<", which Qt would read as markup.
            QString html = text.toHtmlEscaped();
            html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
            QToolTip::showText(help->globalPos(), QStringLiteral("<p style='max-width:500px'>") + html,
                               viewport(), visualItemRect(item));
        }
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}
