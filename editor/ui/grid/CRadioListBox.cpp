#include "CRadioListBox.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class RadioEntryDelegate : public QStyledItemDelegate {
public:
    explicit RadioEntryDelegate(CRadioListBox* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        painter->fillRect(r, m_list->IsTransparent() ? option.palette.button() : option.palette.base());

        // The radio square: 2 pixels in from the left and top, as high as the entry less 5 pixels.
        const int side = qMax(0, r.height() - 5);
        QStyleOptionButton radio;
        radio.rect = QRect(r.left() + 2, r.top() + 2, side, side);
        radio.state = QStyle::State_Enabled |
                      ((option.state & QStyle::State_Selected) ? QStyle::State_On : QStyle::State_Off);
        radio.palette = option.palette;
        QStyle* style = m_list->style() != nullptr ? m_list->style() : QApplication::style();
        style->drawControl(QStyle::CE_RadioButton, &radio, painter, m_list);

        const QRect textRect(radio.rect.right() + 4, r.top(), r.width() - side - 6, r.height());
        painter->save();
        painter->setPen(m_list->TextColour());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
        if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_Selected)) {
            QStyleOptionFocusRect focus;
            focus.rect = r;
            focus.palette = option.palette;
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_list);
        }
    }

private:
    CRadioListBox* m_list;
};

}  // namespace

CRadioListBox::CRadioListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new RadioEntryDelegate(this));
}

void CRadioListBox::SetGreyed(bool greyed) {
    m_greyed = greyed;
    viewport()->update();
}

void CRadioListBox::SetTransparent(bool transparent) {
    m_transparent = transparent;
    viewport()->update();
}

QColor CRadioListBox::TextColour() const {
    return m_greyed ? QColor(0x80, 0x80, 0x80) : palette().color(QPalette::WindowText);
}
