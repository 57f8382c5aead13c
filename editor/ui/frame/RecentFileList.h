#pragma once
#include <QString>
#include <QStringList>

// The recent-file list of the application's settings: the newest first, at most a fixed number.
class RecentFileList {
public:
    explicit RecentFileList(int size) : m_size(size) {}

    void Load();
    void Save() const;
    // Puts the path first; an equal path already listed moves rather than doubles.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return m_files; }
    int Size() const { return m_size; }

private:
    int m_size;
    QStringList m_files;
};
