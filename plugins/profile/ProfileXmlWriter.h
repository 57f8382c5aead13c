#pragma once
#include <QString>
#include <span>

class CProfilePlugin;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class CPELFM_ElemInfo;
class CPELFM_ItemInfo;
class XmlStreamWriter;

namespace PeloraPlugin::Internal {

// Writes the finished profile document of the plug-in's format: the "p:" prefix bound to the
// format's namespace, sections and parts in the fixed kind order, items in the part kind's order.
class ProfileXmlWriter {
public:
    // Streams the document into the file; the previous file stays intact when the save fails.
    // Trims section comments, part label2 texts and part comments in the model, as the saved document
    // holds them. Throws CPELFM_NULL_Exception for a null root, CPELFM_InvalidXMLDocumentInstanceException
    // when no writer can be made, CPELFM_InvalidDescException for an item without values, XmlError for
    // text XML cannot carry and CPELFM_WriteFileException when the file cannot be written.
    static int WriteProfileXml(CProfilePlugin& plugin, const QString& path, CPELFM_ProfileInfo* root);

private:
    // The element names of the plug-in's format, made once per document.
    struct Names;

    static void WriteSectionXml(const Names& names, XmlStreamWriter& out, CPELFM_SectionInfo& section);
    static void WritePartsXml(const Names& names, XmlStreamWriter& out, CPELFM_SectionInfo& section,
                              int partKind);
    static void WritePartXml(const Names& names, XmlStreamWriter& out, CPELFM_PartInfo& part);
    static void WriteElementsXml(const Names& names, XmlStreamWriter& out, CPELFM_PartInfo& part);
    static void WriteElementXml(const Names& names, XmlStreamWriter& out, int partKind, CPELFM_ElemInfo& elem,
                                std::span<const int> order);
    static void WriteItemXml(const Names& names, XmlStreamWriter& out, CPELFM_ItemInfo& item);
};

}  // namespace PeloraPlugin::Internal
