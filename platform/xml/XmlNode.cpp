#include "XmlNode.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <QHash>

#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlInternal.h"

using namespace Internal;

namespace {

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

QString TrimmedUtf8(const char* s, qsizetype n) {
    qsizetype b = 0, e = n;
    while (b < e && IsXmlSpace(s[b])) ++b;
    while (e > b && IsXmlSpace(s[e - 1])) --e;
    return QString::fromUtf8(s + b, e - b);
}

void AppendCharacterData(xmlNodePtr node, QByteArray& out) {
    for (xmlNodePtr c = node->children; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            if (c->content) out.append(reinterpret_cast<const char*>(c->content));
        } else if (c->type == XML_ELEMENT_NODE) {
            AppendCharacterData(c, out);
        }
    }
}

// Compiled expressions are reused: readers evaluate the same few paths for every part.
xmlXPathCompExprPtr CompiledXPath(const QString& xpath, FirstError& error) {
    struct Cache {
        QHash<QString, xmlXPathCompExprPtr> map;
        ~Cache() {
            for (auto* c : std::as_const(map)) xmlXPathFreeCompExpr(c);
        }
    };
    thread_local Cache cache;
    if (auto it = cache.map.constFind(xpath); it != cache.map.cend()) return *it;
    const QByteArray utf8 = xpath.toUtf8();
    xmlXPathContextPtr ctx = xmlXPathNewContext(nullptr);
    if (!ctx) throw XmlError(QStringLiteral("out of memory"));
    ctx->error = FirstError::Handler;
    ctx->userData = &error;
    xmlXPathCompExprPtr comp = xmlXPathCtxtCompile(ctx, Xc(utf8));
    xmlXPathFreeContext(ctx);
    if (!comp) return nullptr;
    if (cache.map.size() >= 256) {
        for (auto* c : std::as_const(cache.map)) xmlXPathFreeCompExpr(c);
        cache.map.clear();
    }
    cache.map.insert(xpath, comp);
    return comp;
}

using XPathResult = std::unique_ptr<xmlXPathObject, void (*)(xmlXPathObjectPtr)>;

XPathResult Evaluate(xmlDocPtr doc, xmlNodePtr node, const QString& xpath, const XmlNamespaces& namespaces) {
    if (!node) throw XmlError(QStringLiteral("XPath on a null node"));
    FirstError error;
    xmlXPathCompExprPtr comp = CompiledXPath(xpath, error);
    if (!comp) throw XmlError(QStringLiteral("invalid XPath \"%1\": %2").arg(xpath, error.text));
    std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContextPtr)> ctx(xmlXPathNewContext(doc),
                                                                       xmlXPathFreeContext);
    if (!ctx) throw XmlError(QStringLiteral("out of memory"));
    ctx->error = FirstError::Handler;
    ctx->userData = &error;
    ctx->node = node;
    for (const auto& [prefix, uri] : namespaces) {
        const QByteArray p = prefix.toUtf8(), u = uri.toUtf8();
        if (xmlXPathRegisterNs(ctx.get(), Xc(p), Xc(u)) != 0)
            throw XmlError(QStringLiteral("cannot bind the XPath prefix \"%1\"").arg(prefix));
    }
    XPathResult result(xmlXPathCompiledEval(comp, ctx.get()), xmlXPathFreeObject);
    if (!result) throw XmlError(QStringLiteral("XPath \"%1\" failed: %2").arg(xpath, error.text));
    if (result->type != XPATH_NODESET)
        throw XmlError(QStringLiteral("XPath \"%1\" does not select nodes").arg(xpath));
    return result;
}

}  // namespace

bool XmlNode::IsElement() const {
    return node_ && node_->type == XML_ELEMENT_NODE;
}

QString XmlNode::LocalName() const {
    return node_ ? FromXml(node_->name) : QString();
}

std::string_view XmlNode::LocalNameView() const {
    return node_ && node_->name ? std::string_view(reinterpret_cast<const char*>(node_->name))
                                : std::string_view();
}

QString XmlNode::Prefix() const {
    if (!node_ || (node_->type != XML_ELEMENT_NODE && node_->type != XML_ATTRIBUTE_NODE) || !node_->ns)
        return {};
    return FromXml(node_->ns->prefix);
}

QString XmlNode::QualifiedName() const {
    const QString prefix = Prefix();
    return prefix.isEmpty() ? LocalName() : prefix + QLatin1Char(':') + LocalName();
}

