#pragma once
#include <QList>
#include <QString>

#include "XmlStreamWriter.h"

class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class CPELFM_ElemInfo;
class CPELFM_ItemInfo;
class IProfilePlugin;
class IStringSource;

// Ids of the editor's texts that spell the project document; looked up at each save.
enum EProjectXmlTextId {
    IDS_PROJECT_XML_PREFIX = 62005,          // element prefix, for example "p:"
    IDS_PROJECT_XML_ROOT = 62006,            // root element name
    IDS_PROJECT_XML_ROOT_ATTR_NAME = 62007,  // one further root attribute
    IDS_PROJECT_XML_ROOT_ATTR_VALUE = 62008,
    IDS_PROJECT_XML_SCHEMA_LOCATION = 62009,  // name of the schema-location attribute
    IDS_PROJECT_XML_NAMESPACE = 62013,        // name of the namespace declaration, for example "xmlns:p"
    IDS_PROJECT_XML_PI_TARGET = 62015,        // "xml" stands for the declaration every save writes
    IDS_PROJECT_XML_PI_DATA = 62016,
    IDS_PROJECT_XML_MEMBER_SUFFIX = 62019,  // "Member"
};

// Element names of one save, made once from the element prefix and the member-name suffix: prefix +
// each section, part and item tag, prefix + part tag + suffix, and the fixed children.
struct ProjectXmlNames {
    ProjectXmlNames(const QString& prefix, const QString& memberSuffix);

    QList<XmlStreamWriter::Name> sections, parts, members, items;
    XmlStreamWriter::Name item, enumRefItem, label2, comment, label;
};

// Writes the whole tree as a project file: sections FILE, DEVICE, COMM_IF, BLOCK in that order, parts,
// elements and items in the tree's order, nothing of type 0. The namespace and schema location come
// from the profile plug-in (none: both empty). Returns 0 when saved. Throws CPELFM_NULL_Exception
// without a root, CPELFM_InvalidDescException for an item without values, XmlError for text or names
// XML cannot carry and CPELFM_WriteFileException when the file could not be written; in every case
// the previous file is left as it was. The document is streamed to the file as the tree is walked.
// Saving trims section comments, part label2 texts and part comments in the model, loads every part,
// sets each element's row index and reclassifies every written item.
int SaveProfileDocument(CPELFM_ProfileInfo* root, IProfilePlugin* profilePlugin, const IStringSource& texts,
                        const QString& filePath);

// One level each, streamed into the open element of the writer.
void WriteSectionNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_SectionInfo& section);
void WritePartNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_PartInfo& part);
void WriteElemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, int partType, CPELFM_ElemInfo& elem);
void WriteItemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_ItemInfo& item);
