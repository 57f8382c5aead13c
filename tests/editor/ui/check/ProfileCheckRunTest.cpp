#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QSemaphore>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileProgressDlg.h"
#include "CWorkViewManager.h"
#include "ExecDialogPresenter.h"
#include "MapStringSource.h"
#include "MessageBoxStyle.h"
#include "NoWorkerThreads.h"
#include "PELFMExceptions.h"
#include "ProfileCheckRun.h"
#include "ProfileCheckWorker.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class CheckRunTest : public ::testing::Test {
protected:
    CheckRunTest() {
        frame.Create();
        frame.WorkViewManager().SetViewFactory(&factory);
        frame.SetProfileTreePane(nullptr, nullptr, &tree);
        frame.resize(900, 600);
        frame.show();
        block = AddSection(*host.profile, "Block", SECTION_BLOCK);
        param = AddPart(*block, "Param", PART_BLOCK_PARAM);
        AddElem(*param, "P1");
        context.job.root = host.profile.get();
        context.job.profilePlugin = &plugin;
        context.job.deviceModelPlugins = {&deviceModel};
        context.job.validateName = [this](const QString& name) { return plugin.ValidateLabel(name, 0); };
        context.job.strings = &TestStrings();
        context.job.finishPauseMs = 0;
    }

    void FindingsFromPlugin(QList<_ST_PEL_CHECK_MESSAGE> findings) {
        plugin.check = [findings](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>& out) { out = findings; };
    }

    QStringList OutputLines() {
        QStringList lines;
        COutputList& list = frame.OutputPane().List();
        for (int i = 0; i < list.count(); ++i) lines.append(list.item(i)->text());
        return lines;
    }

    QStringList Boxes() {
        QStringList boxes;
        for (const auto& call : host.messages.Calls()) boxes.append(call.text);
        return boxes;
    }

    FakeFrameHost host;
    CMainFrame frame{host};
    FakeWorkViewFactory factory;
    FakeTreePane tree;
    FakeProfilePlugin plugin;
    FakeDeviceModelPlugin deviceModel;
    ExecDialogPresenter dialogs;
    int checkRunning = 0;
    QList<_ST_PEL_CHECK_MESSAGE> checkMessages;
    ProfileCheckRunContext context{checkRunning,  checkMessages, {},     &frame,
                                   TestStrings(), host.messages, dialogs};
    CPELFM_SectionInfo* block = nullptr;
    CPELFM_PartInfo* param = nullptr;
};

TEST_F(CheckRunTest, FindingsFillTheOutputPaneAndErrorsStop) {
    AddCommIfInfo(*host.profile, "Comm", "If1", "Serial");
    FindingsFromPlugin({Finding(0, "bad value", "Block", "Param", 0, DATA), Finding(2, "note")});
    EXPECT_EQ(RunProfileCheck(context, 0), 1);
    EXPECT_EQ(OutputLines(), (QStringList{"summary 2 0", "bad value", "note", "unclaimed Comm If1 1 DATA"}));
    EXPECT_EQ(Boxes(), QStringList{"errors 2"});
    EXPECT_EQ(host.messages.Calls()[0].style, MB_ICONERROR);
    EXPECT_EQ(checkRunning, 0);
    EXPECT_EQ(checkMessages.size(), 3);
    EXPECT_TRUE(frame.OutputPane().isVisible());
}

TEST_F(CheckRunTest, DoubleClickOnAFindingSelectsItsNode) {
    FindingsFromPlugin({Finding(0, "bad value", "Block", "Param", 0, DATA)});
    RunProfileCheck(context, 0);
    COutputList& list = frame.OutputPane().List();
    const QPoint line = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line);
    ASSERT_EQ(tree.selected, QList<CPELFM_NodeBase*>{param});
    ASSERT_EQ(factory.created.size(), 1);
    EXPECT_EQ(factory.created[0]->part, param);
    EXPECT_EQ(factory.created[0]->selectedItemType, DATA);
}

TEST_F(CheckRunTest, ThrowingCheckStillEndsTheDialogAndClearsTheFlag) {
    plugin.check = [](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) { throw CPELFM_NULL_Exception(); };
    EXPECT_EQ(RunProfileCheck(context, 1), 1);
    EXPECT_EQ(checkRunning, 0);
    EXPECT_EQ(OutputLines(), (QStringList{"summary 1 0", "Check failed: 0x8"}));
    EXPECT_EQ(Boxes(), QStringList{"errors 1"});
}

