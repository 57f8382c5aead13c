#pragma once

#include <QString>

#include "ISaveFileChooser.h"

class QWidget;

// The editor's save-file dialog behind the interface, opened in the open document's folder.
class SaveFileDialogChooser : public ISaveFileChooser {
public:
    SaveFileDialogChooser(QWidget* parent, const QString& documentPath)
        : m_parent(parent), m_documentPath(documentPath) {}
    bool ChooseSaveFile(const QString& defaultExtension, const QString& initialName, const QString& title,
                        const QString& filter, int fixedName, QString& path) override;

private:
    QWidget* m_parent;
    QString m_documentPath;
};
