#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "PluginHostRecords.h"
#include "SystemSettingRecords.h"

class CPELFM_NodeBase;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class IStringSource;
class IMessagePresenter;
class XmlNode;

// The application-wide service object: the open profile, the settings, the plug-ins and the lists the
// views and commands share, with the small services used in many places. Exactly one exists, held by
// the application object.
class CCommonUtility {
public:
    // The executable's folder is taken from the running program.
    CCommonUtility();
    // For a program folder elsewhere (tests lay one out in a temporary folder).
    explicit CCommonUtility(const QString& executableFolder);
    virtual ~CCommonUtility();
    CCommonUtility(const CCommonUtility&) = delete;
    CCommonUtility& operator=(const CCommonUtility&) = delete;

    // Texts come from this source and messages go to this presenter; both outlive the object. Without
    // a source every text is empty, without a presenter no message is shown.
    void SetStringSource(const IStringSource* source) { strings = source; }
    void SetMessagePresenter(IMessagePresenter* messagePresenter) { presenter = messagePresenter; }
    QString LoadString(int id) const;
    // Null until a source is set.
    const IStringSource* Strings() const { return strings; }
    IMessagePresenter* MessagePresenter() const { return presenter; }
    void ShowMessage(const QStringList& inserts, int id, unsigned style) const;

    // ---- the open file
    void CloseProfile();
    // Called by CloseProfile so the main window can forget the node it points at.
    std::function<void()> onProfileClosed;

    // ---- settings (file format in CCommonUtilitySettings.cpp)
    void ReleaseSettings();
    // The program folder's Config/ file while that folder can be written, else the user's own copy.
    QString SettingsFilePath() const;
    QString ProgramSettingsFilePath() const;
    void LoadSettingsFile(const QString& path);
    int WriteSettingsFile();
    // Writes the settings file; a failed write is reported with 10008 under the name of the operation
    // (a string id), naming the file and the system's reason. False when it failed.
    bool WriteSettingsFileReported(int operationId);
    void ReadSystemSettings(const XmlNode& settingsRoot);
    void ReadProfileTypeSubItems(const XmlNode& profileTypeElement, _PROFILE_TYPE& profileType);
    void ClearProfileTypeSetting();
    void ApplyLegacyProfileType(_ST_SYSTEM_SETTING& record);

    // ---- plug-ins (host in CCommonUtilityPlugins.cpp)
    void LoadPlugins();
    void ScanPluginFolder(const QString& folder);
    // Deletes every listed instance, frees the libraries and empties both lists.
    void UnloadPlugins();
    int BuildProfileTypeList();
    void OrderDeviceModelPlugins();
    void SelectProfilePlugin(int index);
    int FindProfilePluginIndex(const QString& displayName, int& available) const;
    int FindDeviceModelPluginIndex(const QString& displayName, int withVersion) const;
    int GetDeviceModelPluginType() const;
    void ClearProfileTypeList();
    // Unloads one listed plug-in (its instance deleted, its library freed) and drops its record.
    void RemoveProfilePluginAt(int index);
    void RemoveDeviceModelPluginAt(int index);
    // The kind of the first device-model plug-in, or 0 when none is listed.
    int FirstDeviceModelKind() const;
    // The listed profile plug-in the settings select: the format version decides, the file name only
    // tells copies apart (or decides alone while no version is set). -1 when none fits.
    int SelectedProfilePluginIndex() const;

    // ---- names and lookups
    int ValidateNodeName(const QString& name, const CPELFM_NodeBase* parent) const;
    int ValidatePartLabel2(const QString& label2, const CPELFM_NodeBase* parent) const;
    static int FindSectionByNameInRoot(const CPELFM_ProfileInfo* root, const QString& name);
    static int FindPartByNameInSection(const CPELFM_SectionInfo* section, const QString& name);
    static int FindPartByLabel2InSection(const CPELFM_SectionInfo* section, const QString& label2);
    static int ParseUnsignedText(const QString& text, quint32& value, int base);
    QString GetOpenFileBaseName() const;
    static void GetFileNameFromPath(const QString& path, QString& name);
    CPELFM_PartInfo* FindDeviceInfoPart(const CPELFM_SectionInfo* section) const;
    QString GetSchemaPathPattern() const;
    static int AddUniqueString(QStringList& list, const QString& text);

    // ---- communication-interface types of the open profile
    void CollectCommIfTypeIds();
    int HasUnclaimedCommIfTypeId() const;
    // The same for a profile not yet open (an open loads it on a worker thread).
    static QStringList CollectCommIfTypeIds(const CPELFM_ProfileInfo* root);
    int HasUnclaimedCommIfTypeId(const QStringList& typeIds) const;

    // ---- format versions
    int DetectProfileSpecVersion(const QString& path, int& major, int& minor) const;
    int IsProfileVersionSupported(const QString& path) const;
    // The same for a loaded profile, from the root element it was read from: no second parse.
    int DetectProfileSpecVersion(const CPELFM_ProfileInfo& root, int& major, int& minor) const;
    int IsProfileVersionSupported(const CPELFM_ProfileInfo& root) const;
    int GetOpenProfileSpecVersion(QString& text) const;
    int IsOpenProfileVersionSupported() const;
    // The high 16 bits of the first profile plug-in's version, 0 when none is listed.
    int FirstProfilePluginMajorVersion() const;

    // ---- name tables, shared by the whole process
    static const QStringList& SectionXmlNames();
    static const QStringList& PartXmlNames();
    static const QStringList& PartKeys();
    static const QStringList& ItemNames();
    static const QStringList& ValueKindNames();
    static const QStringList& SectionTypeNames();

    // ---- state, in the order the views and commands know it
    CPELFM_ProfileInfo* openProfile = nullptr;  // owned
    std::unique_ptr<_ST_SYSTEM_SETTING> settings;
    std::vector<std::unique_ptr<_PROFILE_TYPE>> profileTypes;
    QString executableFolder;  // without a trailing "/"
    QString openFilePath;
    int fileOpen = 0;
    QString projectExtension;
    QString profileExtension;
    int clipboardKind = 0;  // 0 nothing, 1 tree nodes, 2 grid cells
    QStringList copiedReferences;
    QString copiedReferenceSection;  // the section whose elements the references name
    int copiedBlockRows = 0;
    int copiedBlockColumns = 0;
    int settingsNoticeFlag = 0;
    QList<_ST_DLL_PROFILE> profilePlugins;
    QList<_ST_DLL_DEVICE_MODEL> deviceModelPlugins;
    QStringList commIfTypeIds;
    QStringList pluginFolders;  // PrivatePlugin/ first, then PublicPlugin/

private:
    void ApplyPendingAutoCreateSettings();

    const IStringSource* strings = nullptr;
    IMessagePresenter* presenter = nullptr;
    // Libraries taken out of the lists by a selection; released with the listed ones.
    QList<std::shared_ptr<PluginModule>> m_unlistedModules;
    // The two automatic-creation items as the settings file held them, kept until the device-model
    // plug-in is known: only its kind says whether they count.
    struct PendingFlag {
        bool found = false;
        QString text;
    };
    bool m_autoCreatePending = false;
    PendingFlag m_pendingSection;
    PendingFlag m_pendingPart;
};
