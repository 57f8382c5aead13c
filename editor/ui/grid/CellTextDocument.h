#pragma once
#include <QString>
#include <vector>

// The text of the long-value cell editor. The value is kept as it came (shared with the grid, never copied
// while it is edited) beside a buffer of what was typed into it; the text is a list of pieces of either, each
// with the line breaks it holds, found through an index of each buffer's line breaks. So opening a value
// costs one pass over it, and a key costs what it changes, however long the value.
//
// A line ends at "\r\n", "\n" or a lone "\r", as the text has them. Positions count UTF-16 units; the
// editor keeps its positions out of a "\r\n" and a surrogate pair (Valid).
class CellTextDocument {
public:
    explicit CellTextDocument(const QString& text = {});

    qsizetype Length() const { return m_length; }
    qsizetype LineCount() const { return m_breaks + 1; }
    // The first position of a line, and the position its text ends at (before its line break).
    qsizetype LineStart(qsizetype line) const;
    qsizetype LineEnd(qsizetype line) const;
    qsizetype LineOf(qsizetype pos) const;
    QChar At(qsizetype pos) const;  // null outside the text
    QString Mid(qsizetype pos, qsizetype length) const;
    // The whole text; the value itself while the pieces are the value unchanged.
    QString Text() const;
    bool IsUnchanged() const;

    // Replaces [pos, pos + length) by the text as given.
    void Replace(qsizetype pos, qsizetype length, QStringView text);

    // The positions one character before and after pos: "\r\n" and a surrogate pair are one character.
    qsizetype Previous(qsizetype pos) const;
    qsizetype Next(qsizetype pos) const;
    // pos within the text, moved back out of a "\r\n" or a surrogate pair.
    qsizetype Valid(qsizetype pos) const;

private:
    struct Buffer {
        QString text;
        std::vector<qsizetype> breaks;  // where its lines end: a "\n", or a "\r" not followed by one
    };
    struct Piece {
        int buffer;
        qsizetype start;
        qsizetype length;
        qsizetype breaks;
    };

    // The piece holding pos (the piece count at the end) and the position it starts at.
    size_t PieceAt(qsizetype pos, qsizetype* pieceStart) const;
    qsizetype BreaksIn(int buffer, qsizetype start, qsizetype end) const;
    Piece MakePiece(int buffer, qsizetype start, qsizetype length) const;
    // The position of the line break that ends the line.
    qsizetype BreakOf(qsizetype line) const;
    // Makes pos the start of a piece; returns that piece's index.
    size_t Split(qsizetype pos);
    // Appends to the typed buffer; returns where the text starts in it.
    qsizetype Append(QStringView text);
    // Joins the pieces around the boundary before the piece at index when they are one run of a buffer,
    // and makes one piece of a "\r" and a "\n" that an edit brought together.
    void Mend(size_t index);
    QChar CharOf(const Piece& piece, qsizetype offset) const;

    Buffer m_buffers[2];  // the value, then what was typed
    std::vector<Piece> m_pieces;
    qsizetype m_length = 0;
    qsizetype m_breaks = 0;
};
