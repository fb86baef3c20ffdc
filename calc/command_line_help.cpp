// The text of --help.
#include "calc/command_request.h"

namespace tarvik {

const std::string& CommandLineHelp() {
    static const std::string help =
        R"(Usage: tarvik [OPTION]...
The chi-square distribution: probabilities, density and critical values.
With no option, the calculator window opens.

One of these, with --df:
  --value X        P(X<=x), P(X>x) and the density at x (0 to 1e6)
  --cdf P          the value x with P(X<=x) = P
  --upper P        the value x with P(X>x) = P
  --two-sided A    both critical values, each cutting A/2
  --between A B    P(A < X <= B)
  --df N           degrees of freedom, whole, 1 to 65535
  --ncp L          with --value, --cdf or --upper: the noncentral
                   chi-square with noncentrality L (0 to 1e6)
Probabilities lie from 1e-300 to 1 - 1e-300; a value other than 0 lies at
or above 3.36e-4932, the smallest full-precision Real.

Power and sample size of a chi-square test, with --df: three of these,
and the fourth is solved (for a solved N, power= is the power reached):
  --effect W       Cohen's effect size w (0.1 small, 0.3 medium, 0.5 large)
  --alpha A        the significance level
  --power P        the power, 1 - beta, above alpha
  --n N            the total sample size, 1 to 1000000000

A table of counts:
  --counts FILE    the chi-square test of the table in FILE (- for standard
                   input): rows of counts separated by tabs, semicolons or
                   commas, with a header row and a column of labels or
                   without. A table of 2 x 2 or more tests independence
                   (also Yates' correction for 2 x 2, and Fisher's exact
                   test: for 2 x 2 of up to 10000000 in all, for larger
                   tables where up to 1000000 tables share the margins);
                   one row of counts tests goodness of fit
  --expected P,P,...  with --counts: the expected proportions (adding up
                   to 1) or expected counts of a goodness-of-fit test;
                   equal when not given

Lists and standard input:
  N,N,...          a list: --upper 0.1,0.05,0.01
  FROM..TO[:STEP]  a range: --df 1..100, --value 0..10:0.5
  -                for --value, --cdf or --upper: one number per line of
                   standard input
  --table          with --upper, --cdf or --two-sided: a table of critical
                   values, one row per df, one column per probability

Output:
  --numbers STYLE  decimals (default), significant or scientific
  --precision N    digits of that style, 1 to 21 (six by default; alone it
                   means N significant digits). A Real holds 19 to 20
                   significant digits: digits past those are the exact
                   decimal digits of the binary number it holds
  In decimals, numbers from 1e18 up are written as 3.9894228040143267794E149,
  with every digit the Real holds.
  --format FORM    text (default), csv, tsv or markdown
  --output FILE    write to FILE, whole or not at all, not standard output
  --export-chart FILE  the density chart of one result, as FILE.png or
                   FILE.svg
  --size WxH       its size in pixels (default 275x260, 120 to 4000 each)
  --scale N        pixels per chart pixel in a PNG, 1 to 4
  --background B   gradient (the window's, default) or white, for print
  A chart's text grows with its size: at 1600x1000, printed at the width
  of a page column, it reads as the window's chart does on the screen.

  -h, --help       this help
  -v, --version    the version

Examples:
  tarvik --df 12 --value 23.5
  tarvik --df 10 --upper 0.05 --numbers significant --precision 9
  tarvik --df 1..100 --upper 0.10,0.05,0.025,0.01,0.005
  printf '3.84\n6.63\n' | tarvik --df 1 --value -
  tarvik --df 1..30 --upper 0.05,0.01 --table --format csv --output table.csv
  tarvik --df 10 --two-sided 0.05
  tarvik --df 10 --between 3.246973 20.483177
  tarvik --df 12 --value 23.5 --export-chart chart.svg --size 550x480
  tarvik --df 3 --ncp 10 --value 7.814728
  tarvik --df 2 --effect 0.3 --alpha 0.05 --power 0.8
  tarvik --df 1 --effect 0.1,0.3,0.5 --alpha 0.05 --n 50..200:50
  printf '20,15,25\n30,25,10\n' | tarvik --counts -
  printf '18,22,30,30\n' | tarvik --counts - --expected 0.25,0.25,0.25,0.25

Exit status: 0 on success, 2 on bad input (one line on standard error,
nothing printed), 1 when a file cannot be written.
)";
    return help;
}

}  // namespace tarvik
