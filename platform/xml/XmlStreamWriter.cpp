#include "XmlStreamWriter.h"

#include <libxml/tree.h>

#include <QHash>
#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>
#include <utility>
#include <vector>

#include "XmlAtomicFile.h"
#include "XmlError.h"
#include "XmlInternal.h"

using namespace Internal;

namespace {

// The document is built in memory block by block; the file gets whole blocks.
constexpr qsizetype kBlockSize = 256 * 1024;
// One UTF-16 unit becomes at most six bytes ("&quot;").
constexpr qsizetype kMaxBytesPerUnit = 6;

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// What an ASCII character becomes in text and in attribute values: null for itself, "" for a
// character XML cannot carry. Tabs and line feeds stay in text; in attribute values they are
// references, as a parser would turn them into spaces.
struct AsciiEscapes {
    const char* text[128] = {};
    const char* attribute[128] = {};
    constexpr AsciiEscapes() {
        for (int c = 0; c < 0x20; ++c) text[c] = attribute[c] = "";
        text[unsigned('\t')] = nullptr;
        text[unsigned('\n')] = nullptr;
        attribute[unsigned('\t')] = "&#9;";
        attribute[unsigned('\n')] = "&#10;";
        for (const auto& [c, escape] : {std::pair<unsigned, const char*>{'\r', "&#13;"},
                                        {'"', "&quot;"},
                                        {'&', "&amp;"},
                                        {'<', "&lt;"},
                                        {'>', "&gt;"}})
            text[c] = attribute[c] = escape;
    }
};
constexpr AsciiEscapes kEscapes;

[[noreturn]] void ThrowUnwritableCharacter(char16_t c) {
    const QString code = QString::number(int(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    throw XmlError(QStringLiteral("the text holds the character U+%1, which XML cannot carry").arg(code));
}

#ifdef __SSE2__
// Copies the leading run of characters that stand for themselves in text and attribute values alike
// (printable ASCII but " & < >), eight at a time; returns how many it copied.
qsizetype CopyPlainAscii(const char16_t* s, qsizetype n, char*& out) {
    const __m128i space = _mm_set1_epi16(0x20), del = _mm_set1_epi16(0x7F);
    const __m128i quote = _mm_set1_epi16('"'), amp = _mm_set1_epi16('&'), lt = _mm_set1_epi16('<'),
                  gt = _mm_set1_epi16('>');
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Signed compares: units from 0x8000 up count as below the space and end the run too.
        __m128i special = _mm_or_si128(_mm_cmplt_epi16(v, space),
                                       _mm_cmpgt_epi16(v, _mm_sub_epi16(del, _mm_set1_epi16(1))));
        special = _mm_or_si128(special, _mm_or_si128(_mm_cmpeq_epi16(v, quote), _mm_cmpeq_epi16(v, amp)));
        special = _mm_or_si128(special, _mm_or_si128(_mm_cmpeq_epi16(v, lt), _mm_cmpeq_epi16(v, gt)));
        if (_mm_movemask_epi8(special)) break;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(v, v));
        out += 8;
    }
    return i;
}
#endif

// Writes the text as escaped UTF-8 from out on and returns the end; throws XmlError, having written
// nothing that counts, at the first character XML cannot carry.
char* Encode(const QString& text, const char* const* escapes, char* out) {
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of plain ASCII go eight at a time; the block that ends a run goes one by one.
        qsizetype stop = n;
#ifdef __SSE2__
        i += CopyPlainAscii(s + i, n - i, out);
        stop = std::min(n, i + 8);
#endif
        for (; i < stop; ++i) {
            const char16_t c = s[i];
            if (c < 0x80) {
                const char* e = escapes[c];
                if (!e) {
                    *out++ = char(c);
                } else if (*e) {
                    const size_t len = std::strlen(e);
                    std::memcpy(out, e, len);
                    out += len;
                } else {
                    ThrowUnwritableCharacter(c);
                }
            } else if (c < 0x800) {
                *out++ = char(0xC0 | (c >> 6));
                *out++ = char(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c)) {
                if (i + 1 >= n || !QChar::isLowSurrogate(s[i + 1])) ThrowUnwritableCharacter(c);
                const char32_t u = QChar::surrogateToUcs4(c, s[++i]);
                *out++ = char(0xF0 | (u >> 18));
                *out++ = char(0x80 | ((u >> 12) & 0x3F));
                *out++ = char(0x80 | ((u >> 6) & 0x3F));
                *out++ = char(0x80 | (u & 0x3F));
            } else if (QChar::isLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
                ThrowUnwritableCharacter(c);
            } else {
                *out++ = char(0xE0 | (c >> 12));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            }
        }
    }
    return out;
}

