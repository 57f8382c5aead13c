// The working set of the connection editor and its commit into the profile, without a window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CConnectionInfoListCheck.h"
#include "CConnectionInfoStringSource.h"
#include "CConnectionInfoWorkSet.h"
#include "ConnectionInfoIds.h"
#include "ConnectionInfoTestData.h"
#include "FormatSettings.h"
#include "MessageBoxStyle.h"
#include "QtPrinters.h"
#include "ScriptedMessagePresenter.h"

using namespace ConnInfoTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

ConnectionParameterText Row(const char* label, const char* value) {
    return {QString::fromLatin1(label), "L2", "CAT", "NAME", "TYPE", QString::fromLatin1(value)};
}

class WorkSetTest : public ::testing::Test {
protected:
    WorkSetTest() {
        AddSection(root, SECTION_FILE, "FILE");
        device = AddSection(root, SECTION_DEVICE, "DEVICE", "device comment");
        info = AddPart(device, PART_DEVICE_INFO, "DeviceInfo");
    }

    int Load() { return ws.Load(root); }

    // Commits and returns the result of the whole commit like the edit run sees it.
    int Commit() {
        ws.CollectRemoved(removed);
        return ws.ApplyChanges(root, changed, appended);
    }

    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* device;
    CPELFM_PartInfo* info;
    CConnectionInfoStringSource strings{PeloraFormat::Format30()};
    CConnectionInfoWorkSet ws{strings};
    QList<CPELFM_PartInfo*> removed, changed;
    int appended = -1;
};

TEST_F(WorkSetTest, LoadFailsWithoutADeviceSection) {
    CPELFM_ProfileInfo empty;
    AddSection(empty, SECTION_FILE, "FILE");
    EXPECT_EQ(ws.Load(empty), ConnInfo::kFailed);
    EXPECT_EQ(ws.Copy(), nullptr);
}

TEST_F(WorkSetTest, TheCopyIsDeepAndTakesOnlyTheFirstDeviceSection) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "RDB", "1", {{"P_RDB_PortNo", "5432"}});
    AddConnection(AddSection(root, SECTION_DEVICE, "DEVICE2"), "Other", "QDTX");
    ASSERT_EQ(Load(), 0);
    CPELFM_SectionInfo* copy = ws.Copy();
    EXPECT_EQ(copy->name, "DEVICE");
    EXPECT_EQ(copy->comment, "device comment");
    EXPECT_EQ(copy->sectionType, SECTION_DEVICE);
    ASSERT_EQ(copy->parts.size(), 2);
    EXPECT_EQ(copy->parts[0]->partType, PART_DEVICE_INFO);
    EXPECT_EQ(ws.OriginOf(copy->parts[0]), nullptr);  // only connections have an origin
    CPELFM_PartInfo* conn = ws.GetConnectionAt(0);
    ASSERT_NE(conn, nullptr);
    EXPECT_NE(conn, source);
    EXPECT_EQ(ws.OriginOf(conn), source);
    EXPECT_EQ(conn->ownerSection, copy);
    EXPECT_EQ(conn->Elems()[0]->ownerPart, conn);
    EXPECT_EQ(ws.GetConnectionAt(1), nullptr);
    EXPECT_EQ(ws.GetConnectionAt(-1), nullptr);

    ConnInfo::SetParameterValue(*conn->FindElemByLabel("P_RDB_PortNo"), "1");
    EXPECT_EQ(Param(source, "P_RDB_PortNo"), "5432");
}

TEST_F(WorkSetTest, DefaultLabelTakesTheFirstGap) {
    const struct {
        std::vector<const char*> names;
        const char* expected;
    } cases[] = {
        {{}, "DefaultConnection00000"},
        {{"DefaultConnection00000", "defaultconnection00002"}, "DefaultConnection00001"},
        {{"DefaultConnection00000", "DefaultConnection00001"}, "DefaultConnection00002"},
        {{"DefaultConnection00001"}, "DefaultConnection00000"},
        {{"DefaultConnection0000", "DefaultConnection000000", "DefaultConnection0000x"},
         "DefaultConnection00000"},
        // A number held twice (only possible in a profile from elsewhere) is counted once.
        {{"DefaultConnection00000", "DEFAULTCONNECTION00000", "DefaultConnection00001"},
         "DefaultConnection00002"},
    };
    for (const auto& c : cases) {
        CPELFM_ProfileInfo profile;
        CPELFM_SectionInfo* section = AddSection(profile, SECTION_DEVICE, "DEVICE");
        for (const char* name : c.names) AddPart(section, PART_DEVICE_IF, name);
        CConnectionInfoWorkSet set(strings);
        ASSERT_EQ(set.Load(profile), 0);
        EXPECT_EQ(set.MakeDefaultLabel(), c.expected) << c.names.size();
    }
}

