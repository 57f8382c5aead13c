#include "ProfileFileCommands.h"

#include <exception>
#include <memory>

#include "CCommonUtility.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandFailure.h"
#include "FreedMemory.h"
#include "IMessagePresenter.h"
#include "IProfilePlugin.h"
#include "MessageBoxStyle.h"
#include "PELFMExceptions.h"
#include "ProfileFileNames.h"
#include "ProjectXmlWriter.h"
#include "ResourceMessage.h"
#include "XmlError.h"

namespace {

constexpr int IDS_APP_TITLE = 2203;
constexpr int IDS_NAME_MISSING = 403;
constexpr int IDS_SAVE_CHANGES = 10007;
constexpr int IDS_UNCLAIMED_COMM_IF = 10024;
constexpr int IDS_SAVE_DONE = 10031;
constexpr int IDS_PATTERN_SEPARATOR = 62022;
constexpr int IDS_FILTER = 62026;
constexpr int IDS_UNTITLED = 62027;
constexpr int IDS_PATTERN_PREFIX = 62039;
constexpr int IDS_SAVE_PROJECT = 62043;
constexpr int IDS_SAVE_PROJECT_AS = 62044;
constexpr int IDS_SAVE_PROFILE_TITLE = 62045;
constexpr int IDS_TITLE_SEPARATOR = 62049;
constexpr int IDS_TITLE_NEW_PROFILE = 62050;
constexpr int IDS_OPEN_TITLE = 62055;
constexpr int IDS_CREATE_PROFILE = 62085;
constexpr int IDS_OLDER_FORMAT = 62108;
constexpr int IDS_CANNOT_OPEN = 62109;
// The reasons of a refused open, given to 62109 as its second insert.
constexpr int IDS_REASON_MISSING = 62140;
constexpr int IDS_REASON_UNREADABLE = 62141;
constexpr int IDS_REASON_NOT_WELL_FORMED = 62142;
constexpr int IDS_REASON_INVALID = 62143;
constexpr int IDS_REASON_NO_SCHEMA = 62144;
constexpr int IDS_REASON_NEWER_VERSION = 62145;
constexpr int IDS_REASON_NO_VERSION = 62146;
constexpr int IDS_REASON_NO_SECTION = 62147;
constexpr int IDS_REASON_EXTENSION = 62148;
constexpr int IDS_REASON_CODE = 62149;
constexpr int IDS_REASON_OTHER = 62150;
constexpr int IDS_OPENING = 62151;
constexpr int IDS_STAGE_FIRST = 62152;     // one text per stage, in stage order
constexpr int IDS_FILE_IN_FOLDER = 62159;  // how the messages of an open name the file
constexpr int DEVICE_MODEL_KIND_ALTERNATE = 9;

const QString kAlternateProfile = QStringLiteral("epelp");
const QString kAlternateProject = QStringLiteral("epelproj");

QString ExtensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1);
}

