#include <gtest/gtest.h>
#include <libxml/xmlwriter.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <random>

#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlStreamWriter.h"

namespace {

const QString kNs = QStringLiteral("http://pelora.example/test/");
const QString kXsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

TEST(XmlStreamWriterTest, AttributesKeepTheirOrderAndTextReadsBackAsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    const QString text = QString::fromUtf8("  a & b < c > d \" e ]]> \r\n\tf 日本語 \U0001F600  ");
    const QString label = QStringLiteral(" \"1\" & <2>\t\n\r ");
    {
        XmlStreamWriter out(path);
        out.AddProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version='1.0'"));
        out.StartElement(QStringLiteral("p:profile"));
        // The prefixes are used before the attributes that declare them.
        out.WriteAttribute(QStringLiteral("xsi:schemaLocation"), kNs + QStringLiteral(" S.xsd"));
        out.WriteAttribute(QStringLiteral("xmlns:p"), kNs);
        out.WriteAttribute(QStringLiteral("xmlns:xsi"), kXsi);
        out.StartElement(QStringLiteral("p:block"));
        out.WriteAttribute(QStringLiteral("label"), label);
        out.StartElement(QStringLiteral("p:item"));
        out.WriteText(text);
        out.EndElement();
        out.StartElement(QStringLiteral("p:item"));
        out.WriteText(QStringLiteral("   "));
        out.EndElement();
        out.StartElement(QStringLiteral("p:empty"));
        out.EndElement();
        out.EndElement();
        out.EndElement();
        out.Commit();
    }
    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:profile xsi:schemaLocation=\"" + kNs.toUtf8() +
        " S.xsd\" xmlns:p=\"" + kNs.toUtf8() + "\" xmlns:xsi=\"" + kXsi.toUtf8() + "\"><p:block"))
        << bytes.constData();
    EXPECT_EQ(bytes.count('\n'), 3) << "after the declaration, the line feed in the text and at the end";

    const XmlNode root = XmlDocument::LoadFile(path).DocumentElement();
    EXPECT_EQ(root.NamespaceUri(), kNs);
    EXPECT_EQ(root.Attribute(QStringLiteral("xsi:schemaLocation")), kNs + QStringLiteral(" S.xsd"));
    const XmlNode block = root.FirstChildElement();
    EXPECT_EQ(block.NamespaceUri(), kNs);
    EXPECT_EQ(block.Attribute(QStringLiteral("label")), label);
    const QList<XmlNode> items = block.ChildElements();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].TextContent(), text);
    EXPECT_EQ(items[1].TextContent(), QStringLiteral("   "));
    EXPECT_EQ(items[2].QualifiedName(), QStringLiteral("p:empty"));
}

