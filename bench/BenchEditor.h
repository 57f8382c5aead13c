#pragma once
// The editor's service object as start-up leaves it, without windows: the staged resource library and
// plug-ins of the program folder, the format 3.0 plug-in chosen, its file extensions taken.

#include "CCommonUtility.h"
#include "ProfileFileCommands.h"
#include "ResourceStringSource.h"

class BenchEditor {
public:
    BenchEditor();
    // False, with the reason on stderr, when the program folder is incomplete.
    bool Start();
    // The file command Open; true when the file is open afterwards.
    bool Open(const QString& path);

    ResourceStringSource strings;
    CCommonUtility utility;
    ProfileFileCommands files;
};

// A benchmark's child process: opens the file with the file command Open, prints the open's wall time
// in ms and the resident MiB after it, and exits 0 when the file opened.
int OpenInChild(int argc, char** argv, const QString& file);
