#include "ProfileSchemaPath.h"

#include "PELFMExceptions.h"
#include "VersionText.h"

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
    if (!namespaceUri.chopped(namespaceUri.endsWith(QLatin1Char('/')) ? 1 : 0).contains(QLatin1Char('/')))
        return QString();
    const QString versionText = VersionTextFromNamespaceUri(namespaceUri, NamespaceVersionRule::SchemaFolder);
    if (!IsSafeVersionText(versionText))
        throw CPELFM_SchemaCheckException(
            QStringLiteral("the namespace \"%1\" names no usable format version").arg(namespaceUri));
    QString path = pattern;
    return path.replace(placeholder, versionText);
}
