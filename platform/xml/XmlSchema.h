#pragma once

#include <QString>
#include <memory>

#include "XmlDocument.h"

struct _xmlSchema;
namespace Internal {
struct XmlAccess;
}

// A compiled XSD. Validation reports the first error only, as "line N: message".
class XmlSchema {
public:
    XmlSchema() = default;

    // Throws XmlError when the file cannot be read or is not a valid schema. The schema file is parsed as
    // safely as any document.
    static XmlSchema LoadFile(const QString& path);

    bool IsNull() const { return schema_ == nullptr; }
    // Empty when the document is valid, else the first error's text; line (when given) receives the
    // document's line that error points at, 0 for none.
    QString Validate(const XmlDocument& document, int* line = nullptr) const;

private:
    friend struct Internal::XmlAccess;
    XmlDocument source_;
    std::shared_ptr<_xmlSchema> schema_;
};
