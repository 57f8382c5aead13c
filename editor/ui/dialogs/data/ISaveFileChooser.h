#pragma once

#include <QString>

// How the file commands ask for a target file, so that they can be driven without a modal dialog.
class ISaveFileChooser {
public:
    virtual ~ISaveFileChooser() = default;
    // True with the chosen path; false when the user cancelled.
    virtual bool ChooseSaveFile(const QString& defaultExtension, const QString& initialName,
                                const QString& title, const QString& filter, int fixedName,
                                QString& path) = 0;
};
