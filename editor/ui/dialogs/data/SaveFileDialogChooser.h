#pragma once

#include "ISaveFileChooser.h"

class QWidget;

// The editor's save-file dialog behind the interface.
class SaveFileDialogChooser : public ISaveFileChooser {
public:
    explicit SaveFileDialogChooser(QWidget* parent) : m_parent(parent) {}
    bool ChooseSaveFile(const QString& defaultExtension, const QString& initialName, const QString& title,
                        const QString& filter, int fixedName, QString& path) override;

private:
    QWidget* m_parent;
};
