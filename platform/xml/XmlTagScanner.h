#pragma once
// Private to the XML layer.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Internal {

// Follows the markup of a document's bytes as they go to the parser and counts the attributes of each
// start tag. libxml2 compares every attribute of a tag with all the earlier ones once the whole tag is
// read, without asking for more of the file (the reader's chance to notice a cancel): a tag of a million
// attributes would hold the read for minutes. Bytes may arrive split anywhere; UTF-16 and UCS-4 are
// followed unit by unit, any other encoding as bytes (markup is ASCII in every encoding the parser reads).
// Comments, CDATA sections, processing instructions and quoted values are passed over.
class XmlTagScanner {
public:
    explicit XmlTagScanner(int maxAttributes) : m_maxAttributes(maxAttributes) {}

    // The next bytes of the document; false from the first start tag with more than maxAttributes.
    bool Feed(const char* data, size_t size);

private:
    enum class State : uint8_t { Text, Open, Bang, BangDash, Comment, CData, Pi, Decl, Close, Tag, Quoted };

    bool Scan(const unsigned char* p, const unsigned char* end);
    void DetectUnitWidth();

    int m_maxAttributes;
    bool m_overLimit = false;
    State m_state = State::Text;
    int m_attributes = 0;
    int m_marks = 0;  // the closing marks seen so far: "--" or "]]" before '>', '?' before '>'
    unsigned char m_quote = 0;
    // 0 until the document's first bytes tell it; then 1, 2 or 4 bytes per unit.
    int m_width = 0;
    bool m_bigEndian = false;
    std::vector<unsigned char> m_pending;  // the first bytes, or the start of a split unit
    std::vector<unsigned char> m_narrow;   // the units of a wide encoding, as ASCII or 0x80
};

}  // namespace Internal
