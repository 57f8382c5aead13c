#include "CVsflexgridn2.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "GridEllipsisDelegate.h"

namespace {

constexpr int kTwipsPerPixel = 15;
const QString kEllipsisList = QStringLiteral("|...");

}  // namespace

CVsflexgridn2::CVsflexgridn2(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setItemDelegate(new Internal::GridEllipsisDelegate(this));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_corner = findChild<QAbstractButton*>();
    if (m_corner) m_corner->installEventFilter(this);
}

void CVsflexgridn2::SetRows(int rows) {
    setRowCount(qMax(0, rows - FixedRows()));
}

void CVsflexgridn2::SetCols(int cols) {
    setColumnCount(qMax(0, cols - FixedCols()));
}

void CVsflexgridn2::SetColWidth(int col, int twips) {
    const int pixels = twips / kTwipsPerPixel;
    if (col == 0)
        verticalHeader()->setFixedWidth(pixels);
    else if (col >= FixedCols() && col < Cols())
        setColumnWidth(col - FixedCols(), pixels);
}

int CVsflexgridn2::ColWidth(int col) const {
    if (col == 0) return verticalHeader()->width() * kTwipsPerPixel;
    if (col >= FixedCols() && col < Cols()) return columnWidth(col - FixedCols()) * kTwipsPerPixel;
    return 0;
}

QString CVsflexgridn2::TextMatrix(int row, int col) const {
    const QTableWidgetItem* cell = nullptr;
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols()) return QString();
    if (row == 0 && col > 0)
        cell = horizontalHeaderItem(col - FixedCols());
    else if (col == 0 && row > 0)
        cell = verticalHeaderItem(row - FixedRows());
    else if (row > 0 && col > 0)
        cell = item(row - FixedRows(), col - FixedCols());
    return cell ? cell->text() : QString();
}

void CVsflexgridn2::SetTextMatrix(int row, int col, const QString& text) {
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols() || (row == 0 && col == 0)) return;
    QTableWidgetItem* cell = row == 0   ? horizontalHeaderItem(col - FixedCols())
                             : col == 0 ? verticalHeaderItem(row - FixedRows())
                                        : item(row - FixedRows(), col - FixedCols());
    if (cell) {
        cell->setText(text);
        return;
    }
    cell = new QTableWidgetItem(text);
    if (row == 0)
        setHorizontalHeaderItem(col - FixedCols(), cell);
    else if (col == 0)
        setVerticalHeaderItem(row - FixedRows(), cell);
    else
        setItem(row - FixedRows(), col - FixedCols(), cell);
}

void CVsflexgridn2::SetColComboList(int col, const QString& list) {
    if (list.isEmpty())
        m_comboLists.remove(col);
    else
        m_comboLists.insert(col, list);
    viewport()->update();
}

void CVsflexgridn2::Select(int row, int col, int endRow, int endCol) {
    const int dataRows = rowCount(), dataCols = columnCount();
    if (dataRows == 0 || dataCols == 0) return;
    auto rowIndex = [&](int r) { return qBound(0, r - FixedRows(), dataRows - 1); };
    auto colIndex = [&](int c) { return qBound(0, c - FixedCols(), dataCols - 1); };
    const QModelIndex first = model()->index(rowIndex(row), colIndex(col));
    const QModelIndex last = model()->index(rowIndex(endRow), colIndex(endCol));
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void CVsflexgridn2::GetSelection(int& row, int& col, int& endRow, int& endCol) const {
    row = col = endRow = endCol = -1;
    // The current cell alone is no selection: Qt moves it without highlighting, for instance when
    // the rows under it are removed.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    row = endRow = selected.first().row();
    col = endCol = selected.first().column();
    for (const QModelIndex& index : selected) {
        row = qMin(row, index.row());
        endRow = qMax(endRow, index.row());
        col = qMin(col, index.column());
        endCol = qMax(endCol, index.column());
    }
    row += FixedRows();
    endRow += FixedRows();
    col += FixedCols();
    endCol += FixedCols();
}

int CVsflexgridn2::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + FixedCols() : -1;
}

int CVsflexgridn2::TopRow() const {
    const int top = rowAt(0);
    return top < 0 ? FixedRows() : top + FixedRows();
}

void CVsflexgridn2::SetTopRow(int row) {
    if (row < FixedRows() || row >= Rows() || columnCount() == 0) return;
    scrollTo(model()->index(row - FixedRows(), qMax(0, columnAt(0))), QAbstractItemView::PositionAtTop);
}

QRect CVsflexgridn2::ButtonPart(const QRect& cell) {
    const int side = qMin(cell.height(), cell.width());
    return QRect(cell.right() - side + 1, cell.top(), side, cell.height());
}

QRect CVsflexgridn2::CellButtonRect(int row, int col) const {
    if (!HasButton(col) || row < FixedRows() || row >= Rows()) return QRect();
    return ButtonPart(visualRect(model()->index(row - FixedRows(), col - FixedCols())));
}

bool CVsflexgridn2::HasButton(int col) const {
    return col >= FixedCols() && col < Cols() && m_comboLists.value(col) == kEllipsisList;
}

void CVsflexgridn2::TrackMouse(const QPoint& viewportPos) {
    const int r = rowAt(viewportPos.y()), c = columnAt(viewportPos.x());
    m_mouseRow = r < 0 ? -1 : r + FixedRows();
    m_mouseCol = c < 0 ? -1 : c + FixedCols();
}

void CVsflexgridn2::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    // Enter belongs to the grid: the dialog around it must not take it for its default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CVsflexgridn2::mousePressEvent(QMouseEvent* event) {
    TrackMouse(event->position().toPoint());
    // The owner decides what a right click selects.
    if (event->button() != Qt::RightButton) QTableWidget::mousePressEvent(event);
    emit MouseDown(event->button(), event->modifiers(), event->globalPosition().toPoint());
}

void CVsflexgridn2::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const int r = rowAt(pos.y()), c = columnAt(pos.x());
    if (r < 0 || c < 0) return;
    const int row = r + FixedRows(), col = c + FixedCols();
    if (CellButtonRect(row, col).contains(pos)) emit CellButtonClick(row, col);
}

void CVsflexgridn2::mouseDoubleClickEvent(QMouseEvent* event) {
    TrackMouse(event->position().toPoint());
    QTableWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}

bool CVsflexgridn2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QTableWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    bool consumed = true;
    if (watched == horizontalHeader()->viewport()) {
        const int c = horizontalHeader()->logicalIndexAt(pos);
        m_mouseRow = 0;
        m_mouseCol = c < 0 ? -1 : c + FixedCols();
    } else if (watched == verticalHeader()->viewport()) {
        const int r = verticalHeader()->logicalIndexAt(pos);
        m_mouseRow = r < 0 ? -1 : r + FixedRows();
        m_mouseCol = 0;
        consumed = mouse->button() == Qt::RightButton;  // a left press selects the row as usual
    } else if (watched == m_corner) {
        m_mouseRow = 0;
        m_mouseCol = 0;
    } else {
        return QTableWidget::eventFilter(watched, event);
    }
    if (!consumed) {
        const bool handled = QTableWidget::eventFilter(watched, event);
        emit MouseDown(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint());
        return handled;
    }
    emit MouseDown(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint());
    return true;
}
