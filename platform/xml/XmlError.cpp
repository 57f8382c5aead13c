#include "XmlError.h"

XmlError::XmlError(const QString& message) : XmlError(message, message, 0) {}

XmlError::XmlError(const QString& message, const QString& reason, int line)
    : std::runtime_error(message.toStdString()), message_(message), reason_(reason), line_(line) {}

const char* XmlReadCancelled::what() const noexcept {
    return "the read was cancelled";
}
