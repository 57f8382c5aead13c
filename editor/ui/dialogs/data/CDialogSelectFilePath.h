#pragma once

#include <QFileDialog>

class QLineEdit;

// The editor's save-file dialog. With the fixed-name flag only the folder can be chosen: the file name
// stays the initial name with the default extension.
class CDialogSelectFilePath : public QFileDialog {
    Q_OBJECT
public:
    CDialogSelectFilePath(const QString& defaultExtension, const QString& initialName, const QString& title,
                          const QString& filter, int fixedName, QWidget* parent = nullptr);

    // The chosen path; with the fixed name, the chosen folder and that name whatever was typed.
    QString SelectedPath() const;
    QLineEdit* FileNameField() const { return m_nameField; }
    const QString& FixedName() const { return m_fixedName; }

private:
    QString m_fixedName;
    int m_fixedNameFlag;
    QLineEdit* m_nameField = nullptr;
};
