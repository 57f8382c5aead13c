#include "CTessalyApp.h"

#include <QApplication>
#include <QFileInfo>

#include "CAboutDlg.h"
#include "CChildFrame.h"
#include "CDialogSystemSetting.h"
#include "CDialogVersionSetting.h"
#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileView.h"
#include "CWorkViewManager.h"
#include "CommandEnvironment.h"
#include "CommandFailure.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "CommonUtilityCommandServices.h"
#include "EditCommandWiring.h"
#include "EditorApplication.h"
#include "FileAssociation.h"
#include "IDeviceModelPlugin.h"
#include "IDialogPresenter.h"
#include "IMessagePresenter.h"
#include "IProfilePlugin.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "PartWindowSetup.h"
#include "PluginNames.h"
#include "ProfileCheckRun.h"
#include "ProfileFileCommands.h"
#include "ProfileFileNames.h"
#include "ResourceMessage.h"
#include "XmlError.h"

namespace {

constexpr int IDS_APP_TITLE = 2203;
constexpr int IDS_REGISTRY_KEY = 112;
constexpr int IDS_CANNOT_GO_ON = 10003;
constexpr int IDS_SETTINGS_SAVED = 10035;
// Names what failed when the net below the commands caught it.
constexpr int IDS_THE_COMMAND = 62170;

EditorApplication* Application() {
    return dynamic_cast<EditorApplication*>(QCoreApplication::instance());
}

}  // namespace

CTessalyApp::CTessalyApp(const QString& executablePath, IMessagePresenter& messages,
                         IDialogPresenter& dialogs)
    : m_executablePath(executablePath),
      m_messages(messages),
      m_dialogs(dialogs),
      m_utility(QFileInfo(executablePath).absolutePath()) {
    m_utility.clipboardKind = 2;
    m_utility.SetStringSource(&m_strings);
    m_utility.SetMessagePresenter(&m_messages);
    FileCommandHooks hooks;
    hooks.isModified = [this] { return IsModified(); };
    hooks.clearHistory = [this] {
        GetCommandManager()->Clear();
        connectionInfoModified = 0;
    };
    hooks.chooseSavePath = [this](const QString& extension, const QString& defaultName, const QString& title,
                                  const QString& filter, int target, QString& path) {
        return ChooseSavePath(extension, defaultName, title, filter, target, path);
    };
    hooks.closeViews = [this] { CloseFileViews(); };
    hooks.showOpenedFile = [this](const QString& path) {
        if (m_treeView) m_treeView->RebuildProfileTree();
        RememberRecentFile(path);
    };
    hooks.updateTitle = [this] { UpdateMainTitle(); };
    m_files = std::make_unique<ProfileFileCommands>(m_utility, std::move(hooks));
}

CTessalyApp::~CTessalyApp() {
    if (EditorApplication* application = Application()) application->SetFailureHandler({});
    SetCommandEnvironment({});
    m_treeView = nullptr;
    m_frame.reset();
    m_partWindows.reset();
    ReleaseAtClose();
}

bool CTessalyApp::Fail(int exitCode) {
    m_exitCode = exitCode;
    return false;
}

bool CTessalyApp::LoadResourceDll() {
    if (m_strings.Open(ResourceStringSource::LibraryPathFor(m_executablePath))) return true;
    m_messages.ShowMessage(m_strings.ErrorText(), QStringLiteral("Error"), MB_ICONERROR);
    return false;
}

