#include "CToolPathData.h"

CToolPathData CToolPathData::MakeRoot() {
    CToolPathData root;
    root.name = QStringLiteral("Tools");
    root.type = TypeFolder;
    return root;
}

CToolPathData CToolPathData::MakeFile(const QString& sourcePath) {
    CToolPathData node;
    node.type = TypeFile;
    node.path = sourcePath;
    node.name = sourcePath.mid(sourcePath.lastIndexOf(QLatin1Char('/')) + 1);
    return node;
}

bool CToolPathData::RemoveFile(const QString& sourcePath) {
    for (qsizetype i = 0; i < children.size(); ++i) {
        CToolPathData& child = children[i];
        if (child.type == TypeFolder) {
            if (child.RemoveFile(sourcePath)) {
                if (child.children.isEmpty()) children.removeAt(i);
                return true;
            }
        } else if (child.path == sourcePath) {
            children.removeAt(i);
            return true;
        }
    }
    return false;
}
