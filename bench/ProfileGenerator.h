#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Writes a format 3.0 profile of about the given size, in the shape the profile writer produces (so it
// validates against the 3.0 schema): a FILE and a DEVICE section with their header members, then BLOCK
// sections whose parts hold a few hundred members each. Returns the number of members written.
qint64 GenerateProfile(const QString& path, qint64 targetBytes);

// A small profile document (format 3.0 namespace) drawn from the seed: every section and part kind,
// members holding random item kinds with one to three values, as "item" or "enumRefItem", and texts
// made of padding, blank-only runs, line feeds and carriage returns, markup characters, non-ASCII
// text and the shapes of every value kind (lists, ranges, references, conditions). The same seed
// gives the same bytes.
QByteArray GenerateRandomProfile(quint32 seed, int blocks = 2);
