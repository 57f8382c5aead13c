#include "CVsflexgridn.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <functional>

#include "CellText.h"
#include "GridCellDelegate.h"
#include "GridTableModel.h"
#include "IGridEventSink.h"
#include "ParallelRanges.h"

CVsflexgridn::CVsflexgridn(QWidget* parent) : QTableView(parent), m_model(new GridTableModel(this)) {
    setObjectName(QStringLiteral("PartGrid"));
    setModel(m_model);
    setItemDelegate(new GridCellDelegate(*this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setMouseTracking(true);
    horizontalHeader()->setHighlightSections(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMouseTracking(true);
        header->viewport()->setMouseTracking(true);
        header->viewport()->installEventFilter(this);
    }
    m_corner = findChild<QAbstractButton*>();
    if (m_corner) m_corner->installEventFilter(this);
    connect(m_model, &GridTableModel::textWritten, this, &CVsflexgridn::OnTextWritten);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        SetCurrent(-1, -1);
        FitRowNumbers();
        m_fittedWidths.assign(size_t(m_model->columnCount()), 0);
    });
    // A width set by hand, or by the part view, stays as it is.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!m_fitting && column >= 0 && size_t(column) < m_fittedWidths.size()) m_fittedWidths[column] = 0;
    });
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation orientation) {
        if (orientation == Qt::Vertical) FitRowNumbers();
    });
}

CVsflexgridn::~CVsflexgridn() {
    // Editors closing during destruction must not reach the sink any more.
    m_sink = nullptr;
}

int CVsflexgridn::GetRows() const {
    return m_model->GridRows();
}

void CVsflexgridn::SetRows(int rows) {
    m_model->SetGridSize(rows, m_model->GridColumns());
}

int CVsflexgridn::GetCols() const {
    return m_model->GridColumns();
}

void CVsflexgridn::SetCols(int columns) {
    m_model->SetGridSize(m_model->GridRows(), columns);
}

void CVsflexgridn::SetCurrentCell(int row, int col) {
    // The selection follows the current cell.
    const QModelIndex index = m_model->index(row - 1, col - 1);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->clearCurrentIndex();
    }
    SetCurrent(row, col);
}

void CVsflexgridn::SetCurrent(int row, int col) {
    if (row == m_row && col == m_col) return;
    m_row = row;
    m_col = col;
    emit currentCellChanged();
}

void CVsflexgridn::SetTopRow(int row) {
    if (row < 1 || row >= GetRows()) return;
    verticalScrollBar()->setValue(verticalHeader()->sectionPosition(row - 1));
}

void CVsflexgridn::SetLeftCol(int col) {
    if (col <= 1) {
        horizontalScrollBar()->setValue(0);
    } else if (col < GetCols()) {
        horizontalScrollBar()->setValue(horizontalHeader()->sectionPosition(col - 1));
    }
}

void CVsflexgridn::SetRedraw(bool on) {
    if (m_redraw == on) return;
    m_redraw = on;
    setUpdatesEnabled(on);
    if (on) m_model->RefreshAll();
}

double CVsflexgridn::FontSize() const {
    return font().pointSizeF();
}

QString CVsflexgridn::GetTextMatrix(int row, int col) const {
    return m_model->Text(row, col);
}

void CVsflexgridn::SetTextMatrix(int row, int col, const QString& text) {
    if (!m_model->SetText(row, col, text, m_redraw)) return;
    if (m_sink) m_sink->CellChanged(row, col);
}

bool CVsflexgridn::SetRowsWithTexts(int rows, std::vector<QString>&& texts) {
    return m_model->SetRowsWithTexts(rows, std::move(texts));
}

void CVsflexgridn::OnTextWritten(int row, int col) {
    if (m_sink) m_sink->CellChanged(row, col);
}

int CVsflexgridn::TwipsToPixels(int twips) const {
    return qRound(twips * logicalDpiY() / 1440.0);
}

void CVsflexgridn::SetColWidthTwips(int col, int twips) {
    const int pixels = qRound(twips * logicalDpiX() / 1440.0);
    if (col == 0) {
        m_rowNumbersMinWidth = pixels;
        FitRowNumbers();
    } else if (col > 0 && col < GetCols())
        horizontalHeader()->resizeSection(col - 1, pixels);
}

// Measured as the header measures a section: in bold, which it uses for the current row's number. Without
// a width set for column 0 the header sizes itself.
void CVsflexgridn::FitRowNumbers() {
    if (m_rowNumbersMinWidth <= 0) return;
    QHeaderView* header = verticalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.orientation = Qt::Vertical;
    QFont bold = header->font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    int width = m_rowNumbersMinWidth;
    for (const QString& text : m_model->WidestRowHeaderCandidates()) {
        option.text = text;
        width = std::max(
            width,
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width());
    }
    if (header->width() != width || header->minimumWidth() != width) header->setFixedWidth(width);
}

