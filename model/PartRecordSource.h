#pragma once
#include <QByteArray>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CPELFM_PartNodeSource.h"

// A part's elements as the reader met them in the document, kept until the part is first used: per
// element its label and items, per item its type and values, per value its data kind and text (UTF-8).
// A few bytes beside the texts instead of a document tree, so an open file costs little memory.
class PartRecordSource : public CPELFM_PartNodeSource {
public:
    // chunkStarts: where every kChunkElems-th element begins, the first at 0.
    PartRecordSource(QByteArray records, std::vector<qsizetype> chunkStarts, qsizetype elemCount)
        : records_(std::move(records)), chunkStarts_(std::move(chunkStarts)), elemCount_(elemCount) {}
    // A large part's elements are built on a few threads at once, each taking whole chunks.
    void LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const override;

    static constexpr qsizetype kChunkElems = 4096;

private:
    QByteArray records_;
    std::vector<qsizetype> chunkStarts_;
    qsizetype elemCount_ = 0;
};

// Writes the records of one part at a time, in document order.
class PartRecordWriter {
public:
    void BeginElem(std::string_view label);
    void BeginItem(int itemType);
    void AddValue(int dataKind, std::string_view text);
    // A source of the records written since the last call; the writer starts over.
    std::shared_ptr<PartRecordSource> Take();

private:
    void PutCount(size_t at, uint32_t count);

    std::string bytes_;
    std::vector<qsizetype> chunkStarts_;
    qsizetype elems_ = 0;
    size_t elemAt_ = std::string::npos;  // where the open element's item count goes
    size_t itemAt_ = std::string::npos;  // where the open item's value count goes
    uint32_t items_ = 0;
    uint32_t values_ = 0;
};
