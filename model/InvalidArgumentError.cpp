#include "InvalidArgumentError.h"

InvalidArgumentError::~InvalidArgumentError() = default;
