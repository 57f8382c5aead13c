#include "CellTextDocument.h"

#include <algorithm>

namespace {

// Adds where the text's lines end, counted from offset.
void AddBreaks(QStringView text, qsizetype offset, std::vector<qsizetype>& breaks) {
    if (!text.contains(u'\r')) {
        // The usual value: line feeds only, found by the library's fast search.
        for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1))
            breaks.push_back(offset + i);
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            breaks.push_back(offset + i);
    }
}

bool Joined(QChar first, QChar second) {
    return (first == u'\r' && second == u'\n') || (first.isHighSurrogate() && second.isLowSurrogate());
}

}  // namespace

CellTextDocument::CellTextDocument(const QString& text) {
    m_buffers[0].text = text;
    AddBreaks(text, 0, m_buffers[0].breaks);
    if (!text.isEmpty()) m_pieces.push_back(MakePiece(0, 0, text.size()));
    m_length = text.size();
    m_breaks = static_cast<qsizetype>(m_buffers[0].breaks.size());
}

qsizetype CellTextDocument::BreaksIn(int buffer, qsizetype start, qsizetype end) const {
    const std::vector<qsizetype>& breaks = m_buffers[buffer].breaks;
    return std::lower_bound(breaks.begin(), breaks.end(), end) -
           std::lower_bound(breaks.begin(), breaks.end(), start);
}

CellTextDocument::Piece CellTextDocument::MakePiece(int buffer, qsizetype start, qsizetype length) const {
    return {buffer, start, length, BreaksIn(buffer, start, start + length)};
}

QChar CellTextDocument::CharOf(const Piece& piece, qsizetype offset) const {
    return m_buffers[piece.buffer].text[piece.start + offset];
}

size_t CellTextDocument::PieceAt(qsizetype pos, qsizetype* pieceStart) const {
    qsizetype at = 0;
    size_t i = 0;
    for (; i < m_pieces.size() && pos >= at + m_pieces[i].length; ++i) at += m_pieces[i].length;
    *pieceStart = at;
    return i;
}

QChar CellTextDocument::At(qsizetype pos) const {
    if (pos < 0 || pos >= m_length) return {};
    qsizetype start = 0;
    const size_t i = PieceAt(pos, &start);
    return CharOf(m_pieces[i], pos - start);
}

QString CellTextDocument::Mid(qsizetype pos, qsizetype length) const {
    pos = std::clamp<qsizetype>(pos, 0, m_length);
    length = std::clamp<qsizetype>(length, 0, m_length - pos);
    QString out;
    out.reserve(length);
    qsizetype start = 0;
    for (size_t i = PieceAt(pos, &start); length > 0; start += m_pieces[i++].length) {
        const Piece& piece = m_pieces[i];
        const qsizetype offset = pos - start;
        const qsizetype take = std::min(length, piece.length - offset);
        out.append(QStringView(m_buffers[piece.buffer].text).sliced(piece.start + offset, take));
        pos += take;
        length -= take;
    }
    return out;
}

bool CellTextDocument::IsUnchanged() const {
    const QString& value = m_buffers[0].text;
    if (m_pieces.empty()) return value.isEmpty();
    const Piece& only = m_pieces.front();
    return m_pieces.size() == 1 && only.buffer == 0 && only.start == 0 && only.length == value.size();
}

QString CellTextDocument::Text() const {
    return IsUnchanged() ? m_buffers[0].text : Mid(0, m_length);
}

qsizetype CellTextDocument::BreakOf(qsizetype line) const {
    qsizetype at = 0;
    for (const Piece& piece : m_pieces) {
        if (line < piece.breaks) {
            const std::vector<qsizetype>& breaks = m_buffers[piece.buffer].breaks;
            const auto first = std::lower_bound(breaks.begin(), breaks.end(), piece.start);
            return at + first[line] - piece.start;
        }
        line -= piece.breaks;
        at += piece.length;
    }
    return m_length;
}

qsizetype CellTextDocument::LineStart(qsizetype line) const {
    if (line <= 0) return 0;
    return BreakOf(std::min(line, m_breaks) - 1) + 1;
}

qsizetype CellTextDocument::LineEnd(qsizetype line) const {
    if (line >= m_breaks) return m_length;
    const qsizetype end = BreakOf(std::max<qsizetype>(line, 0));
    return end > 0 && At(end) == u'\n' && At(end - 1) == u'\r' ? end - 1 : end;
}

