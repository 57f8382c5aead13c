#pragma once
#include <QStyledItemDelegate>

class CVsflexgridn2;

namespace Internal {

// Paints the button of the cells whose column has the combo list "|...".
class GridEllipsisDelegate : public QStyledItemDelegate {
public:
    explicit GridEllipsisDelegate(CVsflexgridn2* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    CVsflexgridn2* m_grid;
};

}  // namespace Internal
