#include <QFileInfo>
#include <algorithm>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileDocumentReader.h"
#include "ProfileSchemaPath.h"
#include "ProfileXmlReading.h"
#include "XmlError.h"
#include "XmlSchema.h"

namespace {

// A schema that cannot be used throws with line 0: it points at no place of the document.
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
                                       int deviceModelKind, const LoadControl& control)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    if (control.stage) control.stage(LOAD_READING);
    QString namespaceUri;
    Internal::TranslateReadErrors([&] { namespaceUri = XmlEventReader::RootNamespaceUri(filePath); });
    if (control.stage) control.stage(LOAD_SCHEMA_CHECK);
    XmlSchema schema;
    try {
        schema = LoadSchema(schemaPathPattern, namespaceUri);
    } catch (const CPELFM_SchemaCheckException&) {
        // A document that is not well-formed is refused as such, whatever its schema.
        IgnoreEvents ignore;
        Internal::TranslateReadErrors(
            [&] { XmlEventReader::ReadFile(filePath, ignore, Internal::ReadControl(control)); });
        throw;
    }
    // The document is read once: validated while its tree is built, which is kept only when it is valid.
    this->deviceModelKind = deviceModelKind;
    Internal::ProfileDocumentReader reader(*this);
    QString error;
    int line = 0;
    Internal::TranslateReadErrors([&] {
        error = XmlEventReader::ReadFileValidated(filePath, schema, reader, &line,
                                                  Internal::ReadControl(control));
    });
    // An invalid document has a place where it went wrong; a schema that cannot be used has none.
    if (!error.isEmpty()) throw CPELFM_SchemaCheckException(error, std::max(1, line));
    if (control.stage) control.stage(LOAD_BUILDING);
    reader.HandOver();
}

std::unique_ptr<CPELFM_ProfileInfo> CPELFM_ProfileInfo::LoadWithSchemaCheck(const QString& filePath,
                                                                            const QString& schemaPathPattern,
                                                                            int deviceModelKind,
                                                                            const LoadControl& control) {
    return std::make_unique<CPELFM_ProfileInfo>(filePath, schemaPathPattern, deviceModelKind, control);
}
