#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "XmlError.h"
#include "XmlEventReader.h"

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
    EXPECT_THROW(XmlEventReader::ReadFile(file.fileName(), counter, &counter.cancel), XmlReadCancelled);
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

}  // namespace
