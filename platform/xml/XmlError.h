#pragma once

#include <QString>
#include <stdexcept>

// Raised by the XML layer for every failure it cannot express otherwise; carries libxml2's message.
class XmlError : public std::runtime_error {
public:
    explicit XmlError(const QString& message);
    // A failure of one source: the reason without the source's name (the system's text, or the first
    // error with its line), and the line of the source it points at, 0 when it points at none (the
    // source could not be read or written at all) or when the source was read but is not one the reader
    // takes (an encoding or a start tag it does not follow: the reason names the line).
    XmlError(const QString& message, const QString& reason, int line);

    QString Message() const { return message_; }
    QString Reason() const { return reason_; }
    int Line() const { return line_; }

private:
    QString message_;
    QString reason_;
    int line_ = 0;
};

// Thrown by a read that was asked to stop through its cancel flag.
class XmlReadCancelled : public std::exception {
public:
    const char* what() const noexcept override;
};
