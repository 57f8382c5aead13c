#pragma once
#include <QPointer>
#include <QWidget>

#include "IConnectionInfoPresenter.h"

// The presenter of the running plug-in: QMessageBox, QDialog::exec, QFileDialog and QMenu.
class QtConnectionInfoPresenter : public IConnectionInfoPresenter {
public:
    // Boxes belong to the active modal dialog, else to this window.
    explicit QtConnectionInfoPresenter(QWidget* mainWindow) : m_mainWindow(mainWindow) {}

    int ShowMessage(const QString& text, const QString& caption, unsigned style) override;
    int RunModal(QDialog& dialog) override;
    int ChooseFolder(QWidget* owner, QString& folder) override;
    int TrackPopupMenu(QWidget* owner, const QList<PopupMenuEntry>& entries,
                       const QPoint& globalPos) override;

private:
    QPointer<QWidget> m_mainWindow;
};
