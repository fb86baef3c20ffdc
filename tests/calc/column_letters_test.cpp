#include "calc/column_letters.h"

#include <gtest/gtest.h>

namespace tarvik::test {
namespace {

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Worked by hand through insert-and-absorb (Piepho 2004).
TEST(CompactLetters, InsertAndAbsorb) {
    const struct {
        std::vector<bool> present;
        Pairs differing;
        std::vector<std::string> letters;
        const char* why;
    } cases[] = {
        {{true, true, true}, {}, {"a", "a", "a"}, "no difference: one letter"},
        {{true, true, true}, {{0, 2}}, {"a", "ab", "b"}, "the middle one between"},
        {{true, true, true, true}, {{0, 2}, {0, 3}, {1, 3}, {2, 3}}, {"a", "ab", "b", "c"}, "a chain and one apart"},
        {{true, true, true}, {{0, 1}, {0, 2}, {1, 2}}, {"a", "b", "c"}, "all differ"},
        {{true, false, true}, {{0, 2}}, {"a", "", "b"}, "an empty column takes no letter"},
        {{true, true, true, true}, {{0, 1}, {2, 3}}, {"ab", "cd", "ac", "bd"}, "two crossed pairs need four letters"},
    };
    for (const auto& c : cases) EXPECT_EQ(CompactLetters(c.present, c.differing), c.letters) << c.why;
}

// Against R's pairwise.prop.test(correct = FALSE, p.adjust.method =
// "bonferroni"): 30, 45, 60 of 100 differ only first to last (p 6.0e-5;
// 0.085 and 0.10 the others); 20, 22, 35, 50 of 60 differ in all pairs
// but 1-2 (p 1) and 2-3 (0.105), with 3-4 at 0.0155 and 1-3 at 0.036.
TEST(ColumnLetters, AgreeWithPairwiseProportionTests) {
    const struct {
        CountTable counts;
        std::vector<std::string> letters;
    } cases[] = {
        {{{30, 45, 60}, {70, 55, 40}}, {"a", "ab", "b"}},
        {{{20, 22, 35, 50}, {40, 38, 25, 10}}, {"a", "ab", "b", "c"}},
    };
    for (const auto& c : cases) {
        const auto letters = ColumnLetters(c.counts);
        ASSERT_EQ(letters.size(), c.counts.size());
        for (const auto& row : letters) EXPECT_EQ(row, c.letters);  // two rows: the same tests
    }
    EXPECT_TRUE(ColumnLetters(CountTable(2, std::vector<Real>(kMostLetterColumns + 1, 5))).empty());
}

}  // namespace
}  // namespace tarvik::test
