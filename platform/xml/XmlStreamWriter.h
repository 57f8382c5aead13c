#pragma once

#include <QString>
#include <memory>

// Writes one XML document to a file as it goes, without building a tree: UTF-8 with the declaration
// version 1.0, encoding UTF-8, and no white space between elements. The document is written beside the
// target and renamed over it only by Commit; a writer destroyed before that leaves the previous file
// untouched. Text and names are checked as the document layer checks them: a name that is not a valid
// qualified name, a prefix bound nowhere on the open elements, or a character XML cannot carry throws
// XmlError at once. Markup characters in text and attribute values are escaped.
class XmlStreamWriter {
public:
    // Throws XmlError when the file cannot be created beside the target.
    explicit XmlStreamWriter(const QString& path);
    ~XmlStreamWriter();
    XmlStreamWriter(const XmlStreamWriter&) = delete;
    XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

    // Only before the root element. The target "xml" names the declaration, which is always written,
    // so it adds nothing.
    void AddProcessingInstruction(const QString& target, const QString& data);
    void StartElement(const QString& qualifiedName);
    // On the element just started, before its content. "xmlns" and "xmlns:prefix" declare a namespace;
    // attributes are written in the order given, and a prefix may be declared after its first use on
    // the same element.
    void WriteAttribute(const QString& qualifiedName, const QString& value);
    void WriteText(const QString& text);
    void EndElement();
    // Closes the document, flushes it to disk and renames it over the target. Throws XmlError when the
    // document is incomplete or the file could not be written or replaced.
    void Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};
