#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The file and folder choosers of the archive dialogs; filters use the "text|patterns||" form.
class IArchiveFileChooser {
public:
    virtual ~IArchiveFileChooser() = default;
    // Empty when cancelled.
    virtual QStringList ChooseOpenFiles(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& start) = 0;
    virtual QString ChooseFolder(QWidget* parent, const QString& title) = 0;
};
