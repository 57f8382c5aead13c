#pragma once
// Recording fakes of the windows, services and plug-ins the commands talk to, and builders of
// small profiles. The fake tree and work views behave like the real ones where commands depend
// on it: the tree keeps the items of its last rebuild, views are keyed by current names.
#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "ICommandServices.h"
#include "IDeviceModelPlugin.h"
#include "IPartGridView.h"
#include "IProfilePlugin.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace CommandTest {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;

// Profile building.
CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type);
CPELFM_PartInfo* AddPart(CPELFM_SectionInfo& section, const QString& name, int type);
CPELFM_ElemInfo* AddElem(CPELFM_PartInfo& part, const QString& label);
CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int type, const QList<Data>& values);
CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int type, const QString& text);
_ST_CT_ELEM_INFO Template(const QString& label, std::vector<QString> data = {});

QStringList SectionNames(const CPELFM_ProfileInfo& root);
QStringList PartNames(const CPELFM_SectionInfo& section);
QStringList ElemLabels(CPELFM_PartInfo& part);
// Every field of the tree, one line per node, with a mark where a back pointer is wrong.
QString DumpProfile(CPELFM_ProfileInfo& root);
QString DumpItem(const CPELFM_ItemInfo* item);

class FakeProfilePlugin : public IProfilePlugin {
public:
    QList<_ST_CT_ELEM_INFO> blockInfo, commIfInfo, deviceIf, blockMemory, blockParam;
    QString namespaceUri = "http://pelora.example/peloraformachine/ver3/";

    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsAvailable() override { return 1; }
    void ReservedOperation() override {}
    void GetFileExtensions(QString*) override {}
    QString GetSchemaFileName(QString) override { return {}; }
    int SaveProfile(QString, CPELFM_ProfileInfo*) override { return 0; }
    int CreateArchive(QString, QList<QString>*, QString) override { return 0; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>* t) override { Fill(t, blockInfo); }
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* t) override { Fill(t, commIfInfo); }
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>* t) override { Fill(t, deviceIf); }
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>* t) override { Fill(t, blockMemory); }
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>* t) override { Fill(t, blockParam); }
    QString GetNamespaceUri() override { return namespaceUri; }
    void CheckProfile(ICheckProgressSink*, CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) override {}
    void SetDeviceModelPluginKind(int) override {}
    void GetItemKindsOfPart(int, QList<int>&) override {}
    void GetPartKindsOfSection(int, QList<int>&) override {}
    int IsElementEditable(CPELFM_ElemInfo*) override { return 1; }
    int ValidateLabel(QString, int) override { return 0; }
    QString GetDataTypeList() override { return {}; }
    int EditConnectionInfo(QWidget*, CPELFM_ProfileInfo*, QList<CPELFM_PartInfo*>*,
                           QList<CPELFM_PartInfo*>*) override {
        return 0;
    }

private:
    // Plug-ins empty a caller's array first.
    void Fill(QList<_ST_CT_ELEM_INFO>* out, const QList<_ST_CT_ELEM_INFO>& from) { *out = from; }
};

class FakeDeviceModelPlugin : public IDeviceModelPlugin {
public:
    QList<_ST_CT_ELEM_INFO> commIfInfo;

    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsSupportedProfilePlugin(QString, int) override { return 0; }
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>*) override { return 1; }
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>&, CPELFM_ProfileInfo*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* t) override { *t = commIfInfo; }
    int IsOwnDeviceModelName(QString) override { return 0; }
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
};

class FakeServices : public ICommandServices {
public:
    CPELFM_ProfileInfo* root = nullptr;
    IProfilePlugin* plugin = nullptr;
    QList<IDeviceModelPlugin*> deviceModels;

    CPELFM_ProfileInfo* OpenProfile() override { return root; }
    IProfilePlugin* FirstProfilePlugin() override { return plugin; }
    QList<IDeviceModelPlugin*> DeviceModelPlugins() override { return deviceModels; }
};

// A tree pane over the items of its last rebuild: root, the four groups, sections, parts.
class FakeTree : public IProfileTreePane {
public:
    explicit FakeTree(CPELFM_ProfileInfo*& root) : m_root(root) {}

    QStringList log;
    // Text of the item remembered for selection: a node's name, a group's key, "" for none.
    QString remembered;

    void ExpandSectionTreeItem(CPELFM_SectionInfo* section, int flag) override;
    void RememberTreeSelection(CPELFM_NodeBase* node) override;
    TreeItem FindTreeItemOfNode(CPELFM_NodeBase* node) override;
    TreeItem GetRelatedTreeItem(TreeItem item, TreeRelation relation) override;
    void RememberTreeItemSelection(TreeItem item) override;
    void RebuildProfileTree() override;
    void RefreshProfileRoot() override { log << "refreshRoot"; }

    // Rebuilds without logging, as the pane does when a file is opened.
    void Show();

private:
    struct Item {
        CPELFM_NodeBase* node;
        QString text;
        int parent;  // index, -1 for the root item
    };
    std::vector<Item> m_items;
    CPELFM_ProfileInfo*& m_root;
};

class FakeGridView : public IPartGridView {
public:
    FakeGridView(CPELFM_PartInfo* part, QList<int> columnKinds)
        : part(part), columnKinds(std::move(columnKinds)) {}

    CPELFM_PartInfo* part;
    QList<int> columnKinds;  // kind of column c at c - 1
    int extraColumns = 0;    // columns the grid has but cannot name (ColumnItemKind throws)
    QStringList log;

    CPELFM_PartInfo* GridPart() override { return part; }
    int GridRowCount() override { return part->ElemCount() + 1; }
    int GridColumnCount() override { return static_cast<int>(columnKinds.size()) + 1 + extraColumns; }
    int ColumnItemKind(int column) override;
    void RefreshGridCells(int r1, int c1, int r2, int c2) override;
    void SelectGridRange(int r1, int c1, int r2, int c2) override;
    void FocusGrid() override { log << "focus"; }
    void MakeCellCurrent(int, int) override {}
};

class FakeWorkViews : public IWorkViewManager {
public:
    QStringList log;
    bool canOpen = true;
    QList<int> columnKinds;  // given to every new view

    IPartGridView* FindPartView(const QString& sectionName, const QString& partName) override;
    IPartGridView* OpenPartView(int refill, CPELFM_PartInfo* part) override;
    void UpdatePartViewTitle(const QString& sectionName, const QString& partName) override;
    void ClosePartView(CPELFM_PartInfo* part) override;
    void CloseSectionViews(CPELFM_SectionInfo* section) override;

    FakeGridView* Open(CPELFM_PartInfo* part);  // without logging
    FakeGridView* ViewOf(CPELFM_PartInfo* part);
    QStringList OpenPartNames() const;

private:
    std::vector<std::unique_ptr<FakeGridView>> m_views;
};

class FakeFrame : public ICommandFrame {
public:
    explicit FakeFrame(CPELFM_ProfileInfo*& root) : tree(root) {}
    FakeTree tree;
    FakeWorkViews views;
    IWorkViewManager& WorkViews() override { return views; }
    IProfileTreePane& ProfileTree() override { return tree; }
};

// A profile, its services and frame installed as the command environment; the command
// manager's histories are emptied on both ends so no test sees another's commands.
class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::unique_ptr<CPELFM_ProfileInfo> profile;
    CPELFM_ProfileInfo* rootPointer = nullptr;
    FakeProfilePlugin plugin;
    FakeServices services;
    FakeFrame frame;

    CPELFM_ProfileInfo& root() { return *profile; }
    void ClearLogs();
};

}  // namespace CommandTest
