#pragma once
#include <QString>

#include "XmlNamespaces.h"
#include "XmlNode.h"

// Small readers shared by the profile and project loaders. The namespaces bind the prefix "p" to the
// namespace of the document's root element.

// The node's "label" attribute, "" when it has none.
void ReadLabelAttribute(const XmlNode& node, QString& text);
// The text of the node's first "label2/item" (resp. "comment/item"), "" when there is none.
void ReadLabel2Text(const XmlNode& node, const XmlNamespaces& namespaces, QString& text);
void ReadCommentText(const XmlNode& node, const XmlNamespaces& namespaces, QString& text);
