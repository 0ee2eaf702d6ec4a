#pragma once

#include "framework/RuntimeException.h"

// Raised by a window or control operation called off the GUI thread.
class ThreadAccessingUIException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "ThreadAccessingUIException"; }
};
