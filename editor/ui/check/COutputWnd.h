#pragma once
#include <QDockWidget>
#include <QList>

#include "PluginRecords.h"

class COutputList;
class IStringSource;
class QTabWidget;

// The docked pane at the bottom of the main frame: one tab with the findings of the last check.
class COutputWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit COutputWnd(const IStringSource& strings, QWidget* parent = nullptr);

    COutputList& List() { return *m_list; }
    QTabWidget& Tabs() { return *m_tabs; }

    // Replaces the lines by the summary and one line per finding, in order.
    void ShowCheckResults(const QString& summary, const QList<_ST_PEL_CHECK_MESSAGE>& findings);
    // Shows the pane and puts it in front of panes docked in the same place.
    void BringToFront();

signals:
    void findingActivated(const _ST_PEL_CHECK_MESSAGE& finding);

private:
    QTabWidget* m_tabs = nullptr;
    COutputList* m_list = nullptr;
};