// One open element: its name for the end tag and how many namespace bindings it declared.
struct OpenElement {
    QByteArray name;
    qsizetype prefixLength = -1;
    int declared = 0;
};

}  // namespace

XmlStreamWriter::Name::Name(const QString& qualifiedName)
    : text_(qualifiedName), utf8_(qualifiedName.toUtf8()) {
    valid_ = !qualifiedName.isEmpty() &&
             xmlValidateQName(reinterpret_cast<const xmlChar*>(utf8_.constData()), 0) == 0;
    prefixLength_ = utf8_.indexOf(':');
}

struct XmlStreamWriter::Impl {
    explicit Impl(const QString& path) : path(path), file(path), buffer(new char[kBlockSize]) {}

    // Room for n more bytes; whole blocks go to the file first.
    char* Reserve(qsizetype n) {
        if (length + n > capacity) {
            Flush();
            if (n > capacity) {
                buffer.reset(new char[n]);
                capacity = n;
            }
        }
        return buffer.get() + length;
    }
    void Append(const char* data, qsizetype n) {
        std::memcpy(Reserve(n), data, size_t(n));
        length += n;
    }
    void Append(const QByteArray& bytes) { Append(bytes.constData(), bytes.size()); }
    void Append(char c) {
        *Reserve(1) = c;
        ++length;
    }
    // A failed write to the file is reported by Commit.
    void Flush() {
        if (!ioFailed && length > 0 && !file.Write(buffer.get(), length)) ioFailed = true;
        length = 0;
    }

    // Escaped text; on a character XML cannot carry nothing is kept and XmlError is thrown. A pending
    // ">" of the start tag goes first.
    void AppendText(const QString& text, const char* const* escapes, bool closeStartTag) {
        char* const start = Reserve(text.size() * kMaxBytesPerUnit + 1);
        char* out = start;
        if (closeStartTag) *out++ = '>';
        out = Encode(text, escapes, out);
        length += out - start;
    }

    const Name& CachedName(const QString& qualifiedName) {
        auto it = names.constFind(qualifiedName);
        if (it != names.cend()) return *it;
        if (names.size() >= 1024) names.clear();
        return *names.insert(qualifiedName, Name(qualifiedName));
    }

    static void Require(const Name& name) {
        if (!name.valid_) throw XmlError(QStringLiteral("\"%1\" is not a valid XML name").arg(name.text_));
    }

    // Every element asks, so the comparison stays inline.
    bool IsBound(QByteArrayView prefix) const {
        auto same = [&](const char* data, qsizetype size) {
            return size == prefix.size() && std::memcmp(data, prefix.data(), size_t(size)) == 0;
        };
        if (same("xml", 3)) return true;
        for (const auto& b : bindings)
            if (same(b.first.constData(), b.first.size())) return true;
        return false;
    }

    static void RequireBound(bool bound, QByteArrayView prefix) {
        if (!bound)
            throw XmlError(QStringLiteral("the prefix \"%1\" is not bound to a namespace")
                               .arg(QString::fromUtf8(prefix)));
    }

    // The prefixes of a start tag may be declared by any of its attributes, so they are checked once
    // the tag is complete.
    void CompleteStartTag() {
        if (!attributesOpen) return;
        attributesOpen = false;
        const OpenElement& e = open.back();
        if (e.prefixLength >= 0) {
            const QByteArrayView prefix(e.name.constData(), e.prefixLength);
            RequireBound(IsBound(prefix), prefix);
        }
        for (const QByteArray& p : attributePrefixes) RequireBound(IsBound(p), p);
    }