// The same documents through libxml2's own text writer give the same bytes: escaping of every kind of
// character in text and attribute values, empty elements, empty text, nesting, the ends.
TEST(XmlStreamWriterTest, WritesWhatLibxml2sTextWriterWrites) {
    const char* pieces[] = {"a",
                            " ",
                            "\t",
                            "\n",
                            "\r",
                            "\"",
                            "'",
                            "<",
                            ">",
                            "&",
                            "]",
                            "?",
                            ";",
                            "#",
                            "\x7f",
                            "\xc3\xa4",
                            "\xdf\xbf",
                            "\xe0\xa0\x80",
                            "\xe3\x80\x80",
                            "\xef\xbf\xbd",
                            "\xf0\x9f\x98\x80"};
    std::mt19937 random(7);
    auto text = [&] {
        QString t;
        for (int n = random() % 12; n > 0; --n) t += QString::fromUtf8(pieces[random() % std::size(pieces)]);
        return t;
    };
    const char* names[] = {"p:a", "p:member", "b", "\xc3\xa4x"};
    for (int round = 0; round < 20; ++round) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        xmlBufferPtr buffer = xmlBufferCreate();
        xmlTextWriterPtr lib = xmlNewTextWriterMemory(buffer, 0);
        XmlStreamWriter out(path);
        auto both = [&](auto ours, auto theirs) {
            ours();
            theirs();
        };
        xmlTextWriterStartDocument(lib, "1.0", "UTF-8", nullptr);
        const QString pi = text().remove(QLatin1Char('?'));
        both([&] { out.AddProcessingInstruction(QStringLiteral("pi"), pi); },
             [&] { xmlTextWriterWritePI(lib, BAD_CAST "pi", BAD_CAST pi.toUtf8().constData()); });
        both([&] { out.StartElement(QStringLiteral("p:root")); },
             [&] { xmlTextWriterStartElement(lib, BAD_CAST "p:root"); });
        both(
            [&] { out.WriteAttribute(QStringLiteral("xmlns:p"), kNs); },
            [&] { xmlTextWriterWriteAttribute(lib, BAD_CAST "xmlns:p", BAD_CAST kNs.toUtf8().constData()); });
        int depth = 1;
        for (int step = 0; depth > 0; ++step) {
            const int what = step < 60 ? int(random() % 4) : 3;
            const QString t = text();
            const QByteArray u = t.toUtf8();
            if (what == 0 && depth < 5) {
                const char* name = names[random() % std::size(names)];
                both([&] { out.StartElement(QString::fromUtf8(name)); },
                     [&] { xmlTextWriterStartElement(lib, BAD_CAST name); });
                ++depth;
                if (random() % 2)
                    both([&] { out.WriteAttribute(XmlStreamWriter::Name(QStringLiteral("label")), t); },
                         [&] { xmlTextWriterWriteAttribute(lib, BAD_CAST "label", BAD_CAST u.constData()); });
            } else if (what == 1) {
                both([&] { out.WriteTextElement(XmlStreamWriter::Name(QStringLiteral("p:item")), t); },
                     [&] {
                         xmlTextWriterStartElement(lib, BAD_CAST "p:item");
                         xmlTextWriterWriteString(lib, BAD_CAST u.constData());
                         xmlTextWriterEndElement(lib);
                     });
            } else if (what == 2) {
                both([&] { out.WriteText(t); },
                     [&] { xmlTextWriterWriteString(lib, BAD_CAST u.constData()); });
            } else if (depth > 1 || step >= 60) {
                both([&] { out.EndElement(); }, [&] { xmlTextWriterEndElement(lib); });
                --depth;
            }
        }
        out.Commit();
        xmlTextWriterEndDocument(lib);
        xmlFreeTextWriter(lib);
        const QByteArray expected(reinterpret_cast<const char*>(buffer->content), int(buffer->use));
        xmlBufferFree(buffer);
        ASSERT_EQ(ReadAll(path).toStdString(), expected.toStdString()) << "round " << round;
    }
}

// Texts longer than a block and documents of many blocks come out whole: the block is written out before a
// text that does not fit, and grows for one that never would.
TEST(XmlStreamWriterTest, LargeTextsAndDocumentsComeOutWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.xml"));
    const QString huge = QString(300 * 1024, QLatin1Char('x')) + QString::fromUtf8("\u00e4&\U0001F600");
    QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root>";
    {
        XmlStreamWriter out(path);
        out.StartElement(QStringLiteral("root"));
        const XmlStreamWriter::Name item(QStringLiteral("item"));
        for (int i = 0; i < 40000; ++i) {
            const QString text = i % 10000 == 5000 ? huge : QStringLiteral("value %1 <%2>").arg(i).arg(i % 7);
            out.WriteTextElement(item, text);
            // Markup characters are the ones HTML escapes too.
            expected += "<item>" + text.toHtmlEscaped().toUtf8() + "</item>";
        }
        out.EndElement();
        out.Commit();
    }
    expected += "</root>\n";
    const QByteArray bytes = ReadAll(path);
    EXPECT_GT(bytes.size(), 1'000'000);
    EXPECT_TRUE(bytes == expected)
        << "first difference at "
        << std::mismatch(bytes.begin(), bytes.end(), expected.begin(), expected.end()).first - bytes.begin();
}

