#pragma once
// The exception family of the program. Every message is the exact text the
// user sees in the message box (before the full stop rule is applied there).
#include <stdexcept>
#include <string>

#include "core/translation.h"

namespace tarvik {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Floating-point faults of the mathematics.
class EMathError : public Exception {
public:
    using Exception::Exception;
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(Tr("Errors", "Floating point division by zero")) {}
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(Tr("Errors", "Invalid floating point operation")) {}
};
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError(Tr("Errors", "Floating point overflow")) {}
};
class EUnderflow : public EMathError {
public:
    EUnderflow() : EMathError(Tr("Errors", "Floating point underflow")) {}
};

// An iterative method hit its safety bound. None of the window's inputs gets
// anywhere near the bounds; reaching one means a caller passed arguments far
// outside the domain the methods are built for.
class ENoConvergence : public EMathError {
public:
    ENoConvergence(const std::string& method, long long passes)
        : EMathError(Fill(Tr("Errors", "%1 did not converge within %2 passes"), {method, std::to_string(passes)})) {}
};

// Integer range and overflow checks.
class ERangeError : public Exception {
public:
    ERangeError() : Exception(Tr("Errors", "Range check error")) {}
};
class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception(Tr("Errors", "Integer overflow")) {}
};

// Failed write of a diagnostic line to standard output.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code)
        : Exception(Fill(Tr("Errors", "I/O error %1"), {std::to_string(code)})), code_(code) {}
    int ErrorCode() const { return code_; }

private:
    int code_;
};

// Text that the number conversion of the window's fields cannot read.
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string& text)
        : Exception(Fill(Tr("Errors", "'%1' is not a valid floating point value"), {text})) {}
};

// A number typed below the smallest full-precision Real: it would read as
// 0 (or keep only a few of its digits), so it is refused instead.
class EBelowSmallestReal : public Exception {
public:
    explicit EBelowSmallestReal(const std::string& text)
        : Exception(Fill(Tr("Errors", "'%1' lies below the smallest number the calculator holds, 3.36e-4932"), {text})) {}
};

class EAssertionFailed : public Exception {
public:
    EAssertionFailed() : Exception(Tr("Errors", "Assertion failure")) {}
    explicit EAssertionFailed(const std::string& message) : Exception(message) {}
};

}  // namespace tarvik
