#include "InvalidArgumentError.h"
#include "PELFMExceptions.h"

// Throws the exception whose code is given; -1 throws the index error.
extern "C" __attribute__((visibility("default"))) void ThrowModelException(int code) {
    switch (code) {
        case 1:
            throw CPELFM_FileNotFoundException();
        case 2:
            throw CPELFM_RangeException();
        case 3:
            throw CPELFM_InvalidVersionException();
        case 4:
            throw CPELFM_MemoryRequestException();
        case 5:
            throw CPELFM_CreateRootException();
        case 6:
            throw CPELFM_InvalidDescException();
        case 7:
            throw CPELFM_InvalidAPICallException();
        case 8:
            throw CPELFM_NULL_Exception();
        case 9:
            throw CPELFM_InvalidXMLDocumentInstanceException();
        case 10:
            throw CPELFM_WriteFileException();
        case 11:
            throw CPELFM_SchemaCheckException(QStringLiteral("line 3: bad"));
        default:
            throw InvalidArgumentError("index");
    }
}
