#pragma once
// Builders and recording fakes shared by the window tests.
#include <QEvent>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IDeviceModelPlugin.h"
#include "IDialogPresenter.h"
#include "IMainFrameHost.h"
#include "IProfilePlugin.h"
#include "IProfileTreeNavigation.h"
#include "IWorkView.h"
#include "IWorkViewFactory.h"
#include "MapStringSource.h"
#include "ScriptedMessagePresenter.h"

namespace UiTest {

// ---- profiles built in memory

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type);
CPELFM_PartInfo* AddPart(CPELFM_SectionInfo& section, const QString& name, int type,
                         const QString& label2 = {});
CPELFM_ElemInfo* AddElem(CPELFM_PartInfo& part, const QString& label);
CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int itemType, const QStringList& values);

// A COMM_IF section holding one COMM_IF_INFO part whose "CommIFTypeID" element (after `before`
// other elements) carries the type id as its DATA value.
CPELFM_PartInfo* AddCommIfInfo(CPELFM_ProfileInfo& root, const QString& sectionName, const QString& partName,
                               const QString& typeId, int before = 0);

// ---- plug-ins

class FakeProfilePlugin final : public IProfilePlugin {
public:
    // Called by CheckProfile; fills the findings or throws.
    std::function<void(CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&)> check;
    QStringList reservedWords;
    int checkCalls = 0;
    int progressCalls = 0;
    // Called by EditConnectionInfo; none answers "nothing applied".
    std::function<int(CPELFM_ProfileInfo*, QList<CPELFM_PartInfo*>*, QList<CPELFM_PartInfo*>*)> editConnections;

    void GetPluginInfo(_ST_CT_PLUGININFO& info) override { info.kind = PLUGIN_KIND_PROFILE; }
    int IsAvailable() override { return 1; }
    void ReservedOperation() override {}
    void GetFileExtensions(QString* extensions) override {
        extensions[0] = QStringLiteral("pelj");
        extensions[1] = QStringLiteral("pelp");
    }
    QString GetSchemaFileName(QString) override { return {}; }
    // The export's writer; unset, nothing is written and 0 returned.
    std::function<int(const QString&, CPELFM_ProfileInfo*)> save;
    int SaveProfile(QString path, CPELFM_ProfileInfo* root) override { return save ? save(path, root) : 0; }
    int CreateArchive(QString, QList<QString>*, QString) override { return 0; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    QString GetNamespaceUri() override { return {}; }
    void CheckProfile(ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                      QList<_ST_PEL_CHECK_MESSAGE>& messages) override;
    void SetDeviceModelPluginKind(int) override {}
    void GetItemKindsOfPart(int, QList<int>&) override {}
    void GetPartKindsOfSection(int, QList<int>&) override {}
    int IsElementEditable(CPELFM_ElemInfo*) override { return 1; }
    int ValidateLabel(QString label, int) override {
        return reservedWords.contains(label, Qt::CaseInsensitive) ? LABEL_RESERVED_WORD : LABEL_VALID;
    }
    QString GetDataTypeList() override { return {}; }
    int EditConnectionInfo(QWidget*, CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removed,
                           QList<CPELFM_PartInfo*>* changed) override {
        return editConnections ? editConnections(root, removed, changed) : CONNECTION_EDIT_NOTHING_APPLIED;
    }
};

class FakeDeviceModelPlugin final : public IDeviceModelPlugin {
public:
    QStringList ownNames;
    QList<_ST_PEL_CHECK_MESSAGE> findings;
    int checkCalls = 0;
    QStringList offeredNames;

    void GetPluginInfo(_ST_CT_PLUGININFO& info) override { info.kind = PLUGIN_KIND_DEVICE_MODEL; }
    int IsSupportedProfilePlugin(QString, int) override { return 1; }
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>*) override { return 1; }
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>& messages, CPELFM_ProfileInfo*) override {
        ++checkCalls;
        messages = findings;
    }
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    int IsOwnDeviceModelName(QString name) override {
        offeredNames.append(name);
        return ownNames.contains(name) ? 1 : 0;
    }
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
};

