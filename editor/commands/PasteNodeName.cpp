#include "PasteNodeName.h"

namespace Internal {

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

QString AddToDecimalText(const QString& digits, quint64 amount) {
    QString result = digits;
    // Column addition from the right; the carry is below 10 once the amount is spent.
    quint64 carry = amount;
    for (qsizetype i = result.size() - 1; i >= 0 && carry > 0; --i) {
        const quint64 digit = static_cast<quint64>(result.at(i).unicode() - u'0');
        const quint64 low = carry % 10 + digit;
        result[i] = QChar(static_cast<char16_t>(u'0' + low % 10));
        carry = carry / 10 + low / 10;
    }
    if (carry > 0) result.prepend(QString::number(carry));
    qsizetype leading = 0;
    while (leading < result.size() - 1 && result.at(leading) == QLatin1Char('0')) ++leading;
    result.remove(0, leading);
    return result.isEmpty() ? QStringLiteral("0") : result;
}

QString MakePasteName(const QString& name, const std::function<bool(const QString&)>& exists) {
    if (!exists(name)) return name;
    qsizetype digitStart = name.size();
    while (digitStart > 0 && IsAsciiDigit(name.at(digitStart - 1))) --digitStart;
    const QString stem = name.left(digitStart);
    const QString digits = name.mid(digitStart);
    for (quint64 e = 1;; ++e) {
        QString candidate;
        if (digits.isEmpty()) {
            candidate = name + QString::number(e);
        } else {
            const QString number = AddToDecimalText(digits, e);
            const qsizetype padding = name.size() - stem.size() - number.size();
            candidate = stem + QString(padding > 0 ? padding : 0, QLatin1Char('0')) + number;
        }
        if (!exists(candidate)) return candidate;
    }
}

}  // namespace Internal
