// Whole edit runs and the plug-in operation's results, with every window answered by a script.
#include <gmock/gmock.h>

#include <QWidget>

#include "CConnectionInfoListDlg.h"
#include "CPELFM_ElemInfo.h"
#include "CVsflexgridn2.h"
#include "ConnInfoSessionFixture.h"
#include "ConnectionInfoEntry.h"

using namespace ConnInfoTest;
using namespace ConnInfo;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class EditRunTest : public SessionFixture {
protected:
    int Run() { return session.Run(&window, &root, &removed, &changed); }
    int Edit() { return ConnInfo::EditConnectionInfo(plugin, presenter, &window, &root, &removed, &changed); }
    void OnList(std::function<void(CConnectionInfoListDlg&)> step) {
        presenter.OnDialog([step](QDialog& d) { step(static_cast<CConnectionInfoListDlg&>(d)); });
    }
    void OnDetail(std::function<void(QDialog&)> step) { presenter.OnDialog(std::move(step)); }

    QWidget window;
    QList<CPELFM_PartInfo*> removed, changed;
};

TEST_F(EditRunTest, AnAddedConnectionIsAppendedToTheProfile) {
    CPELFM_PartInfo* existing = AddConnection(device, "Conn1", "QDTX");
    OnList([](CConnectionInfoListDlg& d) {
        Click(d, IDC_LIST_ADD);
        Click(d, IDC_OK);
    });
    OnDetail([](QDialog& d) { Click(d, IDC_OK); });  // protocol
    OnDetail([](QDialog& d) {
        Type(d, IDC_QDTX_LABEL, "Conn2");
        Type(d, IDC_QDTX_SERVER_PORT, "5001");
        Click(d, IDC_OK);
    });
    removed.append(existing);  // whatever the arrays held goes first
    EXPECT_EQ(Run(), kDone);
    EXPECT_THAT(removed, IsEmpty());
    EXPECT_THAT(changed, IsEmpty());
    ASSERT_EQ(device->parts.size(), 2);
    EXPECT_EQ(device->parts[0], existing);
    CPELFM_PartInfo* added = device->parts[1];
    EXPECT_EQ(added->name, "Conn2");
    EXPECT_EQ(added->ownerSection, device);
    EXPECT_EQ(Param(added, "P_QDTX_Server_PortNo"), "5001");
}

TEST_F(EditRunTest, ChangedConnectionsAreReportedAndDeletedOnesListedForRemoval) {
    CPELFM_PartInfo* first = AddConnection(device, "Conn1", "RDB", "1", {{"P_RDB_PortNo", "1"}});
    CPELFM_PartInfo* second = AddConnection(device, "Conn2", "QDTX");
    OnList([](CConnectionInfoListDlg& d) {
        d.OpenSelected();
        d.Grid()->Select(2, 1, 2, 5);
        d.DeleteSelected();
        Click(d, IDC_OK);
    });
    OnDetail([](QDialog& d) {
        Type(d, IDC_RDB_PORT, "2");
        Click(d, IDC_OK);
    });
    presenter.Answer(IDYES);
    EXPECT_EQ(Run(), kDone);
    EXPECT_THAT(removed, ElementsAre(second));
    EXPECT_THAT(changed, ElementsAre(first));
    EXPECT_EQ(Param(first, "P_RDB_PortNo"), "2");
    EXPECT_EQ(device->parts.size(), 2);  // the editor takes the removed part out
}

TEST_F(EditRunTest, AddingAndCancellingTheDetailAppliesNothing) {
    AddConnection(device, "Conn1", "QDTX");
    OnList([](CConnectionInfoListDlg& d) {
        Click(d, IDC_LIST_ADD);
        EXPECT_EQ(d.IsModified(), 1);
        Click(d, IDC_OK);
    });
    OnDetail([](QDialog& d) { Click(d, IDC_OK); });
    OnDetail([](QDialog& d) { Click(d, IDC_CANCEL); });
    EXPECT_EQ(Run(), kNothing);
    EXPECT_EQ(device->parts.size(), 1);
}

TEST_F(EditRunTest, ACutCommentStartsTheListModifiedAndIsCommittedAtOk) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX", "1", {}, QString(1025, u'c'));
    presenter.Answer(IDYES);
    OnList([](CConnectionInfoListDlg& d) {
        EXPECT_EQ(d.IsModified(), 1);
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Run(), kDone);
    EXPECT_THAT(changed, ElementsAre(source));
    EXPECT_EQ(source->comment, QString(1024, u'c'));
}

TEST_F(EditRunTest, DecliningTheCutLeavesTheProfileAsItWas) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX", "1", {}, QString(1025, u'c'));
    presenter.Answer(IDNO);
    EXPECT_EQ(Edit(), CONNECTION_EDIT_NOTHING_APPLIED);
    EXPECT_THAT(presenter.dialogs, IsEmpty());
    EXPECT_EQ(source->comment.size(), 1025);
}

TEST_F(EditRunTest, TooManyConnectionsAreReportedWithoutAList) {
    for (int i = 0; i <= kMaxConnections; ++i) AddPart(device, PART_DEVICE_IF, QString::number(i));
    EXPECT_EQ(Edit(), CONNECTION_EDIT_TOO_MANY);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_TOO_MANY_CONNECTIONS)));
    EXPECT_EQ(presenter.boxes[0].style, MB_ICONINFORMATION);
    EXPECT_THAT(presenter.dialogs, IsEmpty());
}

TEST_F(EditRunTest, FailuresAreReportedOnceWithTheFailureMessage) {
    EXPECT_EQ(ConnInfo::EditConnectionInfo(plugin, presenter, nullptr, &root, &removed, &changed),
              CONNECTION_EDIT_FAILED);
    EXPECT_EQ(ConnInfo::EditConnectionInfo(plugin, presenter, &window, nullptr, &removed, &changed),
              CONNECTION_EDIT_FAILED);
    CPELFM_ProfileInfo withoutDevice;
    AddSection(withoutDevice, SECTION_FILE, "FILE");
    EXPECT_EQ(ConnInfo::EditConnectionInfo(plugin, presenter, &window, &withoutDevice, &removed, &changed),
              CONNECTION_EDIT_FAILED);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_FAILURE), Str(IDS_FAILURE), Str(IDS_FAILURE)));
    EXPECT_EQ(presenter.boxes[0].style, MB_ICONINFORMATION);
}

TEST_F(EditRunTest, TheOperationReportsAnAppliedRun) {
    AddConnection(device, "Conn1", "QDTX");
    OnList([](CConnectionInfoListDlg& d) {
        d.DeleteSelected();
        Click(d, IDC_OK);
    });
    presenter.Answer(IDYES);
    EXPECT_EQ(Edit(), CONNECTION_EDIT_APPLIED);
    EXPECT_EQ(removed.size(), 1);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_CONFIRM_DELETE)));
}

}  // namespace
