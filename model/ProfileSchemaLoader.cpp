#include <QFileInfo>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileDocumentReader.h"
#include "ProfileSchemaPath.h"
#include "ProfileXmlReading.h"
#include "XmlError.h"
#include "XmlSchema.h"

namespace {

XmlSchema LoadSchema(const QString& schemaPathPattern, const QString& namespaceUri) {
    const QString schemaPath = BuildSchemaPath(schemaPathPattern, namespaceUri);
    if (schemaPath.isEmpty() || !QFileInfo(schemaPath).isFile())
        throw CPELFM_SchemaCheckException(QStringLiteral("schema file not found: \"%1\"").arg(schemaPath));
    try {
        return XmlSchema::LoadFile(schemaPath);
    } catch (const XmlError& e) {
        throw CPELFM_SchemaCheckException(e.Message());
    }
}

class IgnoreEvents : public XmlEventHandler {
public:
    void StartElement(const XmlStartTag&) override {}
    void EndElement() override {}
    void Characters(std::string_view) override {}
};

}  // namespace

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, const QString& schemaPathPattern,
                                       int deviceModelKind)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    QString namespaceUri;
    Internal::TranslateReadErrors([&] { namespaceUri = XmlEventReader::RootNamespaceUri(filePath); });
    XmlSchema schema;
    try {
        schema = LoadSchema(schemaPathPattern, namespaceUri);
    } catch (const CPELFM_SchemaCheckException&) {
        // A document that is not well-formed is refused as such, whatever its schema.
        IgnoreEvents ignore;
        Internal::TranslateReadErrors([&] { XmlEventReader::ReadFile(filePath, ignore); });
        throw;
    }
    // The document is read once: validated while its tree is built, which is kept only when it is valid.
    this->deviceModelKind = deviceModelKind;
    Internal::ProfileDocumentReader reader(*this);
    QString error;
    Internal::TranslateReadErrors(
        [&] { error = XmlEventReader::ReadFileValidated(filePath, schema, reader); });
    if (!error.isEmpty()) throw CPELFM_SchemaCheckException(error);
    reader.HandOver();
}

std::unique_ptr<CPELFM_ProfileInfo> CPELFM_ProfileInfo::LoadWithSchemaCheck(const QString& filePath,
                                                                            const QString& schemaPathPattern,
                                                                            int deviceModelKind) {
    return std::make_unique<CPELFM_ProfileInfo>(filePath, schemaPathPattern, deviceModelKind);
}
