#pragma once
#include <QStyledItemDelegate>

class CVsflexgridn;

// Opens the cell editor the grid's combo list asks for (plain text, or an editable list of choices)
// and draws the ellipsis button of the current cell.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(CVsflexgridn& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    // The editor covers its cell, widened to show the text being typed, and stays within the grid's visible
    // area however wide its column.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    // Draws as QStyledItemDelegate does, with only the part of the text that fits in the cell.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Where the ellipsis button of a cell is drawn.
    static QRect ButtonRect(const QRect& cell);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    static int WantedWidth(QWidget* editor);
    bool ShowsButton(const QModelIndex& index) const;

    CVsflexgridn& m_grid;
    mutable bool m_committing = false;
    // The cell being painted while its text is taken.
    mutable const QStyleOptionViewItem* m_painting = nullptr;
};
