#include "CProfileView.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "CDeleteNodeCommand.h"
#include "CMoveNodeCommand.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CPasteNodeCommand.h"
#include "CProfileTree.h"
#include "CommandFailure.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "IMessagePresenter.h"
#include "MenuText.h"
#include "MessageBoxStyle.h"
#include "PELFMExceptions.h"
#include "ResourceMessage.h"

using namespace ProfileTreeRules;

namespace {

constexpr int IDS_NO_SECTION_ITEM = 111;
constexpr int IDS_SECTION = 117;
constexpr int IDS_PART = 118;
constexpr int IDS_NO_PART_ITEM = 120;
constexpr int IDS_NO_GROUP_ITEM = 151;
constexpr int IDS_CONFIRM_DELETE = 10033;

QTreeWidgetItem* ItemOf(IProfileTreePane::TreeItem item) {
    return reinterpret_cast<QTreeWidgetItem*>(item);
}

IProfileTreePane::TreeItem HandleOf(QTreeWidgetItem* item) {
    return reinterpret_cast<IProfileTreePane::TreeItem>(item);
}

QTreeWidgetItem* FindChildByText(QTreeWidgetItem* parent, const QString& text) {
    if (!parent) return nullptr;
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text) return parent->child(i);
    return nullptr;
}

QTreeWidgetItem* FindChildByNode(QTreeWidgetItem* parent, const CPELFM_NodeBase* node) {
    if (!parent) return nullptr;
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        if (CProfileTree::NodeOf(child) == node) return child;
        if (QTreeWidgetItem* found = FindChildByNode(child, node)) return found;
    }
    return nullptr;
}

// Runs a command created by name; the manager keeps it on success and deletes it otherwise.
template <class Command, class Setup>
void RunNamedCommand(const char* name, Setup setup) {
    auto* command = dynamic_cast<Command*>(CreateCommandByName(name));
    if (!command) return;
    setup(*command);
    GetCommandManager()->Execute(command);
}

}  // namespace

void CProfileView::NodeDeleter::operator()(CPELFM_NodeBase* node) const {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node))
        delete section;
    else if (auto* part = NodeCast<CPELFM_PartInfo>(node))
        delete part;
}

CProfileView::CProfileView(CCommonUtility& utility, QWidget* parent, bool highColorImages)
    : QWidget(parent), m_utility(utility), m_tree(new CProfileTree(this)), m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("CProfileView"));
    const ResourceImages::ImageSet images = ResourceImages::SetFor(highColorImages);
    m_tree->SetImageSet(images);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    setFocusProxy(m_tree);

    m_tree->toolTipText = [this](CPELFM_NodeBase* node) { return NodeToolTip(m_utility, node); };
    m_tree->activateSelection = [this] { ActivateSelection(); };
    m_tree->moveNode = [](CPELFM_NodeBase* dragged, CPELFM_NodeBase* target) {
        RunNamedCommand<CMoveNodeCommand>("CMoveNodeCommand",
                                          [&](CMoveNodeCommand& command) { command.Init(dragged, target); });
    };
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CProfileView::UpdateCommands);

    AddAction(ID_NEW_SECTION, &CProfileView::OnNewSection);
    AddAction(ID_NEW_PART, &CProfileView::OnNewPart);
    AddAction(ID_PROPERTIES, &CProfileView::OnProperties);
    m_menu->addSeparator();
    AddAction(ID_COPY_NODE, &CProfileView::CopySelectedNode);
    AddAction(ID_PASTE_NODE, &CProfileView::PasteNode);
    AddAction(ID_DELETE_NODE, &CProfileView::DeleteSelectedNode);
    m_menu->addSeparator();
    AddAction(ID_COPY_REFERENCE, &CProfileView::CopyPartReference);
    AddSortChoices(images);
    CreateToolBar(images);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_tree);
    connect(m_menu, &QMenu::aboutToShow, this, &CProfileView::UpdateCommands);
    UpdateCommands();
}

CProfileView::~CProfileView() = default;

