#include "ProfileSchemaPath.h"

#include "PELFMExceptions.h"

namespace {

bool IsSafeVersionText(const QString& text) {
    if (text.isEmpty() || text == QLatin1String(".") || text.contains(QLatin1String(".."))) return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                        u == '.' || u == '_' || u == '-';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

QString BuildSchemaPath(const QString& pattern, const QString& namespaceUri) {
    const QString placeholder = QStringLiteral("%s");
    if (!pattern.contains(placeholder)) return pattern;
    QString uri = namespaceUri;
    if (uri.endsWith(QLatin1Char('/'))) uri.chop(1);
    const qsizetype slash = uri.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return QString();
    QString versionText = uri.mid(slash + 1);
    if (versionText.startsWith(QLatin1String("ver"), Qt::CaseInsensitive)) versionText.remove(0, 3);
    if (!IsSafeVersionText(versionText))
        throw CPELFM_SchemaCheckException(
            QStringLiteral("the namespace \"%1\" names no usable format version").arg(namespaceUri));
    QString path = pattern;
    return path.replace(placeholder, versionText);
}
