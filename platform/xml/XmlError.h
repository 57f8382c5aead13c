#pragma once

#include <QString>
#include <stdexcept>

// Raised by the XML layer for every failure it cannot express otherwise; carries libxml2's message.
class XmlError : public std::runtime_error {
public:
    explicit XmlError(const QString& message);

    QString Message() const { return message_; }

private:
    QString message_;
};
