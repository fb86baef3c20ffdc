#include "resources/help_text.h"

#include <QCoreApplication>

namespace tarvik {

namespace {
// The paragraphs F1 opens at from the side windows.
const char* const kCriticalValuesHelp = QT_TRANSLATE_NOOP("HelpText", "  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and "
            "probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV");
const char* const kPowerHelp = QT_TRANSLATE_NOOP("HelpText", "  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, "
            "alpha, the power and the total sample size N, with the degrees of freedom; the fourth is "
            "solved as you type (for N: the smallest N that reaches the power, and the power it "
            "reaches). w can come from the proportions you expect (goodness of fit) or from a table "
            "of cell probabilities (independence). Two charts show the central density under H0 and "
            "the noncentral one under H1 with alpha and beta shaded, and the power against N or w");
const char* const kTableTestHelp = QT_TRANSLATE_NOOP("HelpText", "  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or "
            "open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness "
            "of fit (equal, or against the expected proportions you give): Pearson's chi-square and the "
            "likelihood ratio G2 with their p, Yates' correction beside the plain test for 2 x 2, "
            "Fisher's exact test in the background (a Monte Carlo p where the exact count does not end "
            "within a minute; Cancel stops it), Cramer's V (with the bias-corrected V) and Cohen's w "
            "with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass "
            "the largest V or w of the table's shape ends there), and each cell's "
            "expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the "
            "density chart");
const char* const kVarianceHelp = QT_TRANSLATE_NOOP("HelpText", "  * One variance (Ctrl+Shift+V): from a sample's variance s2 (or standard deviation s) "
            "and size n, the interval for sigma2 and sigma at the level you give (the chi-square with "
            "n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the "
            "test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided "
            "one, twice the smaller tail");
}  // namespace

QStringList HelpTextLines() {
    return {
        QString(59, ' ') + QCoreApplication::translate("HelpText", "Welcome to Tarvik by Osterby !"),
        "",
        QCoreApplication::translate("HelpText", "Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the "
            "Chi-square (X2) distribution:"),
        QCoreApplication::translate("HelpText", "  * the cumulative distribution function (cdf, aka lower tail probability) and upper "
            "tail probability"),
        QCoreApplication::translate("HelpText", "  * the X2 value (inverse cdf)"),
        QCoreApplication::translate("HelpText", "  * the probability density function"),
        "",
        QCoreApplication::translate("HelpText", "To use, just edit the desired field, or change the degrees of freedom using the arrows."),
        QCoreApplication::translate("HelpText", "When doing the latter, you have the option of either"),
        QCoreApplication::translate("HelpText", "  * freezing the X2 value to change the cdf and upper tail probability"),
        QCoreApplication::translate("HelpText", "  * freezing the cdf and upper tail probability to change the X2 value"),
        QCoreApplication::translate("HelpText", "If in doubt, just try it! "),
        "",
        QCoreApplication::translate("HelpText", "More, from the right-click menus of the fields, the density and the chart:"),
        QCoreApplication::translate("HelpText", "  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a "
            "tiny p-value can be read in its field"),
        QCoreApplication::translate("HelpText", "  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them"),
        QCoreApplication::translate("HelpText", kCriticalValuesHelp),
        QCoreApplication::translate("HelpText", kPowerHelp),
        QCoreApplication::translate("HelpText", "  * Designs in the power window: McNemar's test of paired proportions (the discordant "
            "proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the "
            "exact binomial test's power beside the chi-square's) and two independent proportions (p1 and p2, or "
            "p1 and the odds ratio, with the groups' ratio n2 / n1 and the continuity correction: n1 and n2, the "
            "power or the detectable p2 on either side of p1, by the normal approximation). w can also come from "
            "each group's proportions and the groups' sizes, from Cramer's V (w = V times the square root of "
            "min(r, c) - 1) or from an odds ratio and a baseline proportion"),
        QCoreApplication::translate("HelpText", kVarianceHelp),
        QCoreApplication::translate("HelpText", kTableTestHelp),
        QCoreApplication::translate("HelpText", "  * After the table's test: for 2 x 2 the odds ratio, the risk ratio and the risk difference "
            "with 95 % intervals and Fisher's one-sided p (rows the groups, the first column the event; "
            "Swap rows and columns, or the grid's right-click menu, turns or reverses the table); "
            "Paired: McNemar's test for 2 x 2, Bowker's for k x k; the rows compared in pairs (Holm, "
            "Bonferroni); each cell's row, column and total percentages, with letters: in a row, "
            "columns that share a letter do not differ in their column percentage; Mosaic: the table "
            "as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C "
            "copies the test as one sentence; Save as CSV saves the results with the cells"),
        QCoreApplication::translate("HelpText", "  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window's "
            "gradient or on white for print; a name typed with .png or .svg decides the format"),
        QCoreApplication::translate("HelpText", "  * Language: the desktop's language, or English, German, Spanish, French, Dutch, "
            "Turkish or Simplified Chinese, from the next start on"),
        QCoreApplication::translate("HelpText", "From a terminal, tarvik --help shows the command line: lists, tables and batches."),
        "",
        // The about block.
        QCoreApplication::translate("HelpText", "About"),
        "",
        QCoreApplication::translate("HelpText", "Tarvik is offered as it is, without any warranty. The numbers it shows are computed with "
            "care in 80-bit extended precision and checked against an independent 50-digit reference, "
            "but please verify any result that an important decision rests on."),
        "",
        QCoreApplication::translate("HelpText", "With thanks to the authors of the published methods inside: the exact finite sums for the "
            "chi-square and F tails, Loader's saddle-point Poisson probabilities, Legendre's continued "
            "fraction of the incomplete gamma function, Dekker's double-length arithmetic, Ding's "
            "noncentral chi-square sums, Patnaik's approximation, Gauss-Legendre quadrature, Halley's "
            "method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal "
            "quantile, Abramowitz and Stegun's formula 26.2.17, the percentage-point method of Best and "
            "Roberts (AS 91), and the Illinois variant of false position."),
        "",
        QCoreApplication::translate("HelpText", "Questions, suggestions and reports of errors are welcome at tarvik@osterby.example."),
    };
}

int HelpTopicLine(HelpTopic topic) {
    const char* const sources[] = {kCriticalValuesHelp, kPowerHelp, kTableTestHelp, kVarianceHelp};
    return int(HelpTextLines().indexOf(QCoreApplication::translate("HelpText", sources[int(topic)])));
}

}  // namespace tarvik
