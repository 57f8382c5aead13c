#include "QtConnectionInfoPresenter.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>

#include "QMessageBoxPresenter.h"

int QtConnectionInfoPresenter::ShowMessage(const QString& text, const QString& caption, unsigned style) {
    QWidget* owner = QApplication::activeModalWidget();
    QMessageBoxPresenter boxes(owner ? owner : m_mainWindow.data());
    return boxes.ShowMessage(text, caption, style);
}

int QtConnectionInfoPresenter::RunModal(QDialog& dialog) {
    return dialog.exec();
}

int QtConnectionInfoPresenter::ChooseFolder(QWidget* owner, QString& folder) {
    const QString chosen =
        QFileDialog::getExistingDirectory(owner, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return 2;
    folder = chosen;
    return 0;
}

int QtConnectionInfoPresenter::TrackPopupMenu(QWidget* owner, const QList<PopupMenuEntry>& entries,
                                              const QPoint& globalPos) {
    QMenu menu(owner);
    for (const PopupMenuEntry& entry : entries) {
        QAction* action = menu.addAction(entry.text);
        action->setData(entry.id);
        action->setEnabled(entry.enabled);
    }
    QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}
