#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <functional>

#include "CArchiveListValidator.h"
#include "IProfileRelatedFiles.h"
#include "MapStringSource.h"
#include "MessageBoxStyle.h"
#include "ScriptedMessagePresenter.h"

namespace {

class FakeRelated : public IProfileRelatedFiles {
public:
    bool CollectProfileRelatedFiles(const QString& path, ProfileRelatedFiles& out, QString& reason) override {
        if (!records.contains(path)) {
            reason = "unreadable";
            return false;
        }
        out = records.value(path);
        return true;
    }
    QMap<QString, ProfileRelatedFiles> records;
};

class CArchiveListValidatorTest : public ::testing::Test {
protected:
    QString File(const QString& rel) {
        const QString path = dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }
    QString Profile(const QString& rel, ProfileRelatedFiles r) {
        const QString path = File(rel);
        related.records.insert(path, r);
        return path;
    }
    int Run(const QStringList& profiles, const QStringList& documents, const QStringList& folders = {},
            bool toolsAllowed = false) {
        CArchiveListValidator v(strings, presenter, related, toolsAllowed);
        return v.ValidateArchiveFileLists(profiles, documents, folders, result);
    }
    QString Shown() const { return presenter.Calls().isEmpty() ? QString() : presenter.Calls().last().text; }

    QTemporaryDir dir;
    MapStringSource strings{{2203, "Tool"},
                            {404, "; %1!s! of %2!s!"},
                            {10036, "36 %1!s!"},
                            {10037, "37 %1!s! %2!s!"},
                            {10038, "38 %1!s!"},
                            {10039, "39 %1!s! %2!s!"},
                            {10040, "40 %1!s! %2!s!"},
                            {10041, "41 %1!s!"},
                            {10042, "42 %1!s! %2!s! %3!s!"},
                            {10060, "60 %1!s!"},
                            {10062, "62 %1!s!"}};
    ScriptedMessagePresenter presenter;
    FakeRelated related;
    ArchiveValidationResult result;
};

TEST_F(CArchiveListValidatorTest, ValidCollectionSplitsReferencedFilesFromUnnamedOnes) {
    const QString foo = Profile("p/Foo.pelp", {"logo.png", "pic.bmp", "Foo.pelp", "Acme"});
    const QString bar = Profile("p/Bar.pelp", {"logo.png", "", "Bar.pelp", "Acme"});
    const QString logo = File("img/LOGO.PNG");
    const QString pic = File("img/pic.bmp");
    const QString unused = File("img/unused.gif");
    const QString tool = File("bin/a.dll");

    ASSERT_EQ(Run({foo, bar}, {logo, unused, pic, tool}, {dir.filePath("tools/Foo")}, true), 1);
    EXPECT_TRUE(presenter.Calls().isEmpty());
    EXPECT_EQ(result.referencedFiles, QStringList({logo, pic, logo}));
    EXPECT_EQ(result.resultLines, QStringList({unused}));
    EXPECT_EQ(result.toolFiles, QStringList({tool}));
    EXPECT_EQ(result.profileFolderName, "Acme");
}

TEST_F(CArchiveListValidatorTest, EachRuleFailsWithItsMessageAndEntry) {
    // Each case builds its lists; the failing entry is named by index into profiles then documents.
    struct Case {
        const char* label;
        std::function<void(QStringList&, QStringList&, QStringList&)> build;
        QString failing;
        QString message;
        bool toolsAllowed = false;
    };
    const QString p = dir.filePath("p/");
    const ProfileRelatedFiles plain{"", "", "Foo.pelp", "Acme"};
    const std::vector<Case> cases = {
        {"missing profile", [&](QStringList& pr, QStringList&, QStringList&) { pr = {p + "None.pelp"}; },
         p + "None.pelp", "36 " + p + "None.pelp"},
        {"same profile twice",
         [&](QStringList& pr, QStringList&, QStringList&) {
             const QString f = Profile("p/Foo.pelp", plain);
             const QString g = Profile("q/FOO.pelp", plain);
             pr = {f, g};
         },
         p + "Foo.pelp", "37 Tool FOO.pelp"},
        {"document named like a profile",
         [&](QStringList& pr, QStringList& doc, QStringList&) {
             pr = {Profile("p/Foo.pelp", plain)};
             doc = {File("d/foo.PELP")};
         },
         p + "Foo.pelp", "38 foo.PELP"},
        {"dll without the device model",
         [&](QStringList& pr, QStringList& doc, QStringList&) {
             pr = {Profile("p/Foo.pelp", plain)};
             doc = {File("d/x.DLL")};
         },
         dir.filePath("d/x.DLL"), "60 " + dir.filePath("d/x.DLL")},
        {"profile unreadable",
         [&](QStringList& pr, QStringList&, QStringList&) { pr = {File("p/Foo.pelp")}; }, p + "Foo.pelp",
         "42 Tool Foo.pelp unreadable"},
        {"profile not a regular file: the reading says why",
         [&](QStringList& pr, QStringList&, QStringList&) {
             QDir().mkpath(p);
             mkfifo(QFile::encodeName(p + "Pipe.pelp").constData(), 0600);
             pr = {p + "Pipe.pelp"};
         },
         p + "Pipe.pelp", "42 Tool Pipe.pelp unreadable"},
        {"icon missing",
         [&](QStringList& pr, QStringList&, QStringList&) {
             pr = {Profile("p/Foo.pelp", {"i.ico", "", "Foo.pelp", "Acme"})};
         },
         p + "Foo.pelp", "39 i.ico Foo.pelp"},
        {"graphics missing",
         [&](QStringList& pr, QStringList& doc, QStringList&) {
             pr = {Profile("p/Foo.pelp", {"i.ico", "g.png", "Foo.pelp", "Acme"})};
             doc = {File("d/i.ico")};
         },
         p + "Foo.pelp", "39 g.png Foo.pelp"},
        {"both missing",
         [&](QStringList& pr, QStringList&, QStringList&) {
             pr = {Profile("p/Foo.pelp", {"i.ico", "g.png", "Foo.pelp", "Acme"})};
         },
         p + "Foo.pelp", "39 i.ico Foo.pelp; g.png of Foo.pelp"},
        {"default name differs in case",
         [&](QStringList& pr, QStringList&, QStringList&) {
             pr = {Profile("p/Foo.pelp", {"", "", "foo.pelp", "Acme"})};
         },
         p + "Foo.pelp", "40 Tool Foo.pelp"},
        {"vendor differs in case",
         [&](QStringList& pr, QStringList&, QStringList&) {
             pr = {Profile("p/Foo.pelp", plain), Profile("p/Bar.pelp", {"", "", "Bar.pelp", "ACME"})};
         },
         p + "Bar.pelp", "41 Acme"},
        {"tool folder case differs",
         [&](QStringList& pr, QStringList&, QStringList& f) {
             pr = {Profile("p/Foo.pelp", plain)};
             f = {dir.filePath("t/foo")};
         },
         dir.filePath("t/foo"), "62 " + dir.filePath("t/foo")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        related.records.clear();
        presenter = ScriptedMessagePresenter();
        QStringList profiles, documents, folders;
        c.build(profiles, documents, folders);
        EXPECT_EQ(Run(profiles, documents, folders, c.toolsAllowed), 0);
        EXPECT_EQ(result.failingPath, c.failing);
        ASSERT_EQ(presenter.Calls().size(), 1);
        EXPECT_EQ(Shown(), c.message);
        EXPECT_EQ(presenter.Calls()[0].style, MB_OK | MB_ICONERROR);
    }
}

}  // namespace