struct ReportCase {
    const char* name;
    QList<int> levels;
    int forExport;
    QList<int> answers;
    int result;
    QStringList boxes;
    unsigned style;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckReportTest : public CheckRunTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(CheckReportTest, ReportsAsTheFindingsSay) {
    const ReportCase& c = GetParam();
    QList<_ST_PEL_CHECK_MESSAGE> findings;
    for (int level : c.levels) findings.append(Finding(level, "finding"));
    FindingsFromPlugin(findings);
    for (int answer : c.answers) host.messages.QueueAnswer(answer);
    EXPECT_EQ(RunProfileCheck(context, c.forExport), c.result);
    EXPECT_EQ(Boxes(), c.boxes);
    if (!c.boxes.isEmpty()) {
        EXPECT_EQ(host.messages.Calls()[0].style, c.style);
    }
    EXPECT_EQ(checkRunning, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckReportTest,
    ::testing::Values(
        ReportCase{"ErrorsAndWarnings", {0, 1, 1}, 0, {}, 1, {"errors 1 warnings 2"}, MB_ICONERROR},
        ReportCase{"WarningsFromTheMenu", {1}, 0, {}, 0, {"warnings 1"}, MB_ICONERROR},
        ReportCase{"WarningsBeforeExportDeclined",
                   {1},
                   1,
                   {IDNO},
                   1,
                   {"export with warnings?"},
                   MB_YESNO | MB_ICONQUESTION},
        ReportCase{"WarningsBeforeExportAccepted",
                   {1},
                   1,
                   {IDYES},
                   0,
                   {"export with warnings?"},
                   MB_YESNO | MB_ICONQUESTION},
        ReportCase{"NothingFromTheMenu", {}, 0, {}, 0, {"no problems"}, MB_ICONINFORMATION},
        ReportCase{"NothingBeforeExport", {}, 1, {}, 0, {}, 0},
        ReportCase{"OtherLevelsCountNowhere", {3}, 1, {}, 0, {}, 0}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

TEST_F(CheckRunTest, CleanCheckStillShowsTheSummary) {
    RunProfileCheck(context, 1);
    EXPECT_EQ(OutputLines(), QStringList{"summary 0 0"});
}

TEST_F(CheckRunTest, SecondCheckWhileOneRunsIsIgnored) {
    checkRunning = 1;
    EXPECT_EQ(RunProfileCheck(context, 0), 0);
    EXPECT_EQ(plugin.checkCalls, 0);
    EXPECT_EQ(checkRunning, 1);
}

TEST_F(CheckRunTest, FlagIsSetWhileTheWorkerRuns) {
    std::atomic<int> seen{-1};
    std::atomic<bool> locked{false};
    plugin.check = [&](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) {
        seen = checkRunning;
        locked = frame.ModelViewsLocked();
    };
    RunProfileCheck(context, 0);
    EXPECT_EQ(seen.load(), 1);
    EXPECT_TRUE(locked.load());
    EXPECT_EQ(checkRunning, 0);
    EXPECT_FALSE(frame.ModelViewsLocked());
    EXPECT_TRUE(frame.MdiArea().updatesEnabled());
}

TEST_F(CheckRunTest, PendingCellEditIsFinishedFirst) {
    frame.WorkViewManager().OpenPartView(0, param);
    RunProfileCheck(context, 0);
    EXPECT_EQ(factory.created[0]->finishedEdits, 1);
}

TEST_F(CheckRunTest, DialogThatNeverRanTheWorkerStops) {
    ScriptedDialogPresenter noLoop;
    ProfileCheckRunContext scripted{checkRunning,  checkMessages, context.job, &frame,
                                    TestStrings(), host.messages, noLoop};
    EXPECT_EQ(RunProfileCheck(scripted, 1), 1);
    EXPECT_EQ(plugin.checkCalls, 0);
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_EQ(checkRunning, 0);
}

// Without a thread for the worker, the dialog ends at once and the check says why it did not run.
TEST_F(CheckRunTest, ACheckWithoutAThreadSaysSoAndEnds) {
    const MapStringSource strings{{1407, "Chec&k"}, {10008, "%1!s! failed: %2!s!%3!s!"}, {62171, ", %1!s!"}};
    ProfileCheckRunContext run{checkRunning, checkMessages, context.job, &frame,
                               strings,      host.messages, dialogs};
    NoWorkerThreads noThreads;
    EXPECT_EQ(RunProfileCheck(run, 0), 1);
    EXPECT_EQ(plugin.checkCalls, 0);
    EXPECT_EQ(checkRunning, 0);
    EXPECT_EQ(Boxes(), QStringList{"Check failed: 0x7, no worker thread could be started: " +
                                   QString::fromStdString(std::generic_category().message(EAGAIN))});
}

TEST_F(CheckRunTest, ProgressDialogCannotBeDismissedWhileTheWorkerRuns) {
    QSemaphore release;
    plugin.check = [&](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>& out) {
        release.acquire();
        out.append(Finding(1, "late"));
    };
    CProfileProgressDlg dialog;
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.reject();
        dialog.close();
        stayedOpen = dialog.isVisible();
        release.release();
    });
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    EXPECT_EQ(dialog.DoModal(dialogs, context.job, messages), IDOK);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "late");
    EXPECT_EQ(plugin.progressCalls, 1);
    EXPECT_EQ(dialog.ProgressBar().maximum(), 120);
    EXPECT_EQ(dialog.ProgressBar().value(), 120);
}

// The dialog names its stage from the start; its bar moves while the parts load, then again while checking.
TEST_F(CheckRunTest, ProgressNamesEachStageAndMovesWhileThePartsLoad) {
    for (int i = 0; i < 4; ++i) AddPart(*block, "Lazy", 0)->loaded = 0;  // loaded in turn, from nothing
    CProfileProgressDlg dialog;
    dialog.ShowStages({}, {"loading", "checking"}, false);
    QStringList seen{dialog.StageLabel().text()};
    QObject::connect(&dialog.ProgressBar(), &QProgressBar::valueChanged,
                     [&](int value) { seen << dialog.StageLabel().text() + QString::number(value); });
    dialog.DoModal(dialogs, context.job, checkMessages);
    EXPECT_EQ(seen, QStringList({"loading", "loading30", "loading60", "loading90", "loading120", "checking0",
                                 "checking60", "checking120"}));
}

}  // namespace
