#pragma once
// The exception family of the program. Every message is the exact text the
// user sees in the message box (before the full stop rule is applied there).
#include <stdexcept>
#include <string>

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
    EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};
class EUnderflow : public EMathError {
public:
    EUnderflow() : EMathError("Floating point underflow") {}
};

// An iterative method hit its safety bound. None of the window's inputs gets
// anywhere near the bounds; reaching one means a caller passed arguments far
// outside the domain the methods are built for.
class ENoConvergence : public EMathError {
public:
    ENoConvergence(const std::string& method, long long passes)
        : EMathError(method + " did not converge within " + std::to_string(passes) + " passes") {}
};

// Integer range and overflow checks.
class ERangeError : public Exception {
public:
    ERangeError() : Exception("Range check error") {}
};
class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception("Integer overflow") {}
};

// Failed write of a diagnostic line to standard output.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code)
        : Exception("I/O error " + std::to_string(code)), code_(code) {}
    int ErrorCode() const { return code_; }

private:
    int code_;
};

// Text that the number conversion of the window's fields cannot read.
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string& text)
        : Exception("'" + text + "' is not a valid floating point value") {}
};

// A number typed below the smallest full-precision Real: it would read as
// 0 (or keep only a few of its digits), so it is refused instead.
class EBelowSmallestReal : public Exception {
public:
    explicit EBelowSmallestReal(const std::string& text)
        : Exception("'" + text + "' lies below the smallest number the calculator holds, 3.36e-4932") {}
};

class EAssertionFailed : public Exception {
public:
    EAssertionFailed() : Exception("Assertion failure") {}
    explicit EAssertionFailed(const std::string& message) : Exception(message) {}
};

}  // namespace tarvik
