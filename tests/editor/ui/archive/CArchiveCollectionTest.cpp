#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CArchiveCollection.h"
#include "CArchiveFileKinds.h"
#include "MapStringSource.h"
#include "MessageBoxStyle.h"
#include "ScriptedMessagePresenter.h"

namespace {

TEST(CArchiveFileKindsTest, ExtensionsDecideTheList) {
    const struct {
        const char* path;
        const char* profileExt;
        bool deviceModel;
        bool profile, document, tool;
    } cases[] = {
        {"/a/x.pelp", "pelp", false, true, false, false},
        {"/a/x.PELP", "pelp", false, true, false, false},
        {"/a/x.ostra", "pelp", false, false, false, false},
        {"/a/x.ostra", "ostra", false, true, false, false},
        {"/a/x.Png", "pelp", false, false, true, false},
        {"/a/x.ico", "pelp", false, false, true, false},
        {"/a/x.dll", "pelp", false, false, false, true},
        {"/a/x.DLL", "pelp", true, false, true, true},
        {"/a/x.exe", "pelp", true, false, true, true},
        {"/a.png/x", "pelp", true, false, false, false},
        {"/a/png", "pelp", true, false, false, false},
        {"/a/x.png.txt", "pelp", true, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CArchiveFileKinds::IsProfile(c.path, c.profileExt), c.profile);
        EXPECT_EQ(CArchiveFileKinds::IsDocument(c.path, c.deviceModel), c.document);
        EXPECT_EQ(CArchiveFileKinds::IsTool(c.path), c.tool);
    }
}

class CArchiveCollectionTest : public ::testing::Test {
protected:
    QString File(const QString& rel) {
        const QString path = dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }
    QStringList TreeNames(const CToolPathData& node) const {
        QStringList out;
        for (const CToolPathData& c : node.children) {
            out.append(c.name);
            for (const QString& n : TreeNames(c)) out.append(c.name + "/" + n);
        }
        return out;
    }

    QTemporaryDir dir;
    MapStringSource strings{{405, "\n-"}, {62075, "listed:%1!s!"}};
    ScriptedMessagePresenter presenter;
};

TEST_F(CArchiveCollectionTest, ProfilesChosenTwiceAreListedTwiceAndEnableNext) {
    CArchiveCollection c(strings, presenter, {});
    EXPECT_FALSE(c.CanGoNext());
    c.AddProfiles({"/p/Foo.pelp"});
    c.AddProfiles({"/p/Foo.pelp"});
    EXPECT_EQ(c.Entries(CArchiveCollection::Profiles), QStringList({"/p/Foo.pelp", "/p/Foo.pelp"}));
    EXPECT_TRUE(c.CanGoNext());
    c.RemoveAt(CArchiveCollection::Profiles, 0);
    c.RemoveAt(CArchiveCollection::Profiles, 0);
    EXPECT_FALSE(c.CanGoNext());
}

TEST_F(CArchiveCollectionTest, ListedDocumentsAreReportedAndCancelAddsNothing) {
    const struct {
        int answer;
        QStringList documents;
        QStringList tree;
    } cases[] = {
        {IDCANCEL, {"/d/a.png"}, {}},
        {IDOK, {"/d/a.png", "/d/b.png", "/d/t.dll"}, {"t.dll"}},
    };
    for (const auto& k : cases) {
        presenter = ScriptedMessagePresenter();
        CArchiveCollection c(strings, presenter, {});
        c.AddDocuments({"/d/a.png"});
        presenter.QueueAnswer(k.answer);
        c.AddDocuments({"/D/A.PNG", "/d/b.png", "/d/t.dll"});
        ASSERT_EQ(presenter.Calls().size(), 1);
        EXPECT_EQ(presenter.Calls()[0].text, "listed:\n-/D/A.PNG");
        EXPECT_EQ(presenter.Calls()[0].style, MB_OKCANCEL | MB_ICONINFORMATION);
        EXPECT_EQ(c.Entries(CArchiveCollection::Documents), k.documents);
        EXPECT_EQ(TreeNames(c.ToolTree()), k.tree);
    }
}

TEST_F(CArchiveCollectionTest, DroppedFolderGivesToolNodesOnlyForFoldersWithTools) {
    const QString a = File("drop/bin/a.dll");
    const QString x = File("drop/doc/x.png");
    File("drop/doc/readme.txt");
    CArchiveCollection c(strings, presenter, {true, true, "pelp"});
    c.DropOnDocuments({dir.filePath("drop")});
    EXPECT_EQ(c.Entries(CArchiveCollection::Documents), QStringList({a, x}));
    EXPECT_EQ(TreeNames(c.ToolTree()), QStringList({"bin", "bin/a.dll"}));
    c.RemoveAt(CArchiveCollection::Documents, 0);
    EXPECT_TRUE(c.ToolTree().children.isEmpty());
}

TEST_F(CArchiveCollectionTest, ToolsThatTheListRefusesGetNoNode) {
    File("drop/bin/a.dll");
    const QString x = File("drop/x.png");
    CArchiveCollection c(strings, presenter, {true, false, "pelp"});
    c.DropOnDocuments({dir.filePath("drop"), dir.filePath("drop/bin/a.dll")});
    EXPECT_EQ(c.Entries(CArchiveCollection::Documents), QStringList({x}));
    EXPECT_TRUE(c.ToolTree().children.isEmpty());
}

TEST_F(CArchiveCollectionTest, DroppedFolderOnProfilesAddsProfilesAtAnyDepth) {
    const QString a = File("p/a.pelp");
    const QString b = File("p/x/y/b.PELP");
    File("p/x/c.png");
    CArchiveCollection c(strings, presenter, {});
    c.DropOnProfiles({dir.filePath("p"), a});
    EXPECT_EQ(c.Entries(CArchiveCollection::Profiles), QStringList({a, b, a}));
}

TEST_F(CArchiveCollectionTest, ToolFoldersNeedTheToolsConditionAndAreListedOnce) {
    QDir().mkpath(dir.filePath("Foo"));
    const QString file = File("f.pelp");
    CArchiveCollection without(strings, presenter, {false, false, "pelp"});
    without.DropOnToolFolders({dir.filePath("Foo")});
    EXPECT_TRUE(without.Entries(CArchiveCollection::ToolFolders).isEmpty());
    CArchiveCollection with(strings, presenter, {true, false, "pelp"});
    with.DropOnToolFolders({dir.filePath("Foo"), file, dir.filePath("Foo")});
    with.AddToolFolder(dir.filePath("Foo"));
    EXPECT_EQ(with.Entries(CArchiveCollection::ToolFolders), QStringList({dir.filePath("Foo")}));
}

}  // namespace
