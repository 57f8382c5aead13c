#pragma once
#include <QString>

// Writes a format 3.0 profile of about the given size, in the shape the profile writer produces (so it
// validates against the 3.0 schema): a FILE and a DEVICE section with their header members, then BLOCK
// sections whose parts hold a few hundred members each. Returns the number of members written.
qint64 GenerateProfile(const QString& path, qint64 targetBytes);