bool SameText(const QString& a, const QString& b) {
    return !b.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

QString HexCode(int code) {
    return QStringLiteral("0x") + QString::number(code, 16);
}

QString VersionText(int major, int minor) {
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

}  // namespace

int ProfileFileCommands::AskSaveModified() {
    if (!m_hooks.isModified || !m_hooks.isModified()) return 0;
    QString name = m_utility.GetOpenFileBaseName();
    if (name.isEmpty()) name = m_utility.LoadString(IDS_UNTITLED);
    IMessagePresenter* presenter = m_utility.MessagePresenter();
    if (!presenter) return 1;
    const QString text = Format({name}, IDS_SAVE_CHANGES);
    const int answer = ShowMessageBox(*presenter, text, QString(), MB_YESNOCANCEL | MB_ICONINFORMATION);
    if (answer == IDCANCEL) return 1;
    if (answer == IDNO) return 0;
    return RunSave(IDS_SAVE_PROJECT, false, false, [this] { return SaveProject(); }) == SAVED ? 0 : 1;
}

int ProfileFileCommands::ConfirmSaveVersion() {
    if (!m_hooks.isModified || !m_hooks.isModified() || m_utility.IsOpenProfileVersionSupported()) return 0;
    IMessagePresenter* presenter = m_utility.MessagePresenter();
    if (!presenter) return 0;
    const int answer = ShowMessageBox(*presenter, m_utility.LoadString(IDS_OLDER_FORMAT), QString(),
                                      MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    return answer == IDNO ? 1 : 0;
}

int ProfileFileCommands::SaveProject() {
    if (!m_utility.fileOpen) return 0;
    if (ExtensionOf(m_utility.openFilePath) != m_utility.projectExtension) {
        const int result = SaveFileAs(TARGET_PROJECT);
        if (result != 1 && m_hooks.clearHistory) m_hooks.clearHistory();
        return result;
    }
    if (!m_hooks.isModified || !m_hooks.isModified()) return 1;
    StampProfileDates(m_utility.openProfile, 0, m_hooks.now());
    m_writePath = m_utility.openFilePath;
    WriteProject(m_utility.openFilePath);
    if (m_hooks.clearHistory) m_hooks.clearHistory();
    return 0;
}

int ProfileFileCommands::SaveFileAs(int target) {
    QString extension;
    QString defaultName;
    QString title;
    if (target == TARGET_PROFILE) {
        extension = m_utility.profileExtension;
        if (BuildDefaultProfileFileName(m_utility, m_utility.openProfile, defaultName) != 1) {
            // Without the elements of the name nothing can be exported; say which.
            m_utility.ShowMessage({}, IDS_NAME_MISSING, MB_ICONERROR);
            return 1;
        }
        title = m_utility.LoadString(IDS_SAVE_PROFILE_TITLE);
    } else {
        extension = m_utility.projectExtension;
        defaultName = m_utility.GetOpenFileBaseName();
        title = m_utility.LoadString(IDS_SAVE_PROJECT_AS);
    }
    const QString filter = Filter(m_utility.LoadString(IDS_PATTERN_PREFIX) + extension);
    QString path;
    if (!m_hooks.chooseSavePath ||
        !m_hooks.chooseSavePath(extension, defaultName, title, filter, target, path))
        return 1;

    StampProfileDates(m_utility.openProfile, 1, m_hooks.now());
    m_writePath = path;
    if (target == TARGET_PROFILE) {
        if (m_utility.profilePlugins.isEmpty()) throw CPELFM_NULL_Exception();
        // The plug-in answers 1 once the document is written.
        if (m_utility.profilePlugins.first().instance->SaveProfile(path, m_utility.openProfile) != 1)
            throw CPELFM_WriteFileException();
    } else {
        WriteProject(path);
        m_utility.openFilePath = path;
    }
    return 0;
}

ProfileFileCommands::SaveOutcome ProfileFileCommands::RunSave(int insertId, bool confirmVersion,
                                                              bool clearsHistory,
                                                              const std::function<int()>& save) {
    QStringList inserts{m_utility.LoadString(insertId)};
    if (confirmVersion && ConfirmSaveVersion() == 1) return NOTHING_SAVED;
    m_writePath.clear();
    try {
        if (save() == 1) return NOTHING_SAVED;
        m_utility.ShowMessage(inserts, IDS_SAVE_DONE, MB_ICONINFORMATION);
        if (clearsHistory && m_hooks.clearHistory) m_hooks.clearHistory();
        return SAVED;
    } catch (...) {
        // XML and file errors outside the model family count as a failed write.
        CommandFailure::Report(m_utility, inserts.first(), std::current_exception(), m_writePath);
    }
    return SAVE_FAILED;
}

ProfileFileCommands::SaveOutcome ProfileFileCommands::Save() {
    const SaveOutcome outcome = RunSave(IDS_SAVE_PROJECT, true, true, [this] { return SaveProject(); });
    if (m_hooks.updateTitle) m_hooks.updateTitle();
    return outcome;
}

ProfileFileCommands::SaveOutcome ProfileFileCommands::SaveAs() {
    const SaveOutcome outcome =
        RunSave(IDS_SAVE_PROJECT_AS, true, true, [this] { return SaveFileAs(TARGET_PROJECT); });
    if (m_hooks.updateTitle) m_hooks.updateTitle();
    return outcome;
}

ProfileFileCommands::SaveOutcome ProfileFileCommands::ExportProfile() {
    const SaveOutcome outcome =
        RunSave(IDS_CREATE_PROFILE, false, false, [this] { return SaveFileAs(TARGET_PROFILE); });
    if (m_hooks.updateTitle) m_hooks.updateTitle();
    return outcome;
}

bool ProfileFileCommands::IsAcceptedExtension(const QString& extension) const {
    if (SameText(extension, m_utility.profileExtension) || SameText(extension, m_utility.projectExtension))
        return true;
    return m_utility.FirstDeviceModelKind() == DEVICE_MODEL_KIND_ALTERNATE &&
           (SameText(extension, kAlternateProfile) || SameText(extension, kAlternateProject));
}

void ProfileFileCommands::RefuseOpen(const QStringList& inserts, int id) {
    m_utility.CloseProfile();
    m_utility.ShowMessage(inserts, id, MB_ICONERROR);
}

void ProfileFileCommands::OpenProfileFile(const QString& path) {
    OpenLoad load;
    if (!BeginOpen(path, load)) return;
    LoadForOpen(load);
    FinishOpen(load);
}

bool ProfileFileCommands::BeginOpen(const QString& path, OpenLoad& load) {
    if (path.isEmpty()) return false;
    if (m_utility.fileOpen || m_utility.openProfile) CloseCurrentFile();

    load.path = path;
    const QString extension = ExtensionOf(path);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    load.fileInsert = QStringList{Format({path.mid(slash + 1), path.left(slash + 1)}, IDS_FILE_IN_FOLDER)};
    if (!IsAcceptedExtension(extension)) {
        m_utility.openFilePath.clear();
        m_utility.ShowMessage(
            {load.fileInsert.first(), Format({AcceptedExtensionsText()}, IDS_REASON_EXTENSION)},
            IDS_CANNOT_OPEN, MB_ICONERROR);
        return false;
    }
    m_utility.openFilePath = path;

    load.validated =
        SameText(extension, m_utility.profileExtension) || SameText(extension, kAlternateProfile);
    load.deviceModelKind = m_utility.FirstDeviceModelKind();
    if (load.validated && !m_utility.profilePlugins.isEmpty())
        load.schemaPath = m_utility.GetSchemaPathPattern() +
                          m_utility.profilePlugins.first().instance->GetSchemaFileName(extension);
    return true;
}

void ProfileFileCommands::LoadForOpen(OpenLoad& load, const std::function<void(int)>& stage,
                                      const std::function<void(qint64, qint64)>& bytesRead) const {
    CPELFM_ProfileInfo::LoadControl control;
    control.stage = [&stage](int loadStage) {
        if (!stage) return;
        stage(loadStage == CPELFM_ProfileInfo::LOAD_READING        ? OPEN_READING
              : loadStage == CPELFM_ProfileInfo::LOAD_SCHEMA_CHECK ? OPEN_SCHEMA_CHECK
                                                                   : OPEN_BUILDING);
    };
    control.bytesRead = bytesRead;
    control.cancel = &load.cancel;
    QString reason;
    try {
        LoadProfile(load, control);
        if (load.cancel) throw XmlReadCancelled();
        if (stage) stage(OPEN_CHECKING);
        reason = CheckLoadedProfile(*load.root);
        if (reason.isEmpty()) {
            load.commIfTypeIds = CCommonUtility::CollectCommIfTypeIds(load.root.get());
            // A profile that will not be opened is freed here, not by the UI thread.
            if (load.cancel) throw XmlReadCancelled();
            if (!load.validated || !m_utility.HasUnclaimedCommIfTypeId(load.commIfTypeIds)) return;
            load.refusal = IDS_UNCLAIMED_COMM_IF;
            load.refusalInserts = load.fileInsert;
            load.root.reset();
            return;
        }
    } catch (const CPELFM_ExceptionBase& error) {
        reason = LoadFailureReason(error);
    } catch (const XmlReadCancelled&) {
        load.root.reset();
        return;
    } catch (const std::exception& error) {
        reason = Format({QString::fromLocal8Bit(error.what())}, IDS_REASON_OTHER);
    } catch (...) {
        reason = Format({QStringLiteral("?")}, IDS_REASON_CODE);
    }
    load.refusal = IDS_CANNOT_OPEN;
    load.refusalInserts = QStringList{load.fileInsert.first(), reason};
    load.root.reset();  // freed here, so a large refused profile costs the UI thread nothing
}

QString ProfileFileCommands::LoadFailureReason(const CPELFM_ExceptionBase& error) const {
    switch (error.code) {
        case CPELFM_FileNotFoundException::Code_:
            return Format({}, IDS_REASON_MISSING);
        case CPELFM_CreateRootException::Code_:
            // A file that was read has the parser's line; one that could not be read, the system's text.
            if (error.line > 0) return Format({error.detail}, IDS_REASON_NOT_WELL_FORMED);
            if (!error.detail.isEmpty()) return Format({error.detail}, IDS_REASON_UNREADABLE);
            break;
        case CPELFM_SchemaCheckException::Code_:
            return Format({error.detail}, error.line > 0 ? IDS_REASON_INVALID : IDS_REASON_NO_SCHEMA);
        default:
            break;
    }
    return Format({HexCode(error.code)}, IDS_REASON_CODE);
}

void ProfileFileCommands::LoadProfile(OpenLoad& load, const CPELFM_ProfileInfo::LoadControl& control) const {
    if (!load.validated) {
        load.root = std::make_unique<CPELFM_ProfileInfo>(load.path, load.deviceModelKind, control);
        return;
    }
    if (load.schemaPath.isEmpty()) throw CPELFM_NULL_Exception();
    load.root =
        CPELFM_ProfileInfo::LoadWithSchemaCheck(load.path, load.schemaPath, load.deviceModelKind, control);
}

QString ProfileFileCommands::CheckLoadedProfile(const CPELFM_ProfileInfo& root) const {
    for (const int type : {SECTION_FILE, SECTION_DEVICE}) {
        QList<CPELFM_SectionInfo*> sections;
        root.GetSectionsByType(sections, type);
        if (sections.isEmpty())
            return Format({CCommonUtility::SectionTypeNames()[type]}, IDS_REASON_NO_SECTION);
    }
    return m_utility.IsProfileVersionSupported(root) ? QString() : VersionRefusal(root);
}

QString ProfileFileCommands::VersionRefusal(const CPELFM_ProfileInfo& root) const {
    int major = 0;
    int minor = 0;
    if (!m_utility.DetectProfileSpecVersion(root, major, minor)) return Format({}, IDS_REASON_NO_VERSION);
    const quint32 selected =
        m_utility.profilePlugins.isEmpty() ? 0 : m_utility.profilePlugins.constFirst().version;
    return Format({VersionText(major, minor),
                   VersionText(static_cast<int>(selected >> 16), static_cast<int>(selected & 0xffff))},
                  IDS_REASON_NEWER_VERSION);
}

void ProfileFileCommands::FinishOpen(OpenLoad& load) {
    // Cancelled, even when the load had finished before the cancel was seen: the user asked for no file.
    if (load.cancel) {
        load.root.reset();
        m_utility.CloseProfile();
        return;
    }
    if (load.refusal != 0 || !load.root) {
        load.root.reset();
        RefuseOpen(load.refusalInserts, load.refusal != 0 ? load.refusal : IDS_CANNOT_OPEN);
        return;
    }
    m_utility.openProfile = load.root.release();
    m_utility.commIfTypeIds = load.commIfTypeIds;
    m_utility.openFilePath = load.path;
    m_utility.fileOpen = 1;
    if (m_hooks.showOpenedFile) m_hooks.showOpenedFile(load.path);
    if (m_hooks.updateTitle) m_hooks.updateTitle();
}

QString ProfileFileCommands::OpenProgressHeading(const OpenLoad& load) const {
    return Format(load.fileInsert, IDS_OPENING);
}

QStringList ProfileFileCommands::OpenStageTexts() const {
    QStringList texts;
    for (int stage = 0; stage < OPEN_STAGE_COUNT; ++stage)
        texts.append(m_utility.LoadString(IDS_STAGE_FIRST + stage));
    return texts;
}

QString ProfileFileCommands::AcceptedExtensionsText() const {
    QStringList extensions{m_utility.profileExtension, m_utility.projectExtension};
    if (m_utility.FirstDeviceModelKind() == DEVICE_MODEL_KIND_ALTERNATE)
        extensions << kAlternateProfile << kAlternateProject;
    extensions.removeAll(QString());
    for (QString& extension : extensions) extension.prepend(QLatin1Char('.'));
    return extensions.join(QStringLiteral(", "));
}

int ProfileFileCommands::CloseCurrentFile() {
    if (!m_utility.fileOpen && !m_utility.openProfile) return 0;
    {
        const FreedMemoryReturn returning;
        // The windows read the model, so they go before it.
        if (m_hooks.closeViews) m_hooks.closeViews();
        m_utility.CloseProfile();
        if (m_hooks.clearHistory) m_hooks.clearHistory();
    }
    if (m_hooks.updateTitle) m_hooks.updateTitle();
    return 0;
}

QString ProfileFileCommands::MainTitle() const {
    QString title = m_utility.LoadString(IDS_APP_TITLE);
    if (!m_utility.fileOpen) return title;
    if (m_utility.openFilePath.isEmpty()) return title + m_utility.LoadString(IDS_TITLE_NEW_PROFILE);
    return title + m_utility.LoadString(IDS_TITLE_SEPARATOR) + m_utility.openFilePath;
}

QString ProfileFileCommands::Format(const QStringList& inserts, int id) const {
    return m_utility.Strings() ? FormatResourceMessage(*m_utility.Strings(), inserts, id) : QString();
}

QString ProfileFileCommands::Filter(const QString& patterns) const {
    return Format({patterns, patterns}, IDS_FILTER);
}

void ProfileFileCommands::WriteProject(const QString& path) {
    if (!m_utility.Strings()) throw CPELFM_NULL_Exception();
    IProfilePlugin* plugin =
        m_utility.profilePlugins.isEmpty() ? nullptr : m_utility.profilePlugins.first().instance;
    if (SaveProfileDocument(m_utility.openProfile, plugin, *m_utility.Strings(), path) != 0)
        throw CPELFM_WriteFileException();
}

QString ProfileFileCommands::OpenFileFilter() const {
    const QString prefix = m_utility.LoadString(IDS_PATTERN_PREFIX);
    const QString separator = m_utility.LoadString(IDS_PATTERN_SEPARATOR);
    QString patterns = prefix + m_utility.profileExtension + separator + prefix + m_utility.projectExtension;
    if (m_utility.FirstDeviceModelKind() == DEVICE_MODEL_KIND_ALTERNATE)
        patterns += separator + prefix + kAlternateProfile + separator + prefix + kAlternateProject;
    return Filter(patterns);
}

QString ProfileFileCommands::OpenFileTitle() const {
    return m_utility.LoadString(IDS_OPEN_TITLE);
}
