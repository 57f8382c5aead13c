#pragma once
#include "FormatSettings.h"
#include "IProfilePlugin.h"

// The profile plug-in object behind IProfilePlugin. One source for every format: the build binds
// the format's settings, and every answer that differs between formats comes from them.
class CProfilePlugin final : public IProfilePlugin {
public:
    // The connection editor of the builds that have one (slot 22).
    using ConnectionEditor = int (*)(CProfilePlugin& plugin, QWidget* parent, CPELFM_ProfileInfo* root,
                                     QList<CPELFM_PartInfo*>* removedParts,
                                     QList<CPELFM_PartInfo*>* changedParts);

    explicit CProfilePlugin(const PeloraFormat::FormatSettings& settings,
                            ConnectionEditor connectionEditor = nullptr)
        : m_settings(settings), m_connectionEditor(connectionEditor) {}
    ~CProfilePlugin() = default;

    const PeloraFormat::FormatSettings& Settings() const { return m_settings; }

    void GetPluginInfo(_ST_CT_PLUGININFO& info) override;
    int IsAvailable() override;
    void ReservedOperation() override;
    void GetFileExtensions(QString* extensions) override;
    QString GetSchemaFileName(QString extension) override;
    int SaveProfile(QString path, CPELFM_ProfileInfo* root) override;
    int CreateArchive(QString archivePath, QList<QString>* files, QString baseFolder) override;
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>* fileInfo,
                                 QList<_ST_CT_ELEM_INFO>* deviceInfo) override;
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    QString GetNamespaceUri() override;
    void CheckProfile(ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                      QList<_ST_PEL_CHECK_MESSAGE>& messages) override;
    void SetDeviceModelPluginKind(int kind) override;
    void GetItemKindsOfPart(int partKind, QList<int>& itemKinds) override;
    void GetPartKindsOfSection(int sectionKind, QList<int>& partKinds) override;
    int IsElementEditable(CPELFM_ElemInfo* elem) override;
    int ValidateLabel(QString label, int reserved) override;
    QString GetDataTypeList() override;
    int EditConnectionInfo(QWidget* parent, CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removedParts,
                           QList<CPELFM_PartInfo*>* changedParts) override;

private:
    const PeloraFormat::FormatSettings& m_settings;
    ConnectionEditor m_connectionEditor;
};