void CVsflexgridn::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    // A larger font widens the numbers too.
    if (event->type() == QEvent::FontChange) FitRowNumbers();
}

// Qt repaints the whole grid when it takes or loses the focus (a menu opening), every cell laying out its
// text again, though only the current cell's focus frame changes unless the palette has a look of its own
// without the focus.
bool CVsflexgridn::FocusShowsInCurrentCellOnly() const {
    return palette().isEqual(QPalette::Active, QPalette::Inactive) && !testAttribute(Qt::WA_StyleSheet);
}

void CVsflexgridn::focusInEvent(QFocusEvent* event) {
    const QModelIndex current = currentIndex();
    // Without a current cell, Qt may make the first one current.
    if (!current.isValid() || !FocusShowsInCurrentCellOnly()) return QTableView::focusInEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, current.flags().testFlag(Qt::ItemIsEditable));
    update(current);
}

void CVsflexgridn::focusOutEvent(QFocusEvent* event) {
    if (!FocusShowsInCurrentCellOnly()) return QTableView::focusOutEvent(event);
    update(currentIndex());
}

void CVsflexgridn::SetRowHeightTwips(int row, int twips) {
    if (twips <= 0) return;
    const int pixels = std::max(1, TwipsToPixels(twips));
    if (row == 0)
        horizontalHeader()->setFixedHeight(pixels);
    else if (row > 0 && row < GetRows() && verticalHeader()->sectionSize(row - 1) != pixels)
        verticalHeader()->resizeSection(row - 1, pixels);
}

void CVsflexgridn::SetNewRowHeightTwips(int twips) {
    if (twips > 0) verticalHeader()->setDefaultSectionSize(std::max(1, TwipsToPixels(twips)));
}

int CVsflexgridn::RowHeightTwips(int row) const {
    if (row <= 0 || row >= GetRows()) return 0;
    return qRound(verticalHeader()->sectionSize(row - 1) * 1440.0 / logicalDpiY());
}

void CVsflexgridn::AutoSize(int firstCol, int lastCol) {
    firstCol = std::max(firstCol, 1);
    lastCol = std::min(lastCol, GetCols() - 1);
    if (firstCol > lastCol) return;
    ensurePolished();
    // Laying out every text of a large part would take long: the texts with the longest lines are taken,
    // their widths estimated from their characters' advances, and the widest few measured as drawn.
    const QFontMetrics metrics = fontMetrics();
    float ascii[128];
    for (int c = 0; c < 128; ++c) ascii[c] = float(metrics.horizontalAdvance(QChar(c)));
    const float wide = float(metrics.horizontalAdvance(QChar(0x4e2d)));
    const auto estimate = [&](QStringView line) {
        float width = 0;
        for (const QChar ch : line) width += ch.unicode() < 128 ? ascii[ch.unicode()] : wide;
        return width;
    };
    // The characters of a text's longest line (lines end at line feeds); its estimated width.
    const auto longestLine = [](QStringView text) {
        qsizetype longest = 0, line = 0;
        for (const QChar ch : text) line = ch == u'\n' ? (longest = std::max(longest, line), 0) : line + 1;
        return std::max(longest, line);
    };
    const auto widestLine = [&](QStringView text) {
        float widest = 0;
        qsizetype from = 0;
        for (qsizetype at = text.indexOf(u'\n'); at >= 0; from = at + 1, at = text.indexOf(u'\n', from))
            widest = std::max(widest, estimate(text.sliced(from, at - from)));
        return std::max(widest, estimate(text.sliced(from)));
    };
    // What a cell shows of its text: the text itself unless it is long enough to be cut.
    const auto shownText = [](const QString& text, QString& piece) -> QStringView {
        if (text.size() <= CellText::kShownLineChars) return text;
        piece = CellText::ShownText(text);
        return piece;
    };
    constexpr size_t kLongest = 256;
    constexpr size_t kMeasured = 8;
    const int rows = m_model->rowCount();
    // The candidates of each column, found on a few threads (texts are only read), measured here.
    const size_t columns = size_t(lastCol - firstCol + 1);
    std::vector<std::vector<std::pair<float, int>>> widest(columns);  // (estimated width, model row)
    const size_t minColumns = rows < 8192 ? columns : 1;
    Internal::RunInRanges(columns, minColumns, 6, [&](size_t, size_t first, size_t last) {
        std::vector<std::pair<qsizetype, int>> longest;  // (characters, model row), a heap of the longest
        for (size_t i = first; i < last; ++i) {
            const int c = firstCol + int(i);
            longest.clear();
            for (int r = 0; r < rows; ++r) {
                const QString& text = m_model->CellText(r + 1, c);
                // No line is longer than the whole text.
                if (text.isEmpty() || (longest.size() == kLongest && text.size() <= longest.front().first))
                    continue;
                QString piece;
                const qsizetype length = longestLine(shownText(text, piece));
                if (longest.size() == kLongest) {
                    if (length <= longest.front().first) continue;
                    std::pop_heap(longest.begin(), longest.end(), std::greater<>());
                    longest.pop_back();
                }
                longest.emplace_back(length, r);
                std::push_heap(longest.begin(), longest.end(), std::greater<>());
            }
            for (const auto& [length, r] : longest) {
                QString piece;
                widest[i].emplace_back(widestLine(shownText(m_model->CellText(r + 1, c), piece)), r);
            }
            if (widest[i].size() > kMeasured) {
                std::nth_element(widest[i].begin(), widest[i].begin() + kMeasured, widest[i].end(),
                                 std::greater<>());
                widest[i].resize(kMeasured);
            }
        }
    });
    m_fittedWidths.resize(size_t(m_model->columnCount()), 0);
    for (size_t i = 0; i < columns; ++i) {
        const int c = firstCol + int(i);
        int width = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sectionSizeHint(c - 1);
        for (const auto& [estimated, r] : widest[i])
            width =
                std::max(width, sizeHintForIndex(m_model->index(r, c - 1)).width() + (showGrid() ? 1 : 0));
        m_fittedWidths[c - 1] = width;
    }
    FitColumnsToView();
}

