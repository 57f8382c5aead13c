#include "ProfileFileCommands.h"

#include <memory>

#include "CCommonUtility.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IMessagePresenter.h"
#include "IProfilePlugin.h"
#include "MessageBoxStyle.h"
#include "PELFMExceptions.h"
#include "ProfileFileNames.h"
#include "ProjectXmlWriter.h"
#include "ResourceMessage.h"

namespace {

constexpr int IDS_APP_TITLE = 2203;
constexpr int IDS_NAME_MISSING = 403;
constexpr int IDS_SAVE_CHANGES = 10007;
constexpr int IDS_SAVE_FAILED = 10008;
constexpr int IDS_UNCLAIMED_COMM_IF = 10024;
constexpr int IDS_SAVE_DONE = 10031;
constexpr int IDS_PATTERN_SEPARATOR = 62022;
constexpr int IDS_FILTER = 62026;
constexpr int IDS_UNTITLED = 62027;
constexpr int IDS_OPEN_BRACKET = 62033;
constexpr int IDS_CLOSE_BRACKET = 62034;
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
    int code = 0;
    try {
        if (save() == 1) return NOTHING_SAVED;
        m_utility.ShowMessage(inserts, IDS_SAVE_DONE, MB_ICONINFORMATION);
        if (clearsHistory && m_hooks.clearHistory) m_hooks.clearHistory();
        return SAVED;
    } catch (const CPELFM_ExceptionBase& error) {
        code = error.code;
    } catch (...) {
        // XML and file errors outside the model family count as a failed write.
        code = CPELFM_WriteFileException::Code_;
    }
    inserts.append(QStringLiteral("0x") + QString::number(code, 16));
    m_utility.ShowMessage(inserts, IDS_SAVE_FAILED, MB_ICONERROR);
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
    if (path.isEmpty()) return;
    if (m_utility.fileOpen || m_utility.openProfile) CloseCurrentFile();

    const QString extension = ExtensionOf(path);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString fileName = path.mid(slash + 1);
    const QString folder = path.left(slash + 1);
    const QStringList fileInsert{fileName + m_utility.LoadString(IDS_OPEN_BRACKET) + folder +
                                 m_utility.LoadString(IDS_CLOSE_BRACKET)};
    if (!IsAcceptedExtension(extension)) {
        m_utility.openFilePath.clear();
        m_utility.ShowMessage({}, IDS_CANNOT_OPEN, MB_ICONERROR);
        return;
    }
    m_utility.openFilePath = path;

    const bool validated =
        SameText(extension, m_utility.profileExtension) || SameText(extension, kAlternateProfile);
    const int kind = m_utility.FirstDeviceModelKind();
    try {
        std::unique_ptr<CPELFM_ProfileInfo> root;
        if (validated) {
            if (m_utility.profilePlugins.isEmpty()) throw CPELFM_NULL_Exception();
            const QString schema = m_utility.GetSchemaPathPattern() +
                                   m_utility.profilePlugins.first().instance->GetSchemaFileName(extension);
            root = CPELFM_ProfileInfo::LoadWithSchemaCheck(path, schema, kind);
        } else {
            root = std::make_unique<CPELFM_ProfileInfo>(path, kind);
        }
        m_utility.openProfile = root.release();
    } catch (...) {
        RefuseOpen({}, IDS_CANNOT_OPEN);
        return;
    }

    QList<CPELFM_SectionInfo*> files;
    QList<CPELFM_SectionInfo*> devices;
    m_utility.openProfile->GetSectionsByType(files, SECTION_FILE);
    m_utility.openProfile->GetSectionsByType(devices, SECTION_DEVICE);
    if (files.isEmpty() || devices.isEmpty() || !m_utility.IsProfileVersionSupported(path)) {
        RefuseOpen({}, IDS_CANNOT_OPEN);
        return;
    }
    m_utility.CollectCommIfTypeIds();
    if (validated && m_utility.HasUnclaimedCommIfTypeId()) {
        RefuseOpen(fileInsert, IDS_UNCLAIMED_COMM_IF);
        return;
    }
    m_utility.openFilePath = path;
    m_utility.fileOpen = 1;
    if (m_hooks.showOpenedFile) m_hooks.showOpenedFile(path);
    if (m_hooks.updateTitle) m_hooks.updateTitle();
}

int ProfileFileCommands::CloseCurrentFile() {
    if (!m_utility.fileOpen && !m_utility.openProfile) return 0;
    // The windows read the model, so they go before it.
    if (m_hooks.closeViews) m_hooks.closeViews();
    m_utility.CloseProfile();
    if (m_hooks.clearHistory) m_hooks.clearHistory();
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
