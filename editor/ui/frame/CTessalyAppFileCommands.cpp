// The application's file commands: the windows around the window-free file operations.
#include <QDir>
#include <QFileDialog>
#include <QScopeGuard>
#include <memory>

#include "CArchiveConditions.h"
#include "CArchivePackingStep.h"
#include "CChildFrame.h"
#include "CDialogCreateArchiveFile.h"
#include "CDialogEditProperty.h"
#include "CDialogNewPart.h"
#include "CDialogNewProfile.h"
#include "CDialogNewSection.h"
#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "FileDialogFilter.h"
#include "FileDialogFolder.h"
#include "FreedMemory.h"
#include "IArchiveOutput.h"
#include "IDialogPresenter.h"
#include "INewProfileHost.h"
#include "IProfileRelatedFiles.h"
#include "MessageBoxStyle.h"
#include "ModalRelatedNodeDialogs.h"
#include "ProfileFileCommands.h"
#include "ProfileFileNames.h"
#include "ProfileOpenRun.h"
#include "QtArchiveFileChooser.h"
#include "SaveFileDialogChooser.h"

namespace {

constexpr int IDS_UNKNOWN_COMMAND_LINE_FILE = 10024;

// The new-profile dialog swaps the open file through the application.
class NewProfileHost : public INewProfileHost {
public:
    explicit NewProfileHost(CTessalyApp& app) : m_app(app) {}
    void CloseCurrentFile() override { m_app.CloseCurrentFile(); }
    void ShowNewProfile() override { m_app.ShowNewProfile(); }

private:
    CTessalyApp& m_app;
};

// The archive dialogs read the profiles they pack with the file commands' reader.
class RelatedFilesReader : public IProfileRelatedFiles {
public:
    explicit RelatedFilesReader(const CCommonUtility& utility) : m_utility(utility) {}
    bool CollectProfileRelatedFiles(const QString& profilePath, ProfileRelatedFiles& out,
                                    QString& reason) override {
        ProfileRelatedFileValues values;
        if (::CollectProfileRelatedFiles(m_utility, profilePath, values, reason) != 1) return false;
        out = {values.iconFile, values.graphicsFile, values.defaultFileName, values.vendorName};
        return true;
    }

private:
    const CCommonUtility& m_utility;
};

// Files the packing left out are listed in the output pane.
class OutputPaneLines : public IArchiveOutput {
public:
    explicit OutputPaneLines(COutputList& list) : m_list(list) {}
    void AppendOutputLines(const QStringList& lines) override { m_list.addItems(lines); }

private:
    COutputList& m_list;
};

QString ExtensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1);
}

}  // namespace

void CTessalyApp::CreateProfileTree() {
    m_treeView = new CProfileView(m_utility, nullptr, highColorIcons != 0);
    m_frame->SetProfileTreePane(m_treeView, m_treeView, m_treeView);
    QObject::connect(m_treeView, &CProfileView::commandStateChanged, m_frame.get(),
                     &CMainFrame::RequestCommandUiUpdate);
    m_treeView->openPart = [this](CPELFM_PartInfo* part) {
        IWorkView* view = m_frame->WorkViewManager().OpenPartView(0, part);
        if (!view) return;
        view->FocusGrid();
        view->ResetViewOption();
    };
    m_treeView->newSection = [this] {
        ModalRelatedNodeDialogs related(m_utility, m_frame.get());
        const bool commIfGroup = m_treeView->CurrentSelection().groupText == QStringLiteral("COMM_IF");
        CDialogNewSection dialog(m_utility, m_treeView->SelectedNode(), commIfGroup, related, m_frame.get());
        m_dialogs.RunModal(dialog);
    };
    m_treeView->newPart = [this](int) {
        ModalRelatedNodeDialogs related(m_utility, m_frame.get());
        CDialogNewPart dialog(m_utility, m_treeView->SelectedNode(), related, m_frame.get());
        m_dialogs.RunModal(dialog);
    };
    m_treeView->editProperties = [this](CPELFM_NodeBase* node) {
        CDialogEditProperty dialog(m_utility, node, m_frame.get());
        m_dialogs.RunModal(dialog);
    };
}

void CTessalyApp::RegisterFileCommands() {
    const auto fileOpen = [this] { return m_utility.fileOpen != 0; };
    m_frame->SetCommandHandler(ID_FILE_NEW, [this] { OnFileNew(); });
    m_frame->SetCommandHandler(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m_frame->SetCommandHandler(
        ID_FILE_CLOSE, [this] { OnFileClose(); }, fileOpen);
    m_frame->SetCommandHandler(
        ID_FILE_SAVE, [this] { OnFileSave(); }, fileOpen);
    m_frame->SetCommandHandler(
        ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); }, fileOpen);
    m_frame->SetCommandHandler(
        ID_FILE_CREATE_PROFILE, [this] { OnCreateProfile(); }, fileOpen);
    m_frame->SetCommandHandler(ID_SETTING_CREATE_ARCHIVE, [this] { OnCreateArchive(); });
}

void CTessalyApp::CloseFileViews() {
    if (m_frame) {
        auto returning = std::make_shared<FreedMemoryReturn>();
        for (CChildFrame* window : m_frame->WorkViewManager().OpenFrames()) window->close();
        m_frame->OutputPane().List().clear();
        // The closed windows, with their grids' texts, are deleted when the event loop next runs, before
        // calls posted after them.
        QMetaObject::invokeMethod(
            m_frame.get(), [returning] {}, Qt::QueuedConnection);
    }
    if (m_treeView) m_treeView->ClearTree();
    // The findings name the closed file's nodes, and their pane is emptied; clear() would keep the buffer.
    checkMessages = {};
}

