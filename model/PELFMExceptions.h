#pragma once
#include <QString>
#include <utility>

#include "ModelExport.h"

// The model's exception family. Names and codes are shared by the editor and every plug-in,
// which throw and catch them across library boundaries: keep them out of anonymous namespaces.
class PELFM_EXPORT CPELFM_ExceptionBase {
public:
    explicit CPELFM_ExceptionBase(int code, QString detail = QString(), int line = 0)
        : code(code), detail(std::move(detail)), line(line) {}
    CPELFM_ExceptionBase(const CPELFM_ExceptionBase&) = default;
    CPELFM_ExceptionBase& operator=(const CPELFM_ExceptionBase&) = default;
    virtual ~CPELFM_ExceptionBase();

    int code;
    // Why, where the thrower knows it, so the editor can tell the user: the system's text for a file
    // that could not be read or written, the parser's or the schema's first error.
    QString detail;
    // The line of the file that detail points at; 0 when it points at none.
    int line = 0;
};

#define PELFM_DECLARE_EXCEPTION(Name, Code)                          \
    class PELFM_EXPORT Name : public CPELFM_ExceptionBase {          \
    public:                                                          \
        static constexpr int Code_ = Code;                           \
        explicit Name(QString detail = QString(), int line = 0)      \
            : CPELFM_ExceptionBase(Code, std::move(detail), line) {} \
        ~Name() override;                                            \
    }

PELFM_DECLARE_EXCEPTION(CPELFM_FileNotFoundException, 1);
PELFM_DECLARE_EXCEPTION(CPELFM_MemoryRequestException, 4);
PELFM_DECLARE_EXCEPTION(CPELFM_CreateRootException, 5);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidDescException, 6);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidAPICallException, 7);
PELFM_DECLARE_EXCEPTION(CPELFM_NULL_Exception, 8);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidXMLDocumentInstanceException, 9);
PELFM_DECLARE_EXCEPTION(CPELFM_WriteFileException, 10);
// Carries the first validation error (with its line), or why no schema could be used.
PELFM_DECLARE_EXCEPTION(CPELFM_SchemaCheckException, 11);
// Nothing in the system throws these two; they are caught by type in places.
PELFM_DECLARE_EXCEPTION(CPELFM_RangeException, 2);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidVersionException, 3);

#undef PELFM_DECLARE_EXCEPTION
