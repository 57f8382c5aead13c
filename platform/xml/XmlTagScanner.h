#pragma once
// Private to the XML layer.

#include <cstddef>
#include <cstdint>
#include <string>

struct _xmlBuffer;
struct _xmlCharEncodingHandler;

namespace Internal {

// Follows the markup of a document's bytes as they go to the parser and counts the attributes of each
// start tag. libxml2 compares every attribute of a tag with all the earlier ones once the whole tag is
// read, without asking for more of the file (the reader's chance to notice a cancel): a tag of a million
// attributes would hold the read for minutes. Bytes may arrive split anywhere.
// The characters counted are those the parser reads: the decoder is chosen as libxml2 chooses it (the
// first bytes, then the encoding the XML declaration names) and is libxml2's own; UTF-8 is read as it
// stands. An encoding the parser would take up part-way through what it has decoded (one named in a
// document that began in UTF-16, UCS-4 or EBCDIC), or whose converter starts afresh with each piece, is
// refused by name, as is one the parser has no converter for.
// Comments, CDATA sections, processing instructions and quoted values are passed over.
class XmlTagScanner {
public:
    enum class Verdict : uint8_t { Reading, TooManyAttributes, UnsupportedEncoding };

    explicit XmlTagScanner(int maxAttributes) : m_maxAttributes(maxAttributes) {}
    ~XmlTagScanner();
    XmlTagScanner(const XmlTagScanner&) = delete;
    XmlTagScanner& operator=(const XmlTagScanner&) = delete;

    // The next bytes of the document; once it is not Reading, the verdict stays.
    Verdict Feed(const char* data, size_t size);
    // The refused encoding, as the document names it.
    const std::string& Encoding() const { return m_encoding; }

private:
    enum class State : uint8_t { Text, Open, Bang, BangDash, Comment, CData, Pi, Decl, Close, Tag, Quoted };
    // Where the XML declaration stands: its opening, between its parts, a part's name, before its '=',
    // before its quote, inside its value.
    enum class Declaration : uint8_t { Start, Between, Name, Equals, Quote, Value, Done };

    bool Scan(const unsigned char* p, const unsigned char* end);
    void Detect();
    void Use(_xmlCharEncodingHandler* decoder);
    void Declare(unsigned char c);
    void NameEncoding(const std::string& name);
    void Decode(const unsigned char* p, const unsigned char* end);
    void Refuse(const std::string& name);

    int m_maxAttributes;
    Verdict m_verdict = Verdict::Reading;
    State m_state = State::Text;
    int m_attributes = 0;
    int m_marks = 0;  // the closing marks seen so far: "--" or "]]" before '>', '?' before '>'
    unsigned char m_quote = 0;

    std::string m_first;  // the first bytes, until there are enough to tell the encoding
    bool m_detected = false;
    Declaration m_declaration = Declaration::Start;
    std::string m_part;  // the declaration's opening so far, then the name of its current part
    std::string m_value;
    unsigned char m_declarationQuote = 0;
    // Null while the bytes are read as they stand.
    _xmlCharEncodingHandler* m_decoder = nullptr;
    std::string m_split;  // the bytes of a unit split between pieces, for a converter of fixed width
    size_t m_unitWidth = 1;
    _xmlBuffer* m_undecoded = nullptr;  // the start of a character split between pieces
    _xmlBuffer* m_decoded = nullptr;
    bool m_undecodable = false;  // the parser stops where its converter fails, and reads no further
    std::string m_encoding;
};

}  // namespace Internal
