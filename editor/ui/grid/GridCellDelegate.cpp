#include "GridCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTextBlock>
#include <QtMath>
#include <functional>

#include "CVsflexgridn.h"
#include "CellEditRules.h"
#include "CellLineBreaks.h"
#include "CellText.h"
#include "CellTextEdit.h"

namespace {

constexpr int kAll = QWIDGETSIZE_MAX;

// The plain editor of a value a cell shows whole. It holds the value with each line break as "\n" and notes
// where the user changed it, so that the stored text keeps the value's own line breaks around the changes.
class PlainCellEdit : public QPlainTextEdit {
public:
    explicit PlainCellEdit(QWidget* parent) : QPlainTextEdit(parent) {
        connect(document(), &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
            if (removed == added) return;  // a change of format, or of as many characters: the text tells
            m_changedFrom = m_changedFrom < 0 ? from : std::min(m_changedFrom, qsizetype(from));
            const qsizetype tail = std::max(0, document()->characterCount() - 1 - from - added);
            m_unchangedTail = m_unchangedTail < 0 ? tail : std::min(m_unchangedTail, tail);
        });
    }
    void SetValue(const QString& value) {
        setPlainText(CellLineBreaks::AsLineFeeds(value));
        m_value = value;
        m_changedFrom = m_unchangedTail = -1;
    }
    QString StoredText() const {
        // The raw text: the plain one turns no-break spaces into blanks.
        const QString edited = document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
        return CellLineBreaks::Restore(m_value, edited, m_changedFrom, m_unchangedTail);
    }

private:
    QString m_value;
    qsizetype m_changedFrom = -1;
    qsizetype m_unchangedTail = -1;
};

// Gives the next line's length and, when a cell shows a line that long, its text; false after the last.
using NextLine = std::function<bool(qsizetype& length, QString& text)>;

// The widest of the lines, or kAll when a cell cannot show them all.
int WidestShownLine(const QFontMetrics& metrics, const NextLine& next) {
    int widest = 0;
    qsizetype budget = CellText::kShownChars;
    QString line;
    for (qsizetype length = 0; next(length, line);) {
        if (length > CellText::kShownLineChars || budget < 0) return kAll;
        budget -= length + 1;
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

}  // namespace

GridCellDelegate::GridCellDelegate(CVsflexgridn& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    QWidget* editor = nullptr;
    const QStringList choices = CellEditRules::ComboChoices(m_grid.ComboList());
    if (!choices.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(choices);
        // The list opens as wide as its longest choice, however narrow the column: a cut data type
        // cannot be told from its neighbours.
        QAbstractItemView* list = combo->view();
        list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                              2 * list->frameWidth());
        // A choice from the list ends the edit at once. The combo also reports a typed text that
        // names a choice as chosen when it loses the focus, which happens after Escape or a click
        // elsewhere has already closed (and reverted or committed) the edit: that report is late.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            // The focus going to the list it opens is no choice either.
            if (QApplication::activePopupWidget() == combo->view()->window()) return;
            if (m_grid.ActiveEditor() == combo) m_grid.FinishEditing();
        });
        connect(combo, &QComboBox::editTextChanged, &m_grid, &CVsflexgridn::RefitEditor);
        editor = combo;
    } else if (CellTextEdit::Suits(index.data(Qt::EditRole).toString())) {
        // A plain text editor would lay out and store all of a value this long before it shows.
        auto* text = new CellTextEdit(parent);
        connect(text, &CellTextEdit::textChanged, &m_grid, &CVsflexgridn::RefitEditor);
        editor = text;
    } else {
        auto* text = new PlainCellEdit(parent);
        text->setFrameShape(QFrame::NoFrame);
        text->setTabChangesFocus(true);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        // A cell is one line high or a few: scroll bars would cover the text. The editor keeps its cursor
        // in sight and widens with the text instead.
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(text->document(), &QTextDocument::contentsChanged, &m_grid, &CVsflexgridn::RefitEditor);
        editor = text;
    }
    editor->setObjectName(QStringLiteral("CellEditor"));
    m_grid.NoteEditor(editor);
    return editor;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // The list opens at the cell's value, not at its first choice; the text stays the cell's own.
        combo->setCurrentIndex(
            CellEditRules::ChoiceOfValue(CellEditRules::ComboChoices(m_grid.ComboList()), text));
        combo->setEditText(text);
        if (combo->lineEdit()) combo->lineEdit()->selectAll();
    } else if (m_committing) {
        // Storing the edit writes the cell, which the view hands back to the editor that wrote it.
    } else if (auto* plain = dynamic_cast<PlainCellEdit*>(editor)) {
        plain->SetValue(text);
        plain->selectAll();
    } else if (auto* cell = qobject_cast<CellTextEdit*>(editor)) {
        cell->SetText(text);
    }
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        text = combo->currentText();
    else if (auto* plain = dynamic_cast<PlainCellEdit*>(editor))
        text = plain->StoredText();
    else if (auto* cell = qobject_cast<CellTextEdit*>(editor); cell && !cell->IsUnchanged())
        text = cell->Text();
    else
        return;
    m_committing = true;
    model->setData(index, text, Qt::EditRole);
    m_committing = false;
}

void GridCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    editor->setGeometry(
        CellEditRules::EditorRect(editor->geometry(), WantedWidth(editor), m_grid.viewport()->rect()));
}

