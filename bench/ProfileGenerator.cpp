#include "ProfileGenerator.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <random>

namespace {

const QByteArray kNs = "http://pelora.example/peloraformachine/ver3/";
constexpr int kMembersPerPart = 250;

void Item(QByteArray& out, const char* tag, const QByteArray& value, const char* valueTag = "item") {
    out += "<p:";
    out += tag;
    out += "><p:";
    out += valueTag;
    out += '>';
    out += value;
    out += "</p:";
    out += valueTag;
    out += "></p:";
    out += tag;
    out += '>';
}

void InfoMember(QByteArray& out, const char* part, const char* label, const QByteArray& data) {
    out += QByteArray("<p:") + part + "Member label=\"" + label + "\">";
    Item(out, "label2", label);
    Item(out, "category", "COMMON");
    Item(out, "name", QByteArray("名前 ") + label);
    Item(out, "datatype", "STRING(64)");
    Item(out, "data", data);
    out += QByteArray("</p:") + part + "Member>";
}

}  // namespace

namespace {

// Appends through a buffer; remembers the first failed write.
class ChunkedFile {
public:
    explicit ChunkedFile(QFile& file) : file_(file) {}
    QByteArray out;
    qint64 written = 0;
    bool Flush(bool always = false) {
        if (!failed_ && (always || out.size() > (1 << 20))) {
            failed_ = file_.write(out) != out.size();
            written += out.size();
            out.clear();
        }
        return !failed_;
    }
    bool Failed() const { return failed_; }

private:
    QFile& file_;
    bool failed_ = false;
};

// A COMMENT item of that many bytes of text in that many values, written as it is made: lines of 64 bytes
// in Japanese and ASCII, as the editor's comments are, a value's last line cut short in ASCII.
bool LongComment(ChunkedFile& sink, qint64 bytes, qint64 values, bool lineBreaks) {
    QByteArray& out = sink.out;
    out += "<p:comment>";
    for (qint64 v = 0; v < values; ++v) {
        out += "<p:item>";
        qint64 left = bytes / values + (v < bytes % values ? 1 : 0);
        for (qint64 line = 0; left > 0; ++line) {
            QByteArray text = "コメント " + QByteArray::number(line) + " / " + QByteArray::number(v) + ' ';
            text = text.leftJustified(63, '.') + (lineBreaks ? '\n' : '.');
            if (left < text.size()) text = QByteArray(left, '.');
            out += text;
            left -= text.size();
            if (!sink.Flush()) return false;
        }
        out += "</p:item>";
    }
    out += "</p:comment>";
    return sink.Flush();
}

// Without its comment, the member is left open.
void MemoryMember(QByteArray& out, const QByteArray& b, qint64 m, bool comment = true) {
    const QByteArray n = QByteArray::number(m);
    out += "<p:blockMemoryMember label=\"M_" + n + "\">";
    Item(out, "label2", "Memory value " + n);
    Item(out, "category", "CAT" + QByteArray::number(m % 7));
    Item(out, "name", "メモリ値 " + n);
    Item(out, "datatype", m % 5 == 0 ? "Enum" + b : QByteArray("INT16"), m % 5 == 0 ? "enumRefItem" : "item");
    Item(out, "range", "[0," + QByteArray::number(1000 + m) + "]");
    Item(out, "minInc", "1");
    Item(out, "engUnit", "mm");
    Item(out, "access", "RW");
    out += "<p:relation><p:item>Param" + b + ".P_" + n + "</p:item><p:item>Param" + b +
           ".P_Cycle</p:item></p:relation>";
    if (!comment) return;
    Item(out, "comment", "comment line 1\ncomment line 2 &amp; &lt;" + n + "&gt;");
    out += "</p:blockMemoryMember>";
}

}  // namespace

QString CheckGeneratedSize(const ProfileShape& shape, qint64 bytesAvailable) {
    if (shape.targetBytes < 0 || shape.largePartElements < 0 || shape.commentBytes < 0)
        return QStringLiteral("a negative size");
    if (shape.commentValues < 1 || shape.commentMembers < 1) return QStringLiteral("a comment of no values");
    const qint64 limit = kMaxGeneratedBytes;
    if (shape.targetBytes > limit || shape.largePartElements > limit / 600 || shape.commentBytes > limit ||
        shape.commentValues > limit / 20 || shape.commentMembers > limit / 600 ||
        shape.commentBytes * shape.commentMembers > limit)
        return QStringLiteral("more than %1 MB").arg(limit >> 20);
    // Blocks end past the target by up to one block; the large part adds its members, the comment its
    // text and tags.
    const qint64 needed = shape.targetBytes + shape.largePartElements * 600 +
                          (shape.commentBytes + shape.commentValues * 20) * shape.commentMembers +
                          (qint64(1) << 20);
    if (bytesAvailable >= 0 && needed > bytesAvailable)
        return QStringLiteral("about %1 MB needed, %2 MB free").arg(needed >> 20).arg(bytesAvailable >> 20);
    return {};
}

