#include <gtest/gtest.h>
#include <QDir>

#include "CCommonUtility.h"
#include "DesktopFileTypes.h"
#include "FileAssociation.h"
#include "MessageBoxStyle.h"
#include "ProgramFolder.h"
#include "ScriptedMessagePresenter.h"

namespace {

// XDG folders inside the program folder, so nothing of the real desktop is touched.
class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"})
            saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("XDG_DATA_HOME", folder.File(QStringLiteral("xdg/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", folder.File(QStringLiteral("xdg/config")).toUtf8());
        qputenv("XDG_DATA_DIRS", folder.File(QStringLiteral("xdg/sysdata")).toUtf8());
        qputenv("XDG_CONFIG_DIRS", folder.File(QStringLiteral("xdg/sysconfig")).toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        utility.SetStringSource(&folder.strings);
        utility.SetMessagePresenter(&presenter);
        utility.projectExtension = QStringLiteral("pelproj");
        utility.profileExtension = QStringLiteral("pelp");
    }
    void TearDown() override {
        for (const auto& s : saved) {
            if (s.set)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }
    void SetDefault(const char* type, const char* desktopId) {
        folder.WriteFile(QStringLiteral("xdg/config/mimeapps.list"),
                         QByteArray("[Default Applications]\n") + type + "=" + desktopId + ";\n");
    }
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> saved;
    ProgramFolder folder;
    ScriptedMessagePresenter presenter;
    CCommonUtility utility{folder.Path()};
};

TEST_F(FileAssociationTest, ClassAndProgramAreNamedAfterTheEditor) {
    EXPECT_EQ(FileAssociationClassName(utility), QStringLiteral("pelproj_auto_file"));
    EXPECT_EQ(EditorExecutablePath(utility), folder.Path() + QStringLiteral("/PeloraMachineTool"));
}

TEST_F(FileAssociationTest, UnregisteredAndForeignTypesGiveTheirMessages) {
    QString message;
    EXPECT_EQ(IsFileAssociationRegistered(utility, message), 0);
    EXPECT_EQ(message, folder.strings.LoadString(62073));

    SetDefault("application/x-pelproj", "other.desktop");
    EXPECT_EQ(IsFileAssociationRegistered(utility, message), 0);
    EXPECT_EQ(message, folder.strings.LoadString(62074));

    // The project type is ours, the profile type has none.
    SetDefault("application/x-pelproj", "PELPROJ_auto_file.desktop");
    EXPECT_EQ(IsFileAssociationRegistered(utility, message), 0);
    EXPECT_EQ(message, folder.strings.LoadString(62073));
}

TEST_F(FileAssociationTest, RegisterThenCheckAgain) {
    ASSERT_EQ(RegisterFileAssociation(utility), 1);
    QString message;
    EXPECT_EQ(IsFileAssociationRegistered(utility, message), 1);
    // Our entry running another program (a moved program folder) is foreign.
    CCommonUtility moved(folder.File(QStringLiteral("elsewhere")));
    moved.SetStringSource(&folder.strings);
    moved.projectExtension = utility.projectExtension;
    moved.profileExtension = utility.profileExtension;
    EXPECT_EQ(IsFileAssociationRegistered(moved, message), 0);
    EXPECT_EQ(message, folder.strings.LoadString(62074));
}

TEST_F(FileAssociationTest, TheQuestionDecides) {
    struct Case {
        int answer;
        bool registeredAfter;
    };
    for (const Case c : {Case{IDNO, false}, Case{IDYES, true}}) {
        ProgramFolder local;
        ScriptedMessagePresenter boxes;
        qputenv("XDG_DATA_HOME", local.File(QStringLiteral("xdg/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", local.File(QStringLiteral("xdg/config")).toUtf8());
        CCommonUtility host(local.Path());
        host.SetStringSource(&local.strings);
        host.SetMessagePresenter(&boxes);
        host.projectExtension = QStringLiteral("pelproj");
        host.profileExtension = QStringLiteral("pelp");
        boxes.QueueAnswer(c.answer);
        CheckFileAssociation(host);
        ASSERT_EQ(boxes.Calls().size(), 1);
        EXPECT_EQ(boxes.Calls()[0].text, local.strings.LoadString(62073));
        EXPECT_EQ(boxes.Calls()[0].style, MB_YESNO | MB_ICONINFORMATION);
        QString message;
        EXPECT_EQ(IsFileAssociationRegistered(host, message) == 1, c.registeredAfter);
        EXPECT_EQ(QDir(local.File(QStringLiteral("xdg"))).exists(), c.registeredAfter);
        // Once registered, the next start asks nothing.
        CheckFileAssociation(host);
        EXPECT_EQ(boxes.Calls().size(), c.registeredAfter ? 1 : 2);
    }
}

TEST_F(FileAssociationTest, FailureIsReportedWithBothExtensions) {
    folder.WriteFile(QStringLiteral("xdg/config"), "a file where the folder should be");
    presenter.QueueAnswer(IDYES);
    CheckFileAssociation(utility);
    ASSERT_EQ(presenter.Calls().size(), 2);
    EXPECT_EQ(presenter.Calls()[1].text,
              QStringLiteral("The file types .pelp and .pelproj could not be associated with this editor."));
    EXPECT_EQ(presenter.Calls()[1].style, MB_ICONWARNING);
}

TEST_F(FileAssociationTest, NoExtensionsNoQuestion) {
    utility.projectExtension.clear();
    CheckFileAssociation(utility);
    EXPECT_TRUE(presenter.Calls().isEmpty());
}

}  // namespace
