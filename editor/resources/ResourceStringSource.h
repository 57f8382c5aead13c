#pragma once

#include <QList>
#include <QString>

#include "DynamicLibrary.h"
#include "IStringSource.h"

struct PelResourceStringTable;

// The editor's texts, read from its resource library. The library stays loaded for the lifetime of
// this object; the editor keeps one for its whole run.
class ResourceStringSource : public IStringSource {
public:
    // "<folder of the executable>/<executable name without extension>_RC.so"
    static QString LibraryPathFor(const QString& executablePath);

    // Opens the library by absolute path and takes its table. False on failure; ErrorText() tells why
    // (the loader's own text for a library that cannot be opened).
    bool Open(const QString& libraryPath);
    bool IsOpen() const { return m_table != nullptr; }
    const QString& ErrorText() const { return m_error; }

    QString LoadString(int id) const override;
    // Every id of the table in ascending order.
    QList<int> Ids() const;

private:
    DynamicLibrary m_library;
    const PelResourceStringTable* m_table = nullptr;
    QString m_error;
};
