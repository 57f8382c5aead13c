// Packing into a work folder and a ZIP archive through the staged 3.0 profile plug-in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "CArchivePacker.h"
#include "IArchiveOutput.h"
#include "LoadedPlugin.h"
#include "MapStringSource.h"
#include "MessageBoxStyle.h"
#include "PluginApi.h"
#include "ScriptedMessagePresenter.h"

namespace {

class RecordingOutput : public IArchiveOutput {
public:
    void AppendOutputLines(const QStringList& lines) override { this->lines += lines; }
    QStringList lines;
};

const char* kReader =
    "import zipfile,sys,json\n"
    "z=zipfile.ZipFile(sys.argv[1])\n"
    "print(json.dumps({n: z.read(n).decode('latin-1') for n in z.namelist()}))\n";

QMap<QString, QString> ReadArchive(const QString& archive) {
    QProcess p;
    p.start("python3", {"-c", kReader, archive});
    p.waitForFinished(60000);
    QMap<QString, QString> out;
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    for (auto it = o.begin(); it != o.end(); ++it) out.insert(it.key(), it.value().toString());
    return out;
}

class CArchivePackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lib.IsOpen()) << lib.Error();
        plugin = lib.Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
        QDir().mkpath(work());
    }
    void TearDown() override { lib.DeleteInstance(); }

    QString work() const { return dir.filePath("work"); }
    QString Write(const QString& rel, const QByteArray& data) {
        const QString path = dir.filePath("src/" + rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return path;
    }
    QStringList WorkEntries() const {
        return QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    int Pack(const QString& archive, const ArchivePackInput& input) {
        CArchivePacker packer(strings, presenter, &output, work());
        return packer.CopyFilesAndCreateArchive(plugin, archive, input);
    }

    // A collection as the creation dialog hands it over.
    ArchivePackInput Collection() {
        ArchivePackInput in;
        in.profileFolderName = "Acme";
        in.profileFiles = {Write("p/Foo.pelp", "foo"), Write("p/Bar.pelp", "bar")};
        in.referencedFiles = {Write("img1/logo.png", "first"), Write("img2/logo.png", "second"),
                              Write("img1/pic.bmp", "pic")};
        in.resultLines = {dir.filePath("src/img1/unused.gif")};
        const QString a = Write("tools/bin/a.dll", "a");
        const QString b = Write("tools/b.exe", "b");
        in.toolFiles = {a, b};
        CToolPathData bin;
        bin.name = "bin";
        bin.path = dir.filePath("src/tools/bin");
        bin.children.append(CToolPathData::MakeFile(a));
        in.toolTree.children = {bin, CToolPathData::MakeFile(b)};
        Write("Foo/readme.txt", "r");
        Write("Foo/sub/deep.txt", "d");
        in.folders = {dir.filePath("src/Foo")};
        return in;
    }

    QTemporaryDir dir;
    LoadedPlugin lib{"PublicPlugin/PeloraMachine_3.so"};
    IProfilePlugin* plugin = nullptr;
    MapStringSource strings{{413, "Create archive"},   {10008, "%1!s! failed: %2!s!%3!s!"},
                            {10031, "%1!s!: done"},    {411, "%1!s! left out:"},
                            {412, "(not named)"},      {2203, "Tool"},
                            {62156, " (%1!s!: %2!s!)"}};
    ScriptedMessagePresenter presenter;
    RecordingOutput output;
};

TEST_F(CArchivePackerTest, PacksTheLayoutAndRemovesTheWorkFolder) {
    const QString archive = dir.filePath("out.zip");
    ASSERT_EQ(Pack(archive, Collection()), 1);

    const QMap<QString, QString> expected = {
        {"Foo.pelp", "foo"},       {"Bar.pelp", "bar"},        {"Acme/Tools/bin/a.dll", "a"},
        {"Acme/Tools/b.exe", "b"}, {"Acme/logo.png", "first"}, {"Acme/pic.bmp", "pic"},
        {"readme.txt", "r"},       {"sub/deep.txt", "d"},
    };
    // The listed folder's content goes to the top, without the folder's own name.
    const QMap<QString, QString> got = ReadArchive(archive);
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(WorkEntries().isEmpty());
    ASSERT_EQ(presenter.Calls().size(), 1);
    EXPECT_EQ(presenter.Calls()[0].text, "Create archive: done");
    EXPECT_EQ(presenter.Calls()[0].style & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(output.lines,
              QStringList({"Tool left out:", "(not named)", dir.filePath("src/img1/unused.gif")}));
}

TEST_F(CArchivePackerTest, NoResultLinesLeaveTheOutputAlone) {
    ArchivePackInput in = Collection();
    in.resultLines.clear();
    ASSERT_EQ(Pack(dir.filePath("out.zip"), in), 1);
    EXPECT_TRUE(output.lines.isEmpty());
}

struct FailureCase {
    const char* label;
    const char* code;
    void (*spoil)(ArchivePackInput&, const QString& src);
    bool badArchivePath;
};

const FailureCase kFailures[] = {
    {"missing profile", "0x23010002",
     [](ArchivePackInput& in, const QString& src) { in.profileFiles.append(src + "/p/None.pelp"); }, false},
    {"missing referenced file", "0x23010003",
     [](ArchivePackInput& in, const QString& src) { in.referencedFiles.append(src + "/img1/none.png"); },
     false},
    {"missing tool file", "0x23010005",
     [](ArchivePackInput& in, const QString& src) {
         in.toolFiles.append(src + "/tools/none.dll");
         in.toolTree.children.append(CToolPathData::MakeFile(src + "/tools/none.dll"));
     },
     false},
    {"tool without a node", "0x23010005",
     [](ArchivePackInput& in, const QString& src) {
         QFile(src + "/tools/orphan.dll").open(QIODevice::WriteOnly);
         in.toolFiles.append(src + "/tools/orphan.dll");
     },
     false},
    {"folder holding the profile folder", "0x23010006",
     [](ArchivePackInput& in, const QString& src) {
         QDir().mkpath(src + "/clash/Acme");
         in.folders.append(src + "/clash");
     },
     false},
    {"missing folder", "0x23010006",
     [](ArchivePackInput& in, const QString& src) { in.folders.append(src + "/nothing"); }, false},
    {"archive not written", "0x23010004", [](ArchivePackInput&, const QString&) {}, true},
    {"profile folder leading upwards", "0x23010001",
     [](ArchivePackInput& in, const QString&) { in.profileFolderName = ".."; }, false},
    {"profile folder with a slash", "0x23010001",
     [](ArchivePackInput& in, const QString&) { in.profileFolderName = "a/b"; }, false},
    {"empty profile folder", "0x23010001",
     [](ArchivePackInput& in, const QString&) { in.profileFolderName.clear(); }, false},
    {"tool folder leading upwards", "0x23010001",
     [](ArchivePackInput& in, const QString&) { in.toolTree.children[0].name = ".."; }, false},
};

TEST_F(CArchivePackerTest, EveryFailureIsReportedWithItsCodeAndLeavesNoWorkFolder) {
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(c.label);
        presenter = ScriptedMessagePresenter();
        ArchivePackInput in = Collection();
        c.spoil(in, dir.filePath("src"));
        const QString archive = c.badArchivePath ? dir.filePath("missing/out.zip") : dir.filePath("out.zip");
        QFile::remove(archive);

        EXPECT_EQ(Pack(archive, in), 0);
        EXPECT_FALSE(QFileInfo::exists(archive));
        EXPECT_TRUE(WorkEntries().isEmpty()) << WorkEntries().join(",").toStdString();
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("Acme"))) << "created outside the work folder";
        ASSERT_EQ(presenter.Calls().size(), 1);
        // The archive that was not written is named with the system's reason.
        const QString reason = c.badArchivePath ? " (" + archive + ": No such file or directory)" : QString();
        EXPECT_EQ(presenter.Calls()[0].text, QString("Create archive failed: ") + c.code + reason);
        EXPECT_EQ(presenter.Calls()[0].style & MB_ICONMASK, MB_ICONERROR);
        EXPECT_EQ(QFile(dir.filePath("src/p/Foo.pelp")).size(), 3) << "a source was changed";
    }
}