// The sort choice is remembered and shown; the tree keeps the profile's order whatever it is.
void CProfileView::AddSortChoices(ResourceImages::ImageSet images) {
    static const char* const kImages[] = {"sort-type", "sort-alphabetical", "sort-access", "group-type"};
    static const char* const kThemeIcons[] = {nullptr, "view-sort-ascending", nullptr, nullptr};
    m_sortMenu = m_menu->addMenu(tr("S&ort"));
    auto* group = new QActionGroup(this);
    for (int id = ID_SORT_FIRST; id <= ID_SORT_LAST; ++id) {
        const QString text = m_utility.LoadString(id);
        auto* action = m_sortMenu->addAction(text.section(QLatin1Char('\n'), 0, 0));
        action->setObjectName(QStringLiteral("Command%1").arg(id));
        action->setStatusTip(text.section(QLatin1Char('\n'), 1));
        action->setIcon(ResourceImages::ThemedImage(
            kThemeIcons[id - ID_SORT_FIRST], QString::fromLatin1(kImages[id - ID_SORT_FIRST]), images));
        action->setCheckable(true);
        action->setChecked(id == m_sortChoice);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] {
            m_sortChoice = id;
            ShowSortChoice();
        });
        m_actions.insert(id, action);
    }
}

QAction* CProfileView::AddAction(int id, void (CProfileView::*handler)()) {
    const QString text = m_utility.LoadString(id);
    auto* action = new QAction(text.section(QLatin1Char('\n'), 0, 0), this);
    action->setObjectName(QStringLiteral("Command%1").arg(id));
    action->setStatusTip(text.section(QLatin1Char('\n'), 1));
    connect(action, &QAction::triggered, this, [this, handler, action, name = MenuText::Name(text)] {
        // The selection may have changed since the menu was shown.
        UpdateCommands();
        if (!action->isEnabled()) return;
        // A command that fails says so under its own name; the tree goes on.
        CommandFailure::Run(m_utility, name, [&] { (this->*handler)(); });
        UpdateCommands();
    });
    m_menu->addAction(action);
    m_actions.insert(id, action);
    return action;
}

CPELFM_NodeBase* CProfileView::SelectedNode() {
    return CProfileTree::NodeOf(m_tree->currentItem());
}

bool CProfileView::CanCopySelectedNode() {
    return CanCopyNode(SelectedNode());
}

bool CProfileView::CanDeleteSelectedNode() {
    return CanDeleteNode(m_utility, SelectedNode());
}

Selection CProfileView::CurrentSelection() const {
    Selection selection;
    QTreeWidgetItem* item = m_tree->currentItem();
    selection.itemSelected = item != nullptr;
    selection.node = CProfileTree::NodeOf(item);
    if (item && !selection.node && CProfileTree::ImageOf(item) == IMAGE_GROUP)
        selection.groupText = item->text(0);
    return selection;
}

void CProfileView::UpdateCommands() {
    CPELFM_NodeBase* node = SelectedNode();
    const NewPart newPart = NewPartRule(m_utility, node);
    m_newPartInDeviceSection = newPart == NewPart::EnabledInDeviceSection ? 1 : 0;
    m_actions[ID_NEW_SECTION]->setEnabled(m_utility.fileOpen != 0);
    m_actions[ID_NEW_PART]->setEnabled(newPart != NewPart::Disabled);
    m_actions[ID_PROPERTIES]->setEnabled(node != nullptr);
    m_actions[ID_COPY_NODE]->setEnabled(CanCopySelectedNode());
    m_actions[ID_PASTE_NODE]->setEnabled(CanPasteNode());
    m_actions[ID_DELETE_NODE]->setEnabled(CanDeleteSelectedNode());
    m_actions[ID_COPY_REFERENCE]->setEnabled(CanCopyReference(node));
    emit commandStateChanged();
}

void CProfileView::OnNewSection() {
    if (m_utility.fileOpen && newSection) newSection();
    FocusTree();
}

