#pragma once

#include <QString>

class CCommonUtility;

// Both file extensions open with this editor through one file class named after the project extension.
// On a freedesktop desktop the class is a desktop entry that the shared-mime-info types of both
// extensions default to (see DesktopFileTypes).

// The project extension followed by "_auto_file".
QString FileAssociationClassName(const CCommonUtility& utility);
// The editor's executable in the program folder.
QString EditorExecutablePath(const CCommonUtility& utility);

// 1 when both types default to the class and its entry runs this executable; otherwise 0 and the
// text of 62073 (a type has no default) or 62074 (it defaults to something else).
int IsFileAssociationRegistered(const CCommonUtility& utility, QString& message);
// 1 when everything was written; 0 on the first failure.
int RegisterFileAssociation(const CCommonUtility& utility);
// The start-up step: asks, when the types are not ours, whether to register them.
void CheckFileAssociation(const CCommonUtility& utility);
