#include "NewProfileLogic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>
#include <memory>

#include "CCommonUtility.h"
#include "CPELFM_ProfileInfo.h"
#include "CommandFailure.h"
#include "INewProfileHost.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "NewProfileFile.h"
#include "NodeTextRules.h"
#include "PELFMExceptions.h"
#include "ResourceMessage.h"

namespace {

// The ASCII-only refusal that names the character.
constexpr int IDS_NON_ASCII_NAME = 10063;
constexpr int IDS_NEW_PROFILE = 2100;
constexpr int IDS_FAILED = 10008;
constexpr int IDS_NO_FOLDER_FOR_NEW_PROFILE = 62173;

}  // namespace

bool NewProfileLogic::CreateEnabled(const NewProfileTexts& t) {
    return !t.fileSectionName.isEmpty() && !t.fileInfoName.isEmpty() && !t.deviceSectionName.isEmpty() &&
           !t.deviceInfoName.isEmpty();
}

QStringList NewProfileLogic::Record(const NewProfileTexts& t) {
    QStringList record(NEW_PROFILE_RECORD_SIZE);
    record[NEW_FILE_SECTION_LABEL] = t.fileSectionName;
    record[NEW_FILE_SECTION_COMMENT] = t.fileSectionComment;
    record[NEW_FILE_INFO_LABEL] = t.fileInfoName;
    record[NEW_FILE_INFO_COMMENT] = t.fileInfoComment;
    record[NEW_FILE_INFO_LABEL2] = t.fileInfoLabel2;
    record[NEW_DEVICE_SECTION_LABEL] = t.deviceSectionName;
    record[NEW_DEVICE_SECTION_COMMENT] = t.deviceSectionComment;
    record[NEW_DEVICE_INFO_LABEL] = t.deviceInfoName;
    record[NEW_DEVICE_INFO_COMMENT] = t.deviceInfoComment;
    record[NEW_DEVICE_INFO_LABEL2] = t.deviceInfoLabel2;
    return record;
}

bool NewProfileLogic::Refused(const NewProfileTexts& t, NewProfileOutcome& outcome) const {
    const struct {
        const QString& text;
        NewProfileField field;
    } names[] = {{t.fileSectionName, NewProfileField::FileSectionName},
                 {t.fileInfoName, NewProfileField::FileInfoName},
                 {t.deviceSectionName, NewProfileField::DeviceSectionName},
                 {t.deviceInfoName, NewProfileField::DeviceInfoName}};
    for (const auto& n : names) {
        if (NodeTextRules::HasNonAsciiChar(n.text)) {
            m_utility.ShowMessage({n.text, NodeTextRules::FirstNonAsciiChar(n.text)}, IDS_NON_ASCII_NAME,
                                  MB_OK);
            outcome.focus = n.field;
            return true;
        }
    }
    // The new profile replaces the open one, so only the label rules count, not its names.
    const struct {
        const QString& text;
        NewProfileField field;
        bool optional;  // a label2 need not be given; one that is given follows the label rules
    } labels[] = {{t.fileSectionName, NewProfileField::FileSectionName, false},
                  {t.fileInfoName, NewProfileField::FileInfoName, false},
                  {t.fileInfoLabel2, NewProfileField::FileInfoLabel2, true},
                  {t.deviceSectionName, NewProfileField::DeviceSectionName, false},
                  {t.deviceInfoName, NewProfileField::DeviceInfoName, false},
                  {t.deviceInfoLabel2, NewProfileField::DeviceInfoLabel2, true}};
    QString insert;
    for (const auto& l : labels) {
        if (l.optional && l.text.isEmpty()) continue;
        const QString entry =
            NodeTextRules::InvalidTextEntry(m_utility, m_utility.ValidateNodeName(l.text, nullptr), l.text);
        if (!entry.isEmpty() && insert.isEmpty()) outcome.focus = l.field;
        insert += entry;
    }
    if (!insert.isEmpty()) {
        m_utility.ShowMessage({insert}, 10015, MB_ICONERROR);
        return true;
    }
    if (t.fileSectionName.compare(t.deviceSectionName, Qt::CaseInsensitive) == 0) {
        m_utility.ShowMessage({t.deviceSectionName}, 10017, MB_ICONERROR);
        outcome.focus = NewProfileField::DeviceSectionName;
        return true;
    }
    return false;
}

NewProfileOutcome NewProfileLogic::Create(const NewProfileTexts& texts) {
    NewProfileOutcome outcome;
    try {
        if (Refused(texts, outcome)) return outcome;
    } catch (const InvalidArgumentError&) {
        return outcome;  // no profile plug-in: the label rules cannot be asked
    }

    outcome.close = true;

    NewProfileSources sources;
    if (!m_utility.profilePlugins.isEmpty())
        sources.profilePlugin = m_utility.profilePlugins.first().instance;
    for (const _ST_DLL_DEVICE_MODEL& model : m_utility.deviceModelPlugins)
        if (model.instance != nullptr) sources.deviceModelPlugins.append(model.instance);
    sources.texts = &m_texts;
    sources.programFolder = m_utility.executableFolder;

    // The new profile is made before the open one goes, so a failure keeps the open file.
    QString path;
    try {
        if (CreateNewProfileFile(sources, Record(texts), &path) != 0) throw CPELFM_CreateRootException();
    } catch (const NewProfileFolderError& error) {
        m_utility.ShowMessage({m_utility.LoadString(IDS_NEW_PROFILE),
                               QStringLiteral("0x%1").arg(CPELFM_WriteFileException::Code_, 0, 16),
                               FormatResourceMessage(m_texts, {error.programTemp, error.systemTemp},
                                                     IDS_NO_FOLDER_FOR_NEW_PROFILE)},
                              IDS_FAILED, MB_ICONERROR);
        return outcome;
    } catch (...) {
        CommandFailure::Report(m_utility, m_utility.LoadString(IDS_NEW_PROFILE), std::current_exception(),
                               path);
        return outcome;
    }

    // Without a device-model plug-in the profile has type 0.
    std::unique_ptr<CPELFM_ProfileInfo> created;
    std::exception_ptr failure;
    try {
        created = std::make_unique<CPELFM_ProfileInfo>(path, m_utility.FirstDeviceModelKind());
    } catch (...) {
        failure = std::current_exception();
    }

    // The file was only a vehicle for the templates; the folder goes only when nothing else is in it.
    QFile::remove(path);
    QDir().rmdir(QFileInfo(path).absolutePath());
    if (!created) {
        CommandFailure::Report(m_utility, m_utility.LoadString(IDS_NEW_PROFILE), failure);
        return outcome;
    }

    m_host.CloseCurrentFile();
    if (m_utility.openProfile != nullptr) m_utility.CloseProfile();
    m_utility.openProfile = created.release();
    outcome.loaded = true;

    if (outcome.loaded) m_host.ShowNewProfile();
    return outcome;
}
