#pragma once
// The real application object over a staged program folder, answered like a user at the keyboard:
// file dialogs through the application's choosers, boxes and dialogs through scripted presenters.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>

#include "CMainFrame.h"
#include "CTessalyApp.h"
#include "IArchiveFileChooser.h"
#include "ISaveFileChooser.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

class CWorkView;

namespace Road {

// One profile format as the road meets it.
struct Format {
    const char* name;
    int version;           // the plug-in's information version
    const char* language;  // of the generated header
    const char* folder;    // the namespace's version folder and the schema folder
    const char* versionText;  // ProfileSpecVersion
    bool relations;        // the format knows the relation item
    bool connections;      // the format has the connection-information editor
    bool cleanExport;      // the road exports a profile the format's check passes
};

// A generated profile in the given format: the header with the members a clean export needs, one
// DEVICE_IF connection and one block of memory, parameter and enumeration parts.
QByteArray ProfileText(const Format& format);
// A 3.0 profile the format check passes without findings: own section and part names, the header
// members with their fixed data types, a connection section and block parts tied to the DEVICE_IF part.
QByteArray CheckCleanProfileText();

class Saver : public ISaveFileChooser {
public:
    bool ChooseSaveFile(const QString&, const QString& initialName, const QString&, const QString&, int,
                        QString& path) override;
    QString answer;
    QStringList initialNames;
};

class Chooser : public IArchiveFileChooser {
public:
    QStringList ChooseOpenFiles(QWidget*, const QString&, const QString&) override { return files; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return save; }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    QStringList files;
    QString save;
};

class RoadFixture {
public:
    RoadFixture();
    ~RoadFixture();

    // Starts the editor with the format's plug-in chosen and the command line given.
    bool Start(const Format& format, const QString& commandLine);
    QString Write(const QString& name, const QByteArray& text);

    CMainFrame& Frame() { return *app->MainFrame(); }
    // Chooses a menu or toolbar command as the user does, after the update the menu runs first.
    bool Trigger(int id);
    bool Enabled(int id);

    QTreeWidgetItem* RootItem();
    // The tree item whose text starts with each name in turn, from the root item down.
    QTreeWidgetItem* TreeItem(const QStringList& path);
    QStringList ChildTexts(QTreeWidgetItem* item);
    // Selects the item and gives the tree the keyboard focus; false when the platform gives none.
    bool FocusTreeItem(QTreeWidgetItem* item);
    CWorkView* ActiveView();
    // Clicks a grid cell; with shift, extends the selection to it.
    void ClickCell(CWorkView* view, int row, int col, Qt::KeyboardModifiers modifiers = {});
    // Types the text into the cell's editor opened with F2, replacing the cell's text.
    bool TypeIntoCell(CWorkView* view, int row, int col, const QString& text);

    StagedProgramFolder folder;
    QTemporaryDir work;
    ScriptedMessagePresenter messages;
    UiTest::ScriptedDialogPresenter dialogs;
    std::function<int(QDialog&)> onDialog;
    QStringList shown;
    Saver saver;
    Chooser chooser;
    QString openAnswer;
    std::unique_ptr<CTessalyApp> app;
};

// The item of the element's kind as text, values joined with "|"; "<none>" without the item.
QString ValueOf(const CPELFM_ElemInfo* elem, int kind);
// Runs a program and returns its exit code, -1 when it cannot run; output gathers both channels.
int RunTool(const QString& program, const QStringList& arguments, QString* output = nullptr);

}  // namespace Road
