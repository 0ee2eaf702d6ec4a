#pragma once

#include "framework/RuntimeException.h"

// Raised where a required object is missing.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "NilObjectException"; }
};
