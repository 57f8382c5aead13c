#include "XmlStreamWriter.h"

#include <libxml/xmlwriter.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <vector>

#include "XmlAtomicFile.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlInternal.h"

using namespace Internal;

namespace {

// libxml2 hands over small pieces; the file gets them in large blocks.
constexpr qsizetype kBlockSize = 256 * 1024;

// A qualified name already checked, in UTF-8, with its prefix.
struct CheckedName {
    QByteArray utf8;
    QByteArray prefix;
};

// One open element: the prefixes it uses and declares, checked when its start tag is complete.
struct OpenElement {
    QByteArray prefix;
    QList<QPair<QByteArray, QByteArray>> declared;
    QList<QByteArray> attributes;
    QList<QByteArray> attributePrefixes;
};

}  // namespace

struct XmlStreamWriter::Impl {
    explicit Impl(const QString& path) : path(path), file(path) { block.reserve(kBlockSize); }
    ~Impl() {
        abandoned = true;
        if (writer) xmlFreeTextWriter(writer);
    }

    static int Write(void* context, const char* data, int size) {
        auto* self = static_cast<Impl*>(context);
        if (self->abandoned) return size;
        self->block.append(data, size);
        if (self->block.size() >= kBlockSize && !self->FlushBlock()) return -1;
        return size;
    }
    static int Close(void*) { return 0; }

    bool FlushBlock() {
        if (!ioFailed && !block.isEmpty() && !file.Write(block.constData(), block.size())) ioFailed = true;
        block.resize(0);
        return !ioFailed;
    }

    // A failed write to the file is reported by Commit; anything else is the library's own failure.
    void Check(int rc) const {
        if (rc < 0 && !ioFailed)
            throw XmlError(QStringLiteral("%1: the document could not be written").arg(path));
    }

    const CheckedName& Name(const QString& qualifiedName) {
        auto it = names.constFind(qualifiedName);
        if (it != names.cend()) return *it;
        RequireQName(qualifiedName);
        CheckedName name;
        name.utf8 = qualifiedName.toUtf8();
        const qsizetype colon = name.utf8.indexOf(':');
        if (colon >= 0) name.prefix = name.utf8.left(colon);
        if (names.size() >= 1024) names.clear();
        return *names.insert(qualifiedName, name);
    }

    bool IsBound(const QByteArray& prefix) const {
        if (prefix == "xml") return true;
        for (auto e = open.crbegin(); e != open.crend(); ++e) {
            for (const auto& d : e->declared)
                if (d.first == prefix) return true;
        }
        return false;
    }

    // The prefixes of a start tag may be declared by any of its attributes, so they are checked once
    // the tag is complete.
    void CompleteStartTag() {
        if (!startTagOpen) return;
        startTagOpen = false;
        const OpenElement& e = open.back();
        if (!e.prefix.isEmpty() && !IsBound(e.prefix))
            throw XmlError(QStringLiteral("the prefix \"%1\" is not bound to a namespace")
                               .arg(QString::fromUtf8(e.prefix)));
        for (const QByteArray& p : e.attributePrefixes) {
            if (!IsBound(p))
                throw XmlError(QStringLiteral("the prefix \"%1\" is not bound to a namespace")
                                   .arg(QString::fromUtf8(p)));
        }
    }

    void Declare(const QString& prefix, const QString& uri) {
        RequireNamespaceDeclaration(prefix, uri);
        const QByteArray p = prefix.toUtf8(), u = uri.toUtf8();
        OpenElement& e = open.back();
        for (const auto& d : std::as_const(e.declared)) {
            if (d.first != p) continue;
            if (d.second == u) return;
            throw XmlError(QStringLiteral("the prefix \"%1\" is already bound here").arg(prefix));
        }
        e.declared.append({p, u});
        const QByteArray name = p.isEmpty() ? QByteArray("xmlns") : "xmlns:" + p;
        Check(xmlTextWriterWriteAttribute(writer, Xc(name), Xc(u)));
    }

