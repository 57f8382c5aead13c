#include "XmlDocument.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <QFile>
#include <algorithm>
#include <mutex>

#include "XmlAtomicFile.h"
#include "XmlError.h"
#include "XmlInternal.h"

using namespace Internal;

namespace {

struct ParseState {
    FirstError error;
    bool dtdRefused = false;
};

void OnParserError(void* ctx, xmlErrorPtr error) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    FirstError::Handler(&static_cast<ParseState*>(ctxt->_private)->error, error);
}

// A DOCTYPE stops the parse before its internal subset is read: no entity can be declared.
void OnInternalSubset(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    auto* state = static_cast<ParseState*>(ctxt->_private);
    state->dtdRefused = true;
    if (!state->error.seen) {
        state->error.seen = true;
        state->error.line = xmlSAX2GetLineNumber(ctxt);
        state->error.text = DocTypeNotAllowed(state->error.line);
    }
    xmlStopParser(ctxt);
}

int ReadFromQFile(void* context, char* buffer, int len) {
    const qint64 n = static_cast<QFile*>(context)->read(buffer, len);
    return n < 0 ? -1 : static_cast<int>(n);
}

int CloseNothing(void*) {
    return 0;
}

template <typename Read>
XmlDocument Parse(Read read, const QString& sourceName) {
    XmlDocument::InitializeParser();
    std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> ctxt(xmlNewParserCtxt(), xmlFreeParserCtxt);
    if (!ctxt) throw XmlError(QStringLiteral("out of memory"));
    ParseState state;
    ctxt->_private = &state;
    ctxt->sax->serror = OnParserError;
    ctxt->sax->internalSubset = OnInternalSubset;
    xmlDocPtr doc = read(ctxt.get());
    if (doc && (!ctxt->wellFormed || !ctxt->nsWellFormed || state.dtdRefused)) {
        xmlFreeDoc(doc);
        doc = nullptr;
    }
    if (!doc) {
        const QString reason =
            state.error.seen ? state.error.text : QStringLiteral("the document is not well-formed");
        // A document that was read but refused has a place where it went wrong.
        const int line = std::max(1, state.error.line);
        throw XmlError(sourceName.isEmpty() ? reason : sourceName + QStringLiteral(": ") + reason, reason,
                       line);
    }
    return XmlAccess::Wrap(doc);
}

}  // namespace

void XmlDocument::InitializeParser() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

XmlDocument XmlDocument::Create() {
    InitializeParser();
    xmlDocPtr doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    if (!doc) throw XmlError(QStringLiteral("out of memory"));
    return XmlAccess::Wrap(doc);
}

XmlDocument XmlDocument::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw XmlError(QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()),
                       file.errorString(), 0);
    const QByteArray url = QFile::encodeName(path);
    return Parse(
        [&](xmlParserCtxtPtr ctxt) {
            return xmlCtxtReadIO(ctxt, ReadFromQFile, CloseNothing, &file, url.constData(), nullptr,
                                 kParseOptions);
        },
        path);
}

XmlDocument XmlDocument::LoadBytes(const QByteArray& data, const QString& sourceName) {
    const QByteArray url = sourceName.toUtf8();
    return Parse(
        [&](xmlParserCtxtPtr ctxt) {
            return xmlCtxtReadMemory(ctxt, data.constData(), int(data.size()),
                                     url.isEmpty() ? nullptr : url.constData(), nullptr, kParseOptions);
        },
        sourceName);
}

XmlNode XmlDocument::DocumentElement() const {
    if (!doc_) return {};
    xmlNodePtr root = xmlDocGetRootElement(doc_.get());
    return root ? XmlNode(doc_, root) : XmlNode();
}

XmlNode XmlDocument::CreateDocumentElement(const QString& qualifiedName, const QString& namespaceUri) {
    if (!doc_) throw XmlError(QStringLiteral("no document"));
    RequireQName(qualifiedName);
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    const QByteArray prefix = colon < 0 ? QByteArray() : qualifiedName.left(colon).toUtf8();
    const QByteArray local = qualifiedName.mid(colon + 1).toUtf8();
    if (!prefix.isEmpty() && namespaceUri.isEmpty())
        throw XmlError(QStringLiteral("the prefix of \"%1\" is not bound to a namespace").arg(qualifiedName));
    xmlNodePtr root = xmlNewDocNode(doc_.get(), nullptr, Xc(local), nullptr);
    if (!root) throw XmlError(QStringLiteral("out of memory"));
    if (!namespaceUri.isEmpty()) {
        RequireXmlText(namespaceUri);
        const QByteArray uri = namespaceUri.toUtf8();
        xmlSetNs(root, xmlNewNs(root, Xc(uri), prefix.isEmpty() ? nullptr : Xc(prefix)));
    }
    if (xmlNodePtr old = xmlDocSetRootElement(doc_.get(), root)) xmlFreeNode(old);
    return XmlNode(doc_, root);
}

void XmlDocument::AddProcessingInstruction(const QString& target, const QString& data) {
    if (!doc_) throw XmlError(QStringLiteral("no document"));
    if (target.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0) return;
    RequireQName(target);
    RequireXmlText(data);
    if (target.contains(QLatin1Char(':')) || data.contains(QLatin1String("?>")))
        throw XmlError(QStringLiteral("invalid processing instruction \"%1\"").arg(target));
    const QByteArray t = target.toUtf8(), d = data.toUtf8();
    xmlNodePtr pi = xmlNewDocPI(doc_.get(), Xc(t), Xc(d));
    if (!pi) throw XmlError(QStringLiteral("out of memory"));
    if (xmlNodePtr root = xmlDocGetRootElement(doc_.get()))
        xmlAddPrevSibling(root, pi);
    else
        xmlAddChild(reinterpret_cast<xmlNodePtr>(doc_.get()), pi);
}

QByteArray XmlDocument::ToBytes(XmlFormat format) const {
    if (!doc_) throw XmlError(QStringLiteral("no document"));
    xmlChar* mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc_.get(), &mem, &size, "UTF-8", format == XmlFormat::Indented ? 1 : 0);
    if (!mem) throw XmlError(QStringLiteral("the document could not be serialised"));
    QByteArray bytes(reinterpret_cast<const char*>(mem), size);
    xmlFree(mem);
    return bytes;
}

void XmlDocument::SaveFile(const QString& path, XmlFormat format) const {
    const QByteArray bytes = ToBytes(format);
    XmlAtomicFile file(path);
    if (!file.Write(bytes.constData(), bytes.size()))
        throw XmlError(QStringLiteral("%1: cannot write: %2").arg(path, file.ErrorText()), file.ErrorText(),
                       0);
    file.Commit();
}
