#pragma once
#include <QMdiSubWindow>

#include "CTessalyDoc.h"

class IWorkView;

// The MDI window of one open part: its document and its view.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent = nullptr);

    CTessalyDoc& Document() { return m_document; }
    const CTessalyDoc& Document() const { return m_document; }
    IWorkView* View() const { return m_view; }
    void SetView(IWorkView* view);
    // Sets the document's title and shows it on the window's tab.
    void SetTitle(const QString& title);
    // True once the window has accepted a close; it may linger until deleted.
    bool IsClosing() const { return m_closing; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CTessalyDoc m_document;
    IWorkView* m_view = nullptr;
    bool m_closing = false;
};
