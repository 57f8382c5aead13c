#pragma once

// Private to the XML layer.

#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <QByteArray>
#include <QString>

#include "XmlDocument.h"
#include "XmlNode.h"

namespace Internal {

struct XmlAccess {
    static xmlDocPtr Doc(const XmlDocument& d) { return d.doc_.get(); }
    static xmlDocPtr Doc(const XmlNode& n) { return n.doc_.get(); }
    static xmlNodePtr Node(const XmlNode& n) { return n.node_; }
    static XmlDocument Wrap(xmlDocPtr doc);
    static XmlNode Wrap(const XmlDocument& d, xmlNodePtr node) { return XmlNode(d.doc_, node); }
    static XmlNode Wrap(const XmlNode& n, xmlNodePtr node) { return XmlNode(n.doc_, node); }
};

inline const xmlChar* Xc(const QByteArray& b) {
    return reinterpret_cast<const xmlChar*>(b.constData());
}
inline QString FromXml(const xmlChar* s) {
    return s ? QString::fromUtf8(reinterpret_cast<const char*>(s)) : QString();
}

// Collects the first error that libxml2 reports through a structured handler.
struct FirstError {
    QString text;  // "line N: message" when the error has a line
    int line = 0;
    bool seen = false;
    static void Handler(void* self, xmlErrorPtr error);
};
QString FormatError(const xmlError* error);

// Throws XmlError when the text holds a character that XML 1.0 cannot carry.
void RequireXmlText(const QString& text);
// Throws XmlError unless the name is a valid qualified name.
void RequireQName(const QString& name);
// Throws XmlError unless the prefix (empty: the default namespace) may be bound to the URI.
void RequireNamespaceDeclaration(const QString& prefix, const QString& uri);

}  // namespace Internal
