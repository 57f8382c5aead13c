#pragma once
// Generated 3.0 profiles completed with the header members the editor's file commands read.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <utility>

#include "ProfileGenerator.h"

namespace UiTest {

// One member of an information part, carrying its value as DATA.
inline QByteArray InfoMember(const char* part, const char* label, const char* data) {
    return QByteArray("<p:") + part + "Member label=\"" + label + "\"><p:label2><p:item>" + label +
           "</p:item></p:label2><p:category><p:item>COMMON</p:item></p:category><p:name><p:item>" + label +
           "</p:item></p:name><p:datatype><p:item>STRING(64)</p:item></p:datatype><p:data><p:item>" + data +
           "</p:item></p:data></p:" + part + "Member>";
}

// A generated 3.0 profile with one block, the date elements, the vendor (when asked) and one DEVICE_IF
// connection.
inline QByteArray GeneratedProfileText(bool vendor = true) {
    QTemporaryDir dir;
    const QString path = dir.filePath("g.pelp");
    GenerateProfile(path, 3000);  // the header and one block
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray text = file.readAll();
    QByteArray dates;
    for (const char* label : {"CreateDate", "CreateTime", "ModDate", "ModTime"})
        dates += InfoMember("fileInfo", label, "-");
    text.replace("</p:fileInfo>", dates + "</p:fileInfo>");
    if (vendor)
        text.replace("</p:deviceInfo>", InfoMember("deviceInfo", "VendorName", "Acme") + "</p:deviceInfo>");
    QByteArray deviceIf;
    for (const auto& [label, value] : {std::pair{"VendorName", "Acme"}, std::pair{"DeviceModel", "Bench-1"},
                                       std::pair{"ProtocolType", "QDTX"}, std::pair{"ProtocolVersion", "1"}})
        deviceIf += InfoMember("deviceIf", label, value);
    text.replace("</p:device>", "<p:deviceIf label=\"DEVICE_IF\">" + deviceIf + "</p:deviceIf></p:device>");
    return text;
}

}  // namespace UiTest
