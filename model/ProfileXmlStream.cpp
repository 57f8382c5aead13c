#include "ProfileXmlStream.h"

#include <new>

#include "PELFMExceptions.h"
#include "XmlError.h"
#include "XmlStreamWriter.h"

std::unique_ptr<XmlStreamWriter> OpenProfileXmlStream(const QString& path) {
    try {
        return std::make_unique<XmlStreamWriter>(path);
    } catch (const XmlError& e) {
        throw CPELFM_WriteFileException(e.Reason());
    } catch (const std::bad_alloc&) {
        throw CPELFM_InvalidXMLDocumentInstanceException();
    }
}

void CommitProfileXmlStream(XmlStreamWriter& out) {
    try {
        out.Commit();
    } catch (const XmlError& e) {
        throw CPELFM_WriteFileException(e.Reason());
    }
}
