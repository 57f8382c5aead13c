#pragma once

// Private to the XML layer.

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <QByteArray>
#include <QString>

#include "XmlDocument.h"
#include "XmlNode.h"
#include "XmlSchema.h"

namespace Internal {

struct XmlAccess {
    static xmlDocPtr Doc(const XmlDocument& d) { return d.doc_.get(); }
    static xmlDocPtr Doc(const XmlNode& n) { return n.doc_.get(); }
    static xmlNodePtr Node(const XmlNode& n) { return n.node_; }
    static XmlDocument Wrap(xmlDocPtr doc);
    static XmlNode Wrap(const XmlDocument& d, xmlNodePtr node) { return XmlNode(d.doc_, node); }
    static XmlNode Wrap(const XmlNode& n, xmlNodePtr node) { return XmlNode(n.doc_, node); }
    static _xmlSchema* Schema(const XmlSchema& s) { return s.schema_.get(); }
};

// No network, no DTD, no entity substitution; blank text between elements is dropped while parsing.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_COMPACT | XML_PARSE_BIG_LINES;

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
// The parse error of a document that declares a DTD.
QString DocTypeNotAllowed(int line);

// Throws XmlError when the text holds a character that XML 1.0 cannot carry.
void RequireXmlText(const QString& text);
// Throws XmlError unless the name is a valid qualified name.
void RequireQName(const QString& name);
// Throws XmlError unless the prefix (empty: the default namespace) may be bound to the URI.
void RequireNamespaceDeclaration(const QString& prefix, const QString& uri);

}  // namespace Internal