    void Declare(const QString& prefix, const QString& uri) {
        RequireNamespaceDeclaration(prefix, uri);
        const QByteArray p = prefix.toUtf8(), u = uri.toUtf8();
        OpenElement& e = open.back();
        for (auto b = bindings.cend() - e.declared; b != bindings.cend(); ++b) {
            if (b->first != p) continue;
            if (b->second == u) return;
            throw XmlError(QStringLiteral("the prefix \"%1\" is already bound here").arg(prefix));
        }
        bindings.emplace_back(p, u);
        ++e.declared;
        Append(p.isEmpty() ? QByteArray(" xmlns=\"") : QByteArray(" xmlns:" + p + "=\""));
        AppendText(uri, kEscapes.attribute, false);
        Append('"');
    }

    void StartElement(const Name& name) {
        if (open.empty() && rootWritten)
            throw XmlError(QStringLiteral("a document has only one root element"));
        CompleteStartTag();
        Require(name);
        char* out = Reserve(name.utf8_.size() + 2);
        if (startTagUnclosed) *out++ = '>';
        *out++ = '<';
        std::memcpy(out, name.utf8_.constData(), size_t(name.utf8_.size()));
        length = out + name.utf8_.size() - buffer.get();
        open.push_back(OpenElement{name.utf8_, name.prefixLength_, 0});
        if (!attributes.empty()) {
            attributes.clear();
            attributePrefixes.clear();
        }
        attributesOpen = true;
        startTagUnclosed = true;
    }

    void WriteAttribute(const Name& name, const QString& value) {
        if (!attributesOpen)
            throw XmlError(QStringLiteral("attributes can only be written on an element just started"));
        if (name.text_ == QLatin1String("xmlns")) return Declare(QString(), value);
        if (name.text_.startsWith(QLatin1String("xmlns:"))) return Declare(name.text_.mid(6), value);
        Require(name);
        // The value is escaped first and kept only when the attribute is accepted.
        char* const start = Reserve(name.utf8_.size() + 4 + value.size() * kMaxBytesPerUnit);
        char* out = start;
        *out++ = ' ';
        std::memcpy(out, name.utf8_.constData(), size_t(name.utf8_.size()));
        out += name.utf8_.size();
        *out++ = '=';
        *out++ = '"';
        out = Encode(value, kEscapes.attribute, out);
        *out++ = '"';
        for (const QByteArray& a : attributes) {
            if (a == name.utf8_)
                throw XmlError(QStringLiteral("the attribute \"%1\" is written twice").arg(name.text_));
        }
        attributes.push_back(name.utf8_);
        if (name.prefixLength_ >= 0) attributePrefixes.push_back(name.utf8_.left(name.prefixLength_));
        length += out - start;
    }

    void WriteText(const QString& text) {
        if (open.empty()) throw XmlError(QStringLiteral("text can only be written inside an element"));
        CompleteStartTag();
        AppendText(text, kEscapes.text, startTagUnclosed);
        startTagUnclosed = false;
    }

    // Start, text and end at once, in the bytes the three calls would write. Values are most of a
    // profile's elements, and a whole one needs no place on the stack of open elements.
    void WriteTextElement(const Name& name, const QString& text) {
        if (open.empty()) {
            StartElement(name);
            WriteText(text);
            EndElement();
            return;
        }
        CompleteStartTag();
        Require(name);
        if (name.prefixLength_ >= 0) {
            const QByteArrayView prefix(name.utf8_.constData(), name.prefixLength_);
            RequireBound(IsBound(prefix), prefix);
        }
        const qsizetype n = name.utf8_.size();
        char* const start = Reserve(2 * n + 6 + text.size() * kMaxBytesPerUnit);
        char* out = start;
        if (startTagUnclosed) *out++ = '>';
        *out++ = '<';
        std::memcpy(out, name.utf8_.constData(), size_t(n));
        out += n;
        *out++ = '>';
        out = Encode(text, kEscapes.text, out);
        *out++ = '<';
        *out++ = '/';
        std::memcpy(out, name.utf8_.constData(), size_t(n));
        out += n;
        *out++ = '>';
        length += out - start;
        startTagUnclosed = false;
    }

