#include "XmlError.h"

XmlError::XmlError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
