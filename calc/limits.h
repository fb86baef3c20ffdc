#pragma once
// The domain's limits, in one place for the calculator core, the window and
// the command line. The window keeps the classic ranges of its fields; the
// command line, whose digits are right far beyond them, takes wider ones.
#include <cstdint>

#include "core/real.h"

namespace tarvik {

struct Limits {
    std::int32_t lowestDf;
    std::int32_t highestDf;
    Real valueCap;           // the largest chi-square value
    Real lowestProbability;  // probabilities clamp (window) or must lie in
                             // [lowest, 1 - lowest] (command line)
};

// The spin edit's MinValue and MaxValue, three times the latter as the value
// cap, and the six-decimal probability clamps.
inline const Limits& WindowLimits() {
    static const Limits limits{1, 300, 900, 0.000001_r};
    return limits;
}

inline const Limits& CommandLineLimits() {
    static const Limits limits{1, 65535, 1e6_r, 1e-300_r};
    return limits;
}

// A df the calculator computes with at all: a 16-bit count. Above it (a
// number typed into the spin edit before its correction) is a range error.
inline constexpr std::int64_t kLargestComputableDf = 65535;

// The chart's size in the window's design and, by default, in exports.
inline constexpr int kChartWidth = 275;
inline constexpr int kChartHeight = 240;

}  // namespace tarvik
