#pragma once
#include <QDateTime>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "CPELFM_ProfileInfo.h"

class CCommonUtility;
class CPELFM_ExceptionBase;

// One open of a file: what the UI thread asks for, then what the load made of it.
struct OpenLoad {
    QString path;
    QString schemaPath;  // the schema of a validated load; empty without a profile plug-in
    bool validated = false;
    int deviceModelKind = 0;
    QStringList fileInsert;  // the file's name and folder, as the messages name the file

    std::unique_ptr<CPELFM_ProfileInfo> root;  // the profile, when it opens
    QStringList commIfTypeIds;
    int refusal = 0;  // the message that refuses the file; 0 when it opens
    QStringList refusalInserts;
    // Set from any thread to stop the load; a stopped or cancelled load opens nothing and says nothing.
    std::atomic<bool> cancel{false};
};

// What the file commands ask of the windows and the undo history around them.
struct FileCommandHooks {
    // The undo or redo history holds a command, or the connections were changed.
    std::function<bool()> isModified;
    // Empties both histories and forgets the connection change.
    std::function<void()> clearHistory;
    // The save dialog: true with the chosen path. target is 0 for the project, 1 for the profile.
    std::function<bool(const QString& extension, const QString& defaultName, const QString& title,
                       const QString& filter, int target, QString& path)>
        chooseSavePath;
    // Runs before the open model is deleted: part windows, tree items and output lines go first.
    std::function<void()> closeViews;
    // The service object holds a newly opened file at path: show it.
    std::function<void(const QString& path)> showOpenedFile;
    std::function<void()> updateTitle;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

// Opening, closing, saving and exporting the one working file held by the service object.
// Results follow the editor's rule: 1 = stop (nothing done or cancelled), 0 = go on.
class ProfileFileCommands {
public:
    enum Target { TARGET_PROJECT = 0, TARGET_PROFILE = 1 };
    // What a save command came to.
    enum SaveOutcome { SAVED = 0, NOTHING_SAVED = 1, SAVE_FAILED = 2 };

    ProfileFileCommands(CCommonUtility& utility, FileCommandHooks hooks)
        : m_utility(utility), m_hooks(std::move(hooks)) {}

    // Yes saves (a failed save counts as cancel, so no work is lost), No goes on, Cancel stops.
    int AskSaveModified();
    // Asks before an older format is saved by a newer editor; 1 when the user said No.
    int ConfirmSaveVersion();
    // The model's exceptions and the writer's failures are thrown to the caller.
    int SaveProject();
    int SaveFileAs(int target);

    // The commands Save, Save As and the export step of Create profile: the notice on success, the
    // error with its code on failure.
    SaveOutcome Save();
    SaveOutcome SaveAs();
    SaveOutcome ExportProfile();

    // The stages of an open, in the order LoadForOpen begins them.
    enum OpenStage { OPEN_READING, OPEN_SCHEMA_CHECK, OPEN_BUILDING, OPEN_CHECKING, OPEN_STAGE_COUNT };

    // The whole open on the calling thread, without windows of its own.
    void OpenProfileFile(const QString& path);
    // The open in three steps, so that the load can run on another thread. BeginOpen (UI thread) closes
    // the open file and refuses a file of another extension; true when there is a load to run.
    bool BeginOpen(const QString& path, OpenLoad& load);
    // Reads, validates and builds the profile and runs the open's checks; stage is told each OpenStage
    // as it begins, bytesRead how much of the file has been read. Touches neither the open file nor any
    // window, so it may run on a worker thread while the UI thread leaves the plug-ins alone. Ends soon
    // after load.cancel is set, having freed what it loaded.
    void LoadForOpen(OpenLoad& load, const std::function<void(int stage)>& stage = {},
                     const std::function<void(qint64 read, qint64 size)>& bytesRead = {}) const;
    // UI thread: the loaded profile becomes the open file, or the refusal is shown; after a cancel the
    // editor is left without a file, as after a refusal.
    void FinishOpen(OpenLoad& load);
    // The progress texts of an open: what is opened, and each stage.
    QString OpenProgressHeading(const OpenLoad& load) const;
    QStringList OpenStageTexts() const;

    int CloseCurrentFile();

    QString MainTitle() const;
    // The filter of the open-file dialog, in the editor's "text|patterns||" form.
    QString OpenFileFilter() const;
    QString OpenFileTitle() const;
    bool IsAcceptedExtension(const QString& extension) const;

private:
    SaveOutcome RunSave(int insertId, bool confirmVersion, bool clearsHistory,
                        const std::function<int()>& save);
    void RefuseOpen(const QStringList& inserts, int id);
    void LoadProfile(OpenLoad& load, const CPELFM_ProfileInfo::LoadControl& control) const;
    QString LoadFailureReason(const CPELFM_ExceptionBase& error) const;
    // Why a loaded profile cannot be the open file; empty when it can.
    QString CheckLoadedProfile(const CPELFM_ProfileInfo& root) const;
    QString VersionRefusal(const CPELFM_ProfileInfo& root) const;
    QString AcceptedExtensionsText() const;
    QString Filter(const QString& patterns) const;
    QString Format(const QStringList& inserts, int id) const;
    // Throws when the project file could not be written.
    void WriteProject(const QString& path);

    CCommonUtility& m_utility;
    FileCommandHooks m_hooks;
    QString m_writePath;  // the file the running save writes, for its failure message
};