TEST_F(WorkSetTest, DefaultLabelCountsPartsOfEveryKind) {
    info->name = "DefaultConnection00000";
    ASSERT_EQ(Load(), 0);
    EXPECT_EQ(ws.MakeDefaultLabel(), "DefaultConnection00001");
}

TEST_F(WorkSetTest, LabelsAreUsedIgnoringCaseAcrossPartKinds) {
    AddConnection(device, "Conn1", "QDTX");
    ASSERT_EQ(Load(), 0);
    EXPECT_TRUE(ws.IsLabelUsed("CONN1"));
    EXPECT_TRUE(ws.IsLabelUsed("deviceinfo"));
    EXPECT_FALSE(ws.IsLabelUsed("Conn2"));
}

TEST_F(WorkSetTest, TheLimitIsReachedAt20480Connections) {
    for (int i = 0; i < ConnInfo::kMaxConnections - 1; ++i)
        AddPart(device, PART_DEVICE_IF, QString::number(i));
    ASSERT_EQ(Load(), 0);
    EXPECT_FALSE(ws.IsLimitReached());
    ASSERT_EQ(ws.CreateConnection({}, "Last", "", ""), 0);
    EXPECT_TRUE(ws.IsLimitReached());
    EXPECT_EQ(ws.ConnectionCount(), ConnInfo::kMaxConnections);
}

TEST_F(WorkSetTest, CreateWritesOnlyParametersWithValues) {
    ASSERT_EQ(Load(), 0);
    CPELFM_PartInfo* made = nullptr;
    ASSERT_EQ(ws.CreateConnection({Row("ProtocolType", "QDTX"), Row("P_Empty", ""), Row("P_Port", "80")},
                                  "New", "", "note", &made),
              0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->partType, PART_DEVICE_IF);
    EXPECT_EQ(made->comment, "note");
    EXPECT_EQ(made->ownerSection, ws.Copy());
    ASSERT_EQ(made->ElemCount(), 2);
    CPELFM_ElemInfo* port = made->Elems()[1];
    EXPECT_EQ(port->label, "P_Port");
    EXPECT_EQ(port->ownerPart, made);
    // LABEL2, NAME, CATEGORY, DATATYPE, DATA, one plain value each.
    std::vector<std::pair<int, QString>> items;
    for (CPELFM_ItemInfo* item : port->items) {
        ASSERT_EQ(item->values.size(), 1);
        EXPECT_EQ(item->values[0].dataKind, ProfileInnerConst::DATA_ITEM);
        EXPECT_EQ(item->ownerElem, port);
        items.emplace_back(item->itemType, item->values[0].text);
    }
    EXPECT_THAT(items,
                ElementsAre(std::pair<int, QString>{LABEL2, "L2"}, std::pair<int, QString>{NAME, "NAME"},
                            std::pair<int, QString>{CATEGORY, "CAT"},
                            std::pair<int, QString>{DATATYPE, "TYPE"}, std::pair<int, QString>{DATA, "80"}));
    EXPECT_EQ(ws.GetConnectionAt(0), made);
    EXPECT_EQ(ws.OriginOf(made), nullptr);
}

TEST_F(WorkSetTest, UpdateSetsAddsAndRemovesParameters) {
    AddConnection(device, "Conn1", "QDTX", "1", {{"P_Keep", "k"}, {"P_Clear", "c"}, {"P_Set", "old"}});
    ASSERT_EQ(Load(), 0);
    CPELFM_PartInfo* conn = ws.GetConnectionAt(0);
    CPELFM_ItemInfo* data = conn->FindElemByLabel("P_Set")->items[4];
    data->values.append({ProfileInnerConst::DATA_ITEM, "second"});
    ASSERT_EQ(
        ws.UpdateConnection({Row("p_set", "new"), Row("P_Clear", ""), Row("P_Add", "a"), Row("P_None", "")},
                            *conn, "Renamed", "c2"),
        0);
    EXPECT_EQ(conn->name, "Renamed");
    EXPECT_EQ(conn->comment, "c2");
    EXPECT_EQ(conn->label2, "label2 of Conn1");
    EXPECT_EQ(data->values.size(), 1);
    EXPECT_EQ(Param(conn, "P_Set"), "new");
    EXPECT_EQ(conn->FindElemByLabel("P_Clear"), nullptr);
    EXPECT_EQ(Param(conn, "P_Add"), "a");
    EXPECT_EQ(conn->FindElemByLabel("P_None"), nullptr);
    EXPECT_EQ(Param(conn, "P_Keep"), "k");
}

