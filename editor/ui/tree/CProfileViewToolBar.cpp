// The tree pane's own toolbar: the sort choice as a drop-down and the pane's tool commands.
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "CCommonUtility.h"
#include "CProfileView.h"
#include "MessageBoxStyle.h"

namespace {

constexpr int IDS_ADD_HINT = 114;
constexpr int IDS_PROPERTIES_HINT = 115;

struct ToolCommand {
    int id;
    const char* image;
    const char* themeIcon;
    int hint;  // the text the command shows; 0: the command does nothing
};

constexpr ToolCommand kToolCommands[] = {
    {139, "tree-add", "list-add", IDS_ADD_HINT},
    {140, "tree-add-member", nullptr, 0},
    {141, "tree-definition", "go-jump", 0},
    {142, "tree-new-folder", "folder-new", 0},
    {143, "tree-properties", "document-properties", IDS_PROPERTIES_HINT},
};

}  // namespace

void CProfileView::CreateToolBar(ResourceImages::ImageSet images) {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ProfileViewToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setMovable(false);

    auto* sortMenu = new QMenu(this);
    sortMenu->addActions(m_sortMenu->actions());
    m_sortButton = new QToolButton(m_toolBar);
    m_sortButton->setObjectName(QStringLiteral("SortButton"));
    m_sortButton->setPopupMode(QToolButton::InstantPopup);
    m_sortButton->setMenu(sortMenu);
    m_toolBar->addWidget(m_sortButton);
    m_toolBar->addSeparator();
    ShowSortChoice();

    for (const ToolCommand& command : kToolCommands) {
        const QString text = m_utility.LoadString(command.id);
        auto* action = new QAction(
            ResourceImages::ThemedImage(command.themeIcon, QString::fromLatin1(command.image), images),
            text.section(QLatin1Char('\n'), 0, 0), this);
        action->setObjectName(QStringLiteral("Command%1").arg(command.id));
        action->setStatusTip(text.section(QLatin1Char('\n'), 1));
        if (command.hint != 0)
            connect(action, &QAction::triggered, this,
                    [this, hint = command.hint] { m_utility.ShowMessage({}, hint, MB_OK); });
        m_toolBar->addAction(action);
        m_actions.insert(command.id, action);
    }
}

void CProfileView::ShowSortChoice() {
    if (!m_sortButton) return;
    const QAction* choice = m_actions.value(m_sortChoice);
    m_sortButton->setIcon(choice ? choice->icon() : QIcon());
    m_sortButton->setToolTip(choice ? choice->iconText() : QString());
}
