#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What to generate: about targetBytes of blocks; with largePartElements, the first block's memory part
// holds that many members (about 540 bytes each) and the other blocks follow up to the size. With
// commentBytes, the first memory member's COMMENT holds that much text (lines of 64 bytes), spread
// evenly over commentValues values; with commentMembers, the first that many members' COMMENTs do; without
// commentLineBreaks its lines run on as one.
struct ProfileShape {
    qint64 targetBytes = 0;
    qint64 largePartElements = 0;
    qint64 commentBytes = 0;
    qint64 commentValues = 1;
    qint64 commentMembers = 1;
    bool commentLineBreaks = true;
};

struct GeneratedProfile {
    qint64 members = -1;  // -1 when nothing usable was written
    QString error;
};

// The largest profile generated, far beyond what the editor can hold in memory.
constexpr qint64 kMaxGeneratedBytes = qint64(64) << 30;

// Why a profile of that shape cannot be written to a disk with that much free space; empty when it can.
QString CheckGeneratedSize(const ProfileShape& shape, qint64 bytesAvailable);

// Writes a format 3.0 profile of that shape, in the shape the profile writer produces (so it validates
// against the 3.0 schema): a FILE and a DEVICE section with their header members, then BLOCK sections whose
// parts hold a few hundred members each. Refuses a shape it cannot write (CheckGeneratedSize, with the
// free space of the file's folder) and stops at the first failed write, removing the partial file.
GeneratedProfile GenerateProfile(const QString& path, const ProfileShape& shape);
// The same for a size alone; returns the number of members written, -1 on failure.
qint64 GenerateProfile(const QString& path, qint64 targetBytes);

// A small profile document (format 3.0 namespace) drawn from the seed: every section and part kind,
// members holding random item kinds with one to three values, as "item" or "enumRefItem", and texts
// made of padding, blank-only runs, line feeds and carriage returns, markup characters, non-ASCII
// text and the shapes of every value kind (lists, ranges, references, conditions). The same seed
// gives the same bytes.
QByteArray GenerateRandomProfile(quint32 seed, int blocks = 2);
