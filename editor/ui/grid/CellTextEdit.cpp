#include "CellTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <cmath>
#include <utility>

#include "CellLineBreaks.h"
#include "CellText.h"

namespace {

constexpr int kMargin = 4;               // as the plain text editor's document margin
constexpr int kWheelLines = 3;           // lines a step of the wheel scrolls
constexpr qsizetype kSurrounding = 256;  // characters on each side of the caret the input method is told

enum Move {
    NextChar,
    PreviousChar,
    LineStart,
    LineEnd,
    TextStart,
    TextEnd,
    NextLine,
    PreviousLine,
    NextPage,
    PreviousPage
};
struct MoveKey {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    Move target;
};
constexpr MoveKey kMoveKeys[] = {
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, NextChar},
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, PreviousChar},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, LineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, LineEnd},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, TextStart},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, TextEnd},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, NextLine},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, PreviousLine},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, NextPage},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, PreviousPage},
};
constexpr QKeySequence::StandardKey kEditKeys[] = {QKeySequence::SelectAll, QKeySequence::Copy,
                                                   QKeySequence::Cut, QKeySequence::Paste,
                                                   QKeySequence::Delete};

bool IsTyping(const QKeyEvent& key) {
    return !key.text().isEmpty() && key.text().front().isPrint() &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

}  // namespace

CellTextEdit::CellTextEdit(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
}

bool CellTextEdit::Suits(const QString& value) {
    bool cut = false;
    if (value.size() > CellText::kShownLineChars) CellText::ShownText(value, &cut);
    return cut;
}

void CellTextEdit::SetText(const QString& text) {
    m_doc = CellTextDocument(text);
    m_topLine = m_firstColumn = 0;
    m_goalX = -1;
    m_preedit.clear();
    SelectAll();
}

QString CellTextEdit::SelectedText() const {
    return m_doc.Mid(SelectionStart(), SelectionEnd() - SelectionStart());
}

void CellTextEdit::SelectAll() {
    m_anchor = 0;
    MoveTo(m_doc.Length(), true);
}

void CellTextEdit::Insert(const QString& text) {
    const QString typed = CellLineBreaks::AsCrLf(text);
    const qsizetype from = SelectionStart();
    if (typed.isEmpty() && from == SelectionEnd()) return;
    m_doc.Replace(from, SelectionEnd() - from, typed);
    MoveTo(from + typed.size(), false);
    emit textChanged();
}

void CellTextEdit::RemoveSelectedText() {
    Insert(QString());
}

int CellTextEdit::Margins() const {
    return 2 * kMargin + style()->pixelMetric(QStyle::PM_TextCursorWidth) + 1;
}

void CellTextEdit::copy() {
    // Line breaks go to the clipboard as line feeds, as the plain editor copies them.
    if (m_caret != m_anchor)
        QGuiApplication::clipboard()->setText(CellLineBreaks::AsLineFeeds(SelectedText()));
}

void CellTextEdit::cut() {
    copy();
    RemoveSelectedText();
}

void CellTextEdit::paste() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) Insert(text);
}

// ---- geometry

int CellTextEdit::TextWidth() const {
    return std::max(1, width() - Margins());
}

int CellTextEdit::TopMargin() const {
    return std::clamp((height() - fontMetrics().lineSpacing()) / 2, 0, kMargin);
}

int CellTextEdit::VisibleLines() const {
    return std::max(1, (height() - TopMargin()) / fontMetrics().lineSpacing());
}

qsizetype CellTextEdit::ColumnsInView() const {
    // No character is taken to be narrower than half the narrowest of a few narrow ones (a font's average
    // width may be that of its wide characters).
    const QFontMetrics metrics = fontMetrics();
    int narrowest = metrics.horizontalAdvance(u' ');
    for (char16_t c : u".il|") narrowest = std::min(narrowest, metrics.horizontalAdvance(QChar(c)));
    return 2 + qsizetype(TextWidth()) * 2 / std::max(1, narrowest);
}

CellTextEdit::Shown CellTextEdit::ShownPart(qsizetype line) const {
    const qsizetype end = m_doc.LineEnd(line);
    Shown shown;
    shown.start = std::min(m_doc.LineStart(line) + m_firstColumn, end);
    if (m_doc.At(shown.start).isLowSurrogate()) ++shown.start;
    shown.text = m_doc.Mid(shown.start, std::min(end - shown.start, ColumnsInView()));
    return shown;
}

void CellTextEdit::LayOut(QTextLayout& layout) const {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e6);
    layout.endLayout();
}

qsizetype CellTextEdit::ColumnBefore(qsizetype line, qsizetype pos, int pixels) const {
    const qsizetype lineStart = m_doc.LineStart(line);
    const qsizetype from = std::max(lineStart, pos - ColumnsInView());
    QTextLayout layout(m_doc.Mid(from, pos - from), font());
    LayOut(layout);
    const QTextLine text = layout.lineAt(0);
    const qreal x = text.naturalTextWidth() - pixels;
    qsizetype start = x <= 0 ? from : from + text.xToCursor(x);
    if (m_doc.At(start).isLowSurrogate()) ++start;
    return start - lineStart;
}

