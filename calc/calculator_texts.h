#pragma once
// What a field's text is on its way to a number: the calculator's chains
// and its notes read texts by the same two rules.
#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "core/number_text.h"
#include "core/real.h"

namespace tarvik {

// Texts on the way to a probability ("0" before "0.05"): while typed, they
// recompute nothing. Committed, they read as numbers and clamp.
inline bool IsGuardText(const std::string& text) {
    constexpr std::array<const char*, 6> kGuardTexts = {"", ".", ",", "0", "0.", "0,"};
    return std::find(kGuardTexts.begin(), kGuardTexts.end(), text) != kGuardTexts.end();
}

// A value that read as 0, or as a denormal, from a text that is not 0.
inline bool IsBelowEveryReal(Real x, const std::string& text) {
    return x >= 0 && !SignBit(x) && x < std::numeric_limits<Real>::min() && !TextIsZero(text);
}

}  // namespace tarvik
