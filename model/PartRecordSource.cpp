#include "PartRecordSource.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "PELFMExceptions.h"
#include "ParallelRanges.h"

// Layout: elements one after the other; an element is its item count (4 bytes) and its label, followed
// by its items; an item is its type (1 byte) and value count (4 bytes), followed by its values; a value is
// its data kind (1 byte) and text. A text is its length (7 bits a byte, low first) and its bytes.

namespace {

using DataInfo = ProfileInnerConst::_ST_PELFM_DATAINFO;

class RecordCursor {
public:
    RecordCursor(const char* begin, const char* end)
        : at_(reinterpret_cast<const unsigned char*>(begin)),
          end_(reinterpret_cast<const unsigned char*>(end)) {}

    bool AtEnd() const { return at_ >= end_; }
    const unsigned char* Position() const { return at_; }
    void MoveTo(const unsigned char* at) { at_ = at; }
    int Byte() {
        Need(1);
        return *at_++;
    }
    uint32_t Count() {
        Need(4);
        uint32_t n;
        std::memcpy(&n, at_, 4);
        at_ += 4;
        return n;
    }
    std::string_view Text() {
        size_t length = 0;
        for (int shift = 0;; shift += 7) {
            const int b = Byte();
            length |= size_t(b & 0x7f) << shift;
            if (!(b & 0x80)) break;
        }
        Need(length);
        const char* text = reinterpret_cast<const char*>(at_);
        at_ += length;
        return std::string_view(text, length);
    }

private:
    void Need(size_t n) const {
        if (size_t(end_ - at_) < n) throw CPELFM_InvalidXMLDocumentInstanceException();
    }
    const unsigned char* at_;
    const unsigned char* end_;
};

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Values such as "RW", "mm" or "INT16" repeat all over a part: items whose records are short and equal
// share one value list (copied when one of them changes), which saves most of a large part's memory.
class SharedValueLists {
public:
    static constexpr size_t kMaxKey = 40;

    // The list stored under the key, null when there is none.
    const QList<DataInfo>* Find(std::string_view key) {
        Slot& slot = SlotOf(key);
        return slot.length == key.size() && std::memcmp(slot.key, key.data(), key.size()) == 0 ? &slot.values
                                                                                               : nullptr;
    }
    void Store(std::string_view key, const QList<DataInfo>& values) {
        Slot& slot = SlotOf(key);
        slot.values = values;
        slot.length = uint8_t(key.size());
        std::memcpy(slot.key, key.data(), key.size());
    }

private:
    struct Slot {
        QList<DataInfo> values;
        uint8_t length = 0xff;
        char key[kMaxKey];
    };
    Slot& SlotOf(std::string_view key) {
        uint32_t hash = 2166136261u;
        for (const char c : key) hash = (hash ^ uint8_t(c)) * 16777619u;
        return slots_[hash & (slots_.size() - 1)];
    }
    std::vector<Slot> slots_ = std::vector<Slot>(1024);
};

void PutText(std::string& out, std::string_view text) {
    size_t n = text.size();
    do {
        out.push_back(char((n & 0x7f) | (n > 0x7f ? 0x80 : 0)));
        n >>= 7;
    } while (n);
    out.append(text);
}

void ReadValues(RecordCursor& records, uint32_t count, QList<DataInfo>& values) {
    values.reserve(count);
    for (uint32_t v = 0; v < count; ++v) {
        DataInfo data;
        data.dataKind = records.Byte();
        data.text = ToQString(records.Text());
        values.append(std::move(data));
    }
}

}  // namespace

namespace {

// Builds the elements recorded between begin and end and appends them to out.
void BuildElems(const char* begin, const char* end, CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) {
    RecordCursor records(begin, end);
    SharedValueLists shared;
    while (!records.AtEnd()) {
        // The caller owns what is in out, even when a later record fails.
        auto owned = std::make_unique<CPELFM_ElemInfo>();
        out.append(owned.get());
        CPELFM_ElemInfo& elem = *owned.release();
        elem.ownerPart = &part;
        const uint32_t items = records.Count();
        elem.label = ToQString(records.Text());
        elem.items.reserve(items);
        for (uint32_t i = 0; i < items; ++i) {
            auto item = std::make_unique<CPELFM_ItemInfo>();
            item->ownerElem = &elem;
            item->itemType = records.Byte();
            const unsigned char* const at = records.Position();
            const uint32_t values = records.Count();
            for (uint32_t v = 0; v < values; ++v) {
                records.Byte();
                records.Text();
            }
            const std::string_view key(reinterpret_cast<const char*>(at), size_t(records.Position() - at));
            if (key.size() > SharedValueLists::kMaxKey) {
                records.MoveTo(at + 4);
                ReadValues(records, values, item->values);
            } else if (const QList<DataInfo>* same = shared.Find(key)) {
                item->values = *same;
            } else {
                records.MoveTo(at + 4);
                ReadValues(records, values, item->values);
                shared.Store(key, item->values);
            }
            elem.items.append(item.release());
        }
    }
}

}  // namespace

void PartRecordSource::LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const {
    const char* const bytes = records_.constData();
    const size_t chunks = chunkStarts_.size();
    const auto at = [&](size_t chunk) {
        return bytes + (chunk < chunks ? chunkStarts_[chunk] : records_.size());
    };
    std::vector<QList<CPELFM_ElemInfo*>> built(Internal::RangeCount(chunks, 1, 6));
    try {
        try {
            // Each range of chunks is built into a list of its own, which out receives in order.
            Internal::RunInRanges(chunks, 1, 6, [&](size_t range, size_t first, size_t last) {
                BuildElems(at(first), at(last), part, built[range]);
            });
            out.reserve(out.size() + elemCount_);
        } catch (...) {
            for (const QList<CPELFM_ElemInfo*>& elems : built) out.append(elems);
            throw;
        }
        for (const QList<CPELFM_ElemInfo*>& elems : built) out.append(elems);
    } catch (const std::bad_alloc&) {
        throw CPELFM_MemoryRequestException();
    }
}

void PartRecordWriter::PutCount(size_t at, uint32_t count) {
    std::memcpy(bytes_.data() + at, &count, 4);
}

void PartRecordWriter::BeginElem(std::string_view label) {
    if (elems_++ % PartRecordSource::kChunkElems == 0) chunkStarts_.push_back(qsizetype(bytes_.size()));
    elemAt_ = bytes_.size();
    items_ = 0;
    bytes_.append(4, '\0');
    PutText(bytes_, label);
}

void PartRecordWriter::BeginItem(int itemType) {
    PutCount(elemAt_, ++items_);
    bytes_.push_back(char(itemType));
    itemAt_ = bytes_.size();
    values_ = 0;
    bytes_.append(4, '\0');
}

void PartRecordWriter::AddValue(int dataKind, std::string_view text) {
    PutCount(itemAt_, ++values_);
    bytes_.push_back(char(dataKind));
    PutText(bytes_, text);
}

std::shared_ptr<PartRecordSource> PartRecordWriter::Take() {
    auto source = std::make_shared<PartRecordSource>(QByteArray(bytes_.data(), qsizetype(bytes_.size())),
                                                     std::move(chunkStarts_), elems_);
    bytes_.clear();
    chunkStarts_.clear();
    elems_ = 0;
    elemAt_ = itemAt_ = std::string::npos;
    return source;
}