_ST_PEL_CHECK_MESSAGE Finding(int level, const QString& text, const QString& section = {},
                              const QString& part = {}, int element = 0, int itemKind = 0);

// ---- window fakes

class FakeWorkView : public QWidget, public IWorkView {
public:
    explicit FakeWorkView(QWidget* parent) : QWidget(parent) {}

    QWidget* Widget() override { return this; }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) ++toolTipEvents;
        return QWidget::event(event);
    }
    void SetWorkViewPart(CPELFM_PartInfo* shown) override { part = shown; }
    void FillPartGrid() override { ++fills; }
    void ReloadPartGrid() override { ++fills; }
    void SelectGridCell(int elementNumber, int itemType) override {
        selectedElement = elementNumber;
        selectedItemType = itemType;
    }
    void ResetViewOption() override { ++viewOptionResets; }
    void SetTopRow(int row) override { topRow = row; }
    void SetLeftCol(int column) override { leftColumn = column; }
    int GetCol() override { return currentColumn; }
    int GetCols() override { return 18; }
    void Select(int row, int column, int endRow, int endColumn) override {
        selected = {row, column, endRow, endColumn};
    }
    int ItemTypeColumn(int itemType) override { return itemType; }
    void FocusGrid() override { ++focusCalls; }
    void FinishCellEdit() override { ++finishedEdits; }
    CPELFM_PartInfo* GridPart() override { return part; }
    int GridRowCount() override { return part ? part->ElemCount() + 1 : 1; }
    int GridColumnCount() override { return 18; }
    int ColumnItemKind(int column) override { return column; }
    void RefreshGridCells(int, int, int, int) override {}
    void SelectGridRange(int, int, int, int) override {}
    void MakeCellCurrent(int, int) override {}

    CPELFM_PartInfo* part = nullptr;
    int fills = 0;
    int selectedElement = -1;
    int selectedItemType = -1;
    int viewOptionResets = 0;
    int topRow = -1;
    int leftColumn = -1;
    int currentColumn = 3;
    int focusCalls = 0;
    int finishedEdits = 0;
    QList<int> selected;
    int toolTipEvents = 0;
};

class FakeWorkViewFactory : public IWorkViewFactory {
public:
    IWorkView* CreateWorkView(QWidget* parent) override {
        auto* view = new FakeWorkView(parent);
        created.append(view);
        return view;
    }
    QList<FakeWorkView*> created;
};

class FakeTreePane : public IProfileTreeNavigation {
public:
    void SelectNodeItem(CPELFM_NodeBase* node) override { selected.append(node); }
    void FocusTree() override { ++focusCalls; }
    QList<CPELFM_NodeBase*> selected;
    int focusCalls = 0;
};

// Answers every dialog with a fixed result, after letting the test act on it.
class ScriptedDialogPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override;
    std::function<int(QDialog&)> onRun;
    int runs = 0;
};

// The editor's texts for the tests: each id's text names the id and its inserts.
MapStringSource& TestStrings();

class FakeFrameHost : public IMainFrameHost {
public:
    const IStringSource& Strings() const override { return TestStrings(); }
    IMessagePresenter& Messages() override { return messages; }
    CPELFM_ProfileInfo* OpenProfile() const override { return profile.get(); }
    QStringList AcceptedFileExtensions() const override { return extensions; }
    int AskSaveModified() override {
        ++askSaveCalls;
        return askSaveAnswer;
    }
    void OpenProfileFile(const QString& path) override { openedPaths.append(path); }
    int CloseCurrentFile() override {
        ++closeFileCalls;
        return closeFileAnswer;
    }
    void ReleaseAtClose() override { ++releaseCalls; }
    bool IsModelBusy() const override { return busy; }

    ScriptedMessagePresenter messages;
    std::unique_ptr<CPELFM_ProfileInfo> profile = std::make_unique<CPELFM_ProfileInfo>();
    QStringList extensions{QStringLiteral("pelj"), QStringLiteral("pelp")};
    int askSaveAnswer = 0;
    int askSaveCalls = 0;
    int closeFileAnswer = 0;
    int closeFileCalls = 0;
    int releaseCalls = 0;
    QStringList openedPaths;
    bool busy = false;
};

}  // namespace UiTest
