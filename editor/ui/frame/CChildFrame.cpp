#include "CChildFrame.h"

#include <QCloseEvent>

#include "IWorkView.h"

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void CChildFrame::SetView(IWorkView* view) {
    m_view = view;
    if (view) setWidget(view->Widget());
}

void CChildFrame::SetTitle(const QString& title) {
    m_document.title = title;
    setWindowTitle(title);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) m_closing = true;
}
