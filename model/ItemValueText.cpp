#include "ItemValueText.h"

#include "PELFMExceptions.h"

using ProfileInnerConst::_ST_PELFM_DATAINFO;

int ClassifyValueText(const _ST_PELFM_DATAINFO& data) {
    // Escaped brackets do not count. Most values hold no backslash, and every save classifies every
    // value, so such a value is read in place and in one pass.
    QString unescaped;
    const bool escapes = data.text.contains(QLatin1Char('\\'));
    if (escapes) {
        unescaped = data.text;
        for (const char* escaped : {"\\<", "\\>", "\\[", "\\]", "\\(", "\\)"})
            unescaped.remove(QLatin1String(escaped));
    }
    const QString& text = escapes ? unescaped : data.text;
    qsizetype lt = -1, gt = -1;
    bool comma = false, dot = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        switch (text.at(i).unicode()) {
            case u'<':
                if (lt < 0) lt = i;
                break;
            case u'>':
                if (gt < 0) gt = i;
                break;
            case u',':
                comma = true;
                break;
            case u'.':
                dot = true;
                break;
            default:
                break;
        }
    }
    if (lt >= 0 && gt >= 0 && lt < gt) return VALUE_ANGLE_LIST;
    if (n > 0) {
        const QChar first = text.at(0), last = text.at(n - 1);
        if ((first == QLatin1Char('(') || first == QLatin1Char('[')) &&
            (last == QLatin1Char(')') || last == QLatin1Char(']')) && comma)
            return VALUE_RANGE;
    }
    return dot ? VALUE_DOTTED_REFERENCE : VALUE_TEXT;
}

void SplitReferencePath(const QString& text, QStringList& out) {
    out.clear();
    if (text.isEmpty()) return;
    QStringList pieces = text.split(QLatin1Char('.'));
    if (text.endsWith(QLatin1Char('.'))) pieces.removeLast();
    for (const QString& piece : pieces) {
        const qsizetype hash = piece.indexOf(QLatin1Char('#'));
        if (hash < 0) {
            out << piece;
        } else {
            out << piece.left(hash) << QStringLiteral("#") << piece.mid(hash + 1);
        }
    }
}

void SplitDottedName(const _ST_PELFM_DATAINFO& data, QStringList& out) {
    QString text = data.text;
    if (text.contains(QLatin1Char('$'))) {
        const qsizetype open = text.indexOf(QLatin1Char('('));
        if (open >= 0) text = text.mid(open + 1);
        const qsizetype close = text.indexOf(QLatin1Char(')'));
        if (close >= 0) text = text.left(close);
    }
    SplitReferencePath(text, out);
}

void ParseRangeText(const _ST_PELFM_DATAINFO& data, _ST_PELFM_RANGEINFO& out) {
    QString text = data.text;
    text.remove(QLatin1Char(' '));
    const QChar first = text.isEmpty() ? QChar() : text.front();
    const QChar last = text.isEmpty() ? QChar() : text.back();
    text = text.size() >= 2 ? text.mid(1, text.size() - 2) : QString();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0) throw CPELFM_InvalidDescException();
    out = _ST_PELFM_RANGEINFO();
    out.lowerText = text.left(comma);
    out.upperText = text.mid(comma + 1);
    if (!out.lowerText.isEmpty()) {
        if (first == QLatin1Char('('))
            out.lowerKind = 2;
        else if (first == QLatin1Char('['))
            out.lowerKind = 4;
    }
    if (!out.upperText.isEmpty()) {
        if (last == QLatin1Char(')'))
            out.upperKind = 1;
        else if (last == QLatin1Char(']'))
            out.upperKind = 3;
    }
}

void SplitAngleList(const _ST_PELFM_DATAINFO& data, QStringList& out) {
    out.clear();
    QString text = data.text;
    qsizetype from = 0;
    while (!text.isEmpty()) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), from);
        if (lt < 0) {
            out << text;
            break;
        }
        if (lt > 0) {
            if (text.at(lt - 1) == QLatin1Char('\\')) {
                from = lt + 1;
                continue;
            }
            out << text.left(lt);
            text = text.mid(lt);
            from = 0;
            continue;
        }
        qsizetype gt = text.indexOf(QLatin1Char('>'));
        while (gt > 0 && text.at(gt - 1) == QLatin1Char('\\')) gt = text.indexOf(QLatin1Char('>'), gt + 1);
        if (gt < 0) throw CPELFM_InvalidDescException();
        QString piece = text.left(gt);
        qsizetype lead = 0;
        while (lead < piece.size() && piece.at(lead) == QLatin1Char('<')) ++lead;
        out << piece.mid(lead);
        text = text.mid(gt + 1);
        from = 0;
    }
}

void ParseCondition(const _ST_PELFM_DATAINFO& data, QStringList& out) {
    out.clear();
    QString text = data.text;
    text.remove(QLatin1Char(' '));
    if (text.isEmpty()) throw CPELFM_InvalidDescException();
    QStringList clauses, connectors;
    for (;;) {
        const qsizetype andAt = text.indexOf(QLatin1String("&&"), 1);
        const qsizetype orAt = text.indexOf(QLatin1String("||"), 1);
        qsizetype at = -1;
        if (andAt >= 0 && (orAt < 0 || andAt < orAt))
            at = andAt;
        else if (orAt >= 0)
            at = orAt;
        QString clause;
        const bool last = at < 0;
        if (last) {
            clause = text;
        } else {
            clause = text.left(at);
            connectors << text.mid(at, 2);
            text = text.mid(at + 2);
        }
        if (clause.isEmpty()) break;
        for (const char* op : ProfileInnerConst::ComparisonOperators) {
            const QLatin1String o(op);
            const qsizetype p = clause.indexOf(o, 1);
            if (p > 0) {
                clauses << clause.left(p) << clause.mid(p + o.size()) << QString(o);
                break;
            }
        }
        if (last) break;
    }
    out = clauses + connectors;
    if (out.isEmpty()) throw CPELFM_InvalidDescException();
}

QString RemoveEscapeBackslashes(const _ST_PELFM_DATAINFO& data) {
    QString text = data.text;
    return text.remove(QLatin1Char('\\'));
}