TEST_F(WorkSetTest, ParameterValueIsEmptyForMissingDataOrValues) {
    CPELFM_PartInfo* part = AddPart(device, PART_DEVICE_IF, "X");
    AddElem(part, "NoData", {{NAME, {"n"}}});
    AddElem(part, "NoValue", {{DATA, {}}});
    EXPECT_EQ(Param(part, "NoData"), "");
    EXPECT_EQ(Param(part, "NoValue"), "");
    EXPECT_EQ(Param(part, "Missing"), "");
    ConnInfo::SetParameterValue(*part->FindElemByLabel("NoData"), "v");
    EXPECT_EQ(Param(part, "nodata"), "v");
}

TEST_F(WorkSetTest, DeleteStopsAtAPartNoLongerInTheCopy) {
    AddConnection(device, "A", "QDTX");
    AddConnection(device, "B", "QDTX");
    AddConnection(device, "C", "QDTX");
    ASSERT_EQ(Load(), 0);
    CPELFM_PartInfo* a = ws.GetConnectionAt(0);
    CPELFM_PartInfo* c = ws.GetConnectionAt(2);
    ASSERT_EQ(ws.DeleteConnections({a}), 0);
    EXPECT_EQ(ws.DeleteConnections({a, c}), ConnInfo::kFailed);
    ASSERT_EQ(ws.ConnectionCount(), 2);
    EXPECT_EQ(ws.GetConnectionAt(1), c);
}

TEST_F(WorkSetTest, DeleteRemovesTheChosenPartEvenWhenAnotherHasTheSameName) {
    AddConnection(device, "dup", "QDTX");
    CPELFM_PartInfo* second = AddConnection(device, "DUP", "RDB");
    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(ws.DeleteConnections({ws.GetConnectionAt(1)}), 0);
    ASSERT_EQ(ws.ConnectionCount(), 1);
    EXPECT_EQ(ws.GetConnectionAt(0)->name, "dup");
    Commit();
    EXPECT_THAT(removed, ElementsAre(second));
}

TEST_F(WorkSetTest, CommitMovesChangedElementsIntoTheSourcePart) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "RDB", "1", {{"P_RDB_PortNo", "1"}}, "old");
    CPELFM_PartInfo* untouched = AddConnection(device, "Conn2", "QDTX");
    CPELFM_ElemInfo* untouchedElem = untouched->Elems()[0];
    ASSERT_EQ(Load(), 0);
    CPELFM_PartInfo* copy = ws.GetConnectionAt(0);
    ASSERT_EQ(ws.UpdateConnection({Row("P_RDB_PortNo", "2")}, *copy, "Renamed", "new"), 0);
    ws.MarkChanged(copy);
    CPELFM_ElemInfo* moved = copy->Elems()[2];

    ASSERT_EQ(Commit(), 0);
    EXPECT_THAT(removed, IsEmpty());
    EXPECT_THAT(changed, ElementsAre(source));
    EXPECT_EQ(appended, 0);
    EXPECT_EQ(source->name, "Renamed");
    EXPECT_EQ(source->comment, "new");
    EXPECT_EQ(source->label2, "label2 of Conn1");
    ASSERT_EQ(source->ElemCount(), 3);
    EXPECT_EQ(source->Elems()[2], moved);
    EXPECT_EQ(moved->ownerPart, source);
    EXPECT_EQ(Param(source, "P_RDB_PortNo"), "2");
    EXPECT_EQ(copy->ElemCount(), 0);
    EXPECT_EQ(untouched->Elems()[0], untouchedElem);
    EXPECT_EQ(device->parts.size(), 3);
}

