#include "XmlSchema.h"

#include <libxml/xmlschemas.h>

#include "XmlError.h"
#include "XmlInternal.h"

using namespace Internal;

XmlSchema XmlSchema::LoadFile(const QString& path) {
    // Parsed by the layer's own safe parser; the compiled schema refers to this tree, so it is kept.
    const XmlDocument source = XmlDocument::LoadFile(path);
    xmlSchemaParserCtxtPtr pctxt = xmlSchemaNewDocParserCtxt(XmlAccess::Doc(source));
    if (!pctxt) throw XmlError(QStringLiteral("%1: not a schema").arg(path));
    FirstError error;
    xmlSchemaSetParserStructuredErrors(pctxt, FirstError::Handler, &error);
    xmlSchemaPtr schema = xmlSchemaParse(pctxt);
    xmlSchemaFreeParserCtxt(pctxt);
    if (!schema)
        throw XmlError(
            QStringLiteral("%1: %2").arg(path, error.seen ? error.text : QStringLiteral("not a schema")));
    XmlSchema result;
    result.source_ = source;
    result.schema_ = std::shared_ptr<_xmlSchema>(schema, xmlSchemaFree);
    return result;
}

QString XmlSchema::Validate(const XmlDocument& document, int* line) const {
    if (line) *line = 0;
    if (!schema_) throw XmlError(QStringLiteral("no schema"));
    xmlDocPtr doc = XmlAccess::Doc(document);
    if (!doc) throw XmlError(QStringLiteral("no document"));
    std::unique_ptr<xmlSchemaValidCtxt, void (*)(xmlSchemaValidCtxtPtr)> vctxt(
        xmlSchemaNewValidCtxt(schema_.get()), xmlSchemaFreeValidCtxt);
    if (!vctxt) throw XmlError(QStringLiteral("out of memory"));
    FirstError error;
    xmlSchemaSetValidStructuredErrors(vctxt.get(), FirstError::Handler, &error);
    const int rc = xmlSchemaValidateDoc(vctxt.get(), doc);
    if (rc == 0) return {};
    if (line) *line = error.line;
    if (error.seen && !error.text.isEmpty()) return error.text;
    return rc > 0 ? QStringLiteral("the document does not match the schema")
                  : QStringLiteral("the document could not be validated");
}