bool CTessalyApp::InitInstance() {
    if (!LoadResourceDll()) return Fail(1);

    QCoreApplication::setOrganizationName(m_strings.LoadString(IDS_REGISTRY_KEY));
    // No display name of its own: the platform would append it to every title that does not end with
    // it, and the main title already begins with the application's name.
    QCoreApplication::setApplicationName(m_strings.LoadString(IDS_APP_TITLE));
    if (EditorApplication* application = Application())
        application->SetFailureHandler([this](const std::exception_ptr& error) {
            CommandFailure::Report(m_strings, m_messages, m_strings.LoadString(IDS_THE_COMMAND), error);
        });

    m_frame = std::make_unique<CMainFrame>(*this);
    if (!m_frame->Create()) {
        m_utility.ShowMessage({}, IDS_CANNOT_GO_ON, MB_ICONERROR);
        m_frame.reset();
        return Fail(1);
    }
    m_frame->SetDialogPresenter(&m_dialogs);
    CreateProfileTree();
    m_partWindows = std::make_unique<PartWindowSetup>(*m_frame, m_utility, m_dialogs);
    m_commandServices = std::make_unique<CommonUtilityCommandServices>(m_utility);
    SetCommandEnvironment({m_commandServices.get(), m_frame.get()});
    // The tree and the dialogs create their edits by name.
    RegisterAllCommands();
    RegisterCommands();
    m_frame->show();

    if (!BindPluginsAndChooseVersion()) {
        // A start-up that did not come through keeps nothing: its window goes unsaved, after the one
        // message that said why.
        m_frame->hide();
        ReleaseAtClose();
        return Fail(1);
    }

    if (!m_utility.profilePlugins.isEmpty()) {
        QString extensions[2];
        m_utility.profilePlugins.first().instance->GetFileExtensions(extensions);
        m_utility.projectExtension = extensions[0];
        m_utility.profileExtension = extensions[1];
    }
    CheckFileAssociation(m_utility);
    OpenCommandLineFile();
    m_frame->UpdateCommandUi();
    return true;
}

// Settings, plug-ins and the choice of the profile plug-in; every exception ends the start-up.
bool CTessalyApp::BindPluginsAndChooseVersion() {
    try {
        m_utility.LoadSettingsFile(m_utility.SettingsFilePath());
        const quint32 savedVersion = m_utility.settings->DllVersion;
        if (m_utility.BuildProfileTypeList() != 1) return false;

        if (savedVersion != DLL_VERSION_NONE && !m_utility.settings->Language.isEmpty()) {
            for (int i = 0; i < m_utility.profilePlugins.size(); ++i) {
                const _ST_DLL_PROFILE& plugin = m_utility.profilePlugins[i];
                if (plugin.kind == PLUGIN_KIND_PROFILE && plugin.version == savedVersion) {
                    m_utility.SelectProfilePlugin(i);
                    return true;
                }
            }
            m_utility.settings->DllVersion = DLL_VERSION_NONE;
        }

        CDialogVersionSetting dialog(m_utility, m_frame.get());
        if (dialog.DoModal(m_dialogs) == -1) return false;
        RecordChosenProfileType();
        return true;
    } catch (const XmlError& failed) {
        // The settings file is the one file written here: which one, and why it could not be.
        m_messages.ShowMessage(
            m_strings.LoadString(IDS_CANNOT_GO_ON) +
                CommandFailure::Details(m_strings, m_utility.SettingsFilePath(), failed.Reason()),
            QString(), MB_ICONERROR);
        return false;
    } catch (...) {
        m_utility.ShowMessage({}, IDS_CANNOT_GO_ON, MB_ICONERROR);
        return false;
    }
}

void CTessalyApp::RecordChosenProfileType() {
    if (m_utility.profileTypes.empty() || m_utility.profilePlugins.isEmpty() ||
        m_utility.deviceModelPlugins.isEmpty())
        throw InvalidArgumentError("no profile type, profile plug-in or device-model plug-in to record");
    m_utility.ClearProfileTypeSetting();
    const _ST_DLL_PROFILE& profile = m_utility.profilePlugins.first();
    // The chosen plug-in's own name: the first profile type may belong to another format.
    QString displayName = profile.displayName;
    const _ST_DLL_DEVICE_MODEL& deviceModel = m_utility.deviceModelPlugins.first();
    const QString deviceModelLabel = PluginNameWithVersion(deviceModel.displayName, deviceModel.version);
    GetLegacyPluginName(deviceModelLabel, displayName);

    _ST_SYSTEM_SETTING& settings = *m_utility.settings;
    settings.DllVersion = profile.version;
    settings.ProfileType->displayName = displayName;
    settings.ProfileType->value = profile.fileName;
    _PROFILE_CONTENT content;
    content.name = deviceModel.internalName;
    content.fileName = deviceModel.fileName;
    content.displayName = deviceModelLabel;
    settings.ProfileType->contents.append(content);
    m_utility.WriteSettingsFile();
    if (m_utility.settingsNoticeFlag) m_utility.ShowMessage({}, IDS_SETTINGS_SAVED, MB_ICONINFORMATION);
}

