#pragma once

#include "framework/RuntimeException.h"

// Raised by an array access outside 0..upper bound in any dimension.
class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "OutOfBoundsException"; }
};
