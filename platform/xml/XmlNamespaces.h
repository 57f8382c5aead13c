#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Prefix to namespace URI bindings for one XPath evaluation.
using XmlNamespaces = QList<QPair<QString, QString>>;
