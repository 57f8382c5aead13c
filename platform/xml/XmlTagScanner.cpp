#include "XmlTagScanner.h"

#include <array>
#include <cstring>

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

}  // namespace

bool XmlTagScanner::Feed(const char* data, size_t size) {
    if (m_overLimit) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    if (m_width == 0) {
        m_pending.insert(m_pending.end(), bytes, bytes + size);
        if (m_pending.size() < 4) return true;
        DetectUnitWidth();
        std::vector<unsigned char> first;
        first.swap(m_pending);
        return Feed(reinterpret_cast<const char*>(first.data()), first.size());
    }
    if (m_width == 1) return Scan(bytes, bytes + size);

    const auto width = size_t(m_width);
    const auto narrow = [this, width](const unsigned char* unit) {
        uint32_t value = 0;
        for (size_t i = 0; i < width; ++i) value = value << 8 | unit[m_bigEndian ? i : width - 1 - i];
        return static_cast<unsigned char>(value < 0x80 ? value : 0x80);
    };
    m_narrow.clear();
    size_t at = 0;
    while (!m_pending.empty() && at < size) {
        m_pending.push_back(bytes[at++]);
        if (m_pending.size() < width) continue;
        m_narrow.push_back(narrow(m_pending.data()));
        m_pending.clear();
    }
    for (; at + width <= size; at += width) m_narrow.push_back(narrow(bytes + at));
    m_pending.assign(bytes + at, bytes + size);
    return Scan(m_narrow.data(), m_narrow.data() + m_narrow.size());
}

// As the parser tells the encoding family: a byte order mark, or the units of "<?" seen in the first bytes.
void XmlTagScanner::DetectUnitWidth() {
    const unsigned char* b = m_pending.data();
    m_width = 1;
    if (b[0] == 0 && b[1] == 0) {
        m_width = 4;
        m_bigEndian = true;
    } else if (b[2] == 0 && b[3] == 0 && ((b[0] == 0x3C && b[1] == 0) || (b[0] == 0xFF && b[1] == 0xFE))) {
        m_width = 4;
    } else if ((b[0] == 0xFE && b[1] == 0xFF) || (b[0] == 0 && b[1] == 0x3C)) {
        m_width = 2;
        m_bigEndian = true;
    } else if ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0x3C && b[1] == 0)) {
        m_width = 2;
    }
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
                        if (++m_attributes > m_maxAttributes) {
                            m_overLimit = true;
                            return false;
                        }
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
