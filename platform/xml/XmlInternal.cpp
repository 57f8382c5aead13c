#include "XmlInternal.h"

#include <libxml/parser.h>

#include "XmlError.h"

namespace Internal {

XmlDocument XmlAccess::Wrap(xmlDocPtr doc) {
    return XmlDocument(std::shared_ptr<_xmlDoc>(doc, xmlFreeDoc));
}

QString FormatError(const xmlError* error) {
    if (!error) return QStringLiteral("unknown XML error");
    QString message = QString::fromUtf8(error->message ? error->message : "unknown XML error").trimmed();
    if (error->line > 0) return QStringLiteral("line %1: %2").arg(error->line).arg(message);
    return message;
}

QString DocTypeNotAllowed(int line) {
    return QStringLiteral("line %1: a document type declaration is not allowed").arg(line);
}

void FirstError::Handler(void* self, xmlErrorPtr error) {
    auto* first = static_cast<FirstError*>(self);
    if (first->seen || !error || error->level == XML_ERR_WARNING) return;
    first->seen = true;
    first->text = FormatError(error);
    first->line = error->line;
}

void RequireXmlText(const QString& text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        bool ok;
        if (QChar::isHighSurrogate(c)) {
            ok = i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode());
            if (ok) ++i;
        } else if (c < 0x20) {
            ok = c == 0x9 || c == 0xA || c == 0xD;
        } else {
            ok = !QChar::isLowSurrogate(c) && c != 0xFFFE && c != 0xFFFF;
        }
        if (!ok) {
            const QString code = QString::number(int(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
            throw XmlError(
                QStringLiteral("the text holds the character U+%1, which XML cannot carry").arg(code));
        }
    }
}

void RequireQName(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    if (name.isEmpty() || xmlValidateQName(Xc(utf8), 0) != 0)
        throw XmlError(QStringLiteral("\"%1\" is not a valid XML name").arg(name));
}

void RequireNamespaceDeclaration(const QString& prefix, const QString& uri) {
    if (!prefix.isEmpty()) {
        RequireQName(prefix);
        if (prefix.contains(QLatin1Char(':')) || uri.isEmpty())
            throw XmlError(QStringLiteral("invalid namespace declaration for \"%1\"").arg(prefix));
    }
    RequireXmlText(uri);
}

}  // namespace Internal
