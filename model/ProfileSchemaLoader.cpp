#include <QFileInfo>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileSchemaPath.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlSchema.h"

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, const QString& schemaPathPattern,
                                       int deviceModelKind)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    XmlDocument document;
    try {
        document = XmlDocument::LoadFile(filePath);
    } catch (const XmlError&) {
        throw CPELFM_CreateRootException();
    }
    const XmlNode root = document.DocumentElement();
    if (!root) throw CPELFM_CreateRootException();

    const QString schemaPath = BuildSchemaPath(schemaPathPattern, root.NamespaceUri());
    if (schemaPath.isEmpty() || !QFileInfo(schemaPath).isFile())
        throw CPELFM_SchemaCheckException(QStringLiteral("schema file not found: \"%1\"").arg(schemaPath));
    QString error;
    try {
        error = XmlSchema::LoadFile(schemaPath).Validate(document);
    } catch (const XmlError& e) {
        throw CPELFM_SchemaCheckException(e.Message());
    }
    if (!error.isEmpty()) throw CPELFM_SchemaCheckException(error);

    this->deviceModelKind = deviceModelKind;
    ParseDocument(std::move(document));
}

std::unique_ptr<CPELFM_ProfileInfo> CPELFM_ProfileInfo::LoadWithSchemaCheck(const QString& filePath,
                                                                            const QString& schemaPathPattern,
                                                                            int deviceModelKind) {
    return std::make_unique<CPELFM_ProfileInfo>(filePath, schemaPathPattern, deviceModelKind);
}
