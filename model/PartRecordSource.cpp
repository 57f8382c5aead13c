#include "PartRecordSource.h"

#include <cstring>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "PELFMExceptions.h"

// Layout: elements one after the other; an element is its item count (4 bytes) and its label, followed
// by its items; an item is its type (1 byte) and value count (4 bytes), followed by its values; a value is
// its data kind (1 byte) and text. A text is its length (7 bits a byte, low first) and its bytes.

namespace {

class RecordCursor {
public:
    explicit RecordCursor(const QByteArray& bytes)
        : at_(reinterpret_cast<const unsigned char*>(bytes.constData())), end_(at_ + bytes.size()) {}

    bool AtEnd() const { return at_ >= end_; }
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
    QString Text() {
        size_t length = 0;
        for (int shift = 0;; shift += 7) {
            const int b = Byte();
            length |= size_t(b & 0x7f) << shift;
            if (!(b & 0x80)) break;
        }
        Need(length);
        const char* text = reinterpret_cast<const char*>(at_);
        at_ += length;
        return QString::fromUtf8(text, qsizetype(length));
    }

private:
    void Need(size_t n) const {
        if (size_t(end_ - at_) < n) throw CPELFM_InvalidXMLDocumentInstanceException();
    }
    const unsigned char* at_;
    const unsigned char* end_;
};

void PutText(std::string& out, std::string_view text) {
    size_t n = text.size();
    do {
        out.push_back(char((n & 0x7f) | (n > 0x7f ? 0x80 : 0)));
        n >>= 7;
    } while (n);
    out.append(text);
}

}  // namespace

void PartRecordSource::LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const {
    try {
        RecordCursor records(records_);
        while (!records.AtEnd()) {
            // The caller owns what is in out, even when a later record fails.
            auto owned = std::make_unique<CPELFM_ElemInfo>();
            out.append(owned.get());
            CPELFM_ElemInfo& elem = *owned.release();
            elem.ownerPart = &part;
            const uint32_t items = records.Count();
            elem.label = records.Text();
            elem.items.reserve(items);
            for (uint32_t i = 0; i < items; ++i) {
                auto item = std::make_unique<CPELFM_ItemInfo>();
                item->ownerElem = &elem;
                item->itemType = records.Byte();
                const uint32_t values = records.Count();
                item->values.reserve(values);
                for (uint32_t v = 0; v < values; ++v) {
                    ProfileInnerConst::_ST_PELFM_DATAINFO data;
                    data.dataKind = records.Byte();
                    data.text = records.Text();
                    item->values.append(std::move(data));
                }
                elem.items.append(item.release());
            }
        }
    } catch (const std::bad_alloc&) {
        throw CPELFM_MemoryRequestException();
    }
}

void PartRecordWriter::PutCount(size_t at, uint32_t count) {
    std::memcpy(bytes_.data() + at, &count, 4);
}

void PartRecordWriter::BeginElem(std::string_view label) {
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

QByteArray PartRecordWriter::Take() {
    QByteArray records(bytes_.data(), qsizetype(bytes_.size()));
    bytes_.clear();
    elemAt_ = itemAt_ = std::string::npos;
    return records;
}
