#pragma once

#include "framework/RuntimeException.h"

// Raised when a file cannot be created, written or committed.
class IOException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "IOException"; }
};
