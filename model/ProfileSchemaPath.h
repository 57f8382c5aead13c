#pragma once
#include <QString>

// The schema file for a document: the pattern with every "%s" replaced by the format version, which is
// the last segment of the namespace URI (one trailing "/" ignored) without a leading "ver" in any case.
// A pattern without "%s" is the path itself. Returns "" when the URI has no "/"; throws
// CPELFM_SchemaCheckException for a version text that could leave the schema folder (anything but
// letters, digits, ".", "_" and "-", or "..").
QString BuildSchemaPath(const QString& pattern, const QString& namespaceUri);
