#include "XmlEventReader.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlschemas.h>

#include <QFile>
#include <algorithm>
#include <exception>
#include <limits>
#include <memory>
#include <vector>

#include "XmlError.h"
#include "XmlInternal.h"

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
    bool dtdRefused = false;
    bool stopped = false;
    std::exception_ptr failure;

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
        });
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

void OnStart(void* data, const xmlChar* localName, const xmlChar* prefix, const xmlChar* uri, int,
             const xmlChar**, int attributeCount, int, const xmlChar** attributes) {
    StateOf(data).Start(localName, prefix, uri, attributeCount, attributes);
}
void OnEnd(void* data, const xmlChar*, const xmlChar*, const xmlChar*) {
    StateOf(data).End();
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
    if (t_state) FirstError::Handler(&t_state->error, error);
}
// A DOCTYPE stops the parse before its internal subset is read: no entity can be declared.
void OnInternalSubset(void* data, const xmlChar*, const xmlChar*, const xmlChar*) {
    EventReadState& state = StateOf(data);
    state.dtdRefused = true;
    if (!state.error.seen) {
        state.error.seen = true;
        state.error.line = xmlSAX2GetLineNumber(state.ctxt);
        state.error.text = DocTypeNotAllowed(state.error.line);
    }
    xmlStopParser(state.ctxt);
}

int ReadFromQFile(void* context, char* buffer, int len) {
    const qint64 n = static_cast<QFile*>(context)->read(buffer, len);
    return n < 0 ? -1 : static_cast<int>(n);
}

int CloseNothing(void*) {
    return 0;
}

int LocateInParser(void* ctx, const char** file, unsigned long* line) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    *file = ctxt->input ? ctxt->input->filename : nullptr;
    *line = static_cast<unsigned long>(xmlSAX2GetLineNumber(ctxt));
    return 0;
}

struct Source {
    QFile* file = nullptr;
    const QByteArray* bytes = nullptr;
    QString name;
};

using ParserPtr = std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)>;

ParserPtr NewParser(const Source& source) {
    xmlParserCtxtPtr ctxt = nullptr;
    if (source.file) {
        ctxt = xmlCreateIOParserCtxt(nullptr, nullptr, ReadFromQFile, CloseNothing, source.file,
                                     XML_CHAR_ENCODING_NONE);
    } else {
        if (source.bytes->size() > std::numeric_limits<int>::max())
            throw XmlError(QStringLiteral("too large"));
        ctxt = xmlCreateMemoryParserCtxt(source.bytes->constData(), int(source.bytes->size()));
    }
    if (!ctxt) throw XmlError(QStringLiteral("out of memory"));
    ParserPtr parser(ctxt, xmlFreeParserCtxt);
    xmlCtxtUseOptions(ctxt, kParseOptions);
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
void Parse(const Source& source, XmlEventHandler& handler, xmlSchemaValidCtxtPtr validation, bool& valid) {
    XmlDocument::InitializeParser();
    ParserPtr parser = NewParser(source);
    xmlParserCtxtPtr ctxt = parser.get();
    EventReadState state;
    state.ctxt = ctxt;
    state.handler = &handler;
    ctxt->userData = &state;
    EventReadState* const previous = t_state;
    t_state = &state;

    xmlSchemaSAXPlugPtr plug = nullptr;
    if (validation) {
        plug = xmlSchemaSAXPlug(validation, &ctxt->sax, &ctxt->userData);
        if (!plug) {
            t_state = previous;
            throw XmlError(QStringLiteral("the schema could not be used"));
        }
        // Ignorable blanks stay out of the validation too, as they are not in a tree.
        ctxt->sax->ignorableWhitespace = OnIgnorable;
        ctxt->sax->serror = OnError;
        xmlSchemaValidateSetLocator(validation, LocateInParser, ctxt);
    }
    xmlParseDocument(ctxt);
    if (plug) {
        valid = xmlSchemaIsValid(validation) == 1;
        xmlSchemaValidateSetLocator(validation, nullptr, nullptr);
        xmlSchemaSAXUnplug(plug);
    }
    ctxt->node = nullptr;
    t_state = previous;

    if (state.failure) std::rethrow_exception(state.failure);
    if (!ctxt->wellFormed || !ctxt->nsWellFormed || state.dtdRefused) {
        const QString reason =
            state.error.seen ? state.error.text : QStringLiteral("the document is not well-formed");
        // A document that was read but refused has a place where it went wrong.
        throw XmlError(source.name.isEmpty() ? reason : source.name + QStringLiteral(": ") + reason, reason,
                       std::max(1, state.error.line));
    }
}

template <typename Body>
void WithFile(const QString& path, Body body) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw XmlError(QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()),
                       file.errorString(), 0);
    body(Source{&file, nullptr, path});
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

void XmlEventReader::ReadFile(const QString& path, XmlEventHandler& handler) {
    bool valid = true;
    WithFile(path, [&](const Source& source) { Parse(source, handler, nullptr, valid); });
}

void XmlEventReader::ReadBytes(const QByteArray& data, XmlEventHandler& handler, const QString& sourceName) {
    bool valid = true;
    Parse(Source{nullptr, &data, sourceName}, handler, nullptr, valid);
}

QString XmlEventReader::ReadFileValidated(const QString& path, const XmlSchema& schema,
                                          XmlEventHandler& handler, int* line) {
    if (line) *line = 0;
    if (schema.IsNull()) throw XmlError(QStringLiteral("no schema"));
    std::unique_ptr<xmlSchemaValidCtxt, void (*)(xmlSchemaValidCtxtPtr)> validation(
        xmlSchemaNewValidCtxt(XmlAccess::Schema(schema)), xmlSchemaFreeValidCtxt);
    if (!validation) throw XmlError(QStringLiteral("out of memory"));
    FirstError error;
    xmlSchemaSetValidStructuredErrors(validation.get(), FirstError::Handler, &error);
    bool valid = true;
    WithFile(path, [&](const Source& source) { Parse(source, handler, validation.get(), valid); });
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
