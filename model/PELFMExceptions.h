#pragma once
#include <QString>

#include "ModelExport.h"

// The model's exception family. Names and codes are shared by the editor and every plug-in,
// which throw and catch them across library boundaries: keep them out of anonymous namespaces.
class PELFM_EXPORT CPELFM_ExceptionBase {
public:
    explicit CPELFM_ExceptionBase(int code) : code(code) {}
    CPELFM_ExceptionBase(const CPELFM_ExceptionBase&) = default;
    CPELFM_ExceptionBase& operator=(const CPELFM_ExceptionBase&) = default;
    virtual ~CPELFM_ExceptionBase();

    int code;
};

#define PELFM_DECLARE_EXCEPTION(Name, Code)                     \
    class PELFM_EXPORT Name : public CPELFM_ExceptionBase {     \
    public:                                                     \
        static constexpr int Code_ = Code;                      \
        Name() : CPELFM_ExceptionBase(Code) {}                  \
        ~Name() override;                                       \
    }

PELFM_DECLARE_EXCEPTION(CPELFM_FileNotFoundException, 1);
PELFM_DECLARE_EXCEPTION(CPELFM_MemoryRequestException, 4);
PELFM_DECLARE_EXCEPTION(CPELFM_CreateRootException, 5);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidDescException, 6);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidAPICallException, 7);
PELFM_DECLARE_EXCEPTION(CPELFM_NULL_Exception, 8);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidXMLDocumentInstanceException, 9);
PELFM_DECLARE_EXCEPTION(CPELFM_WriteFileException, 10);
// Carries the first validation error, so the editor can say why a file was refused.
class PELFM_EXPORT CPELFM_SchemaCheckException : public CPELFM_ExceptionBase {
public:
    static constexpr int Code_ = 11;
    explicit CPELFM_SchemaCheckException(QString detail = QString())
        : CPELFM_ExceptionBase(Code_), detail(std::move(detail)) {}
    ~CPELFM_SchemaCheckException() override;

    QString detail;
};
// Nothing in the system throws these two; they are caught by type in places.
PELFM_DECLARE_EXCEPTION(CPELFM_RangeException, 2);
PELFM_DECLARE_EXCEPTION(CPELFM_InvalidVersionException, 3);

#undef PELFM_DECLARE_EXCEPTION
