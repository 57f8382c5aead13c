#pragma once
#include <QBasicTimer>
#include <QWidget>

#include "CellTextDocument.h"

class QTextLayout;

// The cell editor of a value longer than a cell shows (a comment of megabytes, a line of millions of
// characters). A plain text editor lays out and stores the whole text when it opens; this one keeps the value
// as it is (CellTextDocument) and draws only the lines in view, and of a long line only the characters around
// the caret: it scrolls sideways by characters, so no key costs more with a longer line. It keeps the value's
// own line breaks; a typed or pasted one is "\r\n". The grid's delegate ends the edit on Enter and Escape and
// inserts a line break for Ctrl+Enter or Shift+Enter; Tab moves the focus on, which ends the edit.
class CellTextEdit : public QWidget {
    Q_OBJECT
public:
    explicit CellTextEdit(QWidget* parent = nullptr);

    // True for a value that no cell shows whole: what this editor is for.
    static bool Suits(const QString& value);

    // The value, all of it selected and the caret at its end, as the plain editor opens.
    void SetText(const QString& text);
    // The value as edited: the value itself when it is unchanged.
    QString Text() const { return m_doc.Text(); }
    bool IsUnchanged() const { return m_doc.IsUnchanged(); }
    const CellTextDocument& Document() const { return m_doc; }
    qsizetype CursorPosition() const { return m_caret; }
    qsizetype AnchorPosition() const { return m_anchor; }
    QString SelectedText() const;
    void SelectAll();
    // Replaces the selection by the text, its line breaks made "\r\n".
    void Insert(const QString& text);
    void RemoveSelectedText();
    // The space around the text: what the editor adds to the width of its widest line.
    int Margins() const;

public slots:
    void copy();
    void cut();
    void paste();

signals:
    void textChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // The part of a line in view: from the first shown column up to what fills the width.
    struct Shown {
        qsizetype start = 0;
        QString text;
    };
    Shown ShownPart(qsizetype line) const;
    void LayOut(QTextLayout& layout) const;
    int TextWidth() const;
    int TopMargin() const;
    int VisibleLines() const;
    // How many characters at most can be seen side by side.
    qsizetype ColumnsInView() const;
    // The column of the line from which the text up to pos is about that many pixels wide.
    qsizetype ColumnBefore(qsizetype line, qsizetype pos, int pixels) const;
    // The caret's place within the shown part of its line, in pixels from the text's left edge.
    int CaretX() const;
    QRect CaretRect() const;
    qsizetype PositionAt(const QPoint& point) const;
    // Moves the caret, keeping the anchor when selecting; keepGoal keeps the column that Up and Down aim at.
    void MoveTo(qsizetype pos, bool select, bool keepGoal = false);
    // The position lines below (negative: above) the caret, at the column Up and Down aim at.
    qsizetype LinesAway(qsizetype lines);
    // Where a move key takes the caret (the moves of CellTextEdit.cpp's key table).
    qsizetype Target(int move, bool select);
    // True for the keys this editor acts on, which no shortcut may take while it has the focus.
    static bool Edits(const QKeyEvent& key);
    void EnsureCaretVisible();
    void RestartBlink();
    qsizetype SelectionStart() const { return std::min(m_caret, m_anchor); }
    qsizetype SelectionEnd() const { return std::max(m_caret, m_anchor); }

    CellTextDocument m_doc;
    qsizetype m_caret = 0;
    qsizetype m_anchor = 0;
    qsizetype m_topLine = 0;
    qsizetype m_firstColumn = 0;  // of every line: the sideways scroll, in characters
    int m_goalX = -1;             // where Up and Down aim, from the text's left edge; -1: at the caret
    QString m_preedit;            // what the input method is composing, shown at the caret
    int m_preeditCursor = 0;
    bool m_caretShown = true;
    bool m_resized = false;
    QBasicTimer m_blink;
};
