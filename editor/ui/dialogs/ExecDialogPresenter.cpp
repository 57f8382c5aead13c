#include "ExecDialogPresenter.h"

#include <QDialog>

int ExecDialogPresenter::RunModal(QDialog& dialog) {
    return dialog.exec();
}
