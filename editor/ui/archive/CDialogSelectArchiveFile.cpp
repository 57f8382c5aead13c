#include "CDialogSelectArchiveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

#include "CArchivePacker.h"
#include "IArchiveFileChooser.h"
#include "IStringSource.h"

namespace {

constexpr int kStrFilter = 406;
constexpr int kStrDefaultExtension = 409;
constexpr int kStrTitle = 2301;
constexpr int kStrListLabel = 2302;
constexpr int kStrPathLabel = 2303;
constexpr int kStrCancel = 9002;
constexpr int kStrCreate = 9003;
constexpr int kStrBrowse = 9006;

}  // namespace

CDialogSelectArchiveFile::CDialogSelectArchiveFile(const Services& services, const ArchivePackInput& input,
                                                   QWidget* parent)
    : QDialog(parent), m_services(services), m_input(input) {
    const IStringSource& s = *m_services.strings;
    setWindowTitle(s.LoadString(kStrTitle));
    m_list = new QListWidget(this);
    m_path = new QLineEdit(this);
    m_browse = new QPushButton(s.LoadString(kStrBrowse), this);
    m_create = new QPushButton(s.LoadString(kStrCreate), this);
    m_cancel = new QPushButton(s.LoadString(kStrCancel), this);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* pathLabel = new QLabel(s.LoadString(kStrPathLabel), this);
    pathLabel->setBuddy(m_path);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_create);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(s.LoadString(kStrListLabel), this));
    layout->addWidget(m_list, 1);
    layout->addLayout(pathRow);
    layout->addLayout(buttons);

    for (const QStringList* paths :
         {&m_input.profileFiles, &m_input.referencedFiles, &m_input.toolFiles, &m_input.folders}) {
        QSet<QString> seen;
        for (const QString& path : *paths) {
            if (seen.contains(path)) continue;
            seen.insert(path);
            m_list->addItem(path);
            if (QFileInfo(path).isDir()) continue;
            auto file = std::make_shared<QFile>(path);
            if (file->open(QIODevice::ReadOnly)) m_openFiles.append(file);
        }
    }

    // Create is the page's main action: Enter in the file field runs it, not Browse.
    m_browse->setAutoDefault(false);
    m_create->setDefault(true);
    m_create->setEnabled(false);
    connect(m_path, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_create->setEnabled(!text.isEmpty()); });
    connect(m_browse, &QPushButton::clicked, this, &CDialogSelectArchiveFile::OnBrowse);
    connect(m_create, &QPushButton::clicked, this, &CDialogSelectArchiveFile::OnCreate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CDialogSelectArchiveFile::~CDialogSelectArchiveFile() = default;

QString CDialogSelectArchiveFile::WithArchiveExtension(const QString& path, const QString& extension) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString expected = QLatin1Char('.') + extension;
    if (dot >= 0 && path.mid(dot).compare(expected, Qt::CaseInsensitive) == 0) return path;
    return path + expected;
}

void CDialogSelectArchiveFile::OnBrowse() {
    const IStringSource& s = *m_services.strings;
    const QString chosen = m_services.chooser->ChooseSaveFile(this, s.LoadString(kStrTitle),
                                                              s.LoadString(kStrFilter), m_path->text());
    if (chosen.isEmpty()) return;
    m_path->setText(WithArchiveExtension(chosen, s.LoadString(kStrDefaultExtension)));
}

void CDialogSelectArchiveFile::OnCreate() {
    CArchivePacker packer(*m_services.strings, *m_services.presenter, m_services.output, m_services.workBase);
    if (packer.CopyFilesAndCreateArchive(m_services.plugin, m_path->text(), m_input) == 1) accept();
}
