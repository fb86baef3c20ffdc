#include "calc/column_letters.h"

#include <algorithm>
#include <cstdint>

#include "math/distributions.h"

namespace tarvik {

namespace {

using Members = std::uint64_t;  // a letter's items, one bit each

bool Has(Members set, std::size_t item) { return (set >> item & 1u) != 0; }

// Drops the empty sets, the repeated ones and each set inside another:
// a letter whose items all share another letter says nothing more.
void Absorb(std::vector<Members>& sets) {
    std::sort(sets.begin(), sets.end());
    sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
    std::vector<Members> kept;
    for (Members s : sets) {
        const bool inside = s == 0 || std::any_of(sets.begin(), sets.end(), [s](Members t) { return t != s && (s & t) == s; });
        if (!inside) kept.push_back(s);
    }
    sets = std::move(kept);
}

}  // namespace

std::vector<std::string> CompactLetters(const std::vector<bool>& present,
                                        const std::vector<std::pair<std::size_t, std::size_t>>& differing) {
    constexpr std::size_t kMostLetters = 52;
    std::vector<std::string> letters(present.size());
    Members all = 0;
    for (std::size_t i = 0; i < present.size() && i < 64; ++i)
        if (present[i]) all |= Members{1} << i;
    std::vector<Members> sets{all};
    // Insert: a set holding both items of a differing pair splits into the
    // set without the one and the set without the other; absorb after each.
    for (const auto& [i, j] : differing) {
        std::vector<Members> split;
        for (Members s : sets) {
            if (Has(s, i) && Has(s, j)) {
                split.push_back(s & ~(Members{1} << i));
                split.push_back(s & ~(Members{1} << j));
            } else {
                split.push_back(s);
            }
        }
        sets = std::move(split);
        Absorb(sets);
        if (sets.size() > kMostLetters) return letters;
    }
    // Letters in reading order: the set whose first item comes first is a.
    std::sort(sets.begin(), sets.end(), [](Members a, Members b) {
        for (std::size_t i = 0; i < 64; ++i)
            if (Has(a, i) != Has(b, i)) return Has(a, i);
        return false;
    });
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const char letter = k < 26 ? char('a' + k) : char('A' + (k - 26));
        for (std::size_t i = 0; i < present.size(); ++i)
            if (Has(sets[k], i)) letters[i] += letter;
    }
    return letters;
}

std::vector<std::vector<std::string>> ColumnLetters(const CountTable& counts) {
    if (counts.size() < 2 || counts.front().size() < 2 || counts.front().size() > kMostLetterColumns) return {};
    const std::size_t columns = counts.front().size();
    std::vector<Real> totals(columns, 0);
    for (const auto& row : counts)
        for (std::size_t j = 0; j < columns; ++j) totals[j] += row[j];
    std::vector<bool> present(columns);
    for (std::size_t j = 0; j < columns; ++j) present[j] = totals[j] > 0;
    // Differ where the adjusted p, m p, is below 0.05: where z squared is
    // above the chi-square's upper 0.05 / m quantile, one quantile for all.
    const Real pairs = Real(columns * (columns - 1) / 2);
    const Real critical = ChiSquareUpperQuantile(1, 0.05_r / pairs);
    std::vector<std::vector<std::string>> letters;
    for (const auto& row : counts) {
        std::vector<std::pair<std::size_t, std::size_t>> differing;
        for (std::size_t j = 0; j < columns; ++j)
            for (std::size_t k = j + 1; k < columns; ++k) {
                if (!present[j] || !present[k]) continue;
                const Real a = row[j], b = totals[j] - a, c = row[k], d = totals[k] - c;
                // Both proportions 0 or both 1: nothing to tell apart.
                if (a + c == 0 || b + d == 0) continue;
                // A decision, not a shown number: counts near 1e15 lose
                // digits in ad - bc, which matters only within rounding of
                // the critical value.
                const Real cross = a * d - b * c;
                const Real chiSquare = (totals[j] + totals[k]) * cross * cross / ((a + c) * (b + d) * totals[j] * totals[k]);
                if (chiSquare > critical) differing.emplace_back(j, k);
            }
        letters.push_back(CompactLetters(present, differing));
    }
    return letters;
}

}  // namespace tarvik