void CProfileView::OnNewPart() {
    if (NewPartRule(m_utility, SelectedNode()) != NewPart::Disabled && newPart)
        newPart(m_newPartInDeviceSection);
    FocusTree();
}

void CProfileView::OnProperties() {
    if (CPELFM_NodeBase* node = SelectedNode(); node && editProperties) editProperties(node);
    FocusTree();
}

void CProfileView::ActivateSelection() {
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item) return;
    if (auto* part = NodeCast<CPELFM_PartInfo>(CProfileTree::NodeOf(item))) {
        if (openPart) openPart(part);
        return;
    }
    item->setExpanded(!item->isExpanded());
}

// ---- clipboard

void CProfileView::ClearClipboard() {
    m_copy.reset();
    m_copiedOriginal = nullptr;
    m_copiedOriginalSection = nullptr;
}

void CProfileView::CopySelectedNode() {
    CPELFM_NodeBase* node = SelectedNode();
    if (!CanCopySelectedNode()) return;
    try {
        if (auto* section = NodeCast<CPELFM_SectionInfo>(node)) {
            if (QTreeWidgetItem* item = m_tree->currentItem()) section->expanded = item->isExpanded() ? 1 : 0;
            auto copy = std::make_unique<CPELFM_SectionInfo>();
            copy->CopyFrom(*section);
            copy->parent = nullptr;
            ClearClipboard();
            m_copy.reset(copy.release());
            m_copiedOriginal = section;
        } else if (auto* part = NodeCast<CPELFM_PartInfo>(node)) {
            auto copy = std::make_unique<CPELFM_PartInfo>();
            copy->CopyFrom(*part);
            copy->ownerSection = nullptr;
            ClearClipboard();
            m_copy.reset(copy.release());
            m_copiedOriginal = part;
            m_copiedOriginalSection = part->ownerSection;
        }
    } catch (const CPELFM_ExceptionBase&) {
        // A part that cannot be loaded is not copied.
        return;
    }
    m_utility.clipboardKind = 1;
}

bool CProfileView::CanPasteNode() {
    return m_utility.clipboardKind == 1 && ProfileTreeRules::CanPasteNode(m_copy.get(), CurrentSelection());
}

void CProfileView::PasteNode() {
    if (!CanPasteNode()) return;
    CPELFM_NodeBase* target = SelectedNode();
    CPELFM_NodeBase* copy = m_copy.get();
    RunNamedCommand<CPasteNodeCommand>("CPasteNodeCommand",
                                       [&](CPasteNodeCommand& command) { command.Init(copy, target); });
}

void CProfileView::CopyPartReference() {
    m_utility.copiedReferences.clear();
    auto* part = NodeCast<CPELFM_PartInfo>(SelectedNode());
    if (part && part->ownerSection) m_utility.copiedReferences.append(PartReference(*part));
}

void CProfileView::DeleteSelectedNode() {
    CPELFM_NodeBase* node = SelectedNode();
    auto* section = NodeCast<CPELFM_SectionInfo>(node);
    auto* part = NodeCast<CPELFM_PartInfo>(node);
    if (!section && !part) return;
    IMessagePresenter* presenter = m_utility.MessagePresenter();
    if (!presenter || !m_utility.Strings()) return;
    const QString text = FormatResourceMessage(
        *m_utility.Strings(),
        {m_utility.LoadString(section ? IDS_SECTION : IDS_PART), section ? section->name : part->name},
        IDS_CONFIRM_DELETE);
    if (ShowMessageBox(*presenter, text, QString(), MB_YESNO | MB_ICONINFORMATION) != IDYES) {
        FocusTree();
        return;
    }
    if (m_copiedOriginal == node || (section && m_copiedOriginalSection == section)) {
        ClearClipboard();
        m_utility.clipboardKind = 0;
    }
    RunNamedCommand<CDeleteNodeCommand>("CDeleteNodeCommand",
                                        [&](CDeleteNodeCommand& command) { command.SetNode(node); });
}

// ---- building

QTreeWidgetItem* CProfileView::GroupItem(int sectionType) const {
    return FindChildByText(m_tree->topLevelItem(0), SectionKey(sectionType));
}