TEST_F(WorkSetTest, CommitAppendsNewConnectionsToTheProfileSection) {
    AddConnection(device, "Conn1", "QDTX");
    ASSERT_EQ(Load(), 0);
    CPELFM_PartInfo* made = nullptr;
    ASSERT_EQ(ws.CreateConnection({Row("ProtocolType", "RDB")}, "New", "", "", &made), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(appended, 1);
    ASSERT_EQ(device->parts.size(), 3);
    EXPECT_EQ(device->parts.last(), made);
    EXPECT_EQ(made->ownerSection, device);
    EXPECT_FALSE(ws.Copy()->parts.contains(made));
    EXPECT_THAT(changed, IsEmpty());
}

TEST_F(WorkSetTest, ADeletedConnectionAndANewOneOfTheSameLabelAreBothCommitted) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX");
    ASSERT_EQ(Load(), 0);
    ws.MarkChanged(ws.GetConnectionAt(0));
    ASSERT_EQ(ws.DeleteConnections({ws.GetConnectionAt(0)}), 0);
    // The new part may well be allocated where the deleted copy was.
    CPELFM_PartInfo* made = nullptr;
    ASSERT_EQ(ws.CreateConnection({Row("ProtocolType", "RDB")}, "Conn1", "", "", &made), 0);
    EXPECT_EQ(ws.OriginOf(made), nullptr);
    EXPECT_FALSE(ws.IsChanged(made));
    ASSERT_EQ(Commit(), 0);
    EXPECT_THAT(removed, ElementsAre(source));
    EXPECT_THAT(changed, IsEmpty());
    EXPECT_EQ(appended, 1);
    EXPECT_EQ(device->parts.last(), made);
    EXPECT_EQ(Param(source, "ProtocolType"), "QDTX");  // the editor removes it; its content stays
}

TEST_F(WorkSetTest, AConnectionMarkedWithoutChangesIsReportedWithIdenticalContent) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX", "1", {{"P_X", "x"}});
    ASSERT_EQ(Load(), 0);
    ws.MarkChanged(ws.GetConnectionAt(0));
    ASSERT_EQ(Commit(), 0);
    EXPECT_THAT(changed, ElementsAre(source));
    EXPECT_EQ(source->ElemCount(), 3);
    EXPECT_EQ(Param(source, "P_X"), "x");
}

TEST_F(WorkSetTest, CommitWithoutChangesTouchesNothing) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX");
    CPELFM_ElemInfo* elem = source->Elems()[0];
    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_THAT(removed, IsEmpty());
    EXPECT_THAT(changed, IsEmpty());
    EXPECT_EQ(appended, 0);
    EXPECT_EQ(source->Elems()[0], elem);
}

TEST_F(WorkSetTest, CommitFailsWhenTheDeviceSectionIsGone) {
    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(ws.CreateConnection({}, "New", "", ""), 0);
    CPELFM_ProfileInfo other;
    EXPECT_EQ(ws.ApplyChanges(other, changed, appended), ConnInfo::kFailed);
    EXPECT_EQ(ws.ConnectionCount(), 1);  // still the copy's, freed with it
}

class ListCheckTest : public WorkSetTest {
protected:
    int Run() {
        EXPECT_EQ(Load(), 0);
        return CConnectionInfoListCheck::Run(*ws.Copy(), strings, presenter, cut);
    }
    ScriptedMessagePresenter presenter;
    QList<CPELFM_PartInfo*> cut;
};

TEST_F(ListCheckTest, CommentsOf1024CharactersPassSilently) {
    AddConnection(device, "A", "QDTX", "1", {}, QString(1024, u'x'));
    EXPECT_EQ(Run(), 0);
    EXPECT_THAT(cut, IsEmpty());
    EXPECT_THAT(presenter.Calls(), IsEmpty());
}

TEST_F(ListCheckTest, LongerCommentsAreCutAfterAQuestion) {
    CPELFM_PartInfo* source = AddConnection(device, "A", "QDTX", "1", {}, QString(1025, u'x'));
    presenter.QueueAnswer(IDYES);
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(presenter.Calls().size(), 1);
    EXPECT_EQ(presenter.Calls()[0].style, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(presenter.Calls()[0].text, strings.LoadString(41021));
    EXPECT_THAT(cut, ElementsAre(ws.GetConnectionAt(0)));
    EXPECT_EQ(ws.GetConnectionAt(0)->comment.size(), 1024);
    EXPECT_EQ(source->comment.size(), 1025);
}

TEST_F(ListCheckTest, DecliningTheCutStopsTheRun) {
    AddConnection(device, "A", "QDTX", "1", {}, QString(2000, u'x'));
    presenter.QueueAnswer(IDNO);
    EXPECT_EQ(Run(), ConnInfo::kNothing);
}

TEST_F(ListCheckTest, MoreThan20480ConnectionsCannotBeListed) {
    for (int i = 0; i <= ConnInfo::kMaxConnections; ++i) AddPart(device, PART_DEVICE_IF, QString::number(i));
    EXPECT_EQ(Run(), ConnInfo::kTooMany);
    EXPECT_THAT(presenter.Calls(), IsEmpty());
}

TEST_F(ListCheckTest, Exactly20480ConnectionsAreListed) {
    for (int i = 0; i < ConnInfo::kMaxConnections; ++i) AddPart(device, PART_DEVICE_IF, QString::number(i));
    EXPECT_EQ(Run(), 0);
}

}  // namespace
