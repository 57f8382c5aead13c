#include "CDialogVersionSetting.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "CCommonUtility.h"
#include "IDialogPresenter.h"
#include "MessageBoxStyle.h"
#include "PluginRecords.h"
#include "VersionSettingChoice.h"

namespace {

constexpr int IDS_VERSION_TITLE = 332;
constexpr int IDS_VERSION_LABEL = 62103;
constexpr int IDS_VERSION_DESCRIPTION = 62104;
constexpr int IDS_VERSION_FILE_OPEN = 1065;
constexpr int IDS_OK = 9001;
constexpr int IDS_VERSION_NOT_AVAILABLE = 62105;

}  // namespace

CDialogVersionSetting::CDialogVersionSetting(CCommonUtility& utility, QWidget* parent)
    : QDialog(parent), m_utility(utility) {
    setObjectName(QStringLiteral("CDialogVersionSetting"));
    m_title = new QLabel(this);
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_versionLabel = new QLabel(this);
    m_versions = new QComboBox(this);
    m_versions->setObjectName(QStringLiteral("Combo920"));
    m_versionLabel->setBuddy(m_versions);
    m_fileOpenNote = new QLabel(this);
    m_fileOpenNote->setWordWrap(true);
    m_fileOpenNote->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(m_utility.LoadString(IDS_OK));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogVersionSetting::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogVersionSetting::reject);

    auto* form = new QFormLayout;
    form->addRow(m_versionLabel, m_versions);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_description);
    layout->addLayout(form);
    layout->addWidget(m_fileOpenNote);
    layout->addWidget(buttons);
}

int CDialogVersionSetting::DoModal(IDialogPresenter& presenter) {
    if (OnInitDialog() == -1) return -1;
    return presenter.RunModal(*this);
}

int CDialogVersionSetting::OnInitDialog() {
    setWindowTitle(m_utility.LoadString(IDS_VERSION_TITLE));
    m_title->setText(m_utility.LoadString(IDS_VERSION_TITLE));
    m_versionLabel->setText(m_utility.LoadString(IDS_VERSION_LABEL));
    m_description->setText(m_utility.LoadString(IDS_VERSION_DESCRIPTION));

    const quint32 saved = m_utility.settings ? m_utility.settings->DllVersion : DLL_VERSION_NONE;
    if (saved != DLL_VERSION_NONE && m_utility.BuildProfileTypeList() != 1) return -1;

    m_versions->clear();
    int highestEntry = -1;
    quint32 highest = 0;
    int savedEntry = -1;
    for (const _ST_DLL_PROFILE& plugin : m_utility.profilePlugins) {
        if (plugin.kind != PLUGIN_KIND_PROFILE) continue;
        m_versions->addItem(VersionSettingChoice::VersionText(plugin.version));
        const int entry = m_versions->count() - 1;
        if (highestEntry < 0 || plugin.version > highest) {
            highestEntry = entry;
            highest = plugin.version;
        }
        if (savedEntry < 0 && plugin.version == saved) savedEntry = entry;
    }
    if (saved == DLL_VERSION_NONE) {
        if (highestEntry >= 0) m_versions->setCurrentIndex(highestEntry);
    } else if (savedEntry >= 0) {
        m_versions->setCurrentIndex(savedEntry);
    }
    if (m_utility.fileOpen) {
        m_versions->setEnabled(false);
        m_fileOpenNote->setText(m_utility.LoadString(IDS_VERSION_FILE_OPEN));
        m_fileOpenNote->show();
    }
    return 0;
}

void CDialogVersionSetting::accept() {
    const int index =
        VersionSettingChoice::IndexOfVersionText(m_utility.profilePlugins, m_versions->currentText());
    if (index < 0) {
        m_utility.ShowMessage({}, IDS_VERSION_NOT_AVAILABLE, MB_ICONERROR);
        return;
    }
    // A version that could not be saved is not taken: the dialog stays, as the system settings do.
    if (!SelectPlugin(index)) return;
    QDialog::accept();
}

void CDialogVersionSetting::reject() {
    const quint32 saved = m_utility.settings ? m_utility.settings->DllVersion : DLL_VERSION_NONE;
    int index = -1;
    if (saved == DLL_VERSION_NONE) {
        index = VersionSettingChoice::HighestVersionIndex(m_utility.profilePlugins);
        if (index < 0) index = 0;
    } else {
        index = VersionSettingChoice::VersionIndex(m_utility.profilePlugins, saved);
        if (index < 0) m_utility.ShowMessage({}, IDS_VERSION_NOT_AVAILABLE, MB_ICONERROR);
    }
    // Without any plug-in there is nothing to select; the caller finds the list empty.
    if (index >= 0 && index < m_utility.profilePlugins.size()) SelectPlugin(index);
    QDialog::reject();
}

bool CDialogVersionSetting::SelectPlugin(int index) {
    if (m_utility.settings) {
        _ST_SYSTEM_SETTING& settings = *m_utility.settings;
        const _ST_DLL_PROFILE& chosen = m_utility.profilePlugins.at(index);
        if (settings.DllVersion != DLL_VERSION_NONE && settings.DllVersion != chosen.version) {
            // Written before the plug-in changes: when the file cannot take the new version, the format
            // that runs stays the one the file names, and the next start opens with it as well.
            const quint32 version = settings.DllVersion;
            QString value, displayName;
            settings.DllVersion = chosen.version;
            // The profile type names the same plug-in as the version, by file and by name.
            if (settings.ProfileType) {
                value = std::exchange(settings.ProfileType->value, chosen.fileName);
                displayName = std::exchange(settings.ProfileType->displayName, chosen.displayName);
            }
            if (!m_utility.WriteSettingsFileReported(IDS_VERSION_TITLE)) {
                settings.DllVersion = version;
                if (settings.ProfileType) {
                    settings.ProfileType->value = value;
                    settings.ProfileType->displayName = displayName;
                }
                return false;
            }
        }
    }
    m_utility.SelectProfilePlugin(index);
    return true;
}
