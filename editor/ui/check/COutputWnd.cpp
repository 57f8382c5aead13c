#include "COutputWnd.h"

#include <QTabBar>
#include <QTabWidget>

#include "COutputList.h"
#include "CommandIds.h"
#include "IStringSource.h"

COutputWnd::COutputWnd(const IStringSource& strings, QWidget* parent)
    : QDockWidget(strings.LoadString(IDS_OUTPUT_PANE), parent) {
    setObjectName(QStringLiteral("COutputWnd"));
    m_tabs = new QTabWidget(this);
    m_tabs->setTabPosition(QTabWidget::South);
    m_list = new COutputList(m_tabs);
    m_list->SetStrings(&strings);
    m_tabs->addTab(m_list, strings.LoadString(IDS_OUTPUT_TAB));
    // Its one tab has nothing to choose: Tab and F6 go straight to the list.
    if (auto* bar = m_tabs->findChild<QTabBar*>()) bar->setFocusPolicy(Qt::NoFocus);
    setWidget(m_tabs);
    connect(m_list, &COutputList::findingActivated, this, &COutputWnd::findingActivated);
    connect(m_list, &COutputList::hidePaneRequested, this, &QDockWidget::hide);
}

void COutputWnd::ShowCheckResults(const QString& summary, const QList<_ST_PEL_CHECK_MESSAGE>& findings) {
    m_list->clear();
    m_list->AddSummaryLine(summary);
    for (const _ST_PEL_CHECK_MESSAGE& finding : findings) m_list->AddFindingLine(finding);
}

void COutputWnd::BringToFront() {
    show();
    raise();
}
