#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <string_view>

class XmlSchema;
namespace Internal {
struct EventReadState;
}

// The start tag of an element, valid only while XmlEventHandler::StartElement runs.
class XmlStartTag {
public:
    std::string_view LocalName() const { return localName_; }
    // Empty for an unprefixed name.
    std::string_view Prefix() const { return prefix_; }
    // Empty for an element in no namespace.
    std::string_view NamespaceUri() const { return namespaceUri_; }
    // The UTF-8 value of the attribute in no namespace with that local name, as a document tree holds it;
    // false when the element has none.
    bool Attribute(std::string_view localName, std::string& value) const;

private:
    friend struct Internal::EventReadState;
    std::string_view localName_;
    std::string_view prefix_;
    std::string_view namespaceUri_;
    const unsigned char* const* attributes_ = nullptr;  // five pointers per attribute, as libxml2 passes them
    int attributeCount_ = 0;
};

// What a document holds, in document order. Only character data inside the document element is
// reported, and only what a document tree keeps: the blank runs that XmlDocument drops are left out.
class XmlEventHandler {
public:
    virtual ~XmlEventHandler() = default;
    virtual void StartElement(const XmlStartTag& tag) = 0;
    virtual void EndElement() = 0;
    // Text and CDATA in pieces, UTF-8; a node's text content is the concatenation of the pieces inside it.
    virtual void Characters(std::string_view text) = 0;
};

// Reads a document as events without building a tree, under XmlDocument's rules: nothing is fetched,
// entities are never expanded and a document with a DOCTYPE is refused. Unlike XmlDocument, texts,
// attribute values and names are not held to libxml2's 10 MB limits (what the writers write is read
// back whatever its length); elements nested deeper than kMaxDepth are refused instead, and so is a start
// tag of more than kMaxAttributes attributes, as soon as its bytes are read. The file is read in pieces,
// whatever its encoding; only a regular file is read. Exceptions thrown by the handler stop the reading
// and reach the caller.
namespace XmlEventReader {

// libxml2's own nesting limit, which its unlimited mode lifts.
constexpr int kMaxDepth = 256;
// No element of the formats read carries more than a handful. libxml2 checks a tag's attributes against
// each other at a cost that grows with the square of their number, without a chance to cancel meanwhile.
constexpr int kMaxAttributes = 1000;

// What a caller may do while a file is read, from the reading thread.
struct Control {
    // When set (from any thread), the read stops at the next piece of the file and throws XmlReadCancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Told how much of the file has gone to the parser, after each piece.
    std::function<void(qint64 read, qint64 size)> progress;
};

// Throws XmlError when the file cannot be read, is not a regular file or is not taken (an encoding the
// reader cannot follow, a start tag of more than kMaxAttributes: line 0), or is not well-formed (the
// first error's line).
void ReadFile(const QString& path, XmlEventHandler& handler, const Control& control = {});
void ReadBytes(const QByteArray& data, XmlEventHandler& handler, const QString& sourceName = QString());
// Validates against the schema while reading, as XmlSchema::Validate does on the tree: returns the first
// error's text and line, empty when the document is valid. A document that is not well-formed throws
// XmlError.
QString ReadFileValidated(const QString& path, const XmlSchema& schema, XmlEventHandler& handler,
                          int* line = nullptr, const Control& control = {});
// The namespace URI of the document element, reading no further than its start tag.
// Throws XmlError when the document is not well-formed up to there.
QString RootNamespaceUri(const QString& path);

}  // namespace XmlEventReader
