#include "CommandTestWorld.h"

#include "CommandManager.h"

namespace CommandTest {

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type) {
    auto* section = new CPELFM_SectionInfo;
    section->name = name;
    section->sectionType = type;
    section->parent = &root;
    root.sections.append(section);
    return section;
}

CPELFM_PartInfo* AddPart(CPELFM_SectionInfo& section, const QString& name, int type) {
    auto* part = new CPELFM_PartInfo;
    part->name = name;
    part->partType = type;
    part->ownerSection = &section;
    part->EnsureLoaded();
    section.parts.append(part);
    return part;
}

CPELFM_ElemInfo* AddElem(CPELFM_PartInfo& part, const QString& label) {
    auto* elem = new CPELFM_ElemInfo;
    elem->label = label;
    elem->ownerPart = &part;
    part.AddElem(elem);
    return elem;
}

CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int type, const QList<Data>& values) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = type;
    item->ownerElem = &elem;
    item->values = values;
    elem.AddItem(item);
    return item;
}

CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int type, const QString& text) {
    return AddItem(elem, type, {Data{ProfileInnerConst::DATA_ITEM, text}});
}

_ST_CT_ELEM_INFO Template(const QString& label, std::vector<QString> data) {
    _ST_CT_ELEM_INFO t;
    t.label = label;
    t.label2 = label + "_l2";
    t.category = label + "_cat";
    t.name = label + "_name";
    t.dataType = label + "_type";
    t.data = std::move(data);
    return t;
}

QStringList SectionNames(const CPELFM_ProfileInfo& root) {
    QStringList names;
    for (const CPELFM_SectionInfo* s : root.sections) names << s->name;
    return names;
}

QStringList PartNames(const CPELFM_SectionInfo& section) {
    QStringList names;
    for (const CPELFM_PartInfo* p : section.parts) names << p->name;
    return names;
}

QStringList ElemLabels(CPELFM_PartInfo& part) {
    QStringList labels;
    for (const CPELFM_ElemInfo* e : part.Elems()) labels << e->label;
    return labels;
}

QString DumpItem(const CPELFM_ItemInfo* item) {
    if (!item) return "null";
    QStringList values;
    for (const Data& d : item->values) values << QString::number(d.dataKind) + ":" + d.text;
    return QString::number(item->itemType) + "[" + values.join("|") + "]";
}

QString DumpProfile(CPELFM_ProfileInfo& root) {
    QString out;
    for (CPELFM_SectionInfo* s : root.sections) {
        out += QString("S %1/%2/%3/%4%5\n")
                   .arg(s->name, s->comment)
                   .arg(s->sectionType)
                   .arg(s->expanded)
                   .arg(s->parent == &root ? "" : " !parent");
        for (CPELFM_PartInfo* p : s->parts) {
            out += QString(" P %1/%2/%3/%4%5\n")
                       .arg(p->name, p->label2, p->comment)
                       .arg(p->partType)
                       .arg(p->ownerSection == s ? "" : " !owner");
            for (CPELFM_ElemInfo* e : p->Elems()) {
                out += QString("  E %1%2\n").arg(e->label, e->ownerPart == p ? "" : " !owner");
                for (CPELFM_ItemInfo* i : e->items)
                    out += QString("   I %1%2\n").arg(DumpItem(i), i->ownerElem == e ? "" : " !owner");
            }
        }
    }
    return out;
}

// ---- tree

namespace {

const char* GroupKey(int sectionType) {
    switch (sectionType) {
        case SECTION_FILE:
            return "FILE";
        case SECTION_DEVICE:
            return "DEVICE";
        case SECTION_COMM_IF:
            return "COMM_IF";
        case SECTION_BLOCK:
            return "BLOCK";
        default:
            return "";
    }
}

QString NodeName(CPELFM_NodeBase* node) {
    if (auto* s = NodeCast<CPELFM_SectionInfo>(node)) return s->name;
    if (auto* p = NodeCast<CPELFM_PartInfo>(node)) return p->name;
    return QString();
}

}  // namespace

void FakeTree::ExpandSectionTreeItem(CPELFM_SectionInfo* section, int flag) {
    log << QString("expand:%1:%2")
               .arg(flag ? section->name : QString(GroupKey(section->sectionType)))
               .arg(flag);
}

void FakeTree::RememberTreeSelection(CPELFM_NodeBase* node) {
    remembered = NodeName(node);
    log << "select:" + remembered;
}

IProfileTreePane::TreeItem FakeTree::FindTreeItemOfNode(CPELFM_NodeBase* node) {
    if (!NodeCast<CPELFM_SectionInfo>(node) && !NodeCast<CPELFM_PartInfo>(node)) return 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].node == node) return i + 1;
    }
    return 0;
}

