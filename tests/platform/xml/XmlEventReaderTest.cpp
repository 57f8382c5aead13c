#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "XmlError.h"
#include "XmlEventReader.h"
#include "XmlTagScanner.h"

namespace {

// Counts the elements; with stop, cancels the read at the first.
struct Counter : XmlEventHandler {
    void StartElement(const XmlStartTag&) override { cancel = ++starts > 0 && stop; }
    void EndElement() override {}
    void Characters(std::string_view) override {}
    int starts = 0;
    bool stop = false;
    std::atomic<bool> cancel{false};
};

TEST(XmlEventReader, ACancelStopsTheReadAtItsNextPieceOfTheFile) {
    QTemporaryDir dir;
    QFile file(dir.filePath("big.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("<r>" + QByteArray("<v>1</v>").repeated(50000) + "</r>"));
    file.close();
    Counter counter;
    counter.stop = true;
    EXPECT_THROW(XmlEventReader::ReadFile(file.fileName(), counter, {&counter.cancel, {}}), XmlReadCancelled);
    EXPECT_LT(counter.starts, 25000);
}

// Without libxml2's limits, the reader keeps its own depth limit.
TEST(XmlEventReader, RefusesElementsNestedTooDeep) {
    for (const int depth : {XmlEventReader::kMaxDepth, XmlEventReader::kMaxDepth + 1}) {
        Counter counter;
        QString error;
        try {
            XmlEventReader::ReadBytes(QByteArray("<e>").repeated(depth) + QByteArray("</e>").repeated(depth),
                                      counter);
        } catch (const XmlError& e) {
            error = e.Reason();
        }
        EXPECT_EQ(error.contains("nested more than 256"), depth > XmlEventReader::kMaxDepth)
            << qPrintable(error);
    }
}

// One start tag of count attributes, one a line.
QByteArray Tag(int count, const QByteArray& value = "v") {
    QByteArray tag = "<e";
    for (int i = 0; i < count; ++i) tag += "\n a" + QByteArray::number(i) + "=\"" + value + "\"";
    return tag + "/>";
}

// Whatever the pieces the bytes come in, the scanner follows the markup around the start tags it counts.
TEST(XmlTagScanner, CountsTheAttributesOfStartTagsOnly) {
    const int bound = XmlEventReader::kMaxAttributes;
    const QByteArray fake = Tag(bound + 1);
    const auto utf16 = [](const QByteArray& text) {
        const QString s = QString::fromUtf8(text);
        return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    };
    const struct {
        const char* name;
        QByteArray document;
        bool refused;
    } cases[] = {
        {"at the bound", "<?xml version=\"1.0\"?><r>" + Tag(bound) + "</r>", false},
        {"one more", "<r>" + Tag(bound + 1) + "</r>", true},
        {"marks in values", "<r>" + Tag(bound, "='>=") + Tag(1, "\"x='") + "</r>", false},
        {"single quotes", "<r>" + Tag(bound + 1).replace('"', '\'') + "</r>", true},
        {"in a comment", "<r><!-- - -- " + fake + " --></r>", false},
        {"in CDATA", "<r><![CDATA[ ] ]] " + fake + " ]]></r>", false},
        {"in an instruction", "<r><?pi ? " + fake + " ?></r>", false},
        {"after all of them", "<r><!----><![CDATA[]]><?pi?></r><e/>" + fake, true},
        {"UTF-16 at the bound", utf16("<r>" + Tag(bound) + "</r>"), false},
        {"UTF-16, one more", utf16("<r>" + Tag(bound + 1) + "</r>"), true},
    };
    for (const auto& c : cases) {
        for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(4000), c.document.size()}) {
            Internal::XmlTagScanner scanner(bound);
            bool refused = false;
            for (qsizetype at = 0; at < c.document.size() && !refused; at += piece)
                refused = !scanner.Feed(c.document.constData() + at,
                                        size_t(std::min(piece, c.document.size() - at)));
            EXPECT_EQ(refused, c.refused) << c.name << ", pieces of " << piece;
        }
    }
}

}  // namespace
