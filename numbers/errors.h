// The runtime errors. Raising one abandons the running event handler at that step; the handler
// guard reports it by name and the program goes on.
#pragma once

#include <exception>

// Marks a name for the translators' tools, as the toolkit's own macro does; the plain library only
// passes the English on, and the handler guard shows it in the user's language.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace corvane {

class RuntimeError : public std::exception {
public:
    // The name the user sees in the error's message box.
    virtual const char *name() const noexcept = 0;
    const char *what() const noexcept override { return name(); }
};

class TypeMismatchError : public RuntimeError {
public:
    const char *name() const noexcept override { return QT_TRANSLATE_NOOP("RuntimeError", "Type mismatch"); }
};

class OverflowError : public RuntimeError {
public:
    const char *name() const noexcept override { return QT_TRANSLATE_NOOP("RuntimeError", "Overflow"); }
};

class FloatingPointError : public RuntimeError {
public:
    const char *name() const noexcept override { return QT_TRANSLATE_NOOP("RuntimeError", "Floating-point error"); }
};

// A look-up of a control-array element that does not exist.
class SubscriptOutOfRangeError : public RuntimeError {
public:
    const char *name() const noexcept override { return QT_TRANSLATE_NOOP("RuntimeError", "Subscript out of range"); }
};

} // namespace corvane
