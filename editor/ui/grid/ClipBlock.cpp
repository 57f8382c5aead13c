#include "ClipBlock.h"

#include <QMimeData>
#include <algorithm>

namespace ClipBlock {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool NeedsQuotes(const QString& cell) {
    for (QChar ch : cell) {
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r') ||
            ch == QLatin1Char('"'))
            return true;
    }
    return false;
}

QString Quoted(const QString& cell) {
    QString body = cell;
    body.replace(kLineEnd, QStringLiteral("\n"));
    body.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + body + QLatin1Char('"');
}

class CopiedBlockData : public QMimeData {
public:
    explicit CopiedBlockData(const Block& block) : cells(block) { setText(FormatCopyText(block)); }
    const Block cells;
};

// True at a row end: "\n" or "\r\n".
bool AtRowEnd(const QString& text, qsizetype pos) {
    if (pos >= text.size()) return false;
    if (text[pos] == QLatin1Char('\n')) return true;
    return text[pos] == QLatin1Char('\r') && pos + 1 < text.size() && text[pos + 1] == QLatin1Char('\n');
}

bool AtCellEnd(const QString& text, qsizetype pos) {
    return pos >= text.size() || text[pos] == QLatin1Char('\t') || AtRowEnd(text, pos);
}

// A quoted cell from pos (at its opening quote); false when the quotes do not close the cell.
bool ReadQuoted(const QString& text, qsizetype& pos, QString& cell) {
    QString value;
    qsizetype i = pos + 1;
    while (i < text.size()) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('"')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                value += ch;
                i += 2;
                continue;
            }
            if (!AtCellEnd(text, i + 1)) return false;
            cell = value;
            pos = i + 1;
            return true;
        }
        if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            value += kLineEnd;
            i += 2;
            continue;
        }
        value += (ch == QLatin1Char('\n') || ch == QLatin1Char('\v')) ? kLineEnd : QString(ch);
        ++i;
    }
    return false;
}

QString ReadPlain(const QString& text, qsizetype& pos) {
    const qsizetype start = pos;
    while (!AtCellEnd(text, pos)) ++pos;
    QString cell = text.mid(start, pos - start);
    cell.replace(QLatin1Char('\v'), kLineEnd);
    return cell;
}

}  // namespace

QString FormatCopyText(const Block& block) {
    QString text;
    for (const QStringList& row : block) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0) text += QLatin1Char('\t');
            text += NeedsQuotes(row[c]) ? Quoted(row[c]) : row[c];
        }
        text += kLineEnd;
    }
    return text;
}

Block ParseClipText(const QString& text) {
    Block block;
    qsizetype pos = 0;
    QStringList row;
    while (pos < text.size()) {
        QString cell;
        qsizetype quotedEnd = pos;
        if (text[pos] == QLatin1Char('"') && ReadQuoted(text, quotedEnd, cell))
            pos = quotedEnd;
        else
            cell = ReadPlain(text, pos);
        row.append(cell);
        if (pos >= text.size()) break;
        if (text[pos] == QLatin1Char('\t')) {
            ++pos;
            if (pos >= text.size()) row.append(QString());
            continue;
        }
        pos += text[pos] == QLatin1Char('\r') ? 2 : 1;
        block.append(row);
        row.clear();
    }
    if (!row.isEmpty()) block.append(row);
    qsizetype columns = 0;
    for (const QStringList& r : block) columns = std::max(columns, r.size());
    for (QStringList& r : block) {
        while (r.size() < columns) r.append(QString());
    }
    return block;
}

Block FillSelection(const Block& block, int rows, int columns) {
    if (block.size() != 1 || block.first().size() != 1 || rows < 1 || columns < 1) return block;
    if (rows == 1 && columns == 1) return block;
    const QStringList row(QList<QString>(columns, block.first().first()));
    return Block(rows, row);
}

QMimeData* CopiedData(const Block& block) {
    return new CopiedBlockData(block);
}

const Block* CopiedCells(const QMimeData* data) {
    const auto* ours = dynamic_cast<const CopiedBlockData*>(data);
    return ours ? &ours->cells : nullptr;
}

}  // namespace ClipBlock
