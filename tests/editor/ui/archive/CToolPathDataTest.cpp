#include <gtest/gtest.h>

#include "CToolPathData.h"

namespace {

CToolPathData Folder(const QString& name, QList<CToolPathData> children) {
    CToolPathData f;
    f.name = name;
    f.path = "/src/" + name;
    f.children = std::move(children);
    return f;
}

QStringList Names(const CToolPathData& node) {
    QStringList out;
    for (const CToolPathData& c : node.children) {
        out.append(c.name);
        for (const QString& n : Names(c)) out.append(c.name + "/" + n);
    }
    return out;
}

TEST(CToolPathDataTest, FileNodeIsNamedAfterTheLastPathPart) {
    const CToolPathData f = CToolPathData::MakeFile("/x/bin/a.dll");
    EXPECT_EQ(f.name, "a.dll");
    EXPECT_EQ(f.type, CToolPathData::TypeFile);
    const CToolPathData root = CToolPathData::MakeRoot();
    EXPECT_EQ(root.name, "Tools");
    EXPECT_EQ(root.type, CToolPathData::TypeFolder);
}

struct RemoveCase {
    const char* path;
    bool found;
    QStringList left;
};

TEST(CToolPathDataTest, RemoveFileTakesTheFirstMatchAndPrunesEmptyFolders) {
    const RemoveCase cases[] = {
        {"/x/bin/a.dll", true, {"bin", "bin/deep", "bin/deep/a.dll", "a.dll"}},
        {"/x/bin/deep/a.dll", true, {"bin", "bin/a.dll", "a.dll"}},
        {"/x/a.dll", true, {"bin", "bin/a.dll", "bin/deep", "bin/deep/a.dll"}},
        {"/X/A.DLL", false, {"bin", "bin/a.dll", "bin/deep", "bin/deep/a.dll", "a.dll"}},
        {"/src/bin", false, {"bin", "bin/a.dll", "bin/deep", "bin/deep/a.dll", "a.dll"}},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.path);
        CToolPathData root = CToolPathData::MakeRoot();
        root.children = {Folder("bin", {CToolPathData::MakeFile("/x/bin/a.dll"),
                                        Folder("deep", {CToolPathData::MakeFile("/x/bin/deep/a.dll")})}),
                         CToolPathData::MakeFile("/x/a.dll")};
        EXPECT_EQ(root.RemoveFile(c.path), c.found);
        EXPECT_EQ(Names(root), c.left);
    }
}

TEST(CToolPathDataTest, RootStaysWhenItsLastFileGoes) {
    CToolPathData root = CToolPathData::MakeRoot();
    root.children = {Folder("bin", {CToolPathData::MakeFile("/x/a.dll")})};
    EXPECT_TRUE(root.RemoveFile("/x/a.dll"));
    EXPECT_TRUE(root.children.isEmpty());
    EXPECT_EQ(root.name, "Tools");
}

}  // namespace