TEST_F(CArchivePackerTest, ArchiveOverAPackedFileIsRefused) {
    const ArchivePackInput in = Collection();
    for (const QString& target : {in.profileFiles[0], in.referencedFiles[1], in.toolFiles[0]}) {
        SCOPED_TRACE(target.toStdString());
        presenter = ScriptedMessagePresenter();
        const QByteArray before = [&] {
            QFile f(target);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        EXPECT_EQ(Pack(target, in), 0);
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
        ASSERT_EQ(presenter.Calls().size(), 1);
        EXPECT_EQ(presenter.Calls()[0].text, "Create archive failed: 0x23010004");
        EXPECT_TRUE(WorkEntries().isEmpty());
    }
}

TEST_F(CArchivePackerTest, WorkFolderTakesTheFirstFreeName) {
    QDir().mkdir(work() + "/A");
    QDir().mkdir(work() + "/B");
    CArchivePacker::WorkFolder wf;
    ASSERT_TRUE(CArchivePacker::CreateShortWorkFolder(work(), "Acme", wf));
    EXPECT_EQ(wf.root, work() + "/C/");
    EXPECT_EQ(wf.profileFolder, work() + "/C/Acme/");
    EXPECT_EQ(wf.toolsFolder, work() + "/C/Acme/Tools/");
    EXPECT_TRUE(QFileInfo(wf.toolsFolder).isDir());
}

TEST_F(CArchivePackerTest, AWorkBaseThatCannotBeWrittenGivesWayToAPrivateTemporaryFolder) {
    std::optional<QTemporaryDir> privateBase;
    EXPECT_EQ(CArchivePacker::UsableWorkBase(work(), privateBase), work());
    const QString base = CArchivePacker::UsableWorkBase(Write("program", "a file") + "/Temp", privateBase);
    EXPECT_TRUE(privateBase && base == privateBase->path() && QFileInfo(base).isWritable());
}

TEST_F(CArchivePackerTest, WorkFolderFailsWhenAllNamesAreTaken) {
    for (const QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789@$!&#"))
        QDir().mkdir(work() + "/" + c);
    QFile(work() + "/A/keep").open(QIODevice::WriteOnly);
    CArchivePacker::WorkFolder wf;
    EXPECT_FALSE(CArchivePacker::CreateShortWorkFolder(work(), "Acme", wf));
    EXPECT_EQ(WorkEntries().size(), 41);
    EXPECT_TRUE(QFileInfo::exists(work() + "/A/keep"));
}

TEST_F(CArchivePackerTest, DeleteFolderTreeRefusesAnEmptyPathAndTheRoot) {
    const QString keep = Write("keep.txt", "k");
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.filePath("src"));
    EXPECT_FALSE(CArchivePacker::DeleteFolderTree(""));
    EXPECT_FALSE(CArchivePacker::DeleteFolderTree("/"));
    EXPECT_FALSE(CArchivePacker::DeleteFolderTree(keep));
    QDir::setCurrent(old);
    EXPECT_TRUE(QFileInfo::exists(keep));
}

TEST_F(CArchivePackerTest, CopyFolderTreeKeepsExistingFilesAndStopsOnALoop) {
    Write("tree/x.txt", "new");
    QDir().mkpath(dir.filePath("dst"));
    QFile f(dir.filePath("dst/x.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    QStringList copied;
    EXPECT_TRUE(CArchivePacker::CopyFolderTree(dir.filePath("src/tree"), dir.filePath("dst"), copied));
    EXPECT_TRUE(copied.isEmpty());
    EXPECT_EQ(QFile(dir.filePath("dst/x.txt")).size(), 3);

    ASSERT_TRUE(QFile::link(dir.filePath("src/tree"), dir.filePath("src/tree/loop")));
    QDir().mkpath(dir.filePath("dst2"));
    EXPECT_FALSE(CArchivePacker::CopyFolderTree(dir.filePath("src/tree"), dir.filePath("dst2"), copied));
}

}  // namespace
