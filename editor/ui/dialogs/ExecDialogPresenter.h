#pragma once
#include "IDialogPresenter.h"

// Shows the dialog with its own event loop.
class ExecDialogPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override;
};
