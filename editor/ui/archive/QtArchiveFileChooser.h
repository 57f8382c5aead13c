#pragma once
#include "IArchiveFileChooser.h"

// The choosers shown with QFileDialog, opened in the open document's folder.
class QtArchiveFileChooser : public IArchiveFileChooser {
public:
    explicit QtArchiveFileChooser(const QString& documentPath = {}) : m_documentPath(documentPath) {}
    QStringList ChooseOpenFiles(QWidget* parent, const QString& title, const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                           const QString& start) override;
    QString ChooseFolder(QWidget* parent, const QString& title) override;

private:
    QString m_documentPath;
};
