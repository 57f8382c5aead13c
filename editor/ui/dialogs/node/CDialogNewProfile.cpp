#include "CDialogNewProfile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CCommonUtility.h"
#include "DialogFields.h"

using DialogFields::NewEdit;

namespace {

// Each string holds the texts of two labels, one a line.
void AddPair(QFormLayout* form, CCommonUtility& utility, int stringId, int firstLabelId, int secondLabelId,
             QLineEdit* first, QLineEdit* second, QWidget* parent) {
    const QStringList texts = utility.LoadString(stringId).split('\n');
    auto* a = new QLabel(texts.value(0), parent);
    a->setObjectName(QString::number(firstLabelId));
    auto* b = new QLabel(texts.value(1), parent);
    b->setObjectName(QString::number(secondLabelId));
    form->addRow(a, first);
    form->addRow(b, second);
}

}  // namespace

CDialogNewProfile::CDialogNewProfile(CCommonUtility& utility, const IStringSource& texts,
                                     INewProfileHost& host, QWidget* parent)
    : QDialog(parent), m_logic(utility, texts, host) {
    setWindowTitle(utility.LoadString(2100));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    // Made in the order the form shows them, which is the order Tab follows.
    m_fileSection = NewEdit(this, 903, 64);
    m_fileSectionComment = NewEdit(this, 905, 255);
    m_fileInfo = NewEdit(this, 907, 64);
    m_fileInfoComment = NewEdit(this, 909, 255);
    m_deviceSection = NewEdit(this, 912, 64);
    m_deviceSectionComment = NewEdit(this, 915, 255);
    m_deviceInfo = NewEdit(this, 917, 64);
    m_deviceInfoComment = NewEdit(this, 919, 255);
    m_fileInfoLabel2 = NewEdit(this, 953, 128);
    m_deviceInfoLabel2 = NewEdit(this, 954, 128);
    AddPair(form, utility, 2101, 2102, 2103, m_fileSection, m_fileSectionComment, this);
    AddPair(form, utility, 2104, 2105, 2113, m_fileInfo, m_fileInfoComment, this);
    AddPair(form, utility, 2106, 2107, 2108, m_deviceSection, m_deviceSectionComment, this);
    AddPair(form, utility, 2109, 2110, 2112, m_deviceInfo, m_deviceInfoComment, this);
    AddPair(form, utility, 2111, 9001, 9002, m_fileInfoLabel2, m_deviceInfoLabel2, this);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_create = buttons->button(QDialogButtonBox::Ok);
    m_create->setObjectName("9003");
    m_create->setText(utility.LoadString(9003));
    m_create->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogNewProfile::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogNewProfile::reject);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &CDialogNewProfile::UpdateCreate);
}

NewProfileTexts CDialogNewProfile::Texts() const {
    NewProfileTexts t;
    t.fileSectionName = m_fileSection->text();
    t.fileSectionComment = m_fileSectionComment->text();
    t.fileInfoName = m_fileInfo->text();
    t.fileInfoComment = m_fileInfoComment->text();
    t.fileInfoLabel2 = m_fileInfoLabel2->text();
    t.deviceSectionName = m_deviceSection->text();
    t.deviceSectionComment = m_deviceSectionComment->text();
    t.deviceInfoName = m_deviceInfo->text();
    t.deviceInfoComment = m_deviceInfoComment->text();
    t.deviceInfoLabel2 = m_deviceInfoLabel2->text();
    return t;
}

void CDialogNewProfile::UpdateCreate() {
    m_create->setEnabled(NewProfileLogic::CreateEnabled(Texts()));
}

void CDialogNewProfile::accept() {
    if (!m_create->isEnabled()) return;
    const NewProfileOutcome outcome = m_logic.Create(Texts());
    const std::pair<NewProfileField, QLineEdit*> fields[] = {
        {NewProfileField::FileSectionName, m_fileSection},
        {NewProfileField::FileInfoName, m_fileInfo},
        {NewProfileField::FileInfoLabel2, m_fileInfoLabel2},
        {NewProfileField::DeviceSectionName, m_deviceSection},
        {NewProfileField::DeviceInfoName, m_deviceInfo},
        {NewProfileField::DeviceInfoLabel2, m_deviceInfoLabel2}};
    for (const auto& [field, edit] : fields)
        if (field == outcome.focus) DialogFields::FocusAndSelect(edit);
    if (!outcome.close) return;
    m_loaded = outcome.loaded;
    if (m_loaded)
        QDialog::accept();
    else
        QDialog::reject();
}
