#pragma once
#include <QObject>

// Every dialog and message box shows where its focus is from the moment it opens, not only after the
// first Tab: styles draw the focus frame of a list, a box or a button only once the window has seen
// the keyboard move the focus. One filter on the application covers the editor's and the plug-ins'.
class DialogFocusCues : public QObject {
public:
    DialogFocusCues();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
