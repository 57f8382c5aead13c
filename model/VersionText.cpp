#include "VersionText.h"

QString VersionTextFromNamespaceUri(const QString& namespaceUri, NamespaceVersionRule rule) {
    QString text = namespaceUri;
    if (text.endsWith(QLatin1Char('/'))) text.chop(1);
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    if (rule == NamespaceVersionRule::SchemaFolder) {
        if (slash < 0) return {};
        QString segment = text.mid(slash + 1);
        if (segment.startsWith(QStringLiteral("ver"), Qt::CaseInsensitive)) segment.remove(0, 3);
        return segment;
    }
    QString segment = slash < 0 ? text : text.mid(slash + 1);
    const qsizetype ver = segment.indexOf(QStringLiteral("ver"));
    if (ver >= 0) segment = segment.mid(ver + 3);
    return segment;
}

namespace {

// Leading decimal digits of the text, as the C runtime's integer conversion reads them.
int LeadingNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (t[i].unicode() - '0');
        if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

void ParseVersionText(const QString& text, int& major, int& minor) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    major = LeadingNumber(dot < 0 ? text : text.left(dot));
    minor = dot < 0 ? 0 : LeadingNumber(text.mid(dot + 1));
}
