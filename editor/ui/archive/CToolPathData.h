#pragma once
#include <QList>
#include <QString>

// One node of the archive's tool tree: a tool file and the folders under "Tools" that lead to it.
class CToolPathData {
public:
    static constexpr int TypeFile = 1;
    static constexpr int TypeFolder = 2;

    QString name;  // file or folder name inside the archive
    QString path;  // source path; empty for a folder that has no source
    int type = TypeFolder;
    QList<CToolPathData> children;

    static CToolPathData MakeRoot();
    static CToolPathData MakeFile(const QString& sourcePath);

    // Removes the first file node (depth first, in child order) whose source path equals sourcePath
    // exactly, and every folder that this leaves empty; this node itself stays. True when one was found.
    bool RemoveFile(const QString& sourcePath);
};
