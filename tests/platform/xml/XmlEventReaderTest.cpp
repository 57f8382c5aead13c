#include <gtest/gtest.h>
#include <iconv.h>

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

// The bytes of a text in another encoding.
QByteArray Encoded(const QByteArray& utf8, const char* encoding) {
    QByteArray out(utf8.size() * 6, '\0');
    iconv_t cd = iconv_open(encoding, "UTF-8");
    char* in = const_cast<char*>(utf8.constData());
    char* at = out.data();
    size_t inLeft = size_t(utf8.size()), outLeft = size_t(out.size());
    EXPECT_NE(iconv(cd, &in, &inLeft, &at, &outLeft), size_t(-1)) << encoding;
    iconv_close(cd);
    return out.left(at - out.data());
}

// Whatever the pieces the bytes come in, the scanner follows the markup around the start tags it counts,
// in the characters the parser decodes.
TEST(XmlTagScanner, CountsTheAttributesOfStartTagsOnly) {
    using Verdict = Internal::XmlTagScanner::Verdict;
    const int bound = XmlEventReader::kMaxAttributes;
    const QByteArray fake = Tag(bound + 1);
    const auto declared = [](const char* encoding, const QByteArray& body) {
        return "<?xml version=\"1.0\" encoding=\"" + QByteArray(encoding) + "\"?>" + body;
    };
    // Kanji whose JIS bytes read "0\"" in names, and "<A" and "=A" in a text.
    const QByteArray kanji = "\x1b$B", ascii = "\x1b(B";
    QByteArray kanjiNames = "<r><e", kanjiText = "<r>" + kanji + "<A";
    for (int i = 0; i <= bound; ++i) {
        kanjiNames += " " + kanji + "0\"" + ascii + QByteArray::number(i) + "=\"v\"";
        kanjiText += "=A";
    }
    // A Shift_JIS character whose second byte is ']'.
    const QByteArray sjisCData = "<r><![CDATA[\x83\x5D]>" + fake + "]]></r>";
    const struct {
        const char* name;
        QByteArray document;
        Verdict verdict;
        const char* encoding = "";
    } cases[] = {
        {"at the bound", "<?xml version=\"1.0\"?><r>" + Tag(bound) + "</r>", Verdict::Reading},
        {"one more", "<r>" + Tag(bound + 1) + "</r>", Verdict::TooManyAttributes},
        {"marks in values", "<r>" + Tag(bound, "='>=") + Tag(1, "\"x='") + "</r>", Verdict::Reading},
        {"single quotes", "<r>" + Tag(bound + 1).replace('"', '\'') + "</r>", Verdict::TooManyAttributes},
        {"in a comment", "<r><!-- - -- " + fake + " --></r>", Verdict::Reading},
        {"in CDATA", "<r><![CDATA[ ] ]] " + fake + " ]]></r>", Verdict::Reading},
        {"in an instruction", "<r><?pi ? " + fake + " ?></r>", Verdict::Reading},
        {"after all of them", "<r><!----><![CDATA[]]><?pi?></r><e/>" + fake, Verdict::TooManyAttributes},
        {"UTF-16 at the bound", Encoded("<r>" + Tag(bound) + "</r>", "UTF-16"), Verdict::Reading},
        {"UTF-16, one more", Encoded("<r>" + Tag(bound + 1) + "</r>", "UTF-16LE"),
         Verdict::TooManyAttributes},
        {"UCS-4, one more", Encoded("<r>" + Tag(bound + 1) + "</r>", "UCS-4BE"), Verdict::TooManyAttributes},
        {"UTF-7, one more", declared("UTF-7", Encoded("<r>" + fake + "</r>", "UTF-7")),
         Verdict::TooManyAttributes},
        {"ISO-2022-JP, one more", declared("ISO-2022-JP", kanjiNames + "/></r>"), Verdict::TooManyAttributes},
        {"ISO-2022-JP text", declared("ISO-2022-JP", kanjiText + ascii + "</r>"), Verdict::Reading},
        {"Shift_JIS in CDATA", declared("Shift_JIS", sjisCData), Verdict::Reading},
        {"through ICU", declared("x-sjis", sjisCData), Verdict::Reading},
        {"shifting through ICU", declared("HZ-GB-2312", "<r/>"), Verdict::UnsupportedEncoding, "HZ-GB-2312"},
        {"EBCDIC", Encoded(declared("IBM037", "<r>" + fake + "</r>"), "IBM037"), Verdict::UnsupportedEncoding,
         "IBM037"},
        {"UTF-16 naming another", Encoded(declared("ISO-8859-1", "<r/>"), "UTF-16"),
         Verdict::UnsupportedEncoding, "ISO-8859-1"},
        {"unknown", declared("NO-SUCH", "<r/>"), Verdict::UnsupportedEncoding, "NO-SUCH"},
    };
    for (const auto& c : cases) {
        for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(4000), c.document.size()}) {
            Internal::XmlTagScanner scanner(bound);
            Verdict verdict = Verdict::Reading;
            for (qsizetype at = 0; at < c.document.size() && verdict == Verdict::Reading; at += piece)
                verdict = scanner.Feed(c.document.constData() + at,
                                       size_t(std::min(piece, c.document.size() - at)));
            EXPECT_EQ(verdict, c.verdict) << c.name << ", pieces of " << piece;
            EXPECT_EQ(scanner.Encoding(), c.encoding) << c.name;
        }
    }
}

}  // namespace
