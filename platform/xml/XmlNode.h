#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <string_view>

#include "XmlNamespaces.h"

struct _xmlDoc;
struct _xmlNode;
class XmlDocument;
namespace Internal {
struct XmlAccess;
}

// A handle to one node of a document. It shares ownership of the document, so a node that outlives
// every XmlDocument handle keeps the whole tree alive. A default-constructed node is null.
class XmlNode {
public:
    XmlNode() = default;

    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return node_ != nullptr; }
    bool operator==(const XmlNode& other) const { return node_ == other.node_; }

    bool IsElement() const;
    // Local name without prefix, as libxml2 stores it.
    QString LocalName() const;
    // UTF-8 view of the local name, valid as long as the document lives.
    std::string_view LocalNameView() const;
    QString Prefix() const;
    QString QualifiedName() const;
    QString NamespaceUri() const;
    int Line() const;

    XmlDocument Document() const;
    XmlNode Parent() const;
    // Element children only: white-space text, comments and processing instructions are skipped.
    XmlNode FirstChildElement() const;
    XmlNode NextSiblingElement() const;
    QList<XmlNode> ChildElements() const;

    // Attribute by name; "prefix:name" selects a namespaced attribute, a plain name one without namespace.
    bool HasAttribute(const QString& name) const;
    QString Attribute(const QString& name) const;

    // The node's character data with leading and trailing XML white space removed. Entity references
    // are never expanded.
    QString Text() const;
    // The node's character data as it stands, nothing removed (the text of all its descendants in
    // document order). Entity references are never expanded.
    QString TextContent() const;

    // XPath 1.0 relative to this node. Throws XmlError for an invalid expression or a result that is
    // not a node set.
    XmlNode SelectFirst(const QString& xpath, const XmlNamespaces& namespaces = {}) const;
    QList<XmlNode> SelectAll(const QString& xpath, const XmlNamespaces& namespaces = {}) const;

    // Appends a child element. A prefixed name takes the namespace bound to its prefix here, or
    // declares namespaceUri for it on the new element; an unprefixed name with a URI uses it as the
    // default namespace.
    XmlNode AppendElement(const QString& qualifiedName, const QString& namespaceUri = QString());
    void SetAttribute(const QString& qualifiedName, const QString& value);
    // Declares prefix (empty: the default namespace) on this element; nothing when already declared here
    // with the same URI.
    void DeclareNamespace(const QString& prefix, const QString& uri);
    void AppendText(const QString& text);

    // Unlinks and frees the node with its subtree. Every other handle to a node of that subtree becomes
    // invalid; only an owner that holds the sole handles may call it.
    void Discard();

private:
    friend class XmlDocument;
    friend struct Internal::XmlAccess;
    XmlNode(std::shared_ptr<_xmlDoc> doc, _xmlNode* node) : doc_(std::move(doc)), node_(node) {}

    std::shared_ptr<_xmlDoc> doc_;
    _xmlNode* node_ = nullptr;
};
