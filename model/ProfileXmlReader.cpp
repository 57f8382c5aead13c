#include <QFileInfo>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileDocumentReader.h"
#include "ProfileXmlReading.h"
#include "XmlError.h"

namespace Internal {

void TranslateReadErrors(const std::function<void()>& read) {
    try {
        read();
    } catch (const XmlError&) {
        throw CPELFM_CreateRootException();
    } catch (const std::bad_alloc&) {
        throw CPELFM_MemoryRequestException();
    }
}

}  // namespace Internal

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, int deviceModelKind) : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    this->deviceModelKind = deviceModelKind;
    Internal::ProfileDocumentReader reader(*this);
    Internal::TranslateReadErrors([&] { XmlEventReader::ReadFile(filePath, reader); });
    reader.HandOver();
}

void CPELFM_ProfileInfo::ParseDocument(const QByteArray& document) {
    Internal::ProfileDocumentReader reader(*this);
    Internal::TranslateReadErrors([&] { XmlEventReader::ReadBytes(document, reader); });
    reader.HandOver();
}
