#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "CommandIds.h"
#include "MenuText.h"

namespace {

constexpr int IDS_ABOUT_VERSION = 62114;
constexpr int IDS_MAIN_TITLE = 2203;

QString FormatName(quint32 version) {
    switch (version) {
        case 0x10001:
            return QStringLiteral("Pelora for Dazeziv[1.1]");
        case 0x20000:
            return QStringLiteral("Pelora for Dazeziv[2.0]");
        case 0x30000:
            return QStringLiteral("Pelora for Dazeziv[3.0]");
        default:
            return {};
    }
}

}  // namespace

CAboutDlg::CAboutDlg(const CCommonUtility& utility, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(MenuText::Label(utility.LoadString(ID_APP_ABOUT)).remove(QLatin1Char('&')));
    auto* title = new QLabel(utility.LoadString(IDS_MAIN_TITLE), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    // Nothing is shown for the format when no profile plug-in is listed.
    m_format = new QLabel(
        utility.profilePlugins.isEmpty() ? QString() : FormatName(utility.profilePlugins.first().version),
        this);
    m_version = new QLabel(utility.LoadString(IDS_ABOUT_VERSION), this);
    m_version->setWordWrap(true);
    QString models;
    if (utility.settings && utility.settings->ProfileType) {
        const QList<_PROFILE_CONTENT>& contents = utility.settings->ProfileType->contents;
        for (qsizetype i = contents.size() - 1; i >= 0; --i)
            models += contents[i].displayName + QLatin1Char('\n');
    }
    m_deviceModels = new QLabel(models, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_format);
    layout->addWidget(m_version);
    layout->addWidget(m_deviceModels);
    layout->addWidget(buttons);
}
