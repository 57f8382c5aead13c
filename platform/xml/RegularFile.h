#pragma once

#include <QString>

class QFile;

// Opens a document for reading only when it is a regular file. A named pipe, a device, a socket or a
// directory is refused for what it is before anything is opened (opening some devices already does
// something), and one put in the file's place between that look and the open is refused as well, without
// waiting for a writer. False with the reason when the file is refused or cannot be opened.
bool OpenRegularFile(const QString& path, QFile& file, QString& reason);