int CellTextEdit::CaretX() const {
    const Shown shown = ShownPart(m_doc.LineOf(m_caret));
    if (m_caret < shown.start) return -1;
    if (m_caret > shown.start + shown.text.size()) return TextWidth() + 1;
    QTextLayout layout(shown.text, font());
    LayOut(layout);
    return qRound(layout.lineAt(0).cursorToX(int(m_caret - shown.start)));
}

QRect CellTextEdit::CaretRect() const {
    const int spacing = fontMetrics().lineSpacing();
    const int y = TopMargin() + int(m_doc.LineOf(m_caret) - m_topLine) * spacing;
    return QRect(kMargin + CaretX(), y, style()->pixelMetric(QStyle::PM_TextCursorWidth), spacing);
}

qsizetype CellTextEdit::PositionAt(const QPoint& point) const {
    const double row = std::floor(double(point.y() - TopMargin()) / fontMetrics().lineSpacing());
    const qsizetype line = std::clamp<qsizetype>(m_topLine + qsizetype(row), 0, m_doc.LineCount() - 1);
    const Shown shown = ShownPart(line);
    // Dragging past an edge scrolls a character at a time.
    if (point.x() < 0 && shown.start > m_doc.LineStart(line)) return m_doc.Previous(shown.start);
    QTextLayout layout(shown.text, font());
    LayOut(layout);
    const qsizetype pos = shown.start + layout.lineAt(0).xToCursor(point.x() - kMargin);
    if (point.x() >= width() && pos < m_doc.LineEnd(line)) return m_doc.Next(pos);
    return pos;
}

void CellTextEdit::EnsureCaretVisible() {
    const qsizetype line = m_doc.LineOf(m_caret);
    const qsizetype lines = VisibleLines();
    if (line < m_topLine)
        m_topLine = line;
    else if (line >= m_topLine + lines)
        m_topLine = line - lines + 1;
    const int width = TextWidth();
    if (m_caret - m_doc.LineStart(line) < m_firstColumn)
        m_firstColumn = ColumnBefore(line, m_caret, width / 3);
    else if (CaretX() > width)
        m_firstColumn = ColumnBefore(line, m_caret, width * 2 / 3);
}

// ---- moving and selecting

void CellTextEdit::MoveTo(qsizetype pos, bool select, bool keepGoal) {
    m_caret = m_doc.Valid(pos);
    if (!select) m_anchor = m_caret;
    if (!keepGoal) m_goalX = -1;
    EnsureCaretVisible();
    RestartBlink();
}

qsizetype CellTextEdit::LinesAway(qsizetype lines) {
    const qsizetype line = m_doc.LineOf(m_caret);
    const qsizetype target = std::clamp<qsizetype>(line + lines, 0, m_doc.LineCount() - 1);
    if (target == line) return m_caret;
    if (m_goalX < 0) m_goalX = CaretX();
    const Shown shown = ShownPart(target);
    QTextLayout layout(shown.text, font());
    LayOut(layout);
    return shown.start + layout.lineAt(0).xToCursor(m_goalX);
}

qsizetype CellTextEdit::Target(int move, bool select) {
    const bool collapses = !select && m_caret != m_anchor;
    const qsizetype page = std::max(1, VisibleLines() - 1);
    switch (move) {
        case NextChar:
            return collapses ? SelectionEnd() : m_doc.Next(m_caret);
        case PreviousChar:
            return collapses ? SelectionStart() : m_doc.Previous(m_caret);
        case LineStart:
            return m_doc.LineStart(m_doc.LineOf(m_caret));
        case LineEnd:
            return m_doc.LineEnd(m_doc.LineOf(m_caret));
        case TextStart:
            return 0;
        case TextEnd:
            return m_doc.Length();
        case NextLine:
            return LinesAway(1);
        case PreviousLine:
            return LinesAway(-1);
        case NextPage:
            return LinesAway(page);
        default:
            return LinesAway(-page);
    }
}

bool CellTextEdit::Edits(const QKeyEvent& key) {
    for (const MoveKey& move : kMoveKeys)
        if (key.matches(move.move) || key.matches(move.select)) return true;
    for (QKeySequence::StandardKey edit : kEditKeys)
        if (key.matches(edit)) return true;
    return key.key() == Qt::Key_Backspace || (IsTyping(key) && !(key.modifiers() & Qt::AltModifier));
}

// ---- events

