#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "XmlDocument.h"
#include "XmlError.h"

class IProfilePlugin;
class IDeviceModelPlugin;
class IStringSource;
struct _ST_CT_ELEM_INFO;

// What the application service object lends to the creation of a new profile file.
struct NewProfileSources {
    IProfilePlugin* profilePlugin = nullptr;        // the first loaded profile plug-in
    QList<IDeviceModelPlugin*> deviceModelPlugins;  // every loaded one, in table order
    const IStringSource* texts = nullptr;           // the editor's string table (62003-62018)
    QString programFolder;                          // the executable's folder
};

// The eleven strings of the new-profile dialog.
enum ENewProfileRecord {
    NEW_FILE_SECTION_LABEL = 0,
    NEW_FILE_SECTION_COMMENT = 1,
    NEW_FILE_INFO_LABEL = 2,
    NEW_FILE_INFO_COMMENT = 3,
    NEW_DEVICE_SECTION_LABEL = 4,
    NEW_DEVICE_SECTION_COMMENT = 5,
    NEW_DEVICE_INFO_LABEL = 6,
    NEW_DEVICE_INFO_COMMENT = 7,
    NEW_FILE_INFO_LABEL2 = 8,
    NEW_DEVICE_INFO_LABEL2 = 10,
    NEW_PROFILE_RECORD_SIZE = 11,
};

// Neither the program folder's Temp folder nor the system's temporary folder can take the file.
class NewProfileFolderError : public XmlError {
public:
    NewProfileFolderError(const QString& programTemp, const QString& systemTemp)
        : XmlError(QStringLiteral("neither %1 nor %2 can be written").arg(programTemp, systemTemp)),
          programTemp(programTemp),
          systemTemp(systemTemp) {}
    QString programTemp;
    QString systemTemp;
};

// Writes the temporary project file of a new profile: a FILE section with one FILE_INFO part and a
// DEVICE section with one DEVICE_INFO part, whose members are the plug-ins' templates. Returns 1
// when no document could be made, else 0 with the file written; *writtenPath receives its path,
// which is the program folder's Temp file unless that folder cannot be written (then a private
// temporary folder holds it), and also when that file could not be saved, so a failure can name it.
// Throws InvalidArgumentError without a profile plug-in, NewProfileFolderError when no folder can be
// written and XmlError when the document cannot be built or saved.
int CreateNewProfileFile(const NewProfileSources& sources, const QStringList& record, QString* writtenPath);

// The two sections under the root element.
void FillNewProfileDocument(const QStringList& record, const NewProfileSources& sources, XmlDocument& doc,
                            XmlNode& root);

// One member element with its five items.
void WriteTemplateMember(const NewProfileSources& sources, XmlDocument& doc, XmlNode& partElem,
                         const QString& memberName, const _ST_CT_ELEM_INFO& member);

// One item element holding one value per text.
void WriteTemplateItem(const NewProfileSources& sources, XmlDocument& doc, XmlNode& memberElem,
                       const QString& itemName, const QStringList& texts);