GeneratedProfile GenerateProfile(const QString& path, const ProfileShape& shape) {
    GeneratedProfile result;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    result.error =
        CheckGeneratedSize(shape, QStorageInfo(QFileInfo(absolute).absolutePath()).bytesAvailable());
    if (!result.error.isEmpty()) {
        result.error = QStringLiteral("refused %1: %2").arg(path, result.error);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return result;
    }
    ChunkedFile sink(file);
    QByteArray& out = sink.out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:profile xmlns:p=\"" + kNs +
           "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"" + kNs +
           " PeloraSchema.xsd\">";
    out += "<p:file label=\"FILE\"><p:fileInfo label=\"FILE_INFO\">";
    InfoMember(out, "fileInfo", "ProfileSpecVersion", "3.0");
    InfoMember(out, "fileInfo", "FileVersion", "1");
    InfoMember(out, "fileInfo", "Language", "ja");
    out += "</p:fileInfo></p:file><p:device label=\"DEVICE\"><p:deviceInfo label=\"DEVICE_INFO\">";
    InfoMember(out, "deviceInfo", "DeviceModel", "Bench-1");
    InfoMember(out, "deviceInfo", "Version", "1.0");
    out += "</p:deviceInfo></p:device>";

    qint64 members = 0;
    for (int block = 0; sink.written + out.size() < shape.targetBytes ||
                        (block == 0 && (shape.largePartElements || shape.commentBytes));
         ++block) {
        const QByteArray b = QByteArray::number(block);
        out += "<p:block label=\"Block" + b + "\"><p:comment><p:item>ブロック " + b +
               "</p:item></p:comment><p:blockInfo label=\"BLOCK_INFO\">";
        InfoMember(out, "blockInfo", "BlockName", "Block" + b);
        out += "</p:blockInfo><p:blockMemory label=\"Memory" + b +
               "\"><p:label2><p:item>メモリ</p:item></p:label2>";
        const qint64 memoryMembers =
            block == 0 && shape.largePartElements ? shape.largePartElements : kMembersPerPart;
        for (qint64 m = 0; m < memoryMembers; ++m, ++members) {
            const bool longComment = block == 0 && m < shape.commentMembers && shape.commentBytes > 0;
            MemoryMember(out, b, m, !longComment);
            if (longComment) {
                if (!LongComment(sink, shape.commentBytes, shape.commentValues, shape.commentLineBreaks))
                    break;
                out += "</p:blockMemoryMember>";
            }
            if (!sink.Flush()) break;
        }
        out += "</p:blockMemory><p:blockParam label=\"Param" + b + "\">";
        for (int m = 0; m < kMembersPerPart; ++m, ++members) {
            const QByteArray n = QByteArray::number(m);
            out += "<p:blockParamMember label=\"P_" + n + "\">";
            Item(out, "label2", "Parameter " + n);
            Item(out, "category", "PARAM");
            Item(out, "name", "パラメータ " + n);
            Item(out, "datatype", "UINT16");
            Item(out, "data", QByteArray::number(m * 3));
            Item(out, "engUnit", "ms");
            out += "</p:blockParamMember>";
        }
        out += "</p:blockParam><p:enum label=\"Enum" + b + "\">";
        for (int m = 0; m < 8; ++m) {
            const QByteArray n = QByteArray::number(m);
            out += "<p:enumMember label=\"V" + n + "\">";
            Item(out, "name", "Value " + n);
            Item(out, "code", n);
            out += "</p:enumMember>";
        }
        out += "</p:enum></p:block>";
        if (!sink.Flush()) break;
    }
    out += "</p:profile>\n";
    if (!sink.Flush(true) || !file.flush() || file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.close();
        // Only a partial profile goes, never a device or anything else that was named.
        if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) file.remove();
        return result;
    }
    result.members = members;
    result.error.clear();
    return result;
}

qint64 GenerateProfile(const QString& path, qint64 targetBytes) {
    ProfileShape shape;
    shape.targetBytes = targetBytes;
    return GenerateProfile(path, shape).members;
}