// The width that shows the editor's text, measured on what a cell would show of it; a text too long for
// any screen wants all there is.
int GridCellDelegate::WantedWidth(QWidget* editor) {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        bool cut = false;
        const QString shown = CellText::ShownText(combo->currentText(), &cut);
        if (cut) return kAll;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        option.frame = combo->hasFrame();
        const QSize text(combo->fontMetrics().horizontalAdvance(shown), combo->fontMetrics().height());
        return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
    }
    NextLine next;
    int margins = 0;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        next = [block = plain->document()->begin()](qsizetype& length, QString& line) mutable {
            if (!block.isValid()) return false;
            length = block.length() - 1;  // without its line end
            if (length <= CellText::kShownLineChars) line = block.text();
            block = block.next();
            return true;
        };
        margins = 2 * qCeil(plain->document()->documentMargin()) + 2 * plain->frameWidth() +
                  plain->cursorWidth() + 1;
    } else if (auto* cell = qobject_cast<CellTextEdit*>(editor)) {
        const CellTextDocument& text = cell->Document();
        if (text.Length() > CellText::kShownChars) return kAll;
        next = [&text, row = qsizetype(0)](qsizetype& length, QString& line) mutable {
            if (row >= text.LineCount()) return false;
            const qsizetype start = text.LineStart(row++);
            length = text.LineEnd(row - 1) - start;
            if (length <= CellText::kShownLineChars) line = text.Mid(start, length);
            return true;
        };
        margins = cell->Margins();
    } else {
        return 0;
    }
    const int widest = WidestShownLine(editor->fontMetrics(), next);
    return widest == kAll ? kAll : widest + margins;
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* plain = qobject_cast<QPlainTextEdit*>(object);
    auto* cell = qobject_cast<CellTextEdit*>(object);
    if ((plain || cell) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab moves the focus on, as it does from the plain editor, and the edit ends as the focus leaves.
        if (cell && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter ends the edit; Ctrl+Enter or Shift+Enter is a line break inside the cell, which is
            // stored as "\r\n".
            if (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
                if (plain)
                    plain->textCursor().insertText(QStringLiteral("\n"));
                else
                    cell->Insert(QStringLiteral("\n"));
            } else {
                auto* editor = static_cast<QWidget*>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

QRect GridCellDelegate::ButtonRect(const QRect& cell) {
    const int width = std::min(cell.width(), 18);
    return QRect(cell.right() - width + 1, cell.top(), width, cell.height());
}

bool GridCellDelegate::ShowsButton(const QModelIndex& index) const {
    return index.isValid() && index == m_grid.currentIndex() &&
           m_grid.ComboList() == QStringView(CellEditRules::kEllipsis);
}

namespace {

// Half the narrowest advance of a printed ASCII character: only characters of no width (combining marks and
// the like) are narrower.
qreal NarrowAdvance(const QFont& font) {
    static QString measured;
    static qreal advance = 0;
    if (const QString key = font.key(); key != measured) {
        const QFontMetricsF metrics(font);
        advance = metrics.horizontalAdvance(QLatin1Char(' '));
        for (char16_t c = 33; c < 127; ++c) advance = std::min(advance, metrics.horizontalAdvance(QChar(c)));
        advance = std::max(advance / 2, qreal(0.5));
        measured = key;
    }
    return advance;
}

// What the cell can show of its text: the lines that fit in its height and one partly shown, each as long
// as the characters that can fit in its width and two more, so that a longer line still overflows and is
// elided as before.
QString TextThatFits(const QString& text, const QStyleOptionViewItem& cell) {
    const QSizeF size = cell.rect.size();
    qsizetype lines = qsizetype(size.height() / std::max(QFontMetricsF(cell.font).height(), qreal(1))) + 1;
    qsizetype chars = qsizetype(size.width() / NarrowAdvance(cell.font)) + 2;
    // Wrapped, a line fills several; elided at its start or middle, its end shows; at the bottom, its last
    // lines do.
    if (cell.features & QStyleOptionViewItem::WrapText) chars *= lines;
    if (cell.textElideMode == Qt::ElideLeft || cell.textElideMode == Qt::ElideMiddle) chars = text.size();
    if (cell.displayAlignment & Qt::AlignBottom) lines = text.size() + 1;
    return CellText::FittedText(text, lines, chars);
}

}  // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    {
        const QScopedValueRollback<const QStyleOptionViewItem*> painting(m_painting, &cell);
        initStyleOption(&cell, index);
    }
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (!ShowsButton(index)) return;
    QStyleOptionButton button;
    button.rect = ButtonRect(option.rect);
    button.text = QStringLiteral("...");
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

// The style lays out and measures all the text it gets, and the grid repaints its cells whenever it takes or
// loses the focus (a menu opening): a cell is given the part of its text that fits in it. Only a value that
// does not fit draws less of what is out of sight.
QString GridCellDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    if (!m_painting) return QStyledItemDelegate::displayText(value, locale);
    return QStyledItemDelegate::displayText(TextThatFits(value.toString(), *m_painting), locale);
}

bool GridCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonPress && ShowsButton(index)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ButtonRect(option.rect).contains(mouse->position().toPoint())) {
            m_grid.ClickCellButton(index.row() + 1, index.column() + 1);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