    void EndElement() {
        if (open.empty()) throw XmlError(QStringLiteral("no element is open"));
        CompleteStartTag();
        const OpenElement& e = open.back();
        if (startTagUnclosed) {
            Append("/>", 2);
        } else {
            char* out = Reserve(e.name.size() + 3);
            *out++ = '<';
            *out++ = '/';
            std::memcpy(out, e.name.constData(), size_t(e.name.size()));
            out += e.name.size();
            *out++ = '>';
            length = out - buffer.get();
        }
        startTagUnclosed = false;
        bindings.resize(bindings.size() - size_t(e.declared));
        open.pop_back();
        if (open.empty()) rootWritten = true;
    }

    QString path;
    XmlAtomicFile file;
    std::unique_ptr<char[]> buffer;
    qsizetype capacity = kBlockSize;
    qsizetype length = 0;
    bool ioFailed = false;
    bool committed = false;
    std::vector<OpenElement> open;
    // Prefix and namespace of every declaration on the open elements, outermost first.
    std::vector<std::pair<QByteArray, QByteArray>> bindings;
    // The start tag last written still takes attributes; its prefixes are not yet checked.
    bool attributesOpen = false;
    // The start tag last written still lacks its ">": an element ended now is written empty.
    bool startTagUnclosed = false;
    // Names and prefixes of the attributes of the start tag that takes attributes.
    std::vector<QByteArray> attributes;
    std::vector<QByteArray> attributePrefixes;
    bool rootWritten = false;
    QHash<QString, Name> names;
};

XmlStreamWriter::XmlStreamWriter(const QString& path) : d_(std::make_unique<Impl>(path)) {
    d_->Append(kDeclaration, qsizetype(sizeof kDeclaration) - 1);
}

XmlStreamWriter::~XmlStreamWriter() = default;

void XmlStreamWriter::AddProcessingInstruction(const QString& target, const QString& data) {
    if (target.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0) return;
    if (!d_->open.empty() || d_->rootWritten)
        throw XmlError(QStringLiteral("a processing instruction can only precede the root element"));
    RequireQName(target);
    RequireXmlText(data);
    if (target.contains(QLatin1Char(':')) || data.contains(QLatin1String("?>")))
        throw XmlError(QStringLiteral("invalid processing instruction \"%1\"").arg(target));
    d_->Append("<?", 2);
    d_->Append(target.toUtf8());
    d_->Append(' ');
    d_->Append(data.toUtf8());
    d_->Append("?>", 2);
}

void XmlStreamWriter::StartElement(const QString& qualifiedName) {
    d_->StartElement(d_->CachedName(qualifiedName));
}

void XmlStreamWriter::StartElement(const Name& name) {
    d_->StartElement(name);
}

void XmlStreamWriter::WriteAttribute(const QString& qualifiedName, const QString& value) {
    d_->WriteAttribute(d_->CachedName(qualifiedName), value);
}

void XmlStreamWriter::WriteAttribute(const Name& name, const QString& value) {
    d_->WriteAttribute(name, value);
}

void XmlStreamWriter::WriteText(const QString& text) {
    d_->WriteText(text);
}

void XmlStreamWriter::EndElement() {
    d_->EndElement();
}

void XmlStreamWriter::WriteTextElement(const Name& name, const QString& text) {
    d_->WriteTextElement(name, text);
}

void XmlStreamWriter::Commit() {
    if (d_->committed) throw XmlError(QStringLiteral("%1: the document was already written").arg(d_->path));
    if (!d_->open.empty() || !d_->rootWritten)
        throw XmlError(QStringLiteral("%1: the document is not complete").arg(d_->path));
    d_->committed = true;
    d_->Append('\n');
    d_->Flush();
    if (d_->ioFailed) {
        const QString reason = d_->file.ErrorText();
        throw XmlError(QStringLiteral("%1: cannot write: %2").arg(d_->path, reason), reason, 0);
    }
    d_->file.Commit();
}
