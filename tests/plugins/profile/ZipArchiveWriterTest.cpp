#include "ZipArchiveWriter.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

using PeloraPlugin::Internal::ZipArchiveWriter;

namespace {

// Reads an archive back with Python's zipfile, an independent reader: CRC test, then every
// entry's name, UTF-8 flag and content (hex).
const char* kReader = R"(
import json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    bad = z.testzip()
    out = {'bad': bad, 'entries': [{'name': i.filename, 'utf8': bool(i.flag_bits & 0x800),
                                    'data': z.read(i).hex()} for i in z.infolist()]}
print(json.dumps(out))
)";

struct Entry {
    bool utf8;
    QByteArray data;
};

class ZipArchiveWriterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString base;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        base = dir.filePath("work");
        QDir().mkpath(base + "/sub/deeper");
    }

    QString Write(const QString& rel, const QByteArray& data) {
        const QString path = base + "/" + rel;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return path;
    }

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // name -> entry, or an empty map with *ok false when the reader refuses the archive.
    static QMap<QString, Entry> ReadBack(const QString& archive, bool* ok) {
        QProcess p;
        p.start("python3", {"-c", kReader, archive});
        p.waitForFinished(60000);
        const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        *ok = p.exitCode() == 0 && o.value("bad").isNull();
        QMap<QString, Entry> out;
        for (const QJsonValue& v : o.value("entries").toArray()) {
            const QJsonObject e = v.toObject();
            out.insert(
                e.value("name").toString(),
                {e.value("utf8").toBool(), QByteArray::fromHex(e.value("data").toString().toLatin1())});
        }
        return out;
    }

    static int UnzipTest(const QString& archive) {
        QProcess p;
        p.start("unzip", {"-tq", archive});
        p.waitForFinished(60000);
        return p.exitCode();
    }

    QStringList LeftoversBesideArchive() const {
        return QDir(dir.path()).entryList({".*.zip.*"}, QDir::Files | QDir::Hidden);
    }
};

