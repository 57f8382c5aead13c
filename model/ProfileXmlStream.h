#pragma once
#include <QString>
#include <memory>

class XmlStreamWriter;

// The file of a profile or project save, in the model's failures: a writer that cannot be made throws
// CPELFM_InvalidXMLDocumentInstanceException, a file that cannot be written or put in place
// CPELFM_WriteFileException. What XML cannot carry stays the XML layer's XmlError.
std::unique_ptr<XmlStreamWriter> OpenProfileXmlStream(const QString& path);
// Puts the finished document in place of the previous file.
void CommitProfileXmlStream(XmlStreamWriter& out);
