#pragma once

#include <QString>

// The version part of a profile namespace URI such as ".../peloraformachine/ver3/". Two readers of the
// URI word it differently, and each keeps its own result:
enum class NamespaceVersionRule {
    // Schema folder of a profile being validated: the last segment, with a leading "ver" (any case)
    // dropped; a URI without "/" gives "".
    SchemaFolder,
    // Format version of a file on disk: the last segment (the whole text without "/"), then what
    // follows the first "ver" in it, when it has one.
    SpecVersion,
};

// One trailing "/" is ignored by both rules.
QString VersionTextFromNamespaceUri(const QString& namespaceUri, NamespaceVersionRule rule);

// "major.minor": major is the text before the first ".", minor the text after it (0 without one);
// each converted as a decimal number, 0 when it is not one.
void ParseVersionText(const QString& text, int& major, int& minor);
