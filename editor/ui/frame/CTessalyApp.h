#pragma once
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "CCommonUtility.h"
#include "IMainFrameHost.h"
#include "PluginRecords.h"
#include "ResourceStringSource.h"

class CMainFrame;
class IArchiveFileChooser;
class IArchivePackingStep;
class CProfileView;
class CommonUtilityCommandServices;
class IDialogPresenter;
class IMessagePresenter;
class ISaveFileChooser;
class ProfileFileCommands;
class PartWindowSetup;

// The application object: brings the editor up in a fixed order, owns the service object and
// the check findings, and handles the application's own commands. Created by main() once the
// QApplication exists.
class CTessalyApp : public IMainFrameHost {
public:
    // executablePath names the program inside its program folder; boxes and dialogs go through the
    // presenters, which outlive the application.
    CTessalyApp(const QString& executablePath, IMessagePresenter& messages, IDialogPresenter& dialogs);
    ~CTessalyApp();
    CTessalyApp(const CTessalyApp&) = delete;
    CTessalyApp& operator=(const CTessalyApp&) = delete;

    // Start-up; false when the editor must end, with ExitCode() as the process's exit code.
    bool InitInstance();
    int ExitInstance() { return 0; }
    int ExitCode() const { return m_exitCode; }

    // Opens the resource library beside the executable; on failure the loader's text in a box titled
    // "Error" and exit code 1.
    bool LoadResourceDll();

    // The check run: 1 = stop, 0 = go on.
    int CheckProfile(int forExport);
    void UnloadPlugins();
    // The exit command: ask to save, close the file, release everything, close the main window.
    void OnAppExit();
    void OnSystemSetting();
    void OnVersionSetting();
    void OnAbout();

    // The file commands and what hangs off them.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnCreateProfile();
    void OnCreateArchive();
    void UpdateMainTitle();
    // The service object holds a new, not yet saved profile: show it.
    void ShowNewProfile();
    ProfileFileCommands& FileCommands() { return *m_files; }
    CProfileView* ProfileView() const { return m_treeView; }

    CCommonUtility& Utility() { return m_utility; }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    // True while the undo or redo history holds a command, or the connections were changed.
    bool IsModified() const;

    // IMainFrameHost
    const IStringSource& Strings() const override { return m_strings; }
    IMessagePresenter& Messages() override { return m_messages; }
    CPELFM_ProfileInfo* OpenProfile() const override { return m_utility.openProfile; }
    QStringList AcceptedFileExtensions() const override;
    int AskSaveModified() override;
    void OpenProfileFile(const QString& path) override;
    int CloseCurrentFile() override;
    void ReleaseAtClose() override;
    // A check or the load of an open runs on a worker thread.
    bool IsModelBusy() const override { return checkRunning != 0 || m_openRunning; }
    bool HighColorIcons() const override { return highColorIcons != 0; }

    // The command line's text; a profile or project file named there is opened at start-up.
    QString commandLine;
    // The file dialogs; tests answer them without a window. Unset, the editor's own dialogs show.
    std::function<QString(const QString& title, const QString& filter)> chooseOpenFile;
    ISaveFileChooser* saveFileChooser = nullptr;
    IArchiveFileChooser* archiveFileChooser = nullptr;
    IArchivePackingStep* archivePackingStep = nullptr;

    int copiedReferenceSource = 0;
    int highColorIcons = 1;
    QList<_ST_PEL_CHECK_MESSAGE> checkMessages;
    int checkRunning = 0;
    int connectionInfoModified = 0;
    // The pause after the full progress bar of a check run.
    int checkFinishPauseMs = 600;

private:
    bool Fail(int exitCode);
    bool BindPluginsAndChooseVersion();
    void RecordChosenProfileType();
    void RegisterCommands();
    void RegisterFileCommands();
    void CreateProfileTree();
    void CloseFileViews();
    void OpenCommandLineFile();
    // Puts a file the user opened or saved under a new name first in the recent-file list.
    void RememberRecentFile(const QString& path);
    bool ChooseSavePath(const QString& extension, const QString& defaultName, const QString& title,
                        const QString& filter, int target, QString& path);

    QString m_executablePath;
    IMessagePresenter& m_messages;
    IDialogPresenter& m_dialogs;
    ResourceStringSource m_strings;
    CCommonUtility m_utility;
    std::unique_ptr<CommonUtilityCommandServices> m_commandServices;
    std::unique_ptr<CMainFrame> m_frame;
    CProfileView* m_treeView = nullptr;  // owned by the frame's dock
    std::unique_ptr<ProfileFileCommands> m_files;
    std::unique_ptr<PartWindowSetup> m_partWindows;  // outlives the frame's windows
    bool m_released = false;
    bool m_openRunning = false;
    int m_exitCode = 0;
};
