#include "MimeAppsList.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

MimeAppsList FromText(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath(QStringLiteral("in.list"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    MimeAppsList list;
    EXPECT_TRUE(list.Load(path));
    return list;
}

TEST(MimeAppsListTest, ReadsDefaultsOnlyFromTheirGroup) {
    QTemporaryDir dir;
    const MimeAppsList list = FromText(dir,
                                       "[Added Associations]\n"
                                       "application/x-pelp=added.desktop;\n"
                                       "[Default Applications]\n"
                                       "# comment\n"
                                       "application/x-pelp = first.desktop;second.desktop;\n"
                                       "application/x-empty=\n"
                                       "[Removed Associations]\n"
                                       "application/x-pelproj=removed.desktop;\n");
    EXPECT_EQ(list.DefaultApplications(QStringLiteral("application/x-pelp")),
              (QStringList{"first.desktop", "second.desktop"}));
    EXPECT_TRUE(list.HasDefaultEntry(QStringLiteral("application/x-empty")));
    EXPECT_TRUE(list.DefaultApplications(QStringLiteral("application/x-empty")).isEmpty());
    EXPECT_FALSE(list.HasDefaultEntry(QStringLiteral("application/x-pelproj")));
}

TEST(MimeAppsListTest, SetDefaultEditsInPlaceAndKeepsTheRest) {
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray after;
    };
    const Case cases[] = {
        {"empty file", "", "[Default Applications]\napplication/x-a=our.desktop;\n"},
        {"other group only", "[Added Associations]\nx/y=z.desktop;\n",
         "[Added Associations]\nx/y=z.desktop;\n\n[Default Applications]\napplication/x-a=our.desktop;\n"},
        {"replace existing",
         "[Default Applications]\napplication/x-a=old.desktop;other.desktop;\nx/y=z.desktop;\n",
         "[Default Applications]\napplication/x-a=our.desktop;\nx/y=z.desktop;\n"},
        {"append inside group before next group",
         "[Default Applications]\nx/y=z.desktop;\n\n[Removed Associations]\nq/r=s.desktop;\n",
         "[Default Applications]\nx/y=z.desktop;\napplication/x-a=our.desktop;\n\n[Removed "
         "Associations]\nq/r=s.desktop;\n"},
        {"same key in another group untouched", "[Added Associations]\napplication/x-a=keep.desktop;\n",
         "[Added Associations]\napplication/x-a=keep.desktop;\n\n[Default "
         "Applications]\napplication/x-a=our.desktop;\n"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        MimeAppsList list = FromText(dir, c.before);
        list.SetDefaultApplication(QStringLiteral("application/x-a"), QStringLiteral("our.desktop"));
        EXPECT_EQ(list.Text().toUtf8(), c.after) << c.name;
    }
}

TEST(MimeAppsListTest, SaveWritesAtomicallyAndCreatesTheFolder) {
    QTemporaryDir dir;
    MimeAppsList list;
    ASSERT_TRUE(list.Load(dir.filePath(QStringLiteral("missing.list"))));
    list.SetDefaultApplication(QStringLiteral("application/x-a"), QStringLiteral("our.desktop"));
    const QString target = dir.filePath(QStringLiteral("sub/folder/mimeapps.list"));
    ASSERT_TRUE(list.Save(target));
    MimeAppsList back;
    ASSERT_TRUE(back.Load(target));
    EXPECT_EQ(back.DefaultApplications(QStringLiteral("application/x-a")), QStringList{"our.desktop"});
}

TEST(MimeAppsListTest, UnreadableFileIsReportedNotEmptied) {
    QTemporaryDir dir;
    // A folder where the file should be cannot be read as a file.
    const QString path = dir.filePath(QStringLiteral("mimeapps.list"));
    ASSERT_TRUE(QDir().mkpath(path));
    MimeAppsList list;
    EXPECT_FALSE(list.Load(path));
    EXPECT_FALSE(list.Save(path));
}

}  // namespace
