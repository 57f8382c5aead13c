#include "PELFMExceptions.h"

// Out-of-line destructors give each class one vtable and type_info per library.
CPELFM_ExceptionBase::~CPELFM_ExceptionBase() = default;
CPELFM_FileNotFoundException::~CPELFM_FileNotFoundException() = default;
CPELFM_MemoryRequestException::~CPELFM_MemoryRequestException() = default;
CPELFM_CreateRootException::~CPELFM_CreateRootException() = default;
CPELFM_InvalidDescException::~CPELFM_InvalidDescException() = default;
CPELFM_InvalidAPICallException::~CPELFM_InvalidAPICallException() = default;
CPELFM_NULL_Exception::~CPELFM_NULL_Exception() = default;
CPELFM_InvalidXMLDocumentInstanceException::~CPELFM_InvalidXMLDocumentInstanceException() = default;
CPELFM_WriteFileException::~CPELFM_WriteFileException() = default;
CPELFM_SchemaCheckException::~CPELFM_SchemaCheckException() = default;
CPELFM_RangeException::~CPELFM_RangeException() = default;
CPELFM_InvalidVersionException::~CPELFM_InvalidVersionException() = default;