bool CTessalyApp::ChooseSavePath(const QString& extension, const QString& defaultName, const QString& title,
                                 const QString& filter, int target, QString& path) {
    if (saveFileChooser)
        return saveFileChooser->ChooseSaveFile(extension, defaultName, title, filter, target, path);
    SaveFileDialogChooser chooser(m_frame.get(), m_utility.openFilePath);
    return chooser.ChooseSaveFile(extension, defaultName, title, filter, target, path);
}

void CTessalyApp::OpenCommandLineFile() {
    if (commandLine.isEmpty()) return;
    QString path = CommandLinePath(commandLine);
    // Relative to the folder the editor was started in; the title and the recent files are read from
    // other folders later.
    if (!path.isEmpty()) path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QString extension = ExtensionOf(path);
    const auto same = [&](const QString& known) {
        return !known.isEmpty() && extension.compare(known, Qt::CaseInsensitive) == 0;
    };
    if (!same(m_utility.profileExtension) && !same(m_utility.projectExtension)) {
        m_utility.ShowMessage({path}, IDS_UNKNOWN_COMMAND_LINE_FILE, MB_ICONWARNING);
        return;
    }
    OpenProfileFile(path);
}

void CTessalyApp::OpenProfileFile(const QString& path) {
    // One piece of work on the model at a time: a drop or a recent file waits for no load or check. After
    // Exit nothing opens: the plug-ins that would read the file are going.
    if (IsModelBusy() || (m_frame && m_frame->ExitAccepted())) return;
    OpenLoad load;
    if (!m_files->BeginOpen(path, load)) return;
    {
        m_openRunning = true;
        const auto loaded = qScopeGuard([this] { m_openRunning = false; });
        RunOpenLoad(*m_files, load, m_frame.get(), m_dialogs);
    }
    m_files->FinishOpen(load);
    if (!m_frame) return;
    m_frame->TakeBackFocus();
    m_frame->UpdateCommandUi();
    m_frame->CloseIfDeferred();
}

// Called whenever a file is opened, created, saved or closed, which the file commands' rules read.
void CTessalyApp::UpdateMainTitle() {
    if (!m_frame) return;
    m_frame->setWindowTitle(m_files->MainTitle());
    m_frame->RequestCommandUiUpdate();
}

void CTessalyApp::ShowNewProfile() {
    m_utility.openFilePath.clear();
    m_utility.fileOpen = 1;
    if (m_treeView) m_treeView->RebuildProfileTree();
    UpdateMainTitle();
}

void CTessalyApp::OnFileNew() {
    if (AskSaveModified() == 1) return;
    NewProfileHost host(*this);
    CDialogNewProfile dialog(m_utility, m_strings, host, m_frame.get());
    m_dialogs.RunModal(dialog);
    UpdateMainTitle();
}

void CTessalyApp::OnFileOpen() {
    if (AskSaveModified() == 1) return;
    const QString title = m_files->OpenFileTitle();
    const QString filter = m_files->OpenFileFilter();
    QString path;
    if (chooseOpenFile)
        path = chooseOpenFile(title, filter);
    else
        path = QFileDialog::getOpenFileName(
            m_frame.get(), title, FileDialogFolder::StartFolder(m_utility.openFilePath),
            FileDialogFilter::ToNameFilters(filter).join(QStringLiteral(";;")));
    FileDialogFolder::Remember(path);
    if (!path.isEmpty()) OpenProfileFile(path);
}

void CTessalyApp::OnFileClose() {
    if (AskSaveModified() == 1) return;
    CloseCurrentFile();
}

void CTessalyApp::OnFileSave() {
    // A file opened in the profile form is saved under a new name, as with Save As.
    const QString before = m_utility.openFilePath;
    if (m_files->Save() == ProfileFileCommands::SAVED && m_utility.openFilePath != before)
        RememberRecentFile(m_utility.openFilePath);
}

void CTessalyApp::OnFileSaveAs() {
    if (m_files->SaveAs() == ProfileFileCommands::SAVED) RememberRecentFile(m_utility.openFilePath);
}

void CTessalyApp::RememberRecentFile(const QString& path) {
    if (!m_frame) return;
    m_frame->RecentFiles().Add(path);
    m_frame->RefreshRecentFileMenu();
}

void CTessalyApp::OnCreateProfile() {
    if (CheckProfile(1) == 0) m_files->ExportProfile();
}

void CTessalyApp::OnCreateArchive() {
    QtArchiveFileChooser chooser(m_utility.openFilePath);
    RelatedFilesReader related(m_utility);
    OutputPaneLines output(m_frame->OutputPane().List());
    CDialogSelectArchiveFile::Services packingServices;
    packingServices.strings = &m_strings;
    packingServices.presenter = &m_messages;
    packingServices.chooser = archiveFileChooser ? archiveFileChooser : &chooser;
    packingServices.output = &output;
    packingServices.plugin = CArchiveConditions::ArchiveWriter(m_utility);
    packingServices.workBase = CArchiveConditions::WorkBase(m_utility);
    CArchivePackingStep packing(packingServices, m_dialogs);
    CDialogCreateArchiveFile::Services services;
    services.strings = &m_strings;
    services.presenter = &m_messages;
    services.chooser = archiveFileChooser ? archiveFileChooser : &chooser;
    services.related = &related;
    services.packing = archivePackingStep ? archivePackingStep : &packing;
    CDialogCreateArchiveFile dialog(services, CArchiveConditions::From(m_utility), m_frame.get());
    m_dialogs.RunModal(dialog);
}
