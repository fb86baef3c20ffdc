#include "core/checked_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace tarvik {
namespace {

using namespace checked;

// Each fault by type and by the exact text the message box shows.
template <typename E>
void ExpectFault(const std::function<void()>& f, const char* message) {
    try {
        f();
        ADD_FAILURE() << "expected: " << message;
    } catch (const E& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

TEST(CheckedMath, FloatingPointFaults) {
    ExpectFault<EZeroDivide>([] { Ln(0); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([] { Ln(-1); }, "Invalid floating point operation");
    ExpectFault<EOverflow>([] { Exp(11357); }, "Floating point overflow");
    ExpectFault<EInvalidOp>([] { Sqrt(-1e-30_r); }, "Invalid floating point operation");
    ExpectFault<EZeroDivide>([] { Div(1, 0); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([] { Div(0, 0); }, "Invalid floating point operation");
    ExpectFault<EOverflow>([] { Mul(1e4000_r, 1e4000_r); }, "Floating point overflow");
    ExpectFault<EOverflow>([] { ToDouble(1e400_r); }, "Floating point overflow");
    ExpectFault<EInvalidOp>([] { Fin(std::numeric_limits<Real>::quiet_NaN()); },
                            "Invalid floating point operation");
}

TEST(CheckedMath, UnderflowIsSilent) {
    EXPECT_EQ(Exp(-20000), 0);
    EXPECT_EQ(ToDouble(1e-400_r), 0.0);
    EXPECT_GT(Exp(11356), 1e4931_r);  // just inside the extended range
}

TEST(CheckedMath, TruncAndRound) {
    EXPECT_EQ(Trunc(2.9_r), 2);
    EXPECT_EQ(Trunc(-2.9_r), -2);
    EXPECT_EQ(Trunc(9.2e18_r), 9200000000000000000LL);
    ExpectFault<EInvalidOp>([] { Trunc(9.3e18_r); }, "Invalid floating point operation");
    ExpectFault<EInvalidOp>([] { Trunc(-9.3e18_r); }, "Invalid floating point operation");
    EXPECT_EQ(Round(2.5_r), 2);  // ties to even
    EXPECT_EQ(Round(3.5_r), 4);
    EXPECT_EQ(Round(-2.5_r), -2);
}

TEST(CheckedMath, NarrowingAndIntegerOverflow) {
    EXPECT_EQ(ToByte(255), 255);
    ExpectFault<ERangeError>([] { ToByte(256); }, "Range check error");
    ExpectFault<ERangeError>([] { ToByte(-1); }, "Range check error");
    EXPECT_EQ(ToUInt16(65535), 65535);
    ExpectFault<ERangeError>([] { ToUInt16(65536); }, "Range check error");
    ExpectFault<ERangeError>([] { ToInt16(-32769); }, "Range check error");
    ExpectFault<ERangeError>([] { ToInt32(2147483648LL); }, "Range check error");
    ExpectFault<EIntOverflow>([] { MulInt32(65536, 32768); }, "Integer overflow");
    ExpectFault<EIntOverflow>([] { AddInt32(2147483647, 1); }, "Integer overflow");
}

}  // namespace
}  // namespace tarvik
