#include "CDialogSelectFilePath.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "FileDialogFilter.h"

CDialogSelectFilePath::CDialogSelectFilePath(const QString& defaultExtension, const QString& initialName,
                                             const QString& title, const QString& filter, int fixedName,
                                             QWidget* parent)
    : QFileDialog(parent, title),
      m_fixedName(FileDialogFilter::FixedName(initialName, defaultExtension)),
      m_fixedNameFlag(fixedName) {
    // Qt's own dialog, so the name field can be held to the fixed name.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(defaultExtension);
    setNameFilters(FileDialogFilter::ToNameFilters(filter));
    selectFile(initialName);
    m_nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (m_fixedNameFlag == 1) {
        selectFile(m_fixedName);
        if (m_nameField != nullptr) {
            m_nameField->setText(m_fixedName);
            m_nameField->setEnabled(false);
            connect(m_nameField, &QLineEdit::textChanged, this, [this](const QString& text) {
                if (text != m_fixedName) m_nameField->setText(m_fixedName);
            });
        }
        if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) types->setEnabled(false);
    }
}

QString CDialogSelectFilePath::SelectedPath() const {
    const QStringList files = selectedFiles();
    const QString chosen = files.isEmpty() ? QString() : files.first();
    if (m_fixedNameFlag != 1) return chosen;
    // Whatever reached the dialog's result, only the folder is the user's.
    const QFileInfo info(chosen);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    return QDir(folder).filePath(m_fixedName);
}