QString XmlNode::NamespaceUri() const {
    if (!node_ || (node_->type != XML_ELEMENT_NODE && node_->type != XML_ATTRIBUTE_NODE) || !node_->ns)
        return {};
    return FromXml(node_->ns->href);
}

int XmlNode::Line() const {
    return node_ ? int(xmlGetLineNo(node_)) : 0;
}

XmlDocument XmlNode::Document() const {
    return XmlDocument(doc_);
}

XmlNode XmlNode::Parent() const {
    if (!node_ || !node_->parent || node_->parent->type == XML_DOCUMENT_NODE) return {};
    return XmlNode(doc_, node_->parent);
}

XmlNode XmlNode::FirstChildElement() const {
    if (!node_ || node_->type != XML_ELEMENT_NODE) return {};
    for (xmlNodePtr c = node_->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE) return XmlNode(doc_, c);
    return {};
}

XmlNode XmlNode::NextSiblingElement() const {
    if (!node_) return {};
    for (xmlNodePtr c = node_->next; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE) return XmlNode(doc_, c);
    return {};
}

QList<XmlNode> XmlNode::ChildElements() const {
    QList<XmlNode> out;
    for (XmlNode c = FirstChildElement(); c; c = c.NextSiblingElement()) out.append(c);
    return out;
}

namespace {

xmlAttrPtr FindAttribute(xmlDocPtr doc, xmlNodePtr node, const QString& name) {
    if (!node || node->type != XML_ELEMENT_NODE) return nullptr;
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        const QByteArray n = name.toUtf8();
        return xmlHasNsProp(node, Xc(n), nullptr);
    }
    const QByteArray prefix = name.left(colon).toUtf8(), local = name.mid(colon + 1).toUtf8();
    xmlNsPtr ns = xmlSearchNs(doc, node, Xc(prefix));
    return ns ? xmlHasNsProp(node, Xc(local), ns->href) : nullptr;
}

}  // namespace

bool XmlNode::HasAttribute(const QString& name) const {
    return FindAttribute(doc_.get(), node_, name) != nullptr;
}

QString XmlNode::Attribute(const QString& name) const {
    xmlAttrPtr attr = FindAttribute(doc_.get(), node_, name);
    if (!attr || attr->type != XML_ATTRIBUTE_NODE) return {};
    QByteArray value;
    AppendCharacterData(reinterpret_cast<xmlNodePtr>(attr), value);
    return QString::fromUtf8(value);
}

namespace {

QString Utf8Text(const char* s, qsizetype n, bool trim) {
    return trim ? TrimmedUtf8(s, n) : QString::fromUtf8(s, n);
}

QString CharacterData(xmlNodePtr node, bool trim) {
    if (!node) return {};
    if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
        const char* s = reinterpret_cast<const char*>(node->content);
        return s ? Utf8Text(s, qsizetype(strlen(s)), trim) : QString();
    }
    if (node->type != XML_ELEMENT_NODE && node->type != XML_ATTRIBUTE_NODE) return {};
    // A value element holds one text node: read it in place.
    xmlNodePtr only = node->children;
    if (!only) return {};
    if (!only->next && (only->type == XML_TEXT_NODE || only->type == XML_CDATA_SECTION_NODE)) {
        const char* s = reinterpret_cast<const char*>(only->content);
        return s ? Utf8Text(s, qsizetype(strlen(s)), trim) : QString();
    }
    QByteArray all;
    AppendCharacterData(node, all);
    return Utf8Text(all.constData(), all.size(), trim);
}

}  // namespace

QString XmlNode::Text() const {
    return CharacterData(node_, true);
}

QString XmlNode::TextContent() const {
    return CharacterData(node_, false);
}

XmlNode XmlNode::SelectFirst(const QString& xpath, const XmlNamespaces& namespaces) const {
    XPathResult r = Evaluate(doc_.get(), node_, xpath, namespaces);
    if (!r->nodesetval || r->nodesetval->nodeNr == 0) return {};
    return XmlNode(doc_, r->nodesetval->nodeTab[0]);
}

QList<XmlNode> XmlNode::SelectAll(const QString& xpath, const XmlNamespaces& namespaces) const {
    XPathResult r = Evaluate(doc_.get(), node_, xpath, namespaces);
    QList<XmlNode> out;
    if (r->nodesetval) {
        out.reserve(r->nodesetval->nodeNr);
        for (int i = 0; i < r->nodesetval->nodeNr; ++i) {
            xmlNodePtr n = r->nodesetval->nodeTab[i];
            // Namespace nodes in a result are copies owned by the result: not handed out.
            if (n->type != XML_NAMESPACE_DECL) out.append(XmlNode(doc_, n));
        }
    }
    return out;
}