// A column as wide as a long value would push the others and the end of the value out of sight.
void CVsflexgridn::FitColumnsToView() {
    const int visible = viewport()->width();
    const QScopedValueRollback fitting(m_fitting, true);
    for (size_t i = 0; i < m_fittedWidths.size(); ++i) {
        const int width = visible > 0 ? std::min(m_fittedWidths[i], visible) : m_fittedWidths[i];
        if (m_fittedWidths[i] > 0 && horizontalHeader()->sectionSize(int(i)) != width)
            horizontalHeader()->resizeSection(int(i), width);
    }
}

bool CVsflexgridn::viewportEvent(QEvent* event) {
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize) FitColumnsToView();
    return handled;
}

// What a double click on a column's edge fits it to.
int CVsflexgridn::sizeHintForColumn(int column) const {
    return std::min(QTableView::sizeHintForColumn(column), viewport()->width());
}

void CVsflexgridn::Select(int row1, int col1, int row2, int col2) {
    const GridRange range = GridRange{row1, col1, row2, col2}.ClampedToCells(GetRows(), GetCols());
    if (!range.IsValid()) {
        selectionModel()->clearSelection();
        SetCurrentCell(row1, col1);
        return;
    }
    const QItemSelection selection(m_model->index(range.row1 - 1, range.col1 - 1),
                                   m_model->index(range.row2 - 1, range.col2 - 1));
    selectionModel()->setCurrentIndex(m_model->index(range.row1 - 1, range.col1 - 1),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    SetCurrent(range.row1, range.col1);
}

GridRange CVsflexgridn::GetSelection() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        // Without a selected range the current cell is the selection.
        return m_row >= 0 && m_col >= 0 ? GridRange{m_row, m_col, m_row, m_col} : GridRange{};
    }
    GridRange r{GetRows(), GetCols(), -1, -1};
    for (const QItemSelectionRange& part : selection) {
        r.row1 = std::min(r.row1, part.top() + 1);
        r.col1 = std::min(r.col1, part.left() + 1);
        r.row2 = std::max(r.row2, part.bottom() + 1);
        r.col2 = std::max(r.col2, part.right() + 1);
    }
    return r;
}

void CVsflexgridn::FinishEditing() {
    if (!IsEditing() || !m_editor) return;
    QWidget* editor = m_editor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CVsflexgridn::ClickCellButton(int row, int col) {
    if (m_sink) m_sink->CellButtonClick(row, col);
}

bool CVsflexgridn::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!m_sink || !index.isValid() || IsEditing() || !(editTriggers() & trigger))
        return QTableView::edit(index, trigger, event);
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    bool cancel = false;
    m_comboList.clear();
    m_sink->BeforeEdit(row, col, cancel);
    if (cancel) return false;
    m_sink->StartEdit(row, col, cancel);
    if (cancel) return false;
    m_editRow = row;
    m_editCol = col;
    m_committed = false;
    if (QTableView::edit(index, trigger, event) && IsEditing()) {
        RefitEditor();  // placed before it held its text
        return true;
    }
    m_editRow = m_editCol = -1;
    m_sink->AfterEdit(row, col, false);
    return false;
}

// Only the open editor belongs to this grid. A list reports a choice made with Enter both as chosen and
// through the Enter it got, which arrives after the edit has ended: that late commit is dropped.
void CVsflexgridn::commitData(QWidget* editor) {
    if (!editor || editor != ActiveEditor()) return;
    QTableView::commitData(editor);
    m_committed = true;
}

