#pragma once
// A compact text form of a written document for comparisons: name[label]{children} or name(text).
#include <QStringList>

#include "XmlNode.h"

// Elements outside the expected prefix or namespace are marked "!ns".
inline QString XmlOutline(const XmlNode& node, const QString& ns) {
    QString out = node.LocalName();
    if (node.Prefix() != QLatin1String("p") || node.NamespaceUri() != ns) out += "!ns";
    if (node.HasAttribute("label")) out += "[" + node.Attribute("label") + "]";
    const QList<XmlNode> children = node.ChildElements();
    if (children.isEmpty()) return out + "(" + node.Text() + ")";
    QStringList parts;
    for (const XmlNode& c : children) parts << XmlOutline(c, ns);
    return out + "{" + parts.join(",") + "}";
}
