#pragma once
#include <QList>
#include <QPoint>
#include <QString>

#include "IMessagePresenter.h"

class QDialog;
class QWidget;

// One entry of a context menu.
struct PopupMenuEntry {
    int id;
    QString text;
    bool enabled;
};

// Everything of the connection editor that waits for the user: message boxes, modal dialogs, the
// folder chooser and context menus. Tests answer them from a script, so nothing blocks.
class IConnectionInfoPresenter : public IMessagePresenter {
public:
    // Runs the dialog modally; QDialog::Accepted or QDialog::Rejected, -1 when it could not run.
    virtual int RunModal(QDialog& dialog) = 0;
    // 0 with the chosen folder, 2 when cancelled, 1 when no folder could be taken.
    virtual int ChooseFolder(QWidget* owner, QString& folder) = 0;
    // The id of the chosen entry; 0 when the menu was dismissed.
    virtual int TrackPopupMenu(QWidget* owner, const QList<PopupMenuEntry>& entries,
                               const QPoint& globalPos) = 0;
};
