#include "ProfileGenerator.h"

#include <QFile>

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

qint64 GenerateProfile(const QString& path, qint64 targetBytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return -1;
    QByteArray out;
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

    qint64 written = 0, members = 0;
    for (int block = 0; written + out.size() < targetBytes; ++block) {
        const QByteArray b = QByteArray::number(block);
        out += "<p:block label=\"Block" + b + "\"><p:comment><p:item>ブロック " + b +
               "</p:item></p:comment><p:blockInfo label=\"BLOCK_INFO\">";
        InfoMember(out, "blockInfo", "BlockName", "Block" + b);
        out += "</p:blockInfo><p:blockMemory label=\"Memory" + b +
               "\"><p:label2><p:item>メモリ</p:item></p:label2>";
        for (int m = 0; m < kMembersPerPart; ++m, ++members) {
            const QByteArray n = QByteArray::number(m);
            out += "<p:blockMemoryMember label=\"M_" + n + "\">";
            Item(out, "label2", "Memory value " + n);
            Item(out, "category", "CAT" + QByteArray::number(m % 7));
            Item(out, "name", "メモリ値 " + n);
            Item(out, "datatype", m % 5 == 0 ? "Enum" + b : QByteArray("INT16"),
                 m % 5 == 0 ? "enumRefItem" : "item");
            Item(out, "range", "[0," + QByteArray::number(1000 + m) + "]");
            Item(out, "minInc", "1");
            Item(out, "engUnit", "mm");
            Item(out, "access", "RW");
            out += "<p:relation><p:item>Param" + b + ".P_" + n + "</p:item><p:item>Param" + b +
                   ".P_Cycle</p:item></p:relation>";
            Item(out, "comment", "comment line 1\ncomment line 2 &amp; &lt;" + n + "&gt;");
            out += "</p:blockMemoryMember>";
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
        if (out.size() > (1 << 20)) {
            written += file.write(out);
            out.clear();
        }
    }
    out += "</p:profile>\n";
    written += file.write(out);
    return file.error() == QFileDevice::NoError ? members : -1;
}
