#pragma once
// Checked Real arithmetic. The mathematics relies on faults that stop the
// computation where they happen (a logarithm of 0, the root of a negative
// number, an overflowing exponential) instead of NaN or infinity flowing on.
// Every operation here either returns a finite Real or throws the typed
// exception with the message the user sees. Underflow passes silently (gives 0).
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/errors.h"
#include "core/real.h"

namespace tarvik::checked {

// Classifies a non-finite result: NaN is an invalid operation, infinity an
// overflow. Used after products and sums that can leave the Real range.
inline Real Fin(const Real& v) {
    if (IsFinite(v)) [[likely]]
        return v;
    if (IsNaN(v)) throw EInvalidOp();
    throw EOverflow();
}

inline Real Ln(const Real& x) {
    if (x > 0 && x <= std::numeric_limits<Real>::max()) [[likely]]
        return RawLog(x);
    if (x == 0) throw EZeroDivide();
    if (IsInf(x)) throw EOverflow();
    throw EInvalidOp();  // negative or NaN
}

inline Real Exp(const Real& x) {
    if (IsNaN(x)) throw EInvalidOp();
    // Underflow (x very negative, even -inf is never passed) yields 0.
    return Fin(RawExp(x));
}

inline Real Sqrt(const Real& x) {
    if (x >= 0) [[likely]]
        return Fin(RawSqrt(x));
    throw EInvalidOp();
}

inline Real Div(const Real& a, const Real& b) {
    if (b == 0) {
        if (a == 0 || IsNaN(a)) throw EInvalidOp();  // 0/0
        throw EZeroDivide();
    }
    return Fin(a / b);
}

inline Real Mul(const Real& a, const Real& b) { return Fin(a * b); }

// Rounding a Real to a 64-bit double: beyond the double range it overflows.
inline double ToDouble(const Real& v) {
    const double d = ToNearestDouble(v);
    if (std::isinf(d) && IsFinite(v)) throw EOverflow();
    if (std::isnan(d)) throw EInvalidOp();
    return d;
}

// Trunc: toward zero into a 64-bit integer; out of range is an invalid
// operation (the conversion instruction's fault), not a range error.
inline std::int64_t Trunc(const Real& v) {
    // 2^63 is exactly representable; the open upper bound excludes it.
    const Real kLimit = 9223372036854775808.0_r;
    if (!(v > -kLimit - 1 && v < kLimit)) throw EInvalidOp();
    return ToInteger<std::int64_t>(v);
}

// Nearest whole number, ties to even (the FPU's default rounding mode).
inline std::int64_t Round(const Real& v) {
    const Real kLimit = 9223372036854775808.0_r;
    if (!(v >= -kLimit && v < kLimit)) throw EInvalidOp();
    return ToInteger<std::int64_t>(NearbyInt(v));
}

// Narrowing of an integer into a smaller integer type under range checks.
template <typename Narrow>
inline Narrow NarrowTo(std::int64_t v) {
    if (v < static_cast<std::int64_t>(std::numeric_limits<Narrow>::min()) ||
        v > static_cast<std::int64_t>(std::numeric_limits<Narrow>::max()))
        throw ERangeError();
    return static_cast<Narrow>(v);
}
inline std::uint8_t ToByte(std::int64_t v) { return NarrowTo<std::uint8_t>(v); }
inline std::int16_t ToInt16(std::int64_t v) { return NarrowTo<std::int16_t>(v); }
inline std::uint16_t ToUInt16(std::int64_t v) { return NarrowTo<std::uint16_t>(v); }
inline std::int32_t ToInt32(std::int64_t v) { return NarrowTo<std::int32_t>(v); }

// 32-bit integer arithmetic under the overflow check. GCC and Clang have
// the checked builtins; elsewhere the exact 64-bit result is range checked
// (a product of two 32-bit numbers always fits 64 bits).
inline std::int32_t FitInt32(std::int64_t wide) {
    if (wide < std::numeric_limits<std::int32_t>::min() || wide > std::numeric_limits<std::int32_t>::max())
        throw EIntOverflow();
    return static_cast<std::int32_t>(wide);
}
#if defined(__GNUC__) || defined(__clang__)
inline std::int32_t AddInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}
inline std::int32_t MulInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}
inline std::int32_t SubInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}
#else
inline std::int32_t AddInt32(std::int32_t a, std::int32_t b) { return FitInt32(std::int64_t(a) + b); }
inline std::int32_t MulInt32(std::int32_t a, std::int32_t b) { return FitInt32(std::int64_t(a) * b); }
inline std::int32_t SubInt32(std::int32_t a, std::int32_t b) { return FitInt32(std::int64_t(a) - b); }
#endif

}  // namespace tarvik::checked
