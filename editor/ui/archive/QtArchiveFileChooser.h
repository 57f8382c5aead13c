#pragma once
#include "IArchiveFileChooser.h"

// The choosers shown with QFileDialog.
class QtArchiveFileChooser : public IArchiveFileChooser {
public:
    QStringList ChooseOpenFiles(QWidget* parent, const QString& title, const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                           const QString& start) override;
    QString ChooseFolder(QWidget* parent, const QString& title) override;

    // "text|a;b|text2|c||" -> "text (a b);;text2 (c)"
    static QString ToQtFilter(const QString& filter);
};
