#include "CConnectionInfoProtocolDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ConnectionInfoIds.h"
#include "IConnectionInfoPresenter.h"
#include "IStringSource.h"

CConnectionInfoProtocolDlg::CConnectionInfoProtocolDlg(QWidget* parent, IConnectionInfoPresenter& presenter,
                                                       const IStringSource& strings)
    : QDialog(parent), m_presenter(presenter), m_strings(strings) {
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(QString::fromUtf8("通信プロトコル設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("どの通信プロトコルを追加しますか？"), this));

    auto* group = new QGroupBox(QString::fromUtf8("プロトコル種別"), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto radio = [&](int id, const char* text) {
        auto* button = new QRadioButton(QString::fromLatin1(text), group);
        button->setObjectName(QString::number(id));
        groupLayout->addWidget(button);
        return button;
    };
    m_qdtx = radio(ConnInfo::IDC_PROTOCOL_QDTX, "&QDTX");
    m_rdb = radio(ConnInfo::IDC_PROTOCOL_RDB, "&RDB");
    m_logCsv = radio(ConnInfo::IDC_PROTOCOL_LOG_CSV, "&LOG_CSV");
    layout->addWidget(group);

    auto* versionRow = new QHBoxLayout;
    m_versions = new QComboBox(this);
    m_versions->setObjectName(QString::number(ConnInfo::IDC_PROTOCOL_VERSION));
    m_versions->addItem(QStringLiteral("1"));
    auto* versionLabel = new QLabel(QString::fromUtf8("プロトコルバージョン(&P)"), this);
    versionLabel->setBuddy(m_versions);
    versionRow->addWidget(versionLabel);
    versionRow->addWidget(m_versions);
    layout->addLayout(versionRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(ConnInfo::IDC_OK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
    cancel->setObjectName(QString::number(ConnInfo::IDC_CANCEL));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CConnectionInfoProtocolDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CConnectionInfoProtocolDlg::reject);
}

int CConnectionInfoProtocolDlg::Run() {
    try {
        m_qdtx->setChecked(true);
        m_qdtx->setFocus();
        m_versions->setCurrentIndex(0);
        return m_presenter.RunModal(*this) == QDialog::Accepted ? ConnInfo::kDone : ConnInfo::kNothing;
    } catch (...) {
        return ConnInfo::kFailed;
    }
}

void CConnectionInfoProtocolDlg::accept() {
    const int typeId = m_rdb->isChecked()      ? ConnInfo::IDS_CATEGORY_RDB
                       : m_logCsv->isChecked() ? ConnInfo::IDS_CATEGORY_LOG_CSV
                                               : ConnInfo::IDS_CATEGORY_QDTX;
    m_type = m_strings.LoadString(typeId);
    m_version = m_versions->currentText();
    QDialog::accept();
}
