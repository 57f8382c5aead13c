#include "XmlTagScanner.h"

#include <libxml/encoding.h>
#include <libxml/tree.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <string_view>

namespace Internal {

namespace {

const unsigned char* Find(const unsigned char* p, const unsigned char* end, unsigned char c) {
    return static_cast<const unsigned char*>(std::memchr(p, c, size_t(end - p)));
}

// What ends a run of names and blanks inside a start tag.
constexpr auto kTagMarks = [] {
    std::array<bool, 256> marks{};
    for (const unsigned char c : {'=', '"', '\'', '>'}) marks[c] = true;
    return marks;
}();

bool IsEncodingName(const std::string& name) {
    const auto letter = [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
    return !name.empty() && letter(name[0]) && std::all_of(name.begin(), name.end(), [&](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
    });
}

// A converter that decodes a text cut anywhere as it decodes it whole, so that where the scanner's
// pieces and the parser's calls fall does not matter.
bool Decodes(const xmlCharEncodingHandler& handler) {
    if (handler.input || handler.iconv_in) return true;
#ifdef LIBXML_ICU_ENABLED
    // libxml2 ends each of its calls to ICU as if the text ended there: a converter that shifts between
    // modes starts again in its first mode, and one of fixed width drops a unit split between calls.
    // Only the table converters keep the start of a character for the next call.
    if (handler.uconv_in && handler.uconv_in->uconv) {
        const UConverterType type = ucnv_getType(handler.uconv_in->uconv);
        return type == UCNV_SBCS || type == UCNV_DBCS || type == UCNV_MBCS || type == UCNV_LATIN_1 ||
               type == UCNV_US_ASCII;
    }
#endif
    return false;
}

}  // namespace

XmlTagScanner::~XmlTagScanner() {
    if (m_decoder) xmlCharEncCloseFunc(m_decoder);
    if (m_undecoded) xmlBufferFree(m_undecoded);
    if (m_decoded) xmlBufferFree(m_decoded);
}

XmlTagScanner::Verdict XmlTagScanner::Feed(const char* data, size_t size) {
    if (m_verdict != Verdict::Reading) return m_verdict;
    if (!m_detected) {
        m_first.append(data, size);
        if (m_first.size() < 4) return m_verdict;
        m_detected = true;
        Detect();
        std::string first;
        first.swap(m_first);
        return Feed(first.data(), first.size());
    }
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* const end = p + size;
    if (m_decoder) {
        Decode(p, end);
        return m_verdict;
    }
    // The bytes after an encoding the declaration names are that encoding's.
    const unsigned char* named = end;
    for (const unsigned char* at = p; at < end && m_declaration != Declaration::Done;) {
        Declare(*at++);
        if (m_decoder || m_verdict != Verdict::Reading) named = at;
    }
    if (m_verdict == Verdict::Reading && !Scan(p, named)) m_verdict = Verdict::TooManyAttributes;
    if (m_verdict == Verdict::Reading && named < end) Decode(named, end);
    return m_verdict;
}

// From the first four bytes, as the parser tells them.
void XmlTagScanner::Detect() {
    const xmlCharEncoding found = xmlDetectCharEncoding(reinterpret_cast<const xmlChar*>(m_first.data()), 4);
    if (found == XML_CHAR_ENCODING_NONE || found == XML_CHAR_ENCODING_UTF8) return;
    if (xmlCharEncodingHandler* handler = xmlGetCharEncodingHandler(found))
        Use(handler);
    else  // UCS-4 in an unusual byte order, which the parser gives up on
        Refuse(found == XML_CHAR_ENCODING_UCS4_2143 ? "UCS-4 2143" : "UCS-4 3412");
    // libxml2 decodes UCS-4 with ICU, which drops a unit split between two calls. The parser's calls
    // never split one (it reads in pieces of 4,000 bytes); the scanner's pieces may.
    if (found == XML_CHAR_ENCODING_UCS4BE || found == XML_CHAR_ENCODING_UCS4LE) m_unitWidth = 4;
}

void XmlTagScanner::Use(_xmlCharEncodingHandler* decoder) {
    m_decoder = decoder;
    m_undecoded = xmlBufferCreate();
    m_decoded = xmlBufferCreate();
    if (!m_undecoded || !m_decoded) throw std::bad_alloc();
}

// The XML declaration as libxml2 reads it, up to the encoding it names. Where it strays from what a
// well-formed declaration may hold, the parser stops at its first error and so does the declaration.
void XmlTagScanner::Declare(unsigned char c) {
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    const bool letter = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
    switch (m_declaration) {
        case Declaration::Start: {
            constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF", kOpening = "<?xml";
            m_part += char(c);
            std::string_view opening = m_part;
            if (kByteOrderMark.starts_with(opening)) return;  // passed over by the parser
            if (opening.starts_with(kByteOrderMark)) opening.remove_prefix(kByteOrderMark.size());
            if (opening.size() > kOpening.size())
                m_declaration = blank ? Declaration::Between : Declaration::Done;
            else if (!kOpening.starts_with(opening))
                m_declaration = Declaration::Done;
            return;
        }
        case Declaration::Between:
            if (blank) return;
            m_part.assign(1, char(c));
            m_declaration = letter ? Declaration::Name : Declaration::Done;
            return;
        case Declaration::Name:
            if (letter && m_part.size() < 16) {
                m_part += char(c);
                return;
            }
            m_declaration = c == '=' ? Declaration::Quote : blank ? Declaration::Equals : Declaration::Done;
            return;
        case Declaration::Equals:
            if (!blank) m_declaration = c == '=' ? Declaration::Quote : Declaration::Done;
            return;
        case Declaration::Quote:
            if (blank) return;
            m_declarationQuote = c;
            m_value.clear();
            m_declaration = c == '"' || c == '\'' ? Declaration::Value : Declaration::Done;
            return;
        case Declaration::Value:
            if (c != m_declarationQuote) {
                if (m_value.size() < 100)
                    m_value += char(c);
                else
                    m_declaration = Declaration::Done;
            } else if (m_part != "encoding") {
                m_declaration = Declaration::Between;
            } else {
                m_declaration = Declaration::Done;
                NameEncoding(m_value);
            }
            return;
        case Declaration::Done:
            return;
    }
}

void XmlTagScanner::NameEncoding(const std::string& name) {
    // A name the parser cannot read ends the parse with an error.
    if (!IsEncodingName(name)) return;
    // The parser reads these on as it began.
    for (const char* same : {"UTF-8", "UTF8", "UTF-16", "UTF16"})
        if (xmlStrcasecmp(reinterpret_cast<const xmlChar*>(name.c_str()),
                          reinterpret_cast<const xmlChar*>(same)) == 0)
            return;
    xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler(name.c_str());
    if (handler && handler == m_decoder) return;
    // A decoder found from the first bytes has decoded a little more than the declaration already, as
    // much as the parser happened to take: where the named one takes over cannot be told.
    if (!handler || m_decoder || !Decodes(*handler)) {
        if (handler) xmlCharEncCloseFunc(handler);
        Refuse(name);
        return;
    }
    Use(handler);
}

// Decodes with a converter of the parser's own kind, which it started at the same byte: what it makes of
// the bytes is what the parser makes of them.
void XmlTagScanner::Decode(const unsigned char* p, const unsigned char* end) {
    if (m_undecodable) return;
    m_split.append(reinterpret_cast<const char*>(p), size_t(end - p));
    const size_t whole = m_split.size() - m_split.size() % m_unitWidth;
    if (xmlBufferAdd(m_undecoded, reinterpret_cast<const xmlChar*>(m_split.data()), int(whole)) != 0)
        throw std::bad_alloc();
    m_split.erase(0, whole);
    while (xmlBufferLength(m_undecoded) > 0) {
        const int written = xmlCharEncInFunc(m_decoder, m_decoded, m_undecoded);
        if (written > 0) continue;
        // Nothing more: a character split between pieces waits for the next; bytes the converter
        // refuses end the parser's reading, as they end the decoding here.
        m_undecodable = written < 0;
        break;
    }
    const xmlChar* const text = xmlBufferContent(m_decoded);
    const xmlChar* const textEnd = text + xmlBufferLength(m_decoded);
    for (const xmlChar* at = text; at < textEnd && m_declaration != Declaration::Done; ++at) Declare(*at);
    if (m_verdict == Verdict::Reading && !Scan(text, textEnd)) m_verdict = Verdict::TooManyAttributes;
    xmlBufferEmpty(m_decoded);
}

void XmlTagScanner::Refuse(const std::string& name) {
    m_encoding = name;
    m_verdict = Verdict::UnsupportedEncoding;
}

bool XmlTagScanner::Scan(const unsigned char* p, const unsigned char* end) {
    // Past the next c, then in the state next; false when the bytes end first.
    const auto skipPast = [&p, end, this](unsigned char c, State next) {
        p = Find(p, end, c);
        if (!p) return false;
        ++p;
        m_state = next;
        return true;
    };
    while (p < end) {
        switch (m_state) {
            case State::Text:
                if (!skipPast('<', State::Open)) return true;
                break;
            case State::Open: {
                const unsigned char c = *p++;
                m_marks = 0;
                m_attributes = 0;
                m_state = c == '!'   ? State::Bang
                          : c == '?' ? State::Pi
                          : c == '/' ? State::Close
                          : c == '>' ? State::Text
                                     : State::Tag;
                break;
            }
            case State::Bang:
            case State::BangDash: {
                const unsigned char c = *p++;
                if (c == '-')
                    m_state = m_state == State::Bang ? State::BangDash : State::Comment;
                else if (c == '[' && m_state == State::Bang)
                    m_state = State::CData;
                else
                    m_state = c == '>' ? State::Text : State::Decl;
                break;
            }
            case State::Comment:
            case State::CData: {
                const unsigned char mark = m_state == State::Comment ? '-' : ']';
                const unsigned char c = *p++;
                if (c == mark) {
                    if (m_marks < 2) ++m_marks;
                    break;
                }
                if (c == '>' && m_marks == 2) m_state = State::Text;
                m_marks = 0;
                break;
            }
            case State::Pi: {
                const unsigned char c = *p++;
                if (c == '>' && m_marks) m_state = State::Text;
                m_marks = c == '?';
                break;
            }
            // A document type declaration is refused before its internal subset is read.
            case State::Decl:
            case State::Close:
                if (!skipPast('>', State::Text)) return true;
                break;
            case State::Tag:
                while (p < end && m_state == State::Tag) {
                    while (!kTagMarks[*p])
                        if (++p == end) return true;
                    const unsigned char c = *p++;
                    if (c == '=') {
                        if (++m_attributes > m_maxAttributes) return false;
                    } else if (c == '"' || c == '\'') {
                        m_quote = c;
                        m_state = State::Quoted;
                    } else if (c == '>') {
                        m_state = State::Text;
                    }
                }
                break;
            case State::Quoted:
                if (!skipPast(m_quote, State::Tag)) return true;
                break;
        }
    }
    return true;
}

}  // namespace Internal
