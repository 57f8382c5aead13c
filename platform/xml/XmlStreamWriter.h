#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Writes one XML document to a file as it goes, without building a tree: UTF-8 with the declaration
// version 1.0, encoding UTF-8, and no white space between elements. The document is written beside the
// target and renamed over it only by Commit; a writer destroyed before that leaves the previous file
// untouched. Text and names are checked as the document layer checks them: a name that is not a valid
// qualified name, a prefix bound nowhere on the open elements, or a character XML cannot carry throws
// XmlError at once. Markup characters in text and attribute values are escaped; line breaks and tabs
// in attribute values and carriage returns everywhere are written as character references, so they
// read back as written.
class XmlStreamWriter {
public:
    // A qualified name checked once and kept in UTF-8, for names written many times. An invalid name
    // is refused where it is used, as a text name would be.
    class Name {
    public:
        Name() = default;
        explicit Name(const QString& qualifiedName);

    private:
        friend class XmlStreamWriter;
        QString text_;
        QByteArray utf8_;
        qsizetype prefixLength_ = -1;  // -1: no prefix
        bool valid_ = false;
    };

    // Throws XmlError when the file cannot be created beside the target.
    explicit XmlStreamWriter(const QString& path);
    ~XmlStreamWriter();
    XmlStreamWriter(const XmlStreamWriter&) = delete;
    XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

    // Only before the root element. The target "xml" names the declaration, which is always written,
    // so it adds nothing.
    void AddProcessingInstruction(const QString& target, const QString& data);
    void StartElement(const QString& qualifiedName);
    void StartElement(const Name& name);
    // On the element just started, before its content. "xmlns" and "xmlns:prefix" declare a namespace;
    // attributes are written in the order given, and a prefix may be declared after its first use on
    // the same element.
    void WriteAttribute(const QString& qualifiedName, const QString& value);
    void WriteAttribute(const Name& name, const QString& value);
    void WriteText(const QString& text);
    void EndElement();
    // An element holding only the text: start, text and end in one call.
    void WriteTextElement(const Name& name, const QString& text);
    // Closes the document, flushes it to disk and renames it over the target. Throws XmlError when the
    // document is incomplete or the file could not be written or replaced.
    void Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};
