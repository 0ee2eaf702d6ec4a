#pragma once

#include "framework/RuntimeException.h"

// Raised when an object is converted to a class it does not belong to.
class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};
