#pragma once
// Private to the model: how the loaders report a document they cannot read.

#include <functional>

namespace Internal {

// Runs a read: a document that cannot be read or is not well-formed throws CPELFM_CreateRootException,
// a failed allocation CPELFM_MemoryRequestException.
void TranslateReadErrors(const std::function<void()>& read);

}  // namespace Internal
