#pragma once
#include <QMenu>
#include <QToolButton>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QTabBar;

// The document menu at the edge of the tab area: a button at the tab bar's right end that lists every
// open window of the area; choosing one activates it. The tab bar is narrowed to leave the button room,
// so that neither hides the other however many tabs there are.
class MdiDocumentMenu : public QToolButton {
    Q_OBJECT
public:
    // name gives each window's entry; without it the entry is the window's title.
    using WindowName = std::function<QString(const QMdiSubWindow*)>;
    MdiDocumentMenu(QMdiArea& area, QTabBar& tabBar, WindowName name = {});

    QMenu& Menu() const { return *m_menu; }
    // The windows the menu lists, in tab order; closed ones that linger are left out.
    QList<QMdiSubWindow*> Windows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void Place();

    QMdiArea& m_area;
    QTabBar& m_tabBar;
    WindowName m_name;
    QMenu* m_menu;
    bool m_placing = false;
};
