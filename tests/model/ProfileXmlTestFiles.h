#pragma once
// Writing small documents into a temporary folder for the reader and writer tests.

#include <QFile>
#include <QTemporaryDir>

namespace TestFiles {

inline QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return QString();
    f.write(bytes);
    return path;
}

inline QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A profile document in the version's namespace, with the given body inside the root.
inline QByteArray Profile(const QByteArray& body,
                          const QByteArray& ns = "http://pelora.example/peloraformachine/ver3/",
                          const QByteArray& prefix = "p") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><" + prefix + ":profile xmlns:" + prefix + "=\"" + ns +
           "\">" + body + "</" + prefix + ":profile>";
}

}  // namespace TestFiles