bool CellTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && Edits(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CellTextEdit::keyPressEvent(QKeyEvent* event) {
    for (const MoveKey& move : kMoveKeys) {
        const bool select = event->matches(move.select);
        if (select || event->matches(move.move)) {
            MoveTo(Target(move.target, select), select, move.target >= NextLine);
            return;
        }
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        if (m_caret == m_anchor)
            m_anchor = event->key() == Qt::Key_Backspace ? m_doc.Previous(m_caret) : m_doc.Next(m_caret);
        RemoveSelectedText();
    } else if (IsTyping(*event)) {
        Insert(event->text());
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CellTextEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    MoveTo(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void CellTextEdit::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) MoveTo(PositionAt(event->position().toPoint()), true);
}

void CellTextEdit::wheelEvent(QWheelEvent* event) {
    const qsizetype steps = event->angleDelta().y() / 120;
    const qsizetype last = std::max<qsizetype>(0, m_doc.LineCount() - VisibleLines());
    m_topLine = std::clamp<qsizetype>(m_topLine - steps * kWheelLines, 0, last);
    update();
}

void CellTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->replacementLength() > 0) {
        m_anchor = m_doc.Valid(m_caret + event->replacementStart());
        m_caret = m_doc.Valid(m_anchor + event->replacementLength());
    }
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) Insert(event->commitString());
    m_preedit = event->preeditString();
    m_preeditCursor = int(m_preedit.size());
    for (const QInputMethodEvent::Attribute& attribute : event->attributes())
        if (attribute.type == QInputMethodEvent::Cursor) m_preeditCursor = attribute.start;
    update();
}

QVariant CellTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return isEnabled();
        case Qt::ImCursorRectangle:
            return CaretRect();
        case Qt::ImFont:
            return font();
        case Qt::ImHints:
            return int(inputMethodHints() | Qt::ImhMultiLine);
        case Qt::ImCursorPosition:
        case Qt::ImAnchorPosition:
        case Qt::ImSurroundingText:
        case Qt::ImCurrentSelection: {
            // The caret's neighbourhood on its line: all an input method needs, however long the line.
            const qsizetype line = m_doc.LineOf(m_caret);
            const qsizetype from = m_doc.Valid(std::max(m_doc.LineStart(line), m_caret - kSurrounding));
            const qsizetype to = m_doc.Valid(std::min(m_doc.LineEnd(line), m_caret + kSurrounding));
            const qsizetype anchor = std::clamp(m_anchor, from, to);
            if (query == Qt::ImSurroundingText) return m_doc.Mid(from, to - from);
            if (query == Qt::ImCursorPosition) return int(m_caret - from);
            if (query == Qt::ImAnchorPosition) return int(anchor - from);
            return m_doc.Mid(std::min(anchor, m_caret), std::abs(m_caret - anchor));
        }
        default:
            return QWidget::inputMethodQuery(query);
    }
}

void CellTextEdit::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    RestartBlink();
}

void CellTextEdit::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_blink.stop();
    update();
}

void CellTextEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The grid sizes its editor in steps (the cell, then as wide as the text wants): the caret is brought
    // into view of the size it ends with.
    m_resized = true;
}

void CellTextEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_blink.timerId()) return QWidget::timerEvent(event);
    m_caretShown = !m_caretShown;
    update();
}

void CellTextEdit::RestartBlink() {
    m_caretShown = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash >= 2)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
    update();
}

void CellTextEdit::paintEvent(QPaintEvent*) {
    if (std::exchange(m_resized, false)) EnsureCaretVisible();
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    const int spacing = fontMetrics().lineSpacing();
    const qsizetype caretLine = m_doc.LineOf(m_caret);
    QTextLayout::FormatRange selected;
    selected.format.setBackground(palette().brush(QPalette::Highlight));
    selected.format.setForeground(palette().brush(QPalette::HighlightedText));
    int y = TopMargin();
    for (qsizetype line = m_topLine; line < m_doc.LineCount() && y < height(); ++line, y += spacing) {
        const Shown shown = ShownPart(line);
        const qsizetype shownEnd = shown.start + shown.text.size();
        QTextLayout layout(shown.text, font());
        const bool caretHere = line == caretLine && m_caret >= shown.start && m_caret <= shownEnd;
        if (caretHere && !m_preedit.isEmpty()) layout.setPreeditArea(int(m_caret - shown.start), m_preedit);
        LayOut(layout);
        QList<QTextLayout::FormatRange> formats;
        const qsizetype from = std::max(SelectionStart(), shown.start);
        const qsizetype to = std::min(SelectionEnd(), shownEnd);
        if (from < to) {
            selected.start = int(from - shown.start);
            selected.length = int(to - from);
            formats.append(selected);
        }
        layout.draw(&painter, QPointF(kMargin, y), formats);
        if (caretHere && m_caretShown && hasFocus())
            layout.drawCursor(&painter, QPointF(kMargin, y), int(m_caret - shown.start) + m_preeditCursor,
                              style()->pixelMetric(QStyle::PM_TextCursorWidth));
    }
}
