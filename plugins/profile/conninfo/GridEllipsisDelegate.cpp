#include "GridEllipsisDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "CVsflexgridn2.h"

namespace Internal {

GridEllipsisDelegate::GridEllipsisDelegate(CVsflexgridn2* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridEllipsisDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (m_grid->ColComboList(index.column() + m_grid->FixedCols()) != QLatin1String("|...")) return;
    QStyleOptionButton button;
    button.rect = CVsflexgridn2::ButtonPart(option.rect);
    button.text = QStringLiteral("...");
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
}

}  // namespace Internal