    QString path;
    XmlAtomicFile file;
    QByteArray block;
    bool ioFailed = false;
    bool abandoned = false;
    xmlTextWriterPtr writer = nullptr;
    std::vector<OpenElement> open;
    bool startTagOpen = false;
    bool rootWritten = false;
    QHash<QString, CheckedName> names;
};

XmlStreamWriter::XmlStreamWriter(const QString& path) {
    XmlDocument::InitializeParser();
    d_ = std::make_unique<Impl>(path);
    xmlOutputBufferPtr out = xmlOutputBufferCreateIO(Impl::Write, Impl::Close, d_.get(), nullptr);
    if (!out) throw XmlError(QStringLiteral("out of memory"));
    d_->writer = xmlNewTextWriter(out);
    if (!d_->writer) {
        xmlOutputBufferClose(out);
        throw XmlError(QStringLiteral("out of memory"));
    }
    d_->Check(xmlTextWriterStartDocument(d_->writer, "1.0", "UTF-8", nullptr));
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
    const QByteArray t = target.toUtf8(), d = data.toUtf8();
    d_->Check(xmlTextWriterWritePI(d_->writer, Xc(t), Xc(d)));
}

void XmlStreamWriter::StartElement(const QString& qualifiedName) {
    if (d_->open.empty() && d_->rootWritten)
        throw XmlError(QStringLiteral("a document has only one root element"));
    d_->CompleteStartTag();
    const CheckedName& name = d_->Name(qualifiedName);
    d_->Check(xmlTextWriterStartElement(d_->writer, Xc(name.utf8)));
    d_->open.push_back(OpenElement{name.prefix, {}, {}, {}});
    d_->startTagOpen = true;
}

void XmlStreamWriter::WriteAttribute(const QString& qualifiedName, const QString& value) {
    if (!d_->startTagOpen)
        throw XmlError(QStringLiteral("attributes can only be written on an element just started"));
    if (qualifiedName == QLatin1String("xmlns")) return d_->Declare(QString(), value);
    if (qualifiedName.startsWith(QLatin1String("xmlns:"))) return d_->Declare(qualifiedName.mid(6), value);
    const CheckedName& name = d_->Name(qualifiedName);
    RequireXmlText(value);
    OpenElement& e = d_->open.back();
    if (e.attributes.contains(name.utf8))
        throw XmlError(QStringLiteral("the attribute \"%1\" is written twice").arg(qualifiedName));
    e.attributes.append(name.utf8);
    if (!name.prefix.isEmpty()) e.attributePrefixes.append(name.prefix);
    const QByteArray v = value.toUtf8();
    d_->Check(xmlTextWriterWriteAttribute(d_->writer, Xc(name.utf8), Xc(v)));
}

void XmlStreamWriter::WriteText(const QString& text) {
    if (d_->open.empty()) throw XmlError(QStringLiteral("text can only be written inside an element"));
    d_->CompleteStartTag();
    RequireXmlText(text);
    const QByteArray t = text.toUtf8();
    d_->Check(xmlTextWriterWriteString(d_->writer, Xc(t)));
}

void XmlStreamWriter::EndElement() {
    if (d_->open.empty()) throw XmlError(QStringLiteral("no element is open"));
    d_->CompleteStartTag();
    d_->Check(xmlTextWriterEndElement(d_->writer));
    d_->open.pop_back();
    if (d_->open.empty()) d_->rootWritten = true;
}

void XmlStreamWriter::Commit() {
    if (!d_->writer) throw XmlError(QStringLiteral("%1: the document was already written").arg(d_->path));
    if (!d_->open.empty() || !d_->rootWritten)
        throw XmlError(QStringLiteral("%1: the document is not complete").arg(d_->path));
    d_->Check(xmlTextWriterEndDocument(d_->writer));
    xmlFreeTextWriter(d_->writer);  // flushes what libxml2 still holds
    d_->writer = nullptr;
    if (!d_->FlushBlock()) {
        const QString reason = d_->file.ErrorText();
        throw XmlError(QStringLiteral("%1: cannot write: %2").arg(d_->path, reason), reason, 0);
    }
    d_->file.Commit();
}
