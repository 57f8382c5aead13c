// A part whose elements, grid rows and column widths are worked out on several threads, opened, shown and
// checked again and again in the running editor. CI runs it under ThreadSanitizer too, so the work is
// spread over threads whatever number of processors the machine reports.
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "ParallelRanges.h"
#include "ProfileGenerator.h"
#include "RoadFixture.h"

TEST(LargePartThreadsTest, ReopenedLargePartKeepsEveryElement) {
    if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    Road::RoadFixture road;
    const int n = 20000;  // five runs of elements to build, two ranges of grid rows
    road.openAnswer = road.work.filePath("Large.pelp");
    ASSERT_GT(GenerateProfile(road.openAnswer, ProfileShape{0, n}).members, n);
    ASSERT_TRUE(road.Start({"V30", 0x30000, "ja", "ver3", "3.0", true, true, false}, {}));
    Internal::AssumeProcessors(6);
    qsizetype findings = -1;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(road.Trigger(ID_FILE_OPEN));
        CPELFM_PartInfo* part =
            road.app->OpenProfile()->FindSectionByName("Block0")->FindPartByName("Memory0");
        const size_t split = Internal::RunsOnSeveralThreads();
        auto* view = dynamic_cast<CWorkView*>(road.Frame().WorkViewManager().OpenPartView(0, part));
        ASSERT_TRUE(view && part->ElemCount() == n && view->Grid().GetRows() == n + 1);
        // The elements, the rows' texts and the columns' widest texts: each on more than one thread.
        ASSERT_EQ(Internal::RunsOnSeveralThreads() - split, 3u);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(std::as_const(part->Elems()).at(i)->label, QString("M_%1").arg(i));
            ASSERT_EQ(view->Grid().GetTextMatrix(i + 1, view->ItemTypeColumn(LABEL)), QString("M_%1").arg(i));
        }
        // The check reads every element again and finds the same each time.
        ASSERT_TRUE(road.Trigger(ID_FILE_CHECK));
        if (round == 0) findings = road.app->checkMessages.size();
        EXPECT_EQ(road.app->checkMessages.size(), findings);
        EXPECT_GT(findings, 0);
        ASSERT_TRUE(road.Trigger(ID_FILE_CLOSE));
    }
}
