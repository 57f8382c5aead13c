#pragma once
// What the project writer's tests share: the editor's texts of the project document and the part
// kinds of every section kind.

#include <QList>

#include "MapStringSource.h"
#include "ProfileInnerConst.h"
#include "ProjectXmlWriter.h"

namespace TestData {

// The editor's texts as its resource library spells them.
inline const MapStringSource& ProjectTexts() {
    static const MapStringSource texts{
        {IDS_PROJECT_XML_PREFIX, "p:"},
        {IDS_PROJECT_XML_ROOT, "p:profile"},
        {IDS_PROJECT_XML_ROOT_ATTR_NAME, "xmlns:xsi"},
        {IDS_PROJECT_XML_ROOT_ATTR_VALUE, "http://www.w3.org/2001/XMLSchema-instance"},
        {IDS_PROJECT_XML_SCHEMA_LOCATION, "xsi:schemaLocation"},
        {IDS_PROJECT_XML_NAMESPACE, "xmlns:p"},
        {IDS_PROJECT_XML_PI_TARGET, "xml"},
        {IDS_PROJECT_XML_PI_DATA, "version='1.0' encoding='utf-8'"},
        {IDS_PROJECT_XML_MEMBER_SUFFIX, "Member"},
    };
    return texts;
}

struct SectionLayout {
    int section;
    QList<int> parts;
};

// Every section kind with every part kind an export writes in it.
inline const QList<SectionLayout>& EveryPartKind() {
    static const QList<SectionLayout> layout{
        {SECTION_FILE, {PART_FILE_INFO}},
        {SECTION_DEVICE, {PART_DEVICE_INFO, PART_DEVICE_IF}},
        {SECTION_COMM_IF, {PART_COMM_IF_INFO, PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION, PART_ENUM}},
        {SECTION_BLOCK, {PART_BLOCK_INFO, PART_BLOCK_MEMORY, PART_BLOCK_PARAM, PART_ENUM}},
    };
    return layout;
}

}  // namespace TestData