void CProfileView::StoreExpansion() {
    CPELFM_ProfileInfo* root = m_utility.openProfile;
    QTreeWidgetItem* rootItem = m_tree->topLevelItem(0);
    if (!root || !rootItem) return;
    root->expanded[0] = rootItem->isExpanded() ? 1 : 0;
    for (int i = 0; i < rootItem->childCount(); ++i) {
        QTreeWidgetItem* group = rootItem->child(i);
        const int type = CCommonUtility::SectionTypeNames().indexOf(group->text(0));
        if (type >= SECTION_FILE && type <= SECTION_BLOCK) root->expanded[type] = group->isExpanded() ? 1 : 0;
        for (int j = 0; j < group->childCount(); ++j)
            if (auto* section = NodeCast<CPELFM_SectionInfo>(CProfileTree::NodeOf(group->child(j))))
                section->expanded = group->child(j)->isExpanded() ? 1 : 0;
    }
}

void CProfileView::Remember(QTreeWidgetItem* item, QTreeWidgetItem*& toSelect) const {
    if (toSelect || m_selectText.isEmpty() || item->text(0) != m_selectText) return;
    const QString parentText = item->parent() ? item->parent()->text(0) : QString();
    if (parentText == m_selectParentText) toSelect = item;
}

QTreeWidgetItem* CProfileView::AddSectionItem(QTreeWidgetItem* group, CPELFM_SectionInfo* section) {
    QTreeWidgetItem* item = m_tree->NewItem(group, FormatSectionNodeText(*section), IMAGE_SECTION, section);
    for (CPELFM_PartInfo* part : section->parts) {
        if (!part) continue;
        const int image = PartImage(section->sectionType, part->partType);
        if (image != IMAGE_NONE) m_tree->NewItem(item, FormatPartNodeText(*part), image, part);
    }
    return item;
}

void CProfileView::RebuildProfileTree() {
    StoreExpansion();
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    CPELFM_ProfileInfo* root = m_utility.openProfile;
    if (!root) {
        m_tree->setUpdatesEnabled(true);
        return;
    }
    // The items are built outside the view and join it at once; expansion is set afterwards.
    QTreeWidgetItem* rootItem =
        m_tree->NewItem(nullptr, FormatRootNodeText(m_utility, root), IMAGE_ROOT, nullptr);
    QFont bold = rootItem->font(0);
    bold.setBold(true);
    rootItem->setFont(0, bold);
    QTreeWidgetItem* toSelect = nullptr;
    Remember(rootItem, toSelect);
    QList<QPair<QTreeWidgetItem*, bool>> expansion;
    for (int type : GroupSectionTypes()) {
        QTreeWidgetItem* group = m_tree->NewItem(rootItem, SectionKey(type), IMAGE_GROUP, nullptr);
        Remember(group, toSelect);
        for (CPELFM_SectionInfo* section : root->sections) {
            if (!section || section->sectionType != type) continue;
            QTreeWidgetItem* item = AddSectionItem(group, section);
            Remember(item, toSelect);
            for (int i = 0; i < item->childCount(); ++i) Remember(item->child(i), toSelect);
            expansion.append({item, section->expanded != 0});
        }
        expansion.append({group, root->expanded[type] != 0});
    }
    expansion.append({rootItem, root->expanded[0] != 0});
    m_tree->addTopLevelItem(rootItem);
    for (const auto& [item, expanded] : expansion) item->setExpanded(expanded);
    m_tree->setCurrentItem(toSelect ? toSelect : rootItem);
    m_tree->setUpdatesEnabled(true);
    FocusTree();
    UpdateCommands();
}

void CProfileView::RefreshProfileRoot() {
    if (QTreeWidgetItem* rootItem = m_tree->topLevelItem(0))
        rootItem->setText(0, FormatRootNodeText(m_utility, m_utility.openProfile));
}

