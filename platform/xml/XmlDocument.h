#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "XmlNode.h"

struct _xmlDoc;

enum class XmlFormat { Compact, Indented };

// An XML document with shared ownership: copies are handles to the same tree.
// Parsing never touches the network, never loads a DTD and never expands entities; a document
// that declares a DTD is refused.
class XmlDocument {
public:
    XmlDocument() = default;

    // libxml2's global set-up; call once on the main thread before any other thread uses the layer.
    // Loading and creation call it too, so it is safe to forget on a single thread.
    static void InitializeParser();

    static XmlDocument Create();
    // Throws XmlError with the parser's first error (line and message).
    static XmlDocument LoadFile(const QString& path);
    static XmlDocument LoadBytes(const QByteArray& data, const QString& sourceName = QString());

    bool IsNull() const { return doc_ == nullptr; }
    XmlNode DocumentElement() const;
    // Creates and sets the root element; a namespace URI is declared for the name's prefix on it.
    XmlNode CreateDocumentElement(const QString& qualifiedName, const QString& namespaceUri = QString());
    // Inserts a processing instruction before the root element. The target "xml" names the declaration,
    // which every save writes by itself, so it adds nothing.
    void AddProcessingInstruction(const QString& target, const QString& data);

    // UTF-8 with the declaration version 1.0, encoding UTF-8.
    QByteArray ToBytes(XmlFormat format = XmlFormat::Indented) const;
    // Writes beside the target and renames over it only when complete: on failure (XmlError) the
    // previous file is untouched. A read-only target is replaced as well.
    void SaveFile(const QString& path, XmlFormat format = XmlFormat::Indented) const;

private:
    friend class XmlNode;
    friend struct Internal::XmlAccess;
    explicit XmlDocument(std::shared_ptr<_xmlDoc> doc) : doc_(std::move(doc)) {}

    std::shared_ptr<_xmlDoc> doc_;
};
