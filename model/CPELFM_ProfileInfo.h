#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "CPELFM_NodeBase.h"

// What the caller of a file's load may follow and stop, from the loading thread.
struct ProfileLoadControl {
    std::function<void(int stage)> stage;  // each CPELFM_ProfileInfo::LoadStage as it begins
    // How much of the file has been read: the pass that builds the tree moves from 0 to size.
    std::function<void(qint64 read, qint64 size)> bytesRead;
    // Setting it (from another thread) stops the reading, which then throws XmlReadCancelled.
    const std::atomic<bool>* cancel = nullptr;
};

// The root of a profile tree: header values, the file path and the sections.
class CPELFM_ProfileInfo : public CPELFM_NodeBase {
public:
    static constexpr int Kind = NODE_ROOT;

    // The stages of loading a file.
    enum LoadStage { LOAD_READING = 0, LOAD_SCHEMA_CHECK = 1, LOAD_BUILDING = 2 };
    using LoadControl = ProfileLoadControl;

    // An empty root, for profiles built in memory.
    CPELFM_ProfileInfo();
    // Loads a profile or project file without validation. Throws CPELFM_FileNotFoundException when
    // the file is missing and CPELFM_CreateRootException when it cannot be read (the system's text,
    // line 0; so is anything but a regular file) or parsed (the parser's first error and its line).
    CPELFM_ProfileInfo(const QString& filePath, int deviceModelKind, const LoadControl& control = {});
    // Loads a profile file only after it validated against the schema that the pattern names; a "%s"
    // in the pattern stands for the format version taken from the root element's namespace.
    // A missing or unusable schema (line 0) or an invalid document (the first error and its line)
    // throws CPELFM_SchemaCheckException.
    CPELFM_ProfileInfo(const QString& filePath, const QString& schemaPathPattern, int deviceModelKind,
                       const LoadControl& control = {});
    static std::unique_ptr<CPELFM_ProfileInfo> LoadWithSchemaCheck(const QString& filePath,
                                                                   const QString& schemaPathPattern,
                                                                   int deviceModelKind,
                                                                   const LoadControl& control = {});
    ~CPELFM_ProfileInfo();
    CPELFM_ProfileInfo(const CPELFM_ProfileInfo&) = delete;
    CPELFM_ProfileInfo& operator=(const CPELFM_ProfileInfo&) = delete;

    void GetSections(QList<CPELFM_SectionInfo*>& out) const;
    void GetSectionsByType(QList<CPELFM_SectionInfo*>& out, int sectionType) const;
    CPELFM_SectionInfo* FindSectionByName(const QString& name) const;
    // Takes out the first section of that name without deleting it; the caller owns it.
    void RemoveSectionByName(const QString& name);
    // The index of the LAST section of the type, -1 when none.
    int FindLastSectionIndexByType(int sectionType) const;

    // Reads the header values, sections and parts of a document held in memory, appending the sections.
    // Each part keeps its elements' records until it is first used. Throws CPELFM_CreateRootException
    // when the document is not well-formed.
    void ParseDocument(const QByteArray& document);

    QString deviceModel;
    QString version;
    QString profileSpecVersion;
    QString fileVersion;
    QString language;
    // The root element's prefix and namespace as the file declared them; the format version is read
    // from them without parsing the file again.
    QString rootPrefix;
    QString rootNamespaceUri;
    QString filePath;
    int deviceModelKind = 0;
    // Root item and the FILE, DEVICE, COMM_IF, BLOCK group items of the tree pane.
    int expanded[5] = {1, 1, 1, 1, 1};
    QList<CPELFM_SectionInfo*> sections;  // owned

    const QStringList* sectionTagNames = nullptr;
    const QStringList* partTagNames = nullptr;
    const QStringList* itemTagNames = nullptr;
    const QStringList* dataTagNames = nullptr;
};