TEST(XmlStreamWriterTest, ReadOnlyTargetIsReplacedAndALinkKeepsPointingAtIt) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("t.xml")),
                  link = dir.filePath(QStringLiteral("l.xml"));
    WriteAll(target, "old");
    QFile::setPermissions(target, QFileDevice::ReadOwner);
    ASSERT_TRUE(QFile::link(target, link));
    XmlStreamWriter out(link);
    out.StartElement(QStringLiteral("root"));
    out.EndElement();
    out.Commit();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(ReadAll(target).endsWith("<root/>\n")) << ReadAll(target).constData();
    EXPECT_TRUE(QFileInfo(target).isWritable());
}

// Every refusal throws before anything replaces the file, and the writer leaves no temporary behind.
TEST(XmlStreamWriterTest, RefusalsLeaveThePreviousFileAlone) {
    const struct {
        const char* name;
        std::function<void(XmlStreamWriter&)> write;
    } cases[] = {
        {"invalid element name", [](XmlStreamWriter& w) { w.StartElement(QStringLiteral("1a")); }},
        {"unbound element prefix",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("q:root"));
             w.EndElement();
         }},
        {"unbound attribute prefix",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteAttribute(QStringLiteral("q:a"), QStringLiteral("v"));
             w.StartElement(QStringLiteral("child"));
         }},
        {"prefix declared on a closed sibling",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.StartElement(QStringLiteral("p:a"));
             w.WriteAttribute(QStringLiteral("xmlns:p"), kNs);
             w.EndElement();
             w.StartElement(QStringLiteral("p:b"));
             w.EndElement();
         }},
        {"prefix bound twice",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteAttribute(QStringLiteral("xmlns:p"), kNs);
             w.WriteAttribute(QStringLiteral("xmlns:p"), kXsi);
         }},
        {"attribute written twice",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteAttribute(QStringLiteral("label"), QStringLiteral("a"));
             w.WriteAttribute(QStringLiteral("label"), QStringLiteral("b"));
         }},
        {"control character in text",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteText(QStringLiteral("a") + QChar(0x07));
         }},
        {"text outside the root", [](XmlStreamWriter& w) { w.WriteText(QStringLiteral("t")); }},
        {"second root",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.EndElement();
             w.StartElement(QStringLiteral("root"));
         }},
        {"instruction inside the root",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.AddProcessingInstruction(QStringLiteral("pi"), QStringLiteral("d"));
         }},
        {"unfinished document",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.Commit();
         }},
        {"whole element with an unbound prefix",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteTextElement(XmlStreamWriter::Name(QStringLiteral("q:item")), QStringLiteral("t"));
             w.EndElement();
         }},
        {"whole element with an invalid name",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteTextElement(XmlStreamWriter::Name(QStringLiteral("a b")), QStringLiteral("t"));
             w.EndElement();
         }},
        {"whole element with a control character",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.WriteTextElement(XmlStreamWriter::Name(QStringLiteral("item")),
                                QStringLiteral("a") + QChar(0x01));
             w.EndElement();
         }},
        {"whole element after the root",
         [](XmlStreamWriter& w) {
             w.StartElement(QStringLiteral("root"));
             w.EndElement();
             w.WriteTextElement(XmlStreamWriter::Name(QStringLiteral("item")), QStringLiteral("t"));
         }},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        WriteAll(path, "old");
        EXPECT_THROW(
            {
                XmlStreamWriter out(path);
                c.write(out);
                out.Commit();
            },
            XmlError)
            << c.name;
        EXPECT_EQ(ReadAll(path), QByteArray("old")) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << c.name;
    }
}

TEST(XmlStreamWriterTest, TargetThatCannotBeWrittenIsRefused) {
    QTemporaryDir dir;
    EXPECT_THROW(XmlStreamWriter(dir.filePath(QStringLiteral("missing/a.xml"))), XmlError);
    // A folder in the way is found when the document is put in place.
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    {
        XmlStreamWriter out(folder);
        out.StartElement(QStringLiteral("root"));
        out.EndElement();
        EXPECT_THROW(out.Commit(), XmlError);
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

}  // namespace