void CTessalyApp::RegisterCommands() {
    const auto fileOpen = [this] { return m_utility.fileOpen != 0; };
    m_frame->SetCommandHandler(
        ID_FILE_CHECK, [this] { CheckProfile(0); }, fileOpen);
    m_frame->SetCommandHandler(ID_SETTING_SYSTEM, [this] { OnSystemSetting(); });
    m_frame->SetCommandHandler(ID_SETTING_VERSION, [this] { OnVersionSetting(); });
    m_frame->SetCommandHandler(ID_APP_ABOUT, [this] { OnAbout(); });
    m_frame->SetCommandHandler(ID_APP_EXIT, [this] { OnAppExit(); });
    RegisterEditCommandHandlers(*m_frame, m_utility, connectionInfoModified);
    RegisterFileCommands();
}

int CTessalyApp::CheckProfile(int forExport) {
    ProfileCheckRunContext context{checkRunning, checkMessages, {},       m_frame.get(),
                                   m_strings,    m_messages,    m_dialogs};
    context.job.root = m_utility.openProfile;
    context.job.profilePlugin =
        m_utility.profilePlugins.isEmpty() ? nullptr : m_utility.profilePlugins.first().instance;
    for (const _ST_DLL_DEVICE_MODEL& record : m_utility.deviceModelPlugins)
        if (record.instance) context.job.deviceModelPlugins.append(record.instance);
    context.job.validateName = [this](const QString& name) {
        return m_utility.ValidateNodeName(name, nullptr);
    };
    context.job.validatePartLabel2 = [this](const QString& label2) {
        return m_utility.ValidatePartLabel2(label2, nullptr);
    };
    context.job.strings = &m_strings;
    context.job.finishPauseMs = checkFinishPauseMs;
    const int result = RunProfileCheck(context, forExport);
    if (m_frame) m_frame->CloseIfDeferred();
    return result;
}

void CTessalyApp::UnloadPlugins() {
    m_utility.UnloadPlugins();
}

// The main window's close asks to save, closes the file and only then releases the settings and the
// plug-ins, with nothing of the editor's running from the moment the user's answer lets it go on.
void CTessalyApp::OnAppExit() {
    if (m_frame)
        m_frame->close();
    else
        ReleaseAtClose();
}

void CTessalyApp::OnSystemSetting() {
    if (m_utility.BuildProfileTypeList() != 1) {
        OnAppExit();
        return;
    }
    CDialogSystemSetting dialog(m_utility, m_frame.get());
    m_dialogs.RunModal(dialog);
}

void CTessalyApp::OnVersionSetting() {
    // The dialog reports a version it could not save and keeps the running one.
    CDialogVersionSetting dialog(m_utility, m_frame.get());
    if (dialog.DoModal(m_dialogs) == -1) OnAppExit();
}

void CTessalyApp::OnAbout() {
    CAboutDlg dialog(m_utility, m_frame.get());
    m_dialogs.RunModal(dialog);
}

bool CTessalyApp::IsModified() const {
    const CommandManager* history = GetCommandManager();
    return history->CanUndo() || history->CanRedo() || connectionInfoModified != 0;
}

QStringList CTessalyApp::AcceptedFileExtensions() const {
    QStringList extensions{m_utility.projectExtension, m_utility.profileExtension};
    if (m_utility.FirstDeviceModelKind() == DEVICE_MODEL_KIND_ALTERNATE_EXTENSIONS)
        extensions << QStringLiteral("epelp") << QStringLiteral("epelproj");
    return extensions;
}

int CTessalyApp::AskSaveModified() {
    return m_files->AskSaveModified();
}

int CTessalyApp::CloseCurrentFile() {
    return m_files->CloseCurrentFile();
}

void CTessalyApp::ReleaseAtClose() {
    if (m_released) return;
    m_released = true;
    m_utility.ReleaseSettings();
    UnloadPlugins();
}
