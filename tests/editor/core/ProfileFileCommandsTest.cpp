#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "CCommonUtility.h"
#include "MapStringSource.h"
#include "MessageBoxStyle.h"
#include "PELFMExceptions.h"
#include "PrintQString.h"
#include "ProfileFileCommands.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

const MapStringSource& CommandStrings() {
    static const MapStringSource strings{{183, "VendorName"},    {62029, "DeviceModel"},
                                         {62031, "_"},           {62035, "Version"},
                                         {62036, "Language"},    {403, "no default name"},
                                         {10007, "save %1!s!?"}, {10008, "%1!s! failed %2!s!"},
                                         {10031, "%1!s! done"},  {62043, "Save"},
                                         {62085, "Export"},      {62026, "%1!s!|%2!s!||"},
                                         {62039, "*."}};
    return strings;
}

// The service object with a profile open that has every value of the default name.
class FileCommandsLogic : public ::testing::Test {
protected:
    void SetUp() override {
        utility.SetStringSource(&CommandStrings());
        utility.SetMessagePresenter(&messages);
        utility.profileExtension = "pelp";
        utility.projectExtension = "pelproj";
        _ST_DLL_PROFILE record;
        record.instance = &plugin;
        utility.profilePlugins.append(record);
        auto* root = new CPELFM_ProfileInfo;
        AddItem(
            *AddElem(*AddPart(*AddSection(*root, "File", SECTION_FILE), "FI", PART_FILE_INFO), "Language"),
            DATA, {"ja"});
        CPELFM_PartInfo* device = AddPart(*AddSection(*root, "Dev", SECTION_DEVICE), "DI", PART_DEVICE_INFO);
        AddItem(*AddElem(*device, "VendorName"), DATA, {"V"});
        AddItem(*AddElem(*device, "DeviceModel"), DATA, {"M"});
        AddItem(*AddElem(*device, "Version"), DATA, {"1"});
        utility.openProfile = root;
        utility.fileOpen = 1;
        utility.openFilePath = "/work/a.pelp";

        hooks.isModified = [this] { return modified; };
        hooks.clearHistory = [this] {
            modified = false;
            log << "clear";
        };
        hooks.chooseSavePath = [this](const QString&, const QString& name, const QString&, const QString&,
                                      int, QString& path) {
            log << "choose " + name;
            path = "/out/" + name;
            return true;
        };
        hooks.closeViews = [this] {
            log << (utility.openProfile ? "views with model" : "views without model");
        };
        hooks.updateTitle = [this] { log << "title"; };
    }
    void TearDown() override { utility.profilePlugins.clear(); }
    QString LastMessage() const {
        return messages.Calls().isEmpty() ? QString() : messages.Calls().last().text;
    }

    ScriptedMessagePresenter messages;
    FakeProfilePlugin plugin;
    CCommonUtility utility{QStringLiteral("/nowhere")};
    FileCommandHooks hooks;
    bool modified = false;
    QStringList log;
};

TEST_F(FileCommandsLogic, TheExportReportsWhatTheWriterDid) {
    const struct {
        const char* name;
        std::function<int()> write;
        ProfileFileCommands::SaveOutcome outcome;
        QString message;
    } cases[] = {
        {"written", [] { return 1; }, ProfileFileCommands::SAVED, "Export done"},
        {"refused by result", [] { return 0; }, ProfileFileCommands::SAVE_FAILED, "Export failed 0xa"},
        {"model exception", []() -> int { throw CPELFM_NULL_Exception(); }, ProfileFileCommands::SAVE_FAILED,
         "Export failed 0x8"},
        {"other exception", []() -> int { throw std::runtime_error("xml"); },
         ProfileFileCommands::SAVE_FAILED, "Export failed 0xa"},
    };
    ProfileFileCommands files(utility, hooks);
    for (const auto& c : cases) {
        QString written;
        plugin.save = [&](const QString& path, CPELFM_ProfileInfo*) {
            written = path;
            return c.write();
        };
        modified = true;
        EXPECT_EQ(files.ExportProfile(), c.outcome) << c.name;
        EXPECT_EQ(written, "/out/V_M_1_ja") << c.name;
        EXPECT_EQ(LastMessage(), c.message) << c.name;
        EXPECT_TRUE(modified) << c.name;  // exporting never counts as saving the work
    }
}

TEST_F(FileCommandsLogic, AskingToSaveLosesNoWork) {
    const struct {
        int answer;
        bool saves;
        int result;
    } cases[] = {{IDCANCEL, false, 1}, {IDNO, false, 0}, {IDYES, true, 1}};
    ProfileFileCommands files(utility, hooks);
    for (const auto& c : cases) {
        modified = true;
        log.clear();
        messages.QueueAnswer(c.answer);
        // Saving goes through Save As under a folder that does not exist: the write fails.
        EXPECT_EQ(files.AskSaveModified(), c.result) << c.answer;
        EXPECT_EQ(log.contains("choose a"), c.saves) << c.answer;
        EXPECT_TRUE(modified) << c.answer;
    }
    modified = false;
    EXPECT_EQ(files.AskSaveModified(), 0);
}

// A cancel that comes while the open checks what it loaded frees the profile where it was loaded (the
// worker), so that the UI thread never has it to free.
TEST_F(FileCommandsLogic, ACancelledOpenFreesItsProfileWhereItWasLoaded) {
    QTemporaryDir dir;
    QFile file(dir.filePath("a.pelproj"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("<p:profile xmlns:p='http://pelora.example/peloraformachine/ver3/'>"
                           "<p:file label='F'><p:fileInfo label='FI'/></p:file>"
                           "<p:device label='D'><p:deviceInfo label='DI'/></p:device></p:profile>"));
    file.close();
    utility.profilePlugins.first().version = 0x30000;
    ProfileFileCommands files(utility, hooks);
    for (const bool cancel : {false, true}) {
        OpenLoad load;
        ASSERT_TRUE(files.BeginOpen(file.fileName(), load));
        files.LoadForOpen(
            load, [&](int stage) { load.cancel = cancel && stage == ProfileFileCommands::OPEN_CHECKING; });
        EXPECT_EQ(load.refusal, 0) << cancel;
        EXPECT_EQ(load.root == nullptr, cancel) << cancel;
    }
}

TEST_F(FileCommandsLogic, ClosingTakesTheWindowsDownBeforeTheModel) {
    ProfileFileCommands files(utility, hooks);
    modified = true;
    EXPECT_EQ(files.CloseCurrentFile(), 0);
    EXPECT_EQ(log, (QStringList{"views with model", "clear", "title"}));
    EXPECT_EQ(utility.openProfile, nullptr);
    EXPECT_EQ(utility.fileOpen, 0);
    EXPECT_TRUE(utility.openFilePath.isEmpty());
    log.clear();
    EXPECT_EQ(files.CloseCurrentFile(), 0);
    EXPECT_TRUE(log.isEmpty());
}

}  // namespace
