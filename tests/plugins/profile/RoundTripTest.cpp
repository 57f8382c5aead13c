// Write, read back and write again: the project file the editor saves and the profile each staged
// plug-in exports come out byte for byte the same the second time, for built profiles and for
// profiles generated from fixed seeds; every export validates against its format's schema.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "LoadedPlugin.h"
#include "MapStringSource.h"
#include "PluginApi.h"
#include "ProfileGenerator.h"
#include "ProfileTreeBuilder.h"
#include "ProjectXmlTestData.h"
#include "ProjectXmlWriter.h"
#include "QtPrinters.h"

namespace {

struct Writer {
    const char* name;
    const char* plugin;        // the plug-in that writes (or, for the project, names the namespace)
    const char* schemaFolder;  // nullptr: the project file, which has no schema
};

const Writer kWriters[] = {
    {"project", "PublicPlugin/PeloraMachine_3.so", nullptr},
    {"v3", "PublicPlugin/PeloraMachine_3.so", "3"},
    {"v2", "PublicPlugin/PeloraMachine_2.so", "2"},
    {"v1", "PublicPlugin/PeloraMachine.so", "1"},
};

const MapStringSource& kTexts = TestData::ProjectTexts();

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void PrintTo(const Writer& w, std::ostream* os) {
    *os << w.name;
}

class RoundTripTest : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        lib = std::make_unique<LoadedPlugin>(GetParam().plugin);
        ASSERT_TRUE(lib->IsOpen()) << lib->Error();
        plugin = lib->Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
    }
    void TearDown() override { lib->DeleteInstance(); }

    bool IsProject() const { return GetParam().schemaFolder == nullptr; }

    QByteArray Write(CPELFM_ProfileInfo& root, const QString& name) {
        const QString path = dir.filePath(name);
        if (IsProject())
            EXPECT_EQ(SaveProfileDocument(&root, plugin, kTexts, path), 0);
        else
            EXPECT_EQ(plugin->SaveProfile(path, &root), 1);
        return ReadAll(path);
    }

    // xmllint's verdict, an independent validator: "" when the file is valid.
    QString Lint(const QString& name) const {
        if (IsProject()) return {};
        QProcess p;
        p.start("xmllint", {"--noout", "--nonet", "--schema",
                            QString(PEL_OUT_DIR) + "/Schema/" + GetParam().schemaFolder + "/PeloraSchema.xsd",
                            dir.filePath(name)});
        if (!p.waitForFinished(60000)) return "xmllint did not finish";
        return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError());
    }

    // The first write, read back, written again.
    void ExpectStable(CPELFM_ProfileInfo& root, const std::string& what) {
        const QByteArray first = Write(root, "first.xml");
        CPELFM_ProfileInfo back(dir.filePath("first.xml"), 0);
        const QByteArray second = Write(back, "second.xml");
        EXPECT_FALSE(first.isEmpty()) << what;
        EXPECT_EQ(second.toStdString(), first.toStdString()) << what;
        EXPECT_EQ(Lint("first.xml"), QString()) << what;
    }

    std::unique_ptr<LoadedPlugin> lib;
    IProfilePlugin* plugin = nullptr;
    QTemporaryDir dir;
};

using ProfileInnerConst::DATA_ENUM_REF_ITEM;
using ProfileInnerConst::DATA_ITEM;

