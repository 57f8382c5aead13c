// The streaming reader beyond libxml2's default limits, texts judged whole by the schema, and a read
// stopped by its cancel flag.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "XmlError.h"
#include "XmlEventReader.h"
#include "XmlSchema.h"

namespace {

constexpr int kDefaultLimit = 10000000;  // libxml2's longest attribute value without XML_PARSE_HUGE

const QByteArray kXsd =
    "<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema' targetNamespace='urn:t' xmlns='urn:t'"
    " elementFormDefault='qualified'><xs:element name='r'><xs:complexType><xs:sequence>"
    "<xs:element name='v' maxOccurs='unbounded'><xs:simpleType><xs:restriction base='xs:string'>"
    "<xs:length value='10'/></xs:restriction></xs:simpleType></xs:element>"
    "</xs:sequence></xs:complexType></xs:element></xs:schema>";

QString Write(const QTemporaryDir& dir, const QByteArray& data) {
    static int files = 0;
    const QString path = dir.filePath(QStringLiteral("f%1.xml").arg(++files));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
    return path;
}

QByteArray Values(const QByteArray& body) {
    return "<r xmlns='urn:t'>" + body + "</r>";
}

// Counts what it is told; sets cancel when element number cancelAt starts.
class Recorder : public XmlEventHandler {
public:
    void StartElement(const XmlStartTag& tag) override {
        std::string value;
        if (tag.Attribute("label", value)) label = value.size();
        if (++starts == cancelAt) cancel = true;
    }
    void EndElement() override {}
    void Characters(std::string_view) override {}
    int starts = 0;
    size_t label = 0;
    int cancelAt = -1;
    std::atomic<bool> cancel{false};
};

TEST(XmlEventReader, ReadsLongLabelsAndRefusesDeepNesting) {
    const auto nested = [](int depth) {
        return QByteArray("<e>").repeated(depth) + QByteArray("</e>").repeated(depth);
    };
    const struct {
        const char* name;
        QByteArray xml;
        size_t label;
        const char* refusal;  // nullptr: read
    } cases[] = {
        {"label at libxml2's limit", "<r label='" + QByteArray(kDefaultLimit, 'a') + "'/>", kDefaultLimit,
         nullptr},
        {"label beyond it", "<r label='" + QByteArray(kDefaultLimit + 1, 'a') + "'/>", kDefaultLimit + 1,
         nullptr},
        {"nested to the limit", nested(XmlEventReader::kMaxDepth), 0, nullptr},
        {"nested deeper", nested(XmlEventReader::kMaxDepth + 1), 0, "nested more than 256 deep"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        Recorder recorder;
        try {
            XmlEventReader::ReadFile(Write(dir, c.xml), recorder);
            EXPECT_FALSE(c.refusal) << c.name;
            EXPECT_EQ(recorder.label, c.label) << c.name;
        } catch (const XmlError& e) {
            EXPECT_TRUE(c.refusal && e.Reason().contains(c.refusal)) << c.name << ": " << e.what();
        }
    }
}

// A text reaches the validator whole, however the parser cut it.
TEST(XmlEventReader, TheSchemaJudgesEachTextWhole) {
    const struct {
        const char* name;
        QByteArray body;
        const char* error;  // "": valid
    } cases[] = {
        {"ten characters", "<v>0123456789</v>", ""},
        {"ten in pieces", "<v>0123<![CDATA[45]]>6<!-- c -->78&#57;</v>", ""},
        {"eleven in pieces", "<v>0123<![CDATA[45]]>6<!-- c -->78&#57;x</v>", "length of '11'"},
        {"a long text", "<v>" + QByteArray(kDefaultLimit, 'a') + "</v>", "length of '10000000'"},
        {"text between elements", "<v>0123456789</v>x<v>0123456789</v>", "element-only"},
        {"blank CDATA between elements", "<v>0123456789</v> <![CDATA[ ]]><v>0123456789</v>", "element-only"},
    };
    QTemporaryDir dir;
    const XmlSchema schema = XmlSchema::LoadFile(Write(dir, kXsd));
    for (const auto& c : cases) {
        Recorder recorder;
        const QString error = XmlEventReader::ReadFileValidated(Write(dir, Values(c.body)), schema, recorder);
        EXPECT_EQ(error.isEmpty(), !*c.error) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(c.error)) << c.name << ": " << error.toStdString();
    }
}

TEST(XmlEventReader, ACancelStopsTheReadAtItsNextPieceOfTheFile) {
    const int total = 20000;
    QTemporaryDir dir;
    const QString path = Write(dir, Values(QByteArray("<v>0123456789</v>").repeated(total)));
    const XmlSchema schema = XmlSchema::LoadFile(Write(dir, kXsd));
    const struct {
        const char* name;
        int cancelAt;  // 0: before the read
        bool validated;
    } cases[] = {{"before", 0, false}, {"while reading", 1, false}, {"while validating", 1, true}};
    for (const auto& c : cases) {
        Recorder recorder;
        recorder.cancel = c.cancelAt == 0;
        recorder.cancelAt = c.cancelAt;
        EXPECT_THROW(c.validated ? void(XmlEventReader::ReadFileValidated(path, schema, recorder, nullptr,
                                                                          &recorder.cancel))
                                 : XmlEventReader::ReadFile(path, recorder, &recorder.cancel),
                     XmlReadCancelled)
            << c.name;
        EXPECT_LT(recorder.starts, c.cancelAt == 0 ? 1 : total / 2) << c.name;
    }
}

}  // namespace
