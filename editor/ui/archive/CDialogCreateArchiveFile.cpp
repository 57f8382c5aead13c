#include "CDialogCreateArchiveFile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "ArchivePackInput.h"
#include "CArchiveListValidator.h"
#include "IArchiveFileChooser.h"
#include "IArchivePackingStep.h"
#include "IStringSource.h"
#include "ResourceMessage.h"

namespace {

constexpr int kStrTitle = 2201;
constexpr int kStrProfileLabel = 2202;
constexpr int kStrProductName = 2203;
constexpr int kStrDocumentsWithTools = 2204;
constexpr int kStrDeviceModelNote = 2206;
constexpr int kStrDocumentsOnly = 2207;
constexpr int kStrDocumentsAndTools = 2209;
constexpr int kStrToolFolderLabel = 2210;
constexpr int kStrCancel = 9002;
constexpr int kStrAddDocuments = 9004;
constexpr int kStrNext = 9005;
constexpr int kStrAddProfiles = 9007;
constexpr int kStrAddToolFolder = 9009;
constexpr int kStrPatternPrefix = 62039;
constexpr int kStrProfileFilter = 62052;
constexpr int kStrDocumentAndToolFilter = 62053;
constexpr int kStrDocumentFilter = 62077;

}  // namespace

CDialogCreateArchiveFile::CDialogCreateArchiveFile(const Services& services,
                                                   const CArchiveCollection::Conditions& conditions,
                                                   QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_collection(*services.strings, *services.presenter, conditions) {
    const IStringSource& s = *m_services.strings;
    setWindowTitle(s.LoadString(kStrTitle));
    auto* title = new QLabel(s.LoadString(kStrTitle), this);
    auto* profileLabel = new QLabel(s.LoadString(kStrProfileLabel), this);
    auto* product = new QLabel(s.LoadString(kStrProductName), this);
    m_deviceModelLabel =
        new QLabel(conditions.deviceModelTools ? s.LoadString(kStrDeviceModelNote) : QString(), this);
    m_documentLabel = new QLabel(this);
    m_toolFolderLabel = new QLabel(s.LoadString(kStrToolFolderLabel), this);
    m_profiles = new QListWidget(this);
    m_documents = new QListWidget(this);
    m_toolFolders = new QListWidget(this);
    m_addProfiles = new QPushButton(s.LoadString(kStrAddProfiles), this);
    m_addDocuments = new QPushButton(s.LoadString(kStrAddDocuments), this);
    m_addToolFolder = new QPushButton(s.LoadString(kStrAddToolFolder), this);
    m_next = new QPushButton(s.LoadString(kStrNext), this);
    m_cancel = new QPushButton(s.LoadString(kStrCancel), this);

    if (conditions.tools) {
        m_documentLabel->setText(s.LoadString(kStrDocumentsAndTools));
        m_deviceModelLabel->setText(s.LoadString(kStrDeviceModelNote));
    } else {
        m_documentLabel->setText(
            s.LoadString(conditions.deviceModelTools ? kStrDocumentsWithTools : kStrDocumentsOnly));
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(product, 1, 0, 1, 2);
    grid->addWidget(profileLabel, 2, 0, 1, 2);
    grid->addWidget(m_profiles, 3, 0);
    grid->addWidget(m_addProfiles, 3, 1, Qt::AlignTop);
    grid->addWidget(m_documentLabel, 4, 0, 1, 2);
    grid->addWidget(m_documents, 5, 0);
    grid->addWidget(m_addDocuments, 5, 1, Qt::AlignTop);
    grid->addWidget(m_deviceModelLabel, 6, 0, 1, 2);
    grid->addWidget(m_toolFolderLabel, 7, 0, 1, 2);
    grid->addWidget(m_toolFolders, 8, 0);
    grid->addWidget(m_addToolFolder, 8, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 9, 0, 1, 2);
    if (!conditions.tools) {
        m_toolFolders->hide();
        m_addToolFolder->hide();
        m_toolFolderLabel->hide();
        adjustSize();
    }

    // Next is the page's main action: Enter runs it wherever the focus is, an add button included.
    for (QPushButton* add : {m_addProfiles, m_addDocuments, m_addToolFolder}) add->setAutoDefault(false);
    m_next->setDefault(true);
    // The first step, with a focus that shows (an empty list draws none).
    m_addProfiles->setFocus();

    for (QListWidget* list : {m_profiles, m_documents, m_toolFolders}) list->installEventFilter(this);
    setAcceptDrops(true);
    connect(m_addProfiles, &QPushButton::clicked, this, &CDialogCreateArchiveFile::OnAddProfiles);
    connect(m_addDocuments, &QPushButton::clicked, this, &CDialogCreateArchiveFile::OnAddDocuments);
    connect(m_addToolFolder, &QPushButton::clicked, this, &CDialogCreateArchiveFile::OnAddToolFolder);
    connect(m_next, &QPushButton::clicked, this, &CDialogCreateArchiveFile::OnNext);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    Refresh();
}

QListWidget* CDialogCreateArchiveFile::ListOf(CArchiveCollection::List list) const {
    return list == CArchiveCollection::Profiles    ? m_profiles
           : list == CArchiveCollection::Documents ? m_documents
                                                   : m_toolFolders;
}

void CDialogCreateArchiveFile::Refresh() {
    for (auto list :
         {CArchiveCollection::Profiles, CArchiveCollection::Documents, CArchiveCollection::ToolFolders}) {
        QListWidget* w = ListOf(list);
        const QStringList& entries = m_collection.Entries(list);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i) shown.append(w->item(i)->text());
        if (shown != entries) {
            w->clear();
            w->addItems(entries);
        }
    }
    m_next->setEnabled(m_collection.CanGoNext());
}

void CDialogCreateArchiveFile::OnAddProfiles() {
    const IStringSource& s = *m_services.strings;
    const QString prefix = s.LoadString(kStrPatternPrefix);
    const QString ext = m_collection.GetConditions().profileExtension;
    const QString pattern = ext.compare(QLatin1String("ostra"), Qt::CaseInsensitive) == 0
                                ? prefix + QStringLiteral("pelp;") + prefix + QStringLiteral("ostra")
                                : prefix + ext;
    const QString filter = FormatResourceMessage(s, {pattern, pattern}, kStrProfileFilter);
    m_collection.AddProfiles(m_services.chooser->ChooseOpenFiles(this, s.LoadString(kStrTitle), filter));
    Refresh();
}

void CDialogCreateArchiveFile::OnAddDocuments() {
    const IStringSource& s = *m_services.strings;
    const int filter =
        m_collection.GetConditions().deviceModelTools ? kStrDocumentAndToolFilter : kStrDocumentFilter;
    m_collection.AddDocuments(
        m_services.chooser->ChooseOpenFiles(this, s.LoadString(kStrTitle), s.LoadString(filter)));
    Refresh();
}

void CDialogCreateArchiveFile::OnAddToolFolder() {
    m_collection.AddToolFolder(m_services.chooser->ChooseFolder(
        this, QString::fromUtf8("アーカイブファイルに含めるフォルダを選択してください。")));
    Refresh();
}

void CDialogCreateArchiveFile::DropPaths(const QPoint& pos, const QStringList& paths) {
    const auto under = [&](QListWidget* w) { return w->isVisible() && w->geometry().contains(pos); };
    if (under(m_profiles)) {
        m_collection.DropOnProfiles(paths);
    } else if (under(m_documents)) {
        m_collection.DropOnDocuments(paths);
    } else if (under(m_toolFolders)) {
        m_collection.DropOnToolFolders(paths);
    }
    Refresh();
}

void CDialogCreateArchiveFile::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CDialogCreateArchiveFile::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    DropPaths(event->position().toPoint(), paths);
    event->acceptProposedAction();
}

