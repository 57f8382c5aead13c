#pragma once

class QDialog;

// Runs a dialog modally and returns its result. The editor execs the dialog; tests drive it
// without a nested event loop, so no test ever waits on a modal window.
class IDialogPresenter {
public:
    virtual ~IDialogPresenter() = default;
    virtual int RunModal(QDialog& dialog) = 0;
};
