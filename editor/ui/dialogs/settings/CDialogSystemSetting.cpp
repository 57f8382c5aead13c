#include "CDialogSystemSetting.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "CCommonUtility.h"
#include "CRadioListBox.h"
#include "CommandFailure.h"

namespace {
constexpr int IDS_SYSTEM_SETTINGS = 2004;
}  // namespace

CDialogSystemSetting::CDialogSystemSetting(CCommonUtility& utility, QWidget* parent)
    : QDialog(parent), m_utility(utility), m_logic(std::make_unique<SystemSettingLogic>(utility)) {
    setWindowTitle(m_utility.LoadString(IDS_SYSTEM_SETTINGS));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(m_utility.LoadString(2003), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(m_utility.LoadString(2001), this), 0, 0);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("profileTypes"));
    grid->addWidget(m_combo, 0, 1);
    grid->addWidget(new QLabel(m_utility.LoadString(2002), this), 1, 0, Qt::AlignTop);
    m_list = new CRadioListBox(this);
    m_list->setObjectName(QStringLiteral("deviceModels"));
    grid->addWidget(m_list, 1, 1);
    layout->addLayout(grid);
    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    layout->addWidget(m_notice);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_accept = new QPushButton(m_utility.LoadString(9001), this);
    m_close = new QPushButton(m_utility.LoadString(9002), this);
    buttons->addWidget(m_accept);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    m_accept->setEnabled(false);

    m_filling = true;
    m_combo->addItems(m_logic->ComboEntries());
    m_combo->setCurrentIndex(m_combo->findText(m_logic->InitialComboText()));
    FillList(m_logic->InitialDeviceList());
    m_filling = false;

    if (!m_logic->ChoiceEnabled()) {
        m_notice->setText(m_utility.LoadString(10046));
        m_list->SetGreyed(true);
        m_list->setEnabled(false);
        m_combo->setEnabled(false);
    }
    // Accepting stays impossible while a file is open, whatever is selected.
    m_accept->setEnabled(m_logic->ChoiceEnabled() && !m_list->selectedItems().isEmpty());

    connect(m_combo, &QComboBox::currentIndexChanged, this, &CDialogSystemSetting::OnComboChanged);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CDialogSystemSetting::OnListSelectionChanged);
    connect(m_accept, &QPushButton::clicked, this, &CDialogSystemSetting::OnAccept);
    connect(m_close, &QPushButton::clicked, this, &CDialogSystemSetting::reject);
}

CDialogSystemSetting::~CDialogSystemSetting() = default;

void CDialogSystemSetting::FillList(const SystemSettingLogic::DeviceList& list) {
    m_list->clear();
    m_list->addItems(list.entries);
    // A radio list holds one choice: the first of the settings' entries.
    if (!list.selected.isEmpty()) m_list->setCurrentRow(list.selected.first());
}

void CDialogSystemSetting::OnComboChanged(int index) {
    if (m_filling || index < 0) return;
    m_filling = true;
    FillList(m_logic->DeviceListFor(m_combo->itemText(index)));
    m_filling = false;
    OnListSelectionChanged();
}

void CDialogSystemSetting::OnListSelectionChanged() {
    m_accept->setEnabled(m_logic->ChoiceEnabled() && !m_list->selectedItems().isEmpty());
}

void CDialogSystemSetting::OnAccept() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) return;
    SystemSettingLogic::AcceptResult result;
    try {
        result = m_logic->Accept(m_combo->currentText(), selected.first()->text());
    } catch (...) {
        // The settings file could not be written: the previous choice stays and the dialog stays open.
        CommandFailure::Report(m_utility, m_utility.LoadString(IDS_SYSTEM_SETTINGS), std::current_exception(),
                               m_utility.SettingsFilePath());
        return;
    }
    if (result == SystemSettingLogic::AcceptResult::Accepted) QDialog::accept();
}

void CDialogSystemSetting::reject() {
    m_logic->Close();
    QDialog::reject();
}
