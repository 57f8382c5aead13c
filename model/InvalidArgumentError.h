#pragma once
#include <stdexcept>

#include "ModelExport.h"

// Thrown wherever an index lies outside an array of the model (the one error of this kind
// in the system). It is not part of the model exception family: callers that only catch
// CPELFM_ExceptionBase let it through, as they would the framework's invalid-argument error.
class PELFM_EXPORT InvalidArgumentError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
    ~InvalidArgumentError() override;
};
