#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "XmlDocument.h"
#include "XmlError.h"

namespace {

const QString kNs = QStringLiteral("http://pelora.example/test/");

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

XmlDocument BuildSample() {
    XmlDocument doc = XmlDocument::Create();
    XmlNode root = doc.CreateDocumentElement(QStringLiteral("p:profile"), kNs);
    root.SetAttribute(QStringLiteral("xmlns:xsi"),
                      QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    root.SetAttribute(QStringLiteral("xsi:schemaLocation"), kNs + QStringLiteral(" PeloraSchema.xsd"));
    XmlNode block = root.AppendElement(QStringLiteral("p:block"));
    block.SetAttribute(QStringLiteral("label"), QStringLiteral("Blk \"1\" & <2>"));
    XmlNode item = block.AppendElement(QStringLiteral("p:item"));
    item.AppendText(QStringLiteral("a & b < c > d \" e\r\nf 日本語"));
    return doc;
}

TEST(XmlDocumentTest, SavedDocumentReadsBackWithNamesTextAndAttributes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    BuildSample().SaveFile(path, XmlFormat::Compact);

    XmlDocument back = XmlDocument::LoadFile(path);
    XmlNode root = back.DocumentElement();
    EXPECT_EQ(root.QualifiedName(), QStringLiteral("p:profile"));
    EXPECT_EQ(root.NamespaceUri(), kNs);
    EXPECT_EQ(root.Attribute(QStringLiteral("xsi:schemaLocation")),
              kNs + QStringLiteral(" PeloraSchema.xsd"));
    XmlNode block = root.FirstChildElement();
    EXPECT_EQ(block.LocalName(), QStringLiteral("block"));
    EXPECT_EQ(block.NamespaceUri(), kNs);
    EXPECT_EQ(block.Attribute(QStringLiteral("label")), QStringLiteral("Blk \"1\" & <2>"));
    // The carriage return survives because the serialiser writes it as a character reference.
    EXPECT_EQ(block.FirstChildElement().Text(), QStringLiteral("a & b < c > d \" e\r\nf 日本語"));
}

TEST(XmlDocumentTest, DeclarationIsUtf8AndCompactAddsNoWhiteSpace) {
    const QByteArray compact = BuildSample().ToBytes(XmlFormat::Compact);
    EXPECT_TRUE(compact.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << compact.constData();
    const QByteArray body = compact.mid(compact.indexOf("?>") + 2).trimmed();
    EXPECT_FALSE(body.contains(">\n<")) << body.constData();
    EXPECT_TRUE(compact.contains("日本語"));  // UTF-8, not character references

    const QByteArray indented = BuildSample().ToBytes(XmlFormat::Indented);
    EXPECT_TRUE(indented.contains(">\n  <p:block"));
}

TEST(XmlDocumentTest, XmlProcessingInstructionIsTheDeclarationAndOthersPrecedeTheRoot) {
    XmlDocument doc = BuildSample();
    doc.AddProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version='1.0' encoding='utf-8'"));
    doc.AddProcessingInstruction(QStringLiteral("note"), QStringLiteral("kept"));
    const QByteArray bytes = doc.ToBytes(XmlFormat::Compact);
    EXPECT_EQ(bytes.count("<?xml"), 1);
    EXPECT_LT(bytes.indexOf("<?note kept?>"), bytes.indexOf("<p:profile"));
    EXPECT_NO_THROW(XmlDocument::LoadBytes(bytes));
}

TEST(XmlDocumentTest, SaveReplacesReadOnlyTargetAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ro.xml"));
    WriteAll(path, "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    BuildSample().SaveFile(path);
    EXPECT_TRUE(ReadAll(path).contains("p:profile"));
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::WriteOwner);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(XmlDocumentTest, FailedSaveLeavesPreviousFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    // A directory in the way of the rename makes the last step fail after the data was written.
    const QString path = dir.filePath(QStringLiteral("busy"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("busy")));
    WriteAll(dir.filePath(QStringLiteral("busy/inner.txt")), "keep");
    EXPECT_THROW(BuildSample().SaveFile(path), XmlError);
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("busy/inner.txt"))), QByteArray("keep"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

    EXPECT_THROW(BuildSample().SaveFile(dir.filePath(QStringLiteral("missing/dir/x.xml"))), XmlError);
}

TEST(XmlDocumentTest, SaveThroughSymbolicLinkReplacesTheLinkedFile) {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.xml"));
    const QString link = dir.filePath(QStringLiteral("link.xml"));
    WriteAll(real, "old");
    ASSERT_TRUE(QFile::link(real, link));
    BuildSample().SaveFile(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(ReadAll(real).contains("p:profile"));
}

TEST(XmlDocumentTest, ParseErrorsCarryLineAndMessage) {
    try {
        XmlDocument::LoadBytes("<a>\n<b>\n</a>", QStringLiteral("mem"));
        FAIL() << "no error";
    } catch (const XmlError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("line 3"))) << e.what();
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("mem: "))) << e.what();
    }
    EXPECT_THROW(XmlDocument::LoadFile(QStringLiteral("/nonexistent/file.xml")), XmlError);
    EXPECT_THROW(XmlDocument::LoadBytes(""), XmlError);
}

TEST(XmlDocumentTest, UndeclaredPrefixIsNotWellFormed) {
    EXPECT_THROW(XmlDocument::LoadBytes("<p:root><p:a/></p:root>"), XmlError);
}

TEST(XmlDocumentTest, NodeKeepsItsDocumentAlive) {
    XmlNode child;
    {
        XmlDocument doc = XmlDocument::LoadBytes("<r xmlns='urn:x'><c label='v'>text</c></r>");
        child = doc.DocumentElement().FirstChildElement();
    }
    EXPECT_EQ(child.Attribute(QStringLiteral("label")), QStringLiteral("v"));
    EXPECT_EQ(child.Text(), QStringLiteral("text"));
    EXPECT_EQ(child.Document().DocumentElement().LocalName(), QStringLiteral("r"));
}

}  // namespace
