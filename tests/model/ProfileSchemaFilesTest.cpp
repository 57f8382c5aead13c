#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "XmlDocument.h"
#include "XmlSchema.h"

// The schemas must accept every document shape the profile writer of their format produces, and
// refuse what it never writes. The largest shape: every section kind, every part kind it takes,
// label2 and comment everywhere, and members holding every item of their kind's order.
namespace {

struct Format {
    int version;
    QStringList missingItems;
};

const QList<QPair<QString, QStringList>> kSections{
    {"file", {"fileInfo"}},
    {"device", {"deviceInfo", "deviceIf"}},
    {"commIf", {"commIfInfo", "commIfVariable", "commIfConfiguration", "enum"}},
    {"block", {"blockInfo", "blockMemory", "blockParam", "enum"}},
};

QStringList ItemOrder(const QString& part) {
    if (part == "blockMemory")
        return {"label2",  "category", "name",   "datatype", "range",  "minInc",
                "engUnit", "access",   "assign", "relation", "comment"};
    if (part == "blockParam") return {"label2", "category", "name", "datatype", "data", "engUnit", "comment"};
    if (part == "commIfVariable")
        return {"label2", "category", "name", "datatype", "range", "minInc", "engUnit", "assign", "comment"};
    if (part == "commIfConfiguration")
        return {"label2",  "category", "name",          "datatype",  "range",    "minInc",
                "engUnit", "access",   "readCondition", "refMemory", "refParam", "comment"};
    if (part == "enum") return {"label2", "category", "name", "code", "comment"};
    return {"label2", "category", "name", "datatype", "data"};
}

QString Ns(int version) {
    return QStringLiteral("http://pelora.example/peloraformachine/ver%1/").arg(version);
}

// Builds the largest document; the hook may change one member before it is finished.
XmlDocument BuildDocument(const Format& f, const std::function<void(XmlNode&, const QString&)>& hook = {}) {
    XmlDocument doc = XmlDocument::Create();
    XmlNode root = doc.CreateDocumentElement(QStringLiteral("p:profile"), Ns(f.version));
    root.SetAttribute(QStringLiteral("xmlns:xsi"),
                      QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    root.SetAttribute(QStringLiteral("xsi:schemaLocation"),
                      Ns(f.version) + QStringLiteral(" PeloraSchema.xsd"));
    for (const auto& [section, parts] : kSections) {
        for (int copy = 0; copy < 2; ++copy) {
            XmlNode s = root.AppendElement("p:" + section);
            s.SetAttribute("label", section + QString::number(copy));
            s.AppendElement("p:comment").AppendElement("p:item").AppendText("section comment");
            for (const QString& part : parts) {
                XmlNode p = s.AppendElement("p:" + part);
                p.SetAttribute("label", part);
                p.AppendElement("p:label2").AppendElement("p:item").AppendText("L2");
                p.AppendElement("p:comment").AppendElement("p:item").AppendText("part comment");
                for (int m = 0; m < 2; ++m) {
                    XmlNode member = p.AppendElement("p:" + part + "Member");
                    member.SetAttribute("label", "E" + QString::number(m));
                    for (const QString& item : ItemOrder(part)) {
                        if (f.missingItems.contains(item)) continue;
                        XmlNode i = member.AppendElement("p:" + item);
                        if (m == 0) {
                            i.AppendElement("p:enumRefItem").AppendText("Enum1");
                        } else {
                            i.AppendElement("p:item").AppendText("a");
                            i.AppendElement("p:item").AppendText("<b>&\"c\"");
                        }
                    }
                    if (hook && m == 1) hook(member, part);
                }
            }
        }
    }
    return doc;
}

class ProfileSchemaFiles : public testing::TestWithParam<Format> {
protected:
    XmlSchema Schema() const {
        return XmlSchema::LoadFile(
            QStringLiteral(PEL_OUT_DIR "/Schema/%1/PeloraSchema.xsd").arg(GetParam().version));
    }
    // Re-parsed from its bytes, as a file would be.
    QString Validate(const XmlDocument& doc) const {
        return Schema().Validate(XmlDocument::LoadBytes(doc.ToBytes()));
    }
};

TEST_P(ProfileSchemaFiles, AcceptsTheLargestWriterDocumentAndTheSmallest) {
    EXPECT_EQ(Validate(BuildDocument(GetParam())), QString());
    XmlDocument empty = XmlDocument::Create();
    empty.CreateDocumentElement(QStringLiteral("p:profile"), Ns(GetParam().version));
    EXPECT_EQ(Validate(empty), QString());
}

// An independent validator agrees: xmllint compiles the schema and accepts the same document.
TEST_P(ProfileSchemaFiles, XmllintAcceptsSchemaAndDocument) {
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.pelp"));
    BuildDocument(GetParam()).SaveFile(path, XmlFormat::Compact);
    QProcess p;
    p.start(xmllint,
            {QStringLiteral("--noout"), QStringLiteral("--schema"),
             QStringLiteral(PEL_OUT_DIR "/Schema/%1/PeloraSchema.xsd").arg(GetParam().version), path});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

TEST_P(ProfileSchemaFiles, RefusesItemsTheFormatDoesNotHave) {
    for (const QString& item : GetParam().missingItems) {
        const QString part = item == "relation" ? "blockMemory" : "commIfConfiguration";
        XmlDocument doc = BuildDocument(GetParam(), [&](XmlNode& member, const QString& p) {
            if (p == part) member.AppendElement("p:" + item).AppendElement("p:item").AppendText("x");
        });
        EXPECT_TRUE(Validate(doc).contains(item)) << item.toStdString();
    }
}

TEST_P(ProfileSchemaFiles, RefusesShapesTheWriterNeverProduces) {
    const QList<QPair<const char*, std::function<void(XmlNode&, const QString&)>>> breaks{
        {"item after comment",
         [](XmlNode& m, const QString& p) {
             if (p == "enum") m.AppendElement("p:code").AppendElement("p:item").AppendText("1");
         }},
        {"member without label",
         [](XmlNode& m, const QString& p) {
             if (p == "blockParam") m.Parent().AppendElement("p:blockParamMember");
         }},
        {"empty item",
         [](XmlNode& m, const QString& p) {
             if (p == "deviceIf") m.Parent().AppendElement("p:deviceIfMember").AppendElement("p:data");
         }},
        {"unknown value element",
         [](XmlNode& m, const QString& p) {
             if (p == "fileInfo") {
                 XmlNode extra = m.Parent().AppendElement("p:fileInfoMember");
                 extra.SetAttribute("label", "X");
                 extra.AppendElement("p:data").AppendElement("p:value").AppendText("1");
             }
         }},
        {"part in the wrong section",
         [](XmlNode& m, const QString& p) {
             if (p == "deviceIf") m.Parent().Parent().AppendElement("p:enum").SetAttribute("label", "E");
         }},
        {"label item",
         [](XmlNode& m, const QString& p) {
             if (p == "blockInfo") m.Parent().AppendElement("p:blockInfoMember").AppendElement("p:label");
         }},
    };
    for (const auto& [what, change] : breaks)
        EXPECT_FALSE(Validate(BuildDocument(GetParam(), change)).isEmpty()) << what;
}

TEST_P(ProfileSchemaFiles, RefusesAnotherFormatsNamespace) {
    Format other = GetParam();
    other.version = GetParam().version == 3 ? 2 : 3;
    other.missingItems = {"relation", "readCondition"};
    EXPECT_FALSE(Validate(BuildDocument(other)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Formats, ProfileSchemaFiles,
                         testing::Values(Format{3, {}}, Format{2, {"relation"}},
                                         Format{1, {"relation", "readCondition"}}),
                         [](const testing::TestParamInfo<Format>& i) {
                             return "V" + std::to_string(i.param.version);
                         });

}  // namespace
