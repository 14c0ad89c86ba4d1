// The runtime errors. Raising one abandons the running event handler at that step; the handler
// guard reports it by name and the program goes on.
#pragma once

#include <exception>

namespace corvane {

class RuntimeError : public std::exception {
public:
    // The name the user sees in the error's message box.
    virtual const char *name() const noexcept = 0;
    const char *what() const noexcept override { return name(); }
};

class TypeMismatchError : public RuntimeError {
public:
    const char *name() const noexcept override { return "Type mismatch"; }
};

class OverflowError : public RuntimeError {
public:
    const char *name() const noexcept override { return "Overflow"; }
};

class FloatingPointError : public RuntimeError {
public:
    const char *name() const noexcept override { return "Floating-point error"; }
};

// A look-up of a control-array element that does not exist.
class SubscriptOutOfRangeError : public RuntimeError {
public:
    const char *name() const noexcept override { return "Subscript out of range"; }
};

} // namespace corvane
