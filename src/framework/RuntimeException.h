#pragma once

#include <exception>
#include <string>
#include <utility>

// Base of every exception the framework raises. The unhandled-exception report
// names the class (ClassName) and shows the message.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {}) : message_(std::move(message)) {}

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }

private:
    std::string message_;
};