void CProfileView::ClearTree() {
    m_tree->clear();
    ClearClipboard();
    if (m_utility.clipboardKind == 1) m_utility.clipboardKind = 0;
    m_selectText.clear();
    m_selectParentText.clear();
    UpdateCommands();
}

// ---- what the commands and the frame ask

void CProfileView::ExpandSectionTreeItem(CPELFM_SectionInfo* section, int flag) {
    if (!section) return;
    QTreeWidgetItem* group = GroupItem(section->sectionType);
    if (!group) return;
    if (flag == 0) {
        group->setExpanded(true);
    } else if (QTreeWidgetItem* item = FindChildByText(group, FormatSectionNodeText(*section))) {
        item->setExpanded(true);
        section->expanded = 1;
    }
}

void CProfileView::RememberTreeSelection(CPELFM_NodeBase* node) {
    m_selectText.clear();
    m_selectParentText.clear();
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node)) {
        m_selectText = FormatSectionNodeText(*section);
        m_selectParentText = SectionKey(section->sectionType);
    } else if (auto* part = NodeCast<CPELFM_PartInfo>(node)) {
        m_selectText = FormatPartNodeText(*part);
        if (part->ownerSection) m_selectParentText = FormatSectionNodeText(*part->ownerSection);
    }
}

IProfileTreePane::TreeItem CProfileView::FindTreeItemOfNode(CPELFM_NodeBase* node) {
    CPELFM_SectionInfo* section = NodeCast<CPELFM_SectionInfo>(node);
    if (auto* part = NodeCast<CPELFM_PartInfo>(node)) section = part->ownerSection;
    if (!section) return 0;
    return HandleOf(FindChildByNode(GroupItem(section->sectionType), node));
}

IProfileTreePane::TreeItem CProfileView::GetRelatedTreeItem(TreeItem handle, TreeRelation relation) {
    QTreeWidgetItem* item = ItemOf(handle);
    QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    if (!parent) return 0;
    if (relation == TreeRelation::Parent) return HandleOf(parent);
    const int index = parent->indexOfChild(item) + (relation == TreeRelation::Next ? 1 : -1);
    return index >= 0 && index < parent->childCount() ? HandleOf(parent->child(index)) : 0;
}

void CProfileView::RememberTreeItemSelection(TreeItem handle) {
    QTreeWidgetItem* item = ItemOf(handle);
    if (!item) return;
    m_selectText = item->text(0);
    m_selectParentText = item->parent() ? item->parent()->text(0) : QString();
}

void CProfileView::SelectNodeItem(CPELFM_NodeBase* node) {
    CPELFM_PartInfo* part = NodeCast<CPELFM_PartInfo>(node);
    CPELFM_SectionInfo* section = part ? part->ownerSection : NodeCast<CPELFM_SectionInfo>(node);
    if (!section) return;
    const auto missing = [this](int id) { m_utility.ShowMessage({}, id, MB_ICONERROR); };
    QTreeWidgetItem* group = GroupItem(section->sectionType);
    if (!group) return missing(IDS_NO_GROUP_ITEM);
    QTreeWidgetItem* sectionItem = FindChildByText(group, FormatSectionNodeText(*section));
    if (!sectionItem) return missing(IDS_NO_SECTION_ITEM);
    QTreeWidgetItem* target = sectionItem;
    if (part) {
        target = FindChildByText(sectionItem, FormatPartNodeText(*part));
        if (!target) return missing(IDS_NO_PART_ITEM);
    }
    m_tree->setCurrentItem(target);
    m_tree->scrollToItem(target);
}

void CProfileView::FocusTree() {
    m_tree->setFocus();
}

void CProfileView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_tree->setFocus();
}

void CProfileView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Keyboard) {
        const QPoint pos = m_tree->viewport()->mapFrom(this, event->pos());
        if (QTreeWidgetItem* item = m_tree->itemAt(pos)) {
            m_tree->setCurrentItem(item);
            RememberTreeItemSelection(HandleOf(item));
            if (!item->parent()) m_selectParentText.clear();
        }
    }
    FocusTree();
    UpdateCommands();
    m_menu->popup(event->globalPos());
}