void CVsflexgridn::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editor || editor != ActiveEditor()) return;
    const bool committed = m_committed;
    m_committed = false;
    const int row = m_editRow;
    const int col = m_editCol;
    m_editRow = m_editCol = -1;
    // Tab in a list moves on to edit the next cell: only once this cell's text is stored, or the next
    // edit would be taken for this one's end and the typed text lost.
    const bool movesOn =
        hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, movesOn ? QAbstractItemDelegate::NoHint : hint);
    if (row > 0 && col > 0 && m_sink) m_sink->AfterEdit(row, col, committed);
    if (!movesOn) return;
    const QModelIndex next =
        moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!next.isValid()) return;
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
    edit(next, EditKeyPressed, nullptr);
}

void CVsflexgridn::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    SetCurrent(current.isValid() ? current.row() + 1 : -1, current.isValid() ? current.column() + 1 : -1);
    m_comboList.clear();
    if (m_sink && current.isValid() && !IsEditing()) {
        bool cancel = false;
        m_sink->BeforeEdit(m_row, m_col, cancel);
        if (cancel) m_comboList.clear();
    }
}

void CVsflexgridn::keyPressEvent(QKeyEvent* event) {
    if (m_sink) {
        int key = event->key();
        m_sink->KeyDown(key, event->modifiers());
        if (key == 0) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void CVsflexgridn::contextMenuEvent(QContextMenuEvent* event) {
    // The right button's menu opens on the press; the keyboard's (the Menu key) at the current cell.
    if (event->reason() == QContextMenuEvent::Keyboard && m_sink) {
        m_sink->ContextMenuKey();
        event->accept();
        return;
    }
    QTableView::contextMenuEvent(event);
}

QPoint CVsflexgridn::CellMenuPoint(int row, int col) const {
    const QRect area = viewport()->geometry();
    if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols()) return area.topLeft();
    const QHeaderView* top = horizontalHeader();
    const QHeaderView* left = verticalHeader();
    const int x = col == 0 ? left->x() : area.left() + columnViewportPosition(col - 1);
    const int y = row == 0 ? top->y() : area.top() + rowViewportPosition(row - 1);
    const QRect cell(x, y, col == 0 ? left->width() : columnWidth(col - 1),
                     row == 0 ? top->height() : rowHeight(row - 1));
    // The headers are seen beside the cells' area.
    const QRect seen = cell.intersected(QRect(QPoint(left->x(), top->y()), area.bottomRight()));
    return seen.isEmpty() ? area.topLeft() : seen.center();
}

QPointF CVsflexgridn::TrackMouse(QObject* source, const QPointF& position) {
    const QPoint p = position.toPoint();
    if (source == horizontalHeader()->viewport()) {
        const int section = horizontalHeader()->logicalIndexAt(p.x());
        m_mouseRow = 0;
        m_mouseCol = section < 0 ? -1 : section + 1;
    } else if (source == verticalHeader()->viewport()) {
        const int section = verticalHeader()->logicalIndexAt(p.y());
        m_mouseRow = section < 0 ? -1 : section + 1;
        m_mouseCol = m_mouseRow < 0 ? -1 : 0;
    } else if (source == m_corner) {
        m_mouseRow = m_mouseCol = 0;
    } else {
        const int row = rowAt(p.y());
        const int col = columnAt(p.x());
        m_mouseRow = row < 0 || col < 0 ? -1 : row + 1;
        m_mouseCol = row < 0 || col < 0 ? -1 : col + 1;
    }
    auto* widget = qobject_cast<QWidget*>(source);
    return widget ? QPointF(widget->mapTo(this, p)) : position;
}

void CVsflexgridn::mousePressEvent(QMouseEvent* event) {
    const QPointF at = TrackMouse(viewport(), event->position());
    if (m_sink) m_sink->MouseDown(event->button(), event->modifiers(), at);
    // The right button's selection is the part view's to make.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void CVsflexgridn::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = TrackMouse(viewport(), event->position());
    if (m_sink) m_sink->MouseMove(event->buttons(), event->modifiers(), at);
    QTableView::mouseMoveEvent(event);
}

bool CVsflexgridn::eventFilter(QObject* watched, QEvent* event) {
    const bool header = watched == horizontalHeader()->viewport() ||
                        watched == verticalHeader()->viewport() || (m_corner && watched == m_corner);
    if (header && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = TrackMouse(watched, mouse->position());
        if (event->type() == QEvent::MouseMove) {
            if (m_sink) m_sink->MouseMove(mouse->buttons(), mouse->modifiers(), at);
        } else {
            if (m_sink) m_sink->MouseDown(mouse->button(), mouse->modifiers(), at);
            if (mouse->button() == Qt::RightButton) return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}