IProfileTreePane::TreeItem FakeTree::GetRelatedTreeItem(TreeItem item, TreeRelation relation) {
    if (item == 0 || item > m_items.size()) return 0;
    const int index = static_cast<int>(item - 1);
    const int parent = m_items[index].parent;
    if (relation == TreeRelation::Parent) return parent < 0 ? 0 : parent + 1;
    const int step = relation == TreeRelation::Next ? 1 : -1;
    for (int i = index + step; i >= 0 && i < static_cast<int>(m_items.size()); i += step) {
        if (m_items[i].parent == parent) return i + 1;
    }
    return 0;
}

void FakeTree::RememberTreeItemSelection(TreeItem item) {
    remembered = item && item <= m_items.size() ? m_items[item - 1].text : QString();
    log << "select:" + remembered;
}

void FakeTree::RebuildProfileTree() {
    log << "rebuild";
    Show();
}

void FakeTree::Show() {
    m_items.clear();
    if (!m_root) return;
    m_items.push_back({nullptr, "ROOT", -1});
    for (int type = SECTION_FILE; type <= SECTION_BLOCK; ++type) {
        const int group = static_cast<int>(m_items.size());
        m_items.push_back({nullptr, GroupKey(type), 0});
        for (CPELFM_SectionInfo* s : m_root->sections) {
            if (s->sectionType != type) continue;
            const int sectionItem = static_cast<int>(m_items.size());
            m_items.push_back({s, s->name, group});
            for (CPELFM_PartInfo* p : s->parts) {
                if (type == SECTION_DEVICE && p->partType != PART_DEVICE_INFO &&
                    p->partType != PART_DEVICE_IF)
                    continue;
                m_items.push_back({p, p->name, sectionItem});
            }
        }
    }
}

// ---- grid and work views

int FakeGridView::ColumnItemKind(int column) {
    if (column < 1 || column > columnKinds.size()) throw std::out_of_range("column");
    return columnKinds[column - 1];
}

void FakeGridView::RefreshGridCells(int r1, int c1, int r2, int c2) {
    log << QString("refresh:%1,%2-%3,%4").arg(r1).arg(c1).arg(r2).arg(c2);
}

void FakeGridView::SelectGridRange(int r1, int c1, int r2, int c2) {
    log << QString("select:%1,%2-%3,%4").arg(r1).arg(c1).arg(r2).arg(c2);
}

IPartGridView* FakeWorkViews::FindPartView(const QString& sectionName, const QString& partName) {
    for (auto& view : m_views) {
        CPELFM_PartInfo* p = view->part;
        if (p->ownerSection && p->ownerSection->name == sectionName && p->name == partName) return view.get();
    }
    return nullptr;
}

IPartGridView* FakeWorkViews::OpenPartView(int refill, CPELFM_PartInfo* part) {
    log << QString("open:%1:%2").arg(part->name).arg(refill);
    if (IPartGridView* view =
            FindPartView(part->ownerSection ? part->ownerSection->name : QString(), part->name))
        return view;
    return canOpen ? Open(part) : nullptr;
}

void FakeWorkViews::UpdatePartViewTitle(const QString& sectionName, const QString& partName) {
    log << QString("title:%1/%2").arg(sectionName, partName);
}

void FakeWorkViews::ClosePartView(CPELFM_PartInfo* part) {
    log << "close:" + part->name;
    auto* view = FindPartView(part->ownerSection ? part->ownerSection->name : QString(), part->name);
    for (auto it = m_views.begin(); it != m_views.end(); ++it) {
        if (it->get() == view) {
            m_views.erase(it);
            break;
        }
    }
}

void FakeWorkViews::CloseSectionViews(CPELFM_SectionInfo* section) {
    log << "closeSection:" + section->name;
    for (CPELFM_PartInfo* p : section->parts) ClosePartView(p);
}

FakeGridView* FakeWorkViews::Open(CPELFM_PartInfo* part) {
    m_views.push_back(std::make_unique<FakeGridView>(part, columnKinds));
    return m_views.back().get();
}

FakeGridView* FakeWorkViews::ViewOf(CPELFM_PartInfo* part) {
    for (auto& view : m_views) {
        if (view->part == part) return view.get();
    }
    return nullptr;
}

QStringList FakeWorkViews::OpenPartNames() const {
    QStringList names;
    for (const auto& view : m_views) names << view->part->name;
    return names;
}

// ---- world

World::World() : profile(std::make_unique<CPELFM_ProfileInfo>()), frame(rootPointer) {
    rootPointer = profile.get();
    services.root = rootPointer;
    services.plugin = &plugin;
    GetCommandManager()->Clear();
    SetCommandEnvironment({&services, &frame});
}

World::~World() {
    GetCommandManager()->Clear();
    SetCommandEnvironment({});
}

void World::ClearLogs() {
    frame.tree.log.clear();
    frame.views.log.clear();
}

}  // namespace CommandTest
