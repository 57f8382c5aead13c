#include <QFileInfo>

#include "CPELFM_ProfileInfo.h"
#include "PELFMExceptions.h"
#include "ProfileDocumentReader.h"
#include "ProfileXmlReading.h"
#include "XmlError.h"

namespace Internal {

XmlEventReader::Control ReadControl(const CPELFM_ProfileInfo::LoadControl& control) {
    return {control.cancel, control.bytesRead};
}

void TranslateReadErrors(const std::function<void()>& read) {
    try {
        read();
    } catch (const XmlError& e) {
        throw CPELFM_CreateRootException(e.Reason(), e.Line());
    } catch (const std::bad_alloc&) {
        throw CPELFM_MemoryRequestException();
    }
}

}  // namespace Internal

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, int deviceModelKind,
                                       const LoadControl& control)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    if (control.stage) control.stage(LOAD_READING);
    this->deviceModelKind = deviceModelKind;
    // The tree is built while the file is read; it is the root's once the whole file was read.
    Internal::ProfileDocumentReader reader(*this);
    Internal::TranslateReadErrors(
        [&] { XmlEventReader::ReadFile(filePath, reader, Internal::ReadControl(control)); });
    if (control.stage) control.stage(LOAD_BUILDING);
    reader.HandOver();
}

void CPELFM_ProfileInfo::ParseDocument(const QByteArray& document) {
    Internal::ProfileDocumentReader reader(*this);
    Internal::TranslateReadErrors([&] { XmlEventReader::ReadBytes(document, reader); });
    reader.HandOver();
}