namespace {

// Pieces of XML character data, already escaped.
const char* const kTextPieces[] = {
    "",
    " ",
    "  ",
    "\t",
    "\n",
    "\r\n",
    "&#13;",
    "&#9;",
    "&#32;",
    "a",
    "Blk1",
    "M_2",
    "値",
    "名前",
    "\xe3\x80\x80",
    "ü",
    "\xf0\x9f\x98\x80",
    "&amp;",
    "&lt;",
    "&gt;",
    "&quot;",
    "'",
    "[0,",
    "10]",
    "(1,",
    "2)",
    "&lt;a&gt;&lt;b&gt;",
    ".",
    "#",
    "*",
    "$(",
    ")",
    "==",
    "!=",
    "&gt;=",
    "&amp;&amp;",
    "||",
    "\\&lt;",
    ",",
};

class RandomText {
public:
    explicit RandomText(quint32 seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QByteArray Text(int maxPieces = 6) {
        QByteArray out;
        const int n = Below(maxPieces + 1);
        for (int i = 0; i < n; ++i) out += kTextPieces[Below(int(std::size(kTextPieces)))];
        return out;
    }
    // Labels are attribute values: no markup pieces, but padding and tabs.
    QByteArray Label(const QByteArray& stem) {
        static const char* const pads[] = {"", "", " ", "&#9;", "  "};
        return pads[Below(5)] + stem + QByteArray::number(Below(1000)) + pads[Below(5)];
    }

private:
    std::mt19937 rng_;
};

const char* const kItemTags[] = {"label2",   "category", "name",          "datatype", "data", "range",
                                 "minInc",   "engUnit",  "access",        "assign",   "code", "refMemory",
                                 "refParam", "comment",  "readCondition", "relation"};

void RandomValues(RandomText& r, QByteArray& out) {
    const int values = 1 + r.Below(3);
    for (int v = 0; v < values; ++v) {
        const char* tag = r.Below(4) == 0 ? "enumRefItem" : "item";
        QByteArray text = r.Text();
        // The exporter leaves out a list with an empty entry whole (line feeds are dropped when read);
        // single values may be empty.
        if (values > 1 && QByteArray(text).replace("\r\n", "").replace("\n", "").isEmpty()) text += "v";
        out += QByteArray("<p:") + tag + ">" + text + "</p:" + tag + ">";
    }
}

void RandomMembers(RandomText& r, QByteArray& out, const char* part, int count) {
    for (int m = 0; m < count; ++m) {
        out += QByteArray("<p:") + part + "Member label=\"" + r.Label("E") + "\">";
        for (const char* tag : kItemTags) {
            // Information parts keep their DATA, so that their members are exported.
            if (r.Below(3) == 0 && QByteArray(tag) != "data") continue;
            out += QByteArray("<p:") + tag + ">";
            RandomValues(r, out);
            out += QByteArray("</p:") + tag + ">";
        }
        out += QByteArray("</p:") + part + "Member>";
    }
}

void RandomPart(RandomText& r, QByteArray& out, const char* part) {
    out += QByteArray("<p:") + part + " label=\"" + r.Label("P") + "\">";
    if (r.Below(2)) out += "<p:label2><p:item>" + r.Text() + "</p:item></p:label2>";
    if (r.Below(2)) out += "<p:comment><p:item>" + r.Text() + "</p:item></p:comment>";
    RandomMembers(r, out, part, 1 + r.Below(4));
    out += QByteArray("</p:") + part + ">";
}

void RandomSection(RandomText& r, QByteArray& out, const char* section,
                   std::initializer_list<const char*> parts) {
    out += QByteArray("<p:") + section + " label=\"" + r.Label("S") + "\">";
    if (r.Below(2)) out += "<p:comment><p:item>" + r.Text() + "</p:item></p:comment>";
    for (const char* part : parts) RandomPart(r, out, part);
    out += QByteArray("</p:") + section + ">";
}

}  // namespace

QByteArray GenerateRandomProfile(quint32 seed, int blocks) {
    RandomText r(seed);
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:profile xmlns:p=\"" + kNs + "\">";
    out += "<p:file label=\"FILE\"><p:fileInfo label=\"FILE_INFO\">";
    InfoMember(out, "fileInfo", "ProfileSpecVersion", "3.0");
    InfoMember(out, "fileInfo", "Language", " " + r.Text(2) + "ja");
    RandomMembers(r, out, "fileInfo", 2);
    out += "</p:fileInfo></p:file>";
    RandomSection(r, out, "device", {"deviceInfo", "deviceIf", "deviceIf"});
    RandomSection(r, out, "commIf", {"commIfInfo", "commIfVariable", "commIfConfiguration", "enum"});
    for (int b = 0; b < blocks; ++b)
        RandomSection(r, out, "block", {"blockInfo", "blockMemory", "blockParam", "enum"});
    out += "</p:profile>\n";
    return out;
}
