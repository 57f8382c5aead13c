#pragma once
// The one entry point of the editor's resource library (<executable>_RC.so). Plain C, so the loader
// needs no C++ name mangling. The library's images register themselves with the Qt resource system
// when it is loaded (see ResourceImages.h).

#ifdef __cplusplus
extern "C" {
#endif

// One string of the table: the id and its UTF-8 text.
struct PelResourceString {
    unsigned id;
    const char* text;
};

// The whole table, sorted by ascending id, each id once. It lives as long as the library is loaded.
struct PelResourceStringTable {
    unsigned count;
    const struct PelResourceString* strings;
};

typedef const struct PelResourceStringTable* (*PFN_PelGetResourceStrings)(void);

#ifdef __cplusplus
}
#endif

#define PEL_RESOURCE_ENTRY_POINT "PelGetResourceStrings"
