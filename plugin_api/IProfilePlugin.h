#pragma once
#include <QList>
#include <QString>

#include "PluginRecords.h"

class CPELFM_ProfileInfo;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class ICheckProgressSink;
class QWidget;

// The profile plug-in interface. The slot order is a binary contract with every plug-in
// build: never insert, remove or reorder operations, and never add a virtual destructor
// (it would shift every slot). Plug-ins delete their instance through the concrete class.
class IProfilePlugin {
public:
    /* 1 */ virtual void GetPluginInfo(_ST_CT_PLUGININFO& info) = 0;
    /* 2 */ virtual int IsAvailable() = 0;
    /* 3 */ virtual void ReservedOperation() = 0;
    /* 4 */ virtual void GetFileExtensions(QString* extensions) = 0;  // [0] project, [1] profile
    /* 5 */ virtual QString GetSchemaFileName(QString extension) = 0;
    /* 6 */ virtual int SaveProfile(QString path, CPELFM_ProfileInfo* root) = 0;
    /* 7 */ virtual int CreateArchive(QString archivePath, QList<QString>* files, QString baseFolder) = 0;
    /* 8 */ virtual void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>* fileInfo,
                                                 QList<_ST_CT_ELEM_INFO>* deviceInfo) = 0;
    /* 9 */ virtual void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 10 */ virtual void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 11 */ virtual void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 12 */ virtual void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 13 */ virtual void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 14 */ virtual QString GetNamespaceUri() = 0;
    /* 15 */ virtual void CheckProfile(ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                                       QList<_ST_PEL_CHECK_MESSAGE>& messages) = 0;
    /* 16 */ virtual void SetDeviceModelPluginKind(int kind) = 0;
    /* 17 */ virtual void GetItemKindsOfPart(int partKind, QList<int>& itemKinds) = 0;
    /* 18 */ virtual void GetPartKindsOfSection(int sectionKind, QList<int>& partKinds) = 0;
    /* 19 */ virtual int IsElementEditable(CPELFM_ElemInfo* elem) = 0;
    /* 20 */ virtual int ValidateLabel(QString label, int reserved) = 0;
    /* 21 */ virtual QString GetDataTypeList() = 0;
    /* 22 */ virtual int EditConnectionInfo(QWidget* parent, CPELFM_ProfileInfo* root,
                                            QList<CPELFM_PartInfo*>* removedParts,
                                            QList<CPELFM_PartInfo*>* changedParts) = 0;

protected:
    // Not virtual on purpose; see above. Protected so nobody deletes through the interface.
    ~IProfilePlugin() = default;
};

// Results of IProfilePlugin::ValidateLabel.
inline constexpr int LABEL_VALID = 0;
inline constexpr int LABEL_PROHIBITED_CHARACTER = 2;
inline constexpr int LABEL_LEADING_DIGIT = 3;
inline constexpr int LABEL_RESERVED_WORD = 4;

// Results of IProfilePlugin::EditConnectionInfo.
inline constexpr int CONNECTION_EDIT_APPLIED = 0;
inline constexpr int CONNECTION_EDIT_FAILED = 1;
inline constexpr int CONNECTION_EDIT_NOTHING_APPLIED = 2;
inline constexpr int CONNECTION_EDIT_TOO_MANY = 41020;
