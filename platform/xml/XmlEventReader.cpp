#include "XmlEventReader.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlschemas.h>

#include <QFile>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "RegularFile.h"
#include "XmlError.h"
#include "XmlInternal.h"
#include "XmlTagScanner.h"

using namespace Internal;

namespace {

// Stand-ins for the children a tree parse would have added; only their kind is ever looked at.
xmlNode MakeKindNode(xmlElementType type) {
    xmlNode node{};
    node.type = type;
    return node;
}
xmlNode kTextChild = MakeKindNode(XML_TEXT_NODE);
xmlNode kOtherChild = MakeKindNode(XML_ELEMENT_NODE);

// Thrown by a handler that has read enough; ends the reading quietly.
struct StopReading {};

std::string_view View(const xmlChar* s) {
    return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

// Bytes that grow in place where the allocator can (glibc moves a large block by remapping its pages),
// where std::string and QByteArray copy themselves into fresh memory at every step.
class GrowingBytes {
public:
    GrowingBytes() = default;
    GrowingBytes(const GrowingBytes&) = delete;
    GrowingBytes& operator=(const GrowingBytes&) = delete;
    ~GrowingBytes() { std::free(data_); }

    const char* Data() const { return data_; }
    size_t Size() const { return size_; }
    void Append(const char* bytes, size_t n) {
        if (n > capacity_ - size_) Reserve(std::max(size_ + n, capacity_ * 2));
        std::memcpy(data_ + size_, bytes, n);
        size_ += n;
    }
    // A long text's room is not kept for the short ones that follow.
    void Clear() {
        size_ = 0;
        if (capacity_ <= kKept) return;
        std::free(data_);
        data_ = nullptr;
        capacity_ = 0;
    }

private:
    static constexpr size_t kKept = size_t(1) << 20;
    void Reserve(size_t capacity) {
        void* grown = std::realloc(data_, std::max<size_t>(capacity, 256));
        if (!grown) throw std::bad_alloc();
        data_ = static_cast<char*>(grown);
        capacity_ = std::max<size_t>(capacity, 256);
    }
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

bool IsBlank(const xmlChar* text, int length) {
    return std::all_of(text, text + length,
                       [](xmlChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

}  // namespace

namespace Internal {

struct EventReadState {
    xmlParserCtxtPtr ctxt = nullptr;
    XmlEventHandler* handler = nullptr;
    // libxml2 decides whether a blank run is ignorable from the element being built (its first and last
    // child). Without a tree, these stand-in elements track the same so the decision stays the tree's.
    std::vector<xmlNode> open;
    XmlStartTag tag;
    const xmlChar* lastUri = nullptr;
    std::string_view lastUriView;
    FirstError error;
    bool refused = false;  // a DOCTYPE, or elements nested too deep
    bool fatal = false;    // the parser met an error it does not go past; nothing more is read
    bool stopped = false;
    std::exception_ptr failure;

    // With validation: libxml2's streaming validator, plugged in without handlers of ours, so that what it
    // sees is decided here.
    const xmlSAXHandler* validator = nullptr;
    void* validatorData = nullptr;
    // The validator appends each piece of a text to all it holds of that text, so a long text read in
    // pieces costs the square of its length: it is handed each element's text whole, once the text ends.
    GrowingBytes heldText;
    bool held = false;
    bool heldCData = false;
    bool heldSignificant = false;  // CDATA, or more than blanks: what element-only content refuses
    int heldLine = 0;              // where the validator met the first piece that counts, for its errors
    int reportLine = 0;            // while the held text is handed over: the line its errors name

    void Refuse(const QString& text) {
        refused = true;
        if (!error.seen) {
            error.seen = true;
            error.line = xmlSAX2GetLineNumber(ctxt);
            error.text = QStringLiteral("line %1: %2").arg(error.line).arg(text);
        }
        xmlStopParser(ctxt);
    }

    void AddChild(xmlNode* kind) {
        if (open.empty()) return;
        xmlNode& parent = open.back();
        if (!parent.children) parent.children = kind;
        parent.last = kind;
    }
    void PointParserAtTop() { ctxt->node = open.empty() ? nullptr : &open.back(); }

    // No exception may cross libxml2's frames: a failure stops the parser and is rethrown afterwards.
    template <typename F>
    void Guard(F&& f) {
        if (stopped || failure) return;
        try {
            f();
        } catch (const StopReading&) {
            stopped = true;
            xmlStopParser(ctxt);
        } catch (...) {
            failure = std::current_exception();
            xmlStopParser(ctxt);
        }
    }

    void Start(const xmlChar* localName, const xmlChar* prefix, const xmlChar* uri, int attributeCount,
               const xmlChar** attributes) {
        // The parser's own limit is lifted with the others; a profile is a few levels deep.
        if (open.size() >= size_t(XmlEventReader::kMaxDepth)) {
            Refuse(QStringLiteral("elements are nested more than %1 deep").arg(XmlEventReader::kMaxDepth));
            return;
        }
        Guard([&] {
            AddChild(&kOtherChild);
            open.push_back(xmlNode{});
            open.back().type = XML_ELEMENT_NODE;
            PointParserAtTop();
            tag.localName_ = View(localName);
            tag.prefix_ = View(prefix);
            // Names come from the parser's dictionary: the same namespace is mostly the same pointer.
            if (uri != lastUri) {
                lastUri = uri;
                lastUriView = View(uri);
            }
            tag.namespaceUri_ = lastUriView;
            tag.attributes_ = attributes;
            tag.attributeCount_ = attributeCount;
            handler->StartElement(tag);
        });
    }
    void End() {
        Guard([&] {
            handler->EndElement();
            open.pop_back();
            PointParserAtTop();
        });
    }
    void Text(xmlNode* kind, const xmlChar* text, int length) {
        Guard([&] {
            AddChild(kind);
            handler->Characters(std::string_view(reinterpret_cast<const char*>(text), size_t(length)));
            if (validator) HoldText(text, length, kind != &kTextChild);
        });
    }

    // Text and CDATA of one element go over as one run (the validator joins them anyway, and never sees
    // the comments and instructions between them); a run with CDATA goes as CDATA, which only
    // element-only content tells apart from text, refusing both.
    void HoldText(const xmlChar* text, int length, bool cdata) {
        if (refused) return;
        // The validator counts in int.
        if (heldText.Size() + size_t(length) > size_t(INT_MAX)) {
            Refuse(QStringLiteral("a text of 2 GB or more cannot be checked against the schema"));
            return;
        }
        const bool significant = !heldSignificant && (cdata || !IsBlank(text, length));
        if (!held || significant) heldLine = xmlSAX2GetLineNumber(ctxt);
        held = true;
        heldCData = heldCData || cdata;
        heldSignificant = heldSignificant || significant;
        heldText.Append(reinterpret_cast<const char*>(text), size_t(length));
    }
    void HandOverText() {
        if (!held) return;
        reportLine = heldLine;
        const auto take = heldCData ? validator->cdataBlock : validator->characters;
        if (take)
            take(validatorData, reinterpret_cast<const xmlChar*>(heldText.Data()), int(heldText.Size()));
        reportLine = 0;
        held = heldCData = heldSignificant = false;
        heldText.Clear();
    }
};

}  // namespace Internal

namespace {

// The state of the read on this thread: error callbacks may receive the validation layer's data in place
// of the parser's.
thread_local EventReadState* t_state = nullptr;

EventReadState& StateOf(void* userData) {
    return *static_cast<EventReadState*>(userData);
}

// The handler first, then the validator, as libxml2's own splitting layer calls them.
void OnStart(void* data, const xmlChar* localName, const xmlChar* prefix, const xmlChar* uri,
             int namespaceCount, const xmlChar** namespaces, int attributeCount, int defaultedCount,
             const xmlChar** attributes) {
    EventReadState& state = StateOf(data);
    state.Start(localName, prefix, uri, attributeCount, attributes);
    if (!state.validator || state.refused) return;
    state.HandOverText();
    state.validator->startElementNs(state.validatorData, localName, prefix, uri, namespaceCount, namespaces,
                                    attributeCount, defaultedCount, attributes);
}
void OnEnd(void* data, const xmlChar* localName, const xmlChar* prefix, const xmlChar* uri) {
    EventReadState& state = StateOf(data);
    state.End();
    if (!state.validator) return;
    state.HandOverText();
    state.validator->endElementNs(state.validatorData, localName, prefix, uri);
}
void OnCharacters(void* data, const xmlChar* text, int length) {
    StateOf(data).Text(&kTextChild, text, length);
}
void OnCData(void* data, const xmlChar* text, int length) {
    StateOf(data).Text(&kOtherChild, text, length);
}
void OnIgnorable(void*, const xmlChar*, int) {}
void OnComment(void* data, const xmlChar*) {
    StateOf(data).AddChild(&kOtherChild);
}
void OnProcessingInstruction(void* data, const xmlChar*, const xmlChar*) {
    StateOf(data).AddChild(&kOtherChild);
}
void OnError(void*, xmlErrorPtr error) {
    if (!t_state) return;
    FirstError::Handler(&t_state->error, error);
    t_state->fatal = t_state->fatal || (error && error->level == XML_ERR_FATAL);
}
// A DOCTYPE stops the parse before its internal subset is read: no entity can be declared.
void OnInternalSubset(void* data, const xmlChar*, const xmlChar*, const xmlChar*) {
    EventReadState& state = StateOf(data);
    if (!state.error.seen) {
        state.error.seen = true;
        state.error.line = xmlSAX2GetLineNumber(state.ctxt);
        state.error.text = DocTypeNotAllowed(state.error.line);
    }
    state.refused = true;
    xmlStopParser(state.ctxt);
}

struct Source {
    QFile* file = nullptr;
    const QByteArray* bytes = nullptr;
    qint64 read = 0;
    qint64 size = 0;
    QString name;
    XmlEventReader::Control control;
    bool cancelled = false;
    // The parser is handed no byte of a start tag past its last allowed attribute, nor any byte in an
    // encoding the scanner cannot follow.
    XmlTagScanner tags{XmlEventReader::kMaxAttributes};
    QString refusal;
};

// The parser asks for the document a few kilobytes at a time: the place to notice a cancel and a start
// tag of too many attributes. A failed read ends the parse at once. After the parser's first fatal error
// the document is refused whatever follows: the rest is not read (the parser would go on through it,
// only to find more errors).
int ReadPiece(void* context, char* buffer, int len) {
    Source& source = *static_cast<Source*>(context);
    if (t_state && t_state->fatal) return 0;
    if (source.control.cancel && source.control.cancel->load(std::memory_order_relaxed)) {
        source.cancelled = true;
        return -1;
    }
    qint64 n = 0;
    if (source.file) {
        n = source.file->read(buffer, len);
        if (n < 0) return -1;
    } else {
        n = std::min<qint64>(len, source.size - source.read);
        std::memcpy(buffer, source.bytes->constData() + source.read, size_t(n));
    }
    switch (source.tags.Feed(buffer, size_t(n))) {
        case XmlTagScanner::Verdict::Reading:
            break;
        case XmlTagScanner::Verdict::TooManyAttributes:
            source.refusal =
                QStringLiteral("a start tag has more than %1 attributes, more than this editor reads")
                    .arg(XmlEventReader::kMaxAttributes);
            return -1;
        case XmlTagScanner::Verdict::UnsupportedEncoding:
            source.refusal = QStringLiteral("encoding %1 is not supported")
                                 .arg(QString::fromStdString(source.tags.Encoding()));
            return -1;
    }
    source.read += n;
    if (source.control.progress) source.control.progress(source.read, source.size);
    return static_cast<int>(n);
}

int CloseNothing(void*) {
    return 0;
}

int LocateInParser(void* ctx, const char** file, unsigned long* line) {
    const EventReadState& state = *static_cast<const EventReadState*>(ctx);
    *file = state.ctxt->input ? state.ctxt->input->filename : nullptr;
    *line =
        static_cast<unsigned long>(state.reportLine ? state.reportLine : xmlSAX2GetLineNumber(state.ctxt));
    return 0;
}

using ParserPtr = std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)>;

// Unlimited, for the writers' long texts and values (XML_PARSE_HUGE); the depth it no longer limits is
// limited by the reader.
constexpr int kReadOptions = kParseOptions | XML_PARSE_HUGE;

ParserPtr NewParser(Source& source) {
    xmlParserCtxtPtr ctxt =
        xmlCreateIOParserCtxt(nullptr, nullptr, ReadPiece, CloseNothing, &source, XML_CHAR_ENCODING_NONE);
    if (!ctxt) throw XmlError(QStringLiteral("out of memory"));
    ParserPtr parser(ctxt, xmlFreeParserCtxt);
    xmlCtxtUseOptions(ctxt, kReadOptions);
    xmlSAXHandler* sax = ctxt->sax;
    *sax = xmlSAXHandler{};
    sax->initialized = XML_SAX2_MAGIC;
    sax->startElementNs = OnStart;
    sax->endElementNs = OnEnd;
    sax->characters = OnCharacters;
    sax->cdataBlock = OnCData;
    // Set apart from the text callback, so the parser tells ignorable blanks apart as it does for a tree.
    sax->ignorableWhitespace = OnIgnorable;
    sax->comment = OnComment;
    sax->processingInstruction = OnProcessingInstruction;
    sax->internalSubset = OnInternalSubset;
    sax->serror = OnError;
    return parser;
}

// Parses the whole source into the handler; with a validation context, validates on the way.
void Parse(Source& source, XmlEventHandler& handler, xmlSchemaValidCtxtPtr validation, bool& valid) {
    XmlDocument::InitializeParser();
    ParserPtr parser = NewParser(source);
    xmlParserCtxtPtr ctxt = parser.get();
    EventReadState state;
    state.ctxt = ctxt;
    state.handler = &handler;
    ctxt->userData = &state;
    EventReadState* const previous = t_state;
    t_state = &state;

    // Plugged in without a handler to pass events on to, the validator gives its own handlers, which the
    // reader's call as it sees fit. Ignorable blanks stay out of the validation, as they are not in a tree.
    xmlSchemaSAXPlugPtr plug = nullptr;
    xmlSAXHandlerPtr validatorSax = nullptr;
    void* validatorData = nullptr;
    if (validation) {
        plug = xmlSchemaSAXPlug(validation, &validatorSax, &validatorData);
        if (!plug || !validatorSax || !validatorSax->startElementNs || !validatorSax->endElementNs) {
            if (plug) xmlSchemaSAXUnplug(plug);
            t_state = previous;
            throw XmlError(QStringLiteral("the schema could not be used"));
        }
        state.validator = validatorSax;
        state.validatorData = validatorData;
        xmlSchemaValidateSetLocator(validation, LocateInParser, &state);
    }
    xmlParseDocument(ctxt);
    if (plug) {
        valid = xmlSchemaIsValid(validation) == 1;
        xmlSchemaValidateSetLocator(validation, nullptr, nullptr);
        xmlSchemaSAXUnplug(plug);
    }
    ctxt->node = nullptr;
    t_state = previous;

    if (source.cancelled) throw XmlReadCancelled();
    if (state.failure) std::rethrow_exception(state.failure);
    if (!source.refusal.isEmpty()) {
        // Read but not taken, like a file that cannot be read: the parser's own complaint would be about
        // the rest it was not given.
        const QString reason =
            QStringLiteral("line %1: %2").arg(xmlSAX2GetLineNumber(ctxt)).arg(source.refusal);
        throw XmlError(source.name.isEmpty() ? reason : source.name + QStringLiteral(": ") + reason, reason,
                       0);
    }
    if (!ctxt->wellFormed || !ctxt->nsWellFormed || state.refused) {
        const QString reason =
            state.error.seen ? state.error.text : QStringLiteral("the document is not well-formed");
        // A document that was read but refused has a place where it went wrong.
        throw XmlError(source.name.isEmpty() ? reason : source.name + QStringLiteral(": ") + reason, reason,
                       std::max(1, state.error.line));
    }
}

template <typename Body>
void WithFile(const QString& path, const XmlEventReader::Control& control, Body body) {
    QFile file;
    QString reason;
    if (!OpenRegularFile(path, file, reason))
        throw XmlError(QStringLiteral("%1: cannot open: %2").arg(path, reason), reason, 0);
    Source source;
    source.file = &file;
    source.size = file.size();
    source.name = path;
    source.control = control;
    body(source);
}

class RootProbe : public XmlEventHandler {
public:
    void StartElement(const XmlStartTag& tag) override {
        uri = QString::fromUtf8(tag.NamespaceUri().data(), qsizetype(tag.NamespaceUri().size()));
        throw StopReading();
    }
    void EndElement() override {}
    void Characters(std::string_view) override {}
    QString uri;
};

}  // namespace

bool XmlStartTag::Attribute(std::string_view localName, std::string& value) const {
    for (int i = 0; i < attributeCount_; ++i) {
        const unsigned char* const* a = attributes_ + 5 * i;
        if (a[2] || View(a[0]) != localName) continue;
        value.assign(reinterpret_cast<const char*>(a[3]), size_t(a[4] - a[3]));
        // The parser passes every '&' of a value on as "&#38;", which a tree turns back into '&'.
        for (size_t at = value.find("&#38;"); at != std::string::npos; at = value.find("&#38;", at + 1))
            value.replace(at, 5, 1, '&');
        return true;
    }
    return false;
}

void XmlEventReader::ReadFile(const QString& path, XmlEventHandler& handler, const Control& control) {
    bool valid = true;
    WithFile(path, control, [&](Source& source) { Parse(source, handler, nullptr, valid); });
}

void XmlEventReader::ReadBytes(const QByteArray& data, XmlEventHandler& handler, const QString& sourceName) {
    bool valid = true;
    Source source;
    source.bytes = &data;
    source.size = data.size();
    source.name = sourceName;
    Parse(source, handler, nullptr, valid);
}

QString XmlEventReader::ReadFileValidated(const QString& path, const XmlSchema& schema,
                                          XmlEventHandler& handler, int* line, const Control& control) {
    if (line) *line = 0;
    if (schema.IsNull()) throw XmlError(QStringLiteral("no schema"));
    std::unique_ptr<xmlSchemaValidCtxt, void (*)(xmlSchemaValidCtxtPtr)> validation(
        xmlSchemaNewValidCtxt(XmlAccess::Schema(schema)), xmlSchemaFreeValidCtxt);
    if (!validation) throw XmlError(QStringLiteral("out of memory"));
    FirstError error;
    xmlSchemaSetValidStructuredErrors(validation.get(), FirstError::Handler, &error);
    bool valid = true;
    WithFile(path, control, [&](Source& source) { Parse(source, handler, validation.get(), valid); });
    if (valid && !error.seen) return {};
    if (line) *line = error.line;
    if (error.seen && !error.text.isEmpty()) return error.text;
    return QStringLiteral("the document does not match the schema");
}

QString XmlEventReader::RootNamespaceUri(const QString& path) {
    RootProbe probe;
    ReadFile(path, probe);
    return probe.uri;
}
