#pragma once

// Private to the XML layer.

#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

namespace Internal {

// A file written beside its target and renamed over it only when complete, so a failed or abandoned
// write leaves the previous file as it was. A symbolic link is followed: the file it names is replaced.
class XmlAtomicFile {
public:
    // Throws XmlError when no temporary file can be made beside the target.
    explicit XmlAtomicFile(const QString& path);
    XmlAtomicFile(const XmlAtomicFile&) = delete;
    XmlAtomicFile& operator=(const XmlAtomicFile&) = delete;

    // False when the bytes could not be written; ErrorText then says why.
    bool Write(const char* data, qsizetype size);
    QString ErrorText() const { return temp_.errorString(); }
    // Flushes to disk and renames over the target; throws XmlError on failure.
    void Commit();

private:
    QString path_;
    QFileInfo target_;
    QTemporaryFile temp_;
};

}  // namespace Internal
