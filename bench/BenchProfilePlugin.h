#pragma once
#include "IProfilePlugin.h"

// Stands in for the format 3.0 plug-in where the project writer asks for namespace and schema name.
class BenchProfilePlugin : public IProfilePlugin {
public:
    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsAvailable() override { return 1; }
    void ReservedOperation() override {}
    void GetFileExtensions(QString* e) override {
        e[0] = QStringLiteral("pelproj");
        e[1] = QStringLiteral("pelp");
    }
    QString GetSchemaFileName(QString) override { return QString(); }
    int SaveProfile(QString, CPELFM_ProfileInfo*) override { return 0; }
    int CreateArchive(QString, QList<QString>*, QString) override { return 0; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    QString GetNamespaceUri() override {
        return QStringLiteral("http://pelora.example/peloraformachine/ver3/");
    }
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
};