TEST_F(ZipArchiveWriterTest, WritesNamesAndBytesAnIndependentReaderAccepts) {
    QByteArray big(300 * 1024, Qt::Uninitialized);  // several blocks
    for (char& c : big) c = char(QRandomGenerator::global()->bounded(256));
    struct Row {
        QString rel;
        QByteArray data;
    };
    const Row rows[] = {
        {"profile.pelp", "<p:profile/>"},
        {"sub/icon.ico", big},
        {"sub/deeper/empty.txt", ""},
        {".cfg", "dot"},
        {QString::fromUtf8("sub/装置.txt"), "ja"},
    };
    QList<QString> files;
    for (const Row& r : rows) files.append(Write(r.rel, r.data));
    const QString archive = dir.filePath("out.zip");

    ASSERT_EQ(ZipArchiveWriter::CreateArchive(archive, files, base + "/"), 1);

    bool ok = false;
    const QMap<QString, Entry> got = ReadBack(archive, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(got.size(), qsizetype(std::size(rows)));
    for (const Row& r : rows) {
        ASSERT_TRUE(got.contains(r.rel)) << r.rel.toStdString();
        EXPECT_EQ(got[r.rel].data, r.data) << r.rel.toStdString();
        EXPECT_TRUE(got[r.rel].utf8);
    }
    EXPECT_EQ(UnzipTest(archive), 0);
    EXPECT_TRUE(LeftoversBesideArchive().isEmpty());
}

TEST_F(ZipArchiveWriterTest, EmptyListGivesAnArchiveWithoutEntries) {
    const QString archive = dir.filePath("empty.zip");
    ASSERT_EQ(ZipArchiveWriter::CreateArchive(archive, {}, base), 1);
    bool ok = false;
    EXPECT_TRUE(ReadBack(archive, &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST_F(ZipArchiveWriterTest, ExistingArchiveIsReplacedNotExtended) {
    const QString archive = dir.filePath("out.zip");
    ASSERT_EQ(ZipArchiveWriter::CreateArchive(archive, {Write("a.txt", "A")}, base), 1);
    ASSERT_EQ(ZipArchiveWriter::CreateArchive(archive, {Write("b.txt", "B")}, base), 1);
    bool ok = false;
    const auto got = ReadBack(archive, &ok);
    EXPECT_EQ(got.keys(), QStringList{"b.txt"});
}

// Each failure returns 0, keeps the archive that was there and leaves nothing beside it.
TEST_F(ZipArchiveWriterTest, FailuresKeepTheExistingArchive) {
    QTemporaryDir outside;
    QFile o(outside.filePath("outside.txt"));
    ASSERT_TRUE(o.open(QIODevice::WriteOnly));
    o.close();
    QFile e(dir.filePath("elsewhere.txt"));
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.close();
    struct Row {
        const char* what;
        QString file;
    };
    const Row rows[] = {
        {"missing file", base + "/missing.txt"},
        {"folder", base + "/sub"},
        {"outside the base", outside.filePath("outside.txt")},
        {"climbing out of the base", base + "/sub/../../elsewhere.txt"},
    };
    const QString archive = dir.filePath("out.zip");
    ASSERT_EQ(ZipArchiveWriter::CreateArchive(archive, {Write("keep.txt", "K")}, base), 1);
    const QByteArray before = ReadAll(archive);
    for (const Row& r : rows) {
        const QList<QString> files = {Write("first.txt", "1"), r.file, Write("last.txt", "3")};
        int writeError = -1;
        EXPECT_EQ(ZipArchiveWriter::CreateArchive(archive, files, base, &writeError), 0) << r.what;
        EXPECT_EQ(writeError, 0) << r.what << ": the archive was not at fault";
        EXPECT_EQ(ReadAll(archive), before) << r.what;
        EXPECT_TRUE(LeftoversBesideArchive().isEmpty()) << r.what;
    }
}

// Where the archive itself cannot be written, the system's reason comes back for the editor to show.
TEST_F(ZipArchiveWriterTest, AnArchiveThatCannotBeWrittenGivesTheSystemsReason) {
    int writeError = 0;
    EXPECT_EQ(ZipArchiveWriter::CreateArchive(dir.filePath("none/new.zip"), {Write("a.txt", "A")}, base,
                                              &writeError),
              0);
    EXPECT_EQ(writeError, ENOENT);
}

TEST_F(ZipArchiveWriterTest, MissingFileWritesNoArchive) {
    const QString archive = dir.filePath("new.zip");
    EXPECT_EQ(ZipArchiveWriter::CreateArchive(archive, {Write("a.txt", "A"), base + "/nope"}, base), 0);
    EXPECT_FALSE(QFile::exists(archive));
}

TEST(ZipArchiveEntryName, RelativeToBase) {
    struct Row {
        const char* base;
        const char* file;
        const char* name;
    };
    const Row rows[] = {
        {"/w/base", "/w/base/a.txt", "a.txt"},
        {"/w/base/", "/w/base/sub/b.txt", "sub/b.txt"},
        {"/w/base//", "/w/base/./sub/./c.txt", "sub/c.txt"},
        {"/w/base", "/w/base/.cfg", ".cfg"},
        {"/w/base", "/w/base/..cfg", "..cfg"},
        {"/w/base", "/w/base/../x.txt", ""},
        {"/w/base", "/w/other/x.txt", ""},
        {"/w/base", "/w/base", ""},
        {"/w/base", "/w/basement/x.txt", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ZipArchiveWriter::EntryName(r.base, r.file), QString::fromLatin1(r.name)) << r.file;
    }
}

TEST(ZipArchiveDosTime, FromModificationTime) {
    QTemporaryDir dir;
    struct Row {
        QDateTime when;
        unsigned long dos;
    };
    const Row rows[] = {
        {QDateTime(QDate(2024, 3, 9), QTime(13, 45, 31)),
         (44ul << 25) | (3ul << 21) | (9ul << 16) | (13ul << 11) | (45ul << 5) | 15ul},
        {QDateTime(QDate(1975, 6, 1), QTime(1, 2, 3)), (1ul << 21) | (1ul << 16)},
    };
    for (const Row& r : rows) {
        const QString path = dir.filePath("f");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.setFileTime(r.when, QFileDevice::FileModificationTime));
        f.close();
        EXPECT_EQ(ZipArchiveWriter::DosDateTime(path), r.dos) << r.when.toString().toStdString();
    }
    EXPECT_EQ(ZipArchiveWriter::DosDateTime(dir.filePath("missing")), 0ul);
}

}  // namespace