qsizetype CellTextDocument::LineOf(qsizetype pos) const {
    qsizetype line = 0;
    qsizetype at = 0;
    for (const Piece& piece : m_pieces) {
        if (pos < at + piece.length)
            return line + BreaksIn(piece.buffer, piece.start, piece.start + pos - at);
        line += piece.breaks;
        at += piece.length;
    }
    return line;
}

size_t CellTextDocument::Split(qsizetype pos) {
    qsizetype start = 0;
    const size_t i = PieceAt(pos, &start);
    if (i == m_pieces.size() || start == pos) return i;
    const Piece whole = m_pieces[i];
    const qsizetype head = pos - start;
    m_pieces[i] = MakePiece(whole.buffer, whole.start, head);
    m_pieces.insert(m_pieces.begin() + i + 1,
                    MakePiece(whole.buffer, whole.start + head, whole.length - head));
    return i + 1;
}

qsizetype CellTextDocument::Append(QStringView text) {
    Buffer& typed = m_buffers[1];
    // What was typed before may end in a lone "\r": a "\n" typed now is no part of that line break.
    if (typed.text.endsWith(u'\r') && text.startsWith(u'\n')) typed.text.append(u' ');
    const qsizetype start = typed.text.size();
    typed.text.append(text);
    AddBreaks(text, start, typed.breaks);
    return start;
}

void CellTextDocument::Replace(qsizetype pos, qsizetype length, QStringView text) {
    pos = std::clamp<qsizetype>(pos, 0, m_length);
    length = std::clamp<qsizetype>(length, 0, m_length - pos);
    size_t end = Split(pos + length);
    const size_t pieces = m_pieces.size();
    const size_t first = Split(pos);
    end += m_pieces.size() - pieces;
    for (size_t i = first; i < end; ++i) {
        m_length -= m_pieces[i].length;
        m_breaks -= m_pieces[i].breaks;
    }
    m_pieces.erase(m_pieces.begin() + first, m_pieces.begin() + end);
    if (!text.isEmpty()) {
        const Piece typed = MakePiece(1, Append(text), text.size());
        m_pieces.insert(m_pieces.begin() + first, typed);
        m_length += typed.length;
        m_breaks += typed.breaks;
        Mend(first + 1);
    }
    Mend(first);
}

void CellTextDocument::Mend(size_t index) {
    if (index == 0 || index >= m_pieces.size()) return;
    const Piece before = m_pieces[index - 1];
    const Piece after = m_pieces[index];
    if (before.buffer == after.buffer && before.start + before.length == after.start) {
        m_pieces[index - 1] = MakePiece(before.buffer, before.start, before.length + after.length);
        m_pieces.erase(m_pieces.begin() + index);
        return;
    }
    if (CharOf(before, before.length - 1) != u'\r' || CharOf(after, 0) != u'\n') return;
    // A lone "\r" and a "\n" that the edit brought together are one line break now.
    std::vector<Piece> mended;
    if (before.length > 1) mended.push_back(MakePiece(before.buffer, before.start, before.length - 1));
    mended.push_back(MakePiece(1, Append(u"\r\n"), 2));
    if (after.length > 1) mended.push_back(MakePiece(after.buffer, after.start + 1, after.length - 1));
    m_breaks -= before.breaks + after.breaks;
    for (const Piece& piece : mended) m_breaks += piece.breaks;
    m_pieces.erase(m_pieces.begin() + index - 1, m_pieces.begin() + index + 1);
    m_pieces.insert(m_pieces.begin() + index - 1, mended.begin(), mended.end());
}

qsizetype CellTextDocument::Previous(qsizetype pos) const {
    pos = std::clamp<qsizetype>(pos, 0, m_length);
    if (pos == 0) return 0;
    return pos >= 2 && Joined(At(pos - 2), At(pos - 1)) ? pos - 2 : pos - 1;
}

qsizetype CellTextDocument::Next(qsizetype pos) const {
    pos = std::clamp<qsizetype>(pos, 0, m_length);
    if (pos == m_length) return pos;
    return Joined(At(pos), At(pos + 1)) ? pos + 2 : pos + 1;
}

qsizetype CellTextDocument::Valid(qsizetype pos) const {
    pos = std::clamp<qsizetype>(pos, 0, m_length);
    return pos > 0 && Joined(At(pos - 1), At(pos)) ? pos - 1 : pos;
}