XmlNode XmlNode::AppendElement(const QString& qualifiedName, const QString& namespaceUri) {
    if (!IsElement()) throw XmlError(QStringLiteral("elements can only be appended to an element"));
    RequireQName(qualifiedName);
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    const QByteArray prefix = colon < 0 ? QByteArray() : qualifiedName.left(colon).toUtf8();
    const QByteArray local = qualifiedName.mid(colon + 1).toUtf8();
    const xmlChar* p = prefix.isEmpty() ? nullptr : Xc(prefix);
    const QByteArray uri = namespaceUri.toUtf8();
    xmlNsPtr ns = xmlSearchNs(doc_.get(), node_, p);
    bool declare = false;
    if (!namespaceUri.isEmpty()) {
        RequireXmlText(namespaceUri);
        if (!ns || !xmlStrEqual(ns->href, Xc(uri))) declare = true;
    } else if (p && !ns) {
        throw XmlError(QStringLiteral("the prefix of \"%1\" is not bound to a namespace").arg(qualifiedName));
    }
    xmlNodePtr child = xmlNewDocNode(doc_.get(), declare ? nullptr : ns, Xc(local), nullptr);
    if (!child) throw XmlError(QStringLiteral("out of memory"));
    if (declare) xmlSetNs(child, xmlNewNs(child, Xc(uri), p));
    xmlAddChild(node_, child);
    return XmlNode(doc_, child);
}

void XmlNode::SetAttribute(const QString& qualifiedName, const QString& value) {
    if (!IsElement()) throw XmlError(QStringLiteral("attributes can only be set on an element"));
    if (qualifiedName == QLatin1String("xmlns")) return DeclareNamespace(QString(), value);
    if (qualifiedName.startsWith(QLatin1String("xmlns:")))
        return DeclareNamespace(qualifiedName.mid(6), value);
    RequireQName(qualifiedName);
    RequireXmlText(value);
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    const QByteArray v = value.toUtf8();
    if (colon < 0) {
        const QByteArray n = qualifiedName.toUtf8();
        xmlSetNsProp(node_, nullptr, Xc(n), Xc(v));
        return;
    }
    const QByteArray prefix = qualifiedName.left(colon).toUtf8(),
                     local = qualifiedName.mid(colon + 1).toUtf8();
    xmlNsPtr ns = xmlSearchNs(doc_.get(), node_, Xc(prefix));
    if (!ns)
        throw XmlError(QStringLiteral("the prefix of \"%1\" is not bound to a namespace").arg(qualifiedName));
    xmlSetNsProp(node_, ns, Xc(local), Xc(v));
}

void XmlNode::DeclareNamespace(const QString& prefix, const QString& uri) {
    if (!IsElement()) throw XmlError(QStringLiteral("namespaces can only be declared on an element"));
    RequireNamespaceDeclaration(prefix, uri);
    const QByteArray p = prefix.toUtf8(), u = uri.toUtf8();
    for (xmlNsPtr ns = node_->nsDef; ns; ns = ns->next) {
        if (xmlStrEqual(ns->prefix, prefix.isEmpty() ? nullptr : Xc(p))) {
            if (xmlStrEqual(ns->href, Xc(u))) return;
            throw XmlError(QStringLiteral("the prefix \"%1\" is already bound here").arg(prefix));
        }
    }
    if (!xmlNewNs(node_, Xc(u), prefix.isEmpty() ? nullptr : Xc(p)))
        throw XmlError(QStringLiteral("out of memory"));
}

void XmlNode::AppendText(const QString& text) {
    if (!IsElement()) throw XmlError(QStringLiteral("text can only be appended to an element"));
    RequireXmlText(text);
    const QByteArray t = text.toUtf8();
    xmlNodePtr node = xmlNewDocTextLen(doc_.get(), Xc(t), int(t.size()));
    if (!node) throw XmlError(QStringLiteral("out of memory"));
    xmlAddChild(node_, node);
}

void XmlNode::Discard() {
    if (!node_) return;
    xmlUnlinkNode(node_);
    xmlFreeNode(node_);
    node_ = nullptr;
    doc_.reset();
}
