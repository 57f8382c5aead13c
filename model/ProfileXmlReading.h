#pragma once
// Private to the model: how the loaders report a document they cannot read.

#include <functional>

#include "CPELFM_ProfileInfo.h"
#include "XmlEventReader.h"

namespace Internal {

XmlEventReader::Control ReadControl(const CPELFM_ProfileInfo::LoadControl& control);

// Runs a read: a document that cannot be read or is not well-formed throws CPELFM_CreateRootException,
// a failed allocation CPELFM_MemoryRequestException.
void TranslateReadErrors(const std::function<void()>& read);

}  // namespace Internal