// Every section and part kind; each member holds every item kind with values of every kind, padded,
// blank-only, multi-line (in comments) and non-ASCII.
void BuildProfile(CPELFM_ProfileInfo& root) {
    const QString padded[] = {"  10 ",           "   ", "\t x\t", QString::fromUtf8("\u3000値 "),
                              " a & <b> \"c\" ", "x\ry"};
    int n = 0;
    for (const auto& l : TestData::EveryPartKind()) {
        CPELFM_SectionInfo* s = AddSection(root, l.section, QStringLiteral(" S%1 ").arg(l.section),
                                           QString::fromUtf8(" セクション\n注釈 \n"));
        for (int kind : l.parts) {
            CPELFM_PartInfo* p = AddPart(s, kind, QStringLiteral("P%1\t").arg(kind),
                                         QStringLiteral("  label2 "), "\n line1\n line2 \n");
            for (int r = 0; r < 3; ++r) {
                const QString v = padded[(n + r) % std::size(padded)];
                AddElem(p, QStringLiteral(" E%1 ").arg(r),
                        {{LABEL2, {v}},
                         {CATEGORY, {"COMMON"}},
                         {NAME, {QString::fromUtf8("名前 ") + v}},
                         {DATATYPE, {"Enum1"}, DATA_ENUM_REF_ITEM},
                         {DATA, {v + "d"}},
                         {RANGE, {" [0, 10] "}},
                         {MIN_INC, {"1", " 2 ", "3"}},
                         {ENG_UNIT, {"<mm><cm>"}},
                         {ACCESS, {" RW", "R"}, DATA_ENUM_REF_ITEM},
                         {ASSIGN, {"$(Blk.M_1)"}},
                         {CODE, {v}},
                         {REF_MEMORY, {" Blk1.M_1 "}},
                         {REF_PARAM, {"Blk1.*"}},
                         {COMMENT, {QString::fromUtf8("\n 一行目\n二行目\r\n  ")}},
                         {READ_CONDITION, {" a == 1 && b != 2 "}},
                         {RELATION, {"Blk1.P_1", " Blk1.P_2 "}}});
                ++n;
            }
        }
    }
}

TEST_P(RoundTripTest, BuiltProfileWritesTheSameBytesTwice) {
    CPELFM_ProfileInfo root;
    BuildProfile(root);
    ExpectStable(root, "built");
}

TEST_P(RoundTripTest, RootAttributesComeInTheirOrder) {
    CPELFM_ProfileInfo root;
    AddSection(root, SECTION_FILE, "F");
    const QByteArray ns = plugin->GetNamespaceUri().toUtf8();
    const QByteArray schema = IsProject() ? "" : "PeloraSchema.xsd";
    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:profile xsi:schemaLocation=\"" + ns + " " + schema +
        "\" xmlns:p=\"" + ns + "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><p:file";
    const QByteArray bytes = Write(root, "a.xml");
    EXPECT_TRUE(bytes.startsWith(expected)) << bytes.left(expected.size() + 20).constData();
}

// Values read with white space at an end, and COMMENT values read with a line feed.
std::pair<int, int> PaddedAndMultiLineValues(CPELFM_ProfileInfo& root) {
    int padded = 0, multiLine = 0;
    for (CPELFM_SectionInfo* s : root.sections) {
        for (CPELFM_PartInfo* p : s->parts) {
            for (CPELFM_ElemInfo* e : p->Elems()) {
                for (CPELFM_ItemInfo* i : e->items) {
                    for (const auto& v : i->values) {
                        if (!v.text.isEmpty() && v.text.trimmed() != v.text) ++padded;
                        if (i->itemType == COMMENT && v.text.contains('\n')) ++multiLine;
                    }
                }
            }
        }
    }
    return {padded, multiLine};
}

// Generated documents go through a first read, then the stable round trip.
TEST_P(RoundTripTest, GeneratedProfilesWriteTheSameBytesTwice) {
    for (quint32 seed = 1; seed <= 40; ++seed) {
        const QString source = dir.filePath("generated.xml");
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GenerateRandomProfile(seed));
        f.close();
        CPELFM_ProfileInfo root(source, 0);
        const auto [padded, multiLine] = PaddedAndMultiLineValues(root);
        EXPECT_GT(padded, 0) << "seed " << seed;
        EXPECT_GT(multiLine, 0) << "seed " << seed;
        ExpectStable(root, "seed " + std::to_string(seed));
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, RoundTripTest, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
