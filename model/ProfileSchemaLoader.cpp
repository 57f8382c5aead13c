#include <QFileInfo>
#include <algorithm>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileSchemaPath.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlSchema.h"

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, const QString& schemaPathPattern,
                                       int deviceModelKind, const LoadObserver& observer)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    if (observer) observer(LOAD_READING);
    XmlDocument document;
    try {
        document = XmlDocument::LoadFile(filePath);
    } catch (const XmlError& e) {
        throw CPELFM_CreateRootException(e.Reason(), e.Line());
    }
    const XmlNode root = document.DocumentElement();
    if (!root) throw CPELFM_CreateRootException();

    if (observer) observer(LOAD_SCHEMA_CHECK);
    const QString schemaPath = BuildSchemaPath(schemaPathPattern, root.NamespaceUri());
    if (schemaPath.isEmpty() || !QFileInfo(schemaPath).isFile())
        throw CPELFM_SchemaCheckException(QStringLiteral("schema file not found: \"%1\"").arg(schemaPath));
    QString error;
    int line = 0;
    try {
        error = XmlSchema::LoadFile(schemaPath).Validate(document, &line);
    } catch (const XmlError& e) {
        throw CPELFM_SchemaCheckException(e.Message());
    }
    // An invalid document has a place where it went wrong; a schema that cannot be used has none.
    if (!error.isEmpty()) throw CPELFM_SchemaCheckException(error, std::max(1, line));

    this->deviceModelKind = deviceModelKind;
    if (observer) observer(LOAD_BUILDING);
    ParseDocument(std::move(document));
}

std::unique_ptr<CPELFM_ProfileInfo> CPELFM_ProfileInfo::LoadWithSchemaCheck(const QString& filePath,
                                                                            const QString& schemaPathPattern,
                                                                            int deviceModelKind,
                                                                            const LoadObserver& observer) {
    return std::make_unique<CPELFM_ProfileInfo>(filePath, schemaPathPattern, deviceModelKind, observer);
}