bool CDialogCreateArchiveFile::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        const CArchiveCollection::List which = list == m_profiles    ? CArchiveCollection::Profiles
                                               : list == m_documents ? CArchiveCollection::Documents
                                                                     : CArchiveCollection::ToolFolders;
        if (list->currentItem() && list->currentItem()->isSelected())
            m_collection.RemoveAt(which, list->currentRow());
        Refresh();
        return true;
    }
    if (list && event->type() == QEvent::FocusOut) {
        (list == m_toolFolders ? m_documents : list)->clearSelection();
    }
    return QDialog::eventFilter(watched, event);
}

void CDialogCreateArchiveFile::OnNext() {
    const QStringList& profiles = m_collection.Entries(CArchiveCollection::Profiles);
    const QStringList& folders = m_collection.Entries(CArchiveCollection::ToolFolders);
    CArchiveListValidator validator(*m_services.strings, *m_services.presenter, *m_services.related,
                                    m_collection.GetConditions().deviceModelTools);
    ArchiveValidationResult result;
    if (!validator.ValidateArchiveFileLists(profiles, m_collection.Entries(CArchiveCollection::Documents),
                                            folders, result)) {
        for (QListWidget* w : {m_profiles, m_documents}) {
            const QList<QListWidgetItem*> found = w->findItems(result.failingPath, Qt::MatchExactly);
            if (found.isEmpty()) continue;
            w->setCurrentItem(found.first());
            break;
        }
        return;
    }
    ArchivePackInput input;
    input.profileFiles = profiles;
    input.referencedFiles = result.referencedFiles;
    input.resultLines = result.resultLines;
    input.toolFiles = result.toolFiles;
    input.folders = folders;
    input.profileFolderName = result.profileFolderName;
    input.toolTree = m_collection.ToolTree();
    if (m_services.packing->RunPacking(this, input)) accept();
}
