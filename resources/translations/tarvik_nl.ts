<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>Geen getal: de resultaten zijn nog die van %1.</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>Onder het kleinste getal dat de rekenmachine bevat: de resultaten zijn nog die van %1.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>Gelezen als %1: het venster neemt waarden van 0 tot %2.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>Gelezen als %1: het venster neemt kansen van %2 tot %3; de opdrachtregel neemt ze tot 1e-300.</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  Vrijheidsgraden : </translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  Chikwadraatwaarde : </translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>Cumulatieve verdeling : </translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>Overschrijdingskans : </translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>Kansdichtheid : </translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Vrijheidsgraden</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>Chikwadraatwaarde</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>Cumulatieve verdelingsfunctie</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>Overschrijdingskans</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>De chikwadraatwaarde vasthouden als de vrijheidsgraden veranderen</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>De cumulatieve kans vasthouden als de vrijheidsgraden veranderen</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>Dichtheidsgrafiek</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>Klik om vast te zetten bij het wijzigen van de vrijheidsgraden</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>Blijft gelijk bij het wijzigen van de vrijheidsgraden</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>Blijven gelijk bij het wijzigen van de vrijheidsgraden</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>Kansdichtheid: %1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Grafiek opslaan als…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Grafiek kopiëren</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>Met volle precisie kopiëren</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Resultaten kopiëren</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>Kritieke waarden…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>Onderscheidend vermogen en steekproefgrootte…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>Een tabel toetsen…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Taal van het bureaublad</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>de taal van het bureaublad</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik toont zijn teksten vanaf de volgende start in: %1.</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>&amp;Getallen tonen als</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>&amp;Decimalen</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>&amp;Significante cijfers</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>&amp;Wetenschappelijk</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  (6 significante cijfers)
%2  (volle precisie)</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>Gearceerd: rechteroverschrijdingskans P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>Chikwadraatdichtheid, gearceerde rechterstaart P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>Chikwadraatdichtheid voor vg %1 bij x = %2, P(X&lt;=x) = %3; gearceerde rechterstaart P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>De keuze voor %1 kon niet in %2 worden bewaard: Tarvik houdt zijn woorden zoals ze zijn.</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>Getallen worden vanaf nu zo getoond, maar de keuze kon niet in %1 worden bewaard voor de volgende start.</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>Eén variantie…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>PNG-afbeelding, dubbele resolutie (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>PNG-afbeelding op wit, voor afdrukken (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>SVG-tekening op wit, voor afdrukken (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>&apos;%1&apos; is alleen-lezen. Vervangen?</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Grafiek opslaan als</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-tabel (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; bestaat al. Vervangen?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>vraagt meer dan %1 resultaten in één run</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is twee keer gegeven</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 neemt geen waarde</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 neemt zijn waarden los: %1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 heeft twee waarden nodig</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 heeft --export-chart nodig</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 heeft een naam op .png of .svg nodig</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart tekent één resultaat van --value, --cdf of --upper</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 is geen BREEDTExHOOGTE, zoals in 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 is geen gradient of white</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 is geen decimals, significant of scientific</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 is geen text, csv, tsv of markdown</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected heeft --counts nodig</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts heeft een bestandsnaam nodig, of - voor standaardinvoer</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1: %2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect, --alpha, --power en --n nemen geen van --value, --cdf, --upper, --two-sided, --between en --ncp</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>geef een van --value, --cdf, --upper, --two-sided en --between, of drie van --effect, --alpha, --power en --n</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>--df is verplicht</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp neemt --value, --cdf of --upper</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart neemt geen --ncp</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between heeft A &lt;= B nodig</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table neemt --cdf, --upper of --two-sided</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>standaardinvoer geeft meer dan %1 getallen</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>standaardinvoer regel %1</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>standaardinvoer geeft geen getal voor %1</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart tekent één resultaat: geef één vg en één getal</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>geef drie van --effect, --alpha, --power en --n: de vierde wordt opgelost</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 neemt geen --effect, --alpha, --power en --n</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 is geen bestandsnaam die dit systeem kan schrijven: het is geen geldige UTF-8</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>--counts %1 kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 is groter dan 64 MiB</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>de resultaten</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>kan de resultaten niet naar standaarduitvoer schrijven</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>regel %1 van de standaardinvoer is langer dan %2 bytes</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>de resultaten kunnen niet in een tijdelijk bestand worden bewaard: %1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired vraagt --counts</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired neemt geen --expected: het toetst een vierkante tabel van paren</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 is geen holm of bonferroni</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise vergelijkt de rijen van een onafhankelijkheidstabel: niet met --paired of --expected</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance neemt --n, --level, --sigma2, --numbers, --precision, --format en --output, niet %1</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance vraagt --n, de steekproefomvang</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>boven 0</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated vraagt --counts</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit heeft --counts nodig</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts neemt --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format en --output, niet %1</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 is geen poisson of binomial</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit maakt de verwachte frequenties zelf: niet met --expected, --paired of --pairwise</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape geeft de vg: niet met --df</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design heeft --alpha en twee van --power, --n en het effect nodig: het derde wordt opgelost</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 is niet mcnemar, two-proportions of groups</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1 neemt geen %2</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design heeft --alpha nodig</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups heeft --groups nodig</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups geeft het effect: laat --power of --n weg</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 heeft %2 nodig</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>geef %1 of --or, niet beide</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 is niet RIJENxKOLOMMEN, zoals 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v vraagt --shape en staat voor --effect</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 leest of schrijft een bestand, en hier zijn geen bestanden</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Usage: tarvik [OPTION]...
The chi-square distribution: probabilities, density and critical values.
With no option, the calculator window opens.

One of these, with --df:
  --value X        P(X&lt;=x), P(X&gt;x) and the density at x (0 to 1e6)
  --cdf P          the value x with P(X&lt;=x) = P
  --upper P        the value x with P(X&gt;x) = P
  --two-sided A    both critical values, each cutting A/2
  --between A B    P(A &lt; X &lt;= B)
  --df N           degrees of freedom, whole, 1 to 65535
  --ncp L          with --value, --cdf or --upper: the noncentral
                   chi-square with noncentrality L (0 to 1e6)
Probabilities lie from 1e-300 to 1 - 1e-300; a value other than 0 lies at
or above 3.36e-4932, the smallest full-precision Real.

Power and sample size of a chi-square test, with --df: three of these,
and the fourth is solved (for a solved N, power= is the power reached):
  --effect W       Cohen&apos;s effect size w (0.1 small, 0.3 medium, 0.5 large)
  --alpha A        the significance level
  --power P        the power, 1 - beta, above alpha
  --n N            the total sample size, 1 to 1000000000
  --shape RxC      in place of --df: the table&apos;s df, and V beside w;
                   --v V, Cramer&apos;s V, may stand for --effect

Power of other designs: --design D with --alpha and two of --power, --n
and the effect; the third is solved:
  mcnemar          N pairs; --p01 P with --p10 P (the discordant
                   proportions) or --or R (p10 / p01), or p10 solved;
                   w, the chi-square&apos;s power and the exact (binomial)
                   test&apos;s power_exact (up to 100000 pairs)
  two-proportions  --n is group 1&apos;s size; --p1 P with --p2 P or --or R
                   (the odds ratio), or p2 solved (p2_low below p1);
                   --ratio K for n2 / n1 (1 by default), --correct for
                   the continuity correction
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; each group&apos;s proportions,
                   groups parted by /, --sizes S,S (equal by default):
                   w, V and each group&apos;s n (n_groups)

One variance, from a sample&apos;s s^2 and its size (--n N, 2 to 65536):
  --variance S2    the interval for sigma^2 and sigma (var_low, var_high,
                   sd_low, sd_high), from the chi-square with N - 1 df
  --level L        its level, 0.95 by default
  --sigma2 S0      also the test of sigma^2 = S0: chi2, p_lower, p_upper
                   and p_two (twice the smaller tail)

A table of counts:
  --counts FILE    the chi-square test of the table in FILE (- for standard
                   input): rows of counts separated by tabs, semicolons or
                   commas, with a header row and a column of labels or
                   without. A table of 2 x 2 or more tests independence
                   (also Yates&apos; correction for 2 x 2, and Fisher&apos;s exact
                   test); one row of counts tests goodness of fit. V and w
                   come with 95 % intervals (two-sided, the noncentral
                   chi-square inverted; one that would pass the largest V or
                   w of the table&apos;s shape ends there), V_adj is the
                   bias-corrected V; then each cell&apos;s expected count and
                   residuals. A 2 x 2 table adds OR (Woolf), OR_mle (exact
                   conditional, up to 1e6 observations), RR (Katz) and RD
                   (Newcombe) with 95 % intervals, and Fisher&apos;s one-sided
                   p-values and mid-p
  --expected P,P,...  with --counts: the expected proportions (adding up
                   to 1) or expected counts of a goodness-of-fit test;
                   equal when not given; or ratios, 9:3:3:1 or any weights,
                   rescaled with a note; given, not estimated, they add
                   the exact multinomial p (exact_p; past --exact-seconds
                   exact_p_mc, exact_se and exact_seed)
  --estimated K    with --counts of one row: K parameters of the expected
                   counts estimated from the data, K degrees of freedom off
  --fit MODEL      with --counts of frequencies (one row or column, for the
                   values 0, 1, 2, ... or its labels; or two: the values,
                   then the frequencies): poisson or binomial, its
                   parameter estimated (1 df off), the ends pooled until
                   they expect 5 or more
  --exact-seconds S  with --counts: the time Fisher&apos;s exact test may take
                   (0 to 86400, 60 by default); past it fisher_p_mc is a
                   Monte Carlo p from 100000 random tables, with fisher_se
                   and fisher_seed
  --seed N         with --counts: the random tables&apos; seed
  --paired         with --counts: a square table of the same subjects
                   classified twice: McNemar&apos;s test (2 x 2: b, c, with and
                   without the continuity correction, exact and mid-p, the
                   paired odds ratio) or Bowker&apos;s test of symmetry
  --pairwise ADJ   with --counts: each pair of rows as its own test, one
                   line each, p adjusted by holm or bonferroni

Lists and standard input:
  N,N,...          a list: --upper 0.1,0.05,0.01 (or 0.1;0.05;0.01). Where
                   the desktop writes a decimal comma (23,5), a comma in a
                   number is one, and lists take &apos;;&apos; alone: --value
                   &quot;23,5;7,8&quot;. What is printed keeps the point
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
  --background B   gradient (the window&apos;s, default) or white, for print
  A chart&apos;s text grows with its size: at 1600x1000, printed at the width
  of a page column, it reads as the window&apos;s chart does on the screen.

  --language L     the language of messages and of the window: de, en, es,
                   fr, nl, tr or zh_CN (default: the desktop&apos;s); alone,
                   it opens the window and remembers the choice
  -h, --help       this help
  -v, --version    the version

Examples:
  tarvik --df 12 --value 23.5
  tarvik --df 10 --upper 0.05 --numbers significant --precision 9
  tarvik --df 1..100 --upper 0.10,0.05,0.025,0.01,0.005
  printf &apos;3.84\n6.63\n&apos; | tarvik --df 1 --value -
  tarvik --df 1..30 --upper 0.05,0.01 --table --format csv --output table.csv
  tarvik --df 10 --two-sided 0.05
  tarvik --df 10 --between 3.246973 20.483177
  tarvik --df 12 --value 23.5 --export-chart chart.svg --size 550x480
  tarvik --df 3 --ncp 10 --value 7.814728
  tarvik --df 2 --effect 0.3 --alpha 0.05 --power 0.8
  tarvik --df 1 --effect 0.1,0.3,0.5 --alpha 0.05 --n 50..200:50
  tarvik --design mcnemar --p10 0.25 --p01 0.1 --alpha 0.05 --power 0.8
  printf &apos;20,15,25\n30,25,10\n&apos; | tarvik --counts -
  printf &apos;18,22,30,30\n&apos; | tarvik --counts - --expected 0.25,0.25,0.25,0.25

Exit status: 0 on success, 2 on bad input (one line on standard error,
nothing printed), 1 when a file cannot be written.
</source>
        <translation>Gebruik: tarvik [OPTIE]...
De chikwadraatverdeling: kansen, dichtheid en kritieke waarden.
Zonder opties opent het rekenmachinevenster.

Een van deze, met --df:
  --value X        P(X&lt;=x), P(X&gt;x) en de dichtheid bij x (0 tot 1e6)
  --cdf P          de waarde x met P(X&lt;=x) = P
  --upper P        de waarde x met P(X&gt;x) = P
  --two-sided A    beide kritieke waarden, elk snijdt A/2 af
  --between A B    P(A &lt; X &lt;= B)
  --df N           vrijheidsgraden, geheel, 1 tot 65535
  --ncp L          met --value, --cdf of --upper: de niet-centrale
                   chikwadraat met non-centraliteit L (0 tot 1e6)
Kansen liggen van 1e-300 tot 1 - 1e-300; een waarde anders dan 0 ligt op
of boven 3.36e-4932, de kleinste Real met volle precisie.

Onderscheidend vermogen en steekproefgrootte van een chikwadraattoets, met
--df: drie hiervan, en de vierde wordt opgelost (bij een opgeloste N is
power= het bereikte vermogen):
  --effect W       Cohens effectgrootte w (0.1 klein, 0.3 middel, 0.5 groot)
  --alpha A        het significantieniveau
  --power P        het onderscheidend vermogen, 1 - bèta, boven alfa
  --n N            de totale steekproefgrootte, 1 tot 1000000000
  --shape RxC      in plaats van --df: de vg van de tabel, en V naast w;
                   --v V, Cramérs V, mag voor --effect staan

Vermogen van andere opzetten: --design D met --alpha en twee van --power,
--n en het effect; het derde wordt opgelost:
  mcnemar          N paren; --p01 P met --p10 P (de discordante
                   proporties) of --or R (p10 / p01), of p10 opgelost;
                   w, het vermogen van de chikwadraattoets en dat van de
                   exacte (binomiale) toets power_exact (tot 100000 paren)
  two-proportions  --n is de grootte van groep 1; --p1 P met --p2 P of
                   --or R (de odds ratio), of p2 opgelost (p2_low onder p1);
                   --ratio K voor n2 / n1 (standaard 1), --correct voor de
                   continuïteitscorrectie
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; de proporties van elke
                   groep, gescheiden door /, --sizes S,S (standaard gelijk):
                   w, V en de n van elke groep (n_groups)

Eén variantie, uit s^2 van een steekproef en haar omvang (--n N, 2 tot 65536):
  --variance S2    het interval voor sigma^2 en sigma (var_low, var_high,
                   sd_low, sd_high), uit de chikwadraat met N - 1 vg
  --level L        het niveau, standaard 0.95
  --sigma2 S0      ook de toets van sigma^2 = S0: chi2, p_lower, p_upper
                   en p_two (tweemaal de kleinste staart)

Een tabel met frequenties:
  --counts BESTAND de chikwadraattoets van de tabel in BESTAND (- voor
                   standaardinvoer): rijen frequenties gescheiden door tabs,
                   puntkomma&apos;s of komma&apos;s, met of zonder kopregel en
                   labelkolom. Een tabel van 2 x 2 of groter toetst
                   onafhankelijkheid (ook de correctie van Yates bij 2 x 2,
                   en Fishers exacte toets); één rij toetst aanpassing. V en
                   w met 95%-intervallen (tweezijdig, de niet-centrale
                   chikwadraatverdeling omgekeerd; een interval dat voorbij
                   de grootste V of w van de tabelvorm zou gaan, eindigt
                   daar), V_adj is de voor vertekening gecorrigeerde V;
                   dan per cel de verwachte frequentie en de residuen.
                   Een 2 x 2-tabel voegt OR (Woolf), OR_mle (exact
                   voorwaardelijk, tot 1e6 waarnemingen), RR (Katz) en RD
                   (Newcombe) met 95%-intervallen toe, en Fishers eenzijdige
                   p-waarden en de mid-p
  --expected P,P,...  met --counts: de verwachte proporties (optellend tot
                   1) of verwachte frequenties van een aanpassingstoets;
                   gelijk als ze niet gegeven zijn;
                   of verhoudingen, 9:3:3:1 of willekeurige gewichten,
                   herschaald met een opmerking; gegeven, niet geschat,
                   voegen ze de exacte multinomiale p toe (exact_p; na
                   --exact-seconds exact_p_mc, exact_se en exact_seed)
  --estimated K    met --counts van één rij: K parameters van de verwachte
                   frequenties uit de gegevens geschat, K vg minder
  --fit MODEL      met --counts van frequenties (één rij of kolom, voor de
                   waarden 0, 1, 2, ... of de labels; of twee: de waarden,
                   dan de frequenties): poisson of binomial, de parameter
                   geschat (1 vg minder), de uiteinden samengevoegd tot ze
                   5 of meer verwachten
  --exact-seconds S  met --counts: de tijd die Fishers exacte toets mag
                   duren (0 tot 86400, standaard 60); daarna is fisher_p_mc
                   een Monte-Carlo-p uit 100000 willekeurige tabellen, met
                   fisher_se en fisher_seed
  --seed N         met --counts: het startgetal van de willekeurige tabellen
  --paired         met --counts: een vierkante tabel van dezelfde personen,
                   twee keer ingedeeld: McNemars toets (2 x 2: b, c, met en
                   zonder continuïteitscorrectie, exact en mid-p, de
                   gepaarde oddsratio) of Bowkers symmetrietoets
  --pairwise AANP  met --counts: elk paar rijen als eigen toets, één regel
                   per paar, p aangepast volgens holm of bonferroni

Lijsten en standaardinvoer:
  N,N,...          een lijst: --upper 0.1,0.05,0.01 (of 0.1;0.05;0.01). Waar
                   het bureaublad een decimale komma schrijft (23,5), is een
                   komma in een getal er een, en nemen lijsten alleen &apos;;&apos;:
                   --value &quot;23,5;7,8&quot;. De uitvoer houdt de punt
  VAN..TOT[:STAP]  een bereik: --df 1..100, --value 0..10:0.5
  -                voor --value, --cdf of --upper: één getal per regel
                   standaardinvoer
  --table          met --upper, --cdf of --two-sided: een tabel van
                   kritieke waarden, één rij per vg, één kolom per kans

Uitvoer:
  --numbers STIJL  decimals (standaard), significant of scientific
  --precision N    cijfers van die stijl, 1 tot 21 (standaard zes; alleen
                   betekent het N significante cijfers). Een Real bevat 19
                   tot 20 significante cijfers: cijfers daarna zijn de
                   exacte decimale cijfers van het binaire getal erin
  In decimals worden getallen vanaf 1e18 geschreven als
  3.9894228040143267794E149, met elk cijfer dat de Real bevat.
  --format VORM    text (standaard), csv, tsv of markdown
  --output BESTAND naar BESTAND schrijven, helemaal of niet, niet naar
                   standaarduitvoer
  --export-chart BESTAND  de dichtheidsgrafiek van één resultaat, als
                   BESTAND.png of BESTAND.svg
  --size BxH       de grootte in pixels (standaard 275x260, elk 120 tot 4000)
  --scale N        pixels per grafiekpixel in een PNG, 1 tot 4
  --background B   gradient (die van het venster, standaard) of white, voor
                   afdrukken
  De tekst van een grafiek groeit mee: bij 1600x1000, afgedrukt op de
  breedte van een kolom, leest hij zoals de grafiek in het venster.

  --language L     de taal van meldingen en venster: de, en, es, fr, nl, tr
                   of zh_CN (standaard: die van het bureaublad); alleen
                   opent het het venster en onthoudt het de keuze
  -h, --help       deze hulp
  -v, --version    de versie

Voorbeelden:
  tarvik --df 12 --value 23.5
  tarvik --df 10 --upper 0.05 --numbers significant --precision 9
  tarvik --df 1..100 --upper 0.10,0.05,0.025,0.01,0.005
  printf &apos;3.84\n6.63\n&apos; | tarvik --df 1 --value -
  tarvik --df 1..30 --upper 0.05,0.01 --table --format csv --output table.csv
  tarvik --df 10 --two-sided 0.05
  tarvik --df 10 --between 3.246973 20.483177
  tarvik --df 12 --value 23.5 --export-chart chart.svg --size 550x480
  tarvik --df 3 --ncp 10 --value 7.814728
  tarvik --df 2 --effect 0.3 --alpha 0.05 --power 0.8
  tarvik --df 1 --effect 0.1,0.3,0.5 --alpha 0.05 --n 50..200:50
  tarvik --design mcnemar --p10 0.25 --p01 0.1 --alpha 0.05 --power 0.8
  printf &apos;20,15,25\n30,25,10\n&apos; | tarvik --counts -
  printf &apos;18,22,30,30\n&apos; | tarvik --counts - --expected 0.25,0.25,0.25,0.25

Afsluitstatus: 0 bij succes, 2 bij foute invoer (één regel op
standaardfout, niets afgedrukt), 1 als een bestand niet geschreven kan
worden.
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>cel bewerken</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>cellen legen</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>rij toevoegen</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>kolom toevoegen</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>rijen verwijderen</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>kolommen verwijderen</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>tabel vervangen</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>plakken</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>hernoemen</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>rijen en kolommen omwisselen</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>rijen omkeren</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>kolommen omkeren</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>rechts %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>links %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>tweezijdig %1: links</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>tweezijdig %1: rechts</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>Kritieke waarden - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>&amp;Rechterstaart P(X&gt;x)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>&amp;Linkerstaart P(X&lt;=x)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>T&amp;weezijdig: elke staart p/2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Opslaan als…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>Vrijheidsgraden &amp;van</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;tot</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>K&amp;ansen</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>Vrijheidsgraden van</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>Vrijheidsgraden tot</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>Kansen</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>Staartkansen, één per kolom, gescheiden door spaties of puntkomma&apos;s</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>Kritieke waarden</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>Eén rij per aantal vrijheidsgraden, één kolom per kans</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>Kopieert de tabel als door tabs gescheiden cellen</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>Slaat de tabel op als CSV-bestand</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>De vrijheidsgraden lopen achteruit: &apos;van&apos; ligt boven &apos;tot&apos;.</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>de tabel</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Tabel opslaan als</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>Discordante proportie p10, ja dan nee</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>Discordante proportie p01, nee dan ja</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>Verhouding p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>Proportie p1 in groep 1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>Proportie p2 in groep 2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio van p2 ten opzichte van p1</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>Verhouding van de groepen n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>Continuïteitscorrectie</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10 (ja, dan nee)</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01 (nee, dan ja)</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>of hun verhouding p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (groep 1)</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2 (groep 2)</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>of de odds ratio</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Groepsverhouding n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>is geen getal</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik heeft een grafisch scherm nodig: geen gevonden (DISPLAY is niet ingesteld).</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik heeft een grafisch scherm nodig: XDG_RUNTIME_DIR is niet ingesteld, dus er is geen Wayland-scherm te vinden.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik heeft een grafisch scherm nodig: er draait geen Wayland-scherm &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik heeft een grafisch scherm nodig: geen gevonden (DISPLAY noch WAYLAND_DISPLAY is ingesteld).</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik kan het scherm &apos;%1&apos; niet openen.</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik kan geen Wayland-scherm openen: XDG_RUNTIME_DIR is niet ingesteld.</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik kan het Wayland-scherm &apos;%1&apos; niet openen.</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik kan zijn venster niet starten: het grafische platform &apos;%1&apos; is niet gestart.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Drijvendekommadeling door nul</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ongeldige drijvendekommabewerking</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Drijvendekomma-overloop</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Drijvendekomma-onderloop</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 convergeerde niet binnen %2 doorgangen</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fout bij bereikcontrole</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Gehele-getallenoverloop</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O-fout %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldige drijvendekommawaarde</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>&apos;%1&apos; ligt onder het kleinste getal dat de rekenmachine bevat, 3.36e-4932</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Assertie mislukt</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>Fishers exacte toets was niet binnen %1 s klaar (--exact-seconds); fisher_p_mc is een Monte Carlo-p uit %2 willekeurige tabellen</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>Fishers exacte toets heeft meer geheugen nodig dan hij mag nemen; fisher_p_mc is een Monte Carlo-p uit %1 willekeurige tabellen</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>de tabel heeft te veel waarnemingen voor Fishers exacte toets; fisher_p_mc is een Monte Carlo-p uit %1 willekeurige tabellen</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>de tabel heeft te veel waarnemingen om te tellen of te trekken voor Fishers exacte toets; de p van de chikwadraattoets geldt</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>de exacte multinomiale toets eindigde niet binnen %1 s (--exact-seconds); exact_p_mc is een Monte-Carlo-p uit %2 willekeurige uitkomsten</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>de aanpassing heeft te veel waarnemingen of categorieën om de uitkomsten te tellen; exact_p_mc is een Monte-Carlo-p uit %1 willekeurige uitkomsten</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>de aanpassing heeft te veel categorieën om de uitkomsten te tellen of te trekken; de p van de chikwadraat geldt</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>Welkom bij Tarvik van Osterby !</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Tarvik van Osterby voor Linux- en Windows-computers berekent een paar functies van de chikwadraatverdeling (X2):</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * de cumulatieve verdelingsfunctie (cdf, ofwel linkeroverschrijdingskans) en de rechteroverschrijdingskans</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * de X2-waarde (kwantiel, inverse cdf)</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * de kansdichtheidsfunctie</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>Bewerk gewoon het gewenste veld, of verander de vrijheidsgraden met de pijltjes.</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>Bij dat laatste kunt u kiezen tussen</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * de X2-waarde vastzetten om de cdf en de overschrijdingskans te veranderen</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * de cdf en de overschrijdingskans vastzetten om de X2-waarde te veranderen</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>Bij twijfel: gewoon proberen! </translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>Meer in de contextmenu&apos;s (rechtermuisknop) van de velden, de dichtheid en de grafiek:</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * Getallen tonen als: zes decimalen, zes significante cijfers of wetenschappelijk (2.53963e-10), zodat ook een piepkleine p-waarde in het veld te lezen is</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * Resultaten kopiëren (Ctrl+Shift+C): de resultaten als één regel, zoals de opdrachtregel ze afdrukt</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * Kritieke waarden (Ctrl+T): een tabel van kritieke waarden per aantal vrijheidsgraden en kans, rechts, links of tweezijdig, om in een spreadsheet te kopiëren of als CSV op te slaan</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * Onderscheidend vermogen en steekproefgrootte (Ctrl+Shift+P): een onderzoek plannen. Geef drie van effectgrootte w, alfa, het onderscheidend vermogen en de totale steekproefgrootte N, met de vrijheidsgraden; de vierde wordt tijdens het typen opgelost (voor N: de kleinste N die het vermogen haalt, en het bereikte vermogen). w kan komen uit de verwachte proporties (aanpassingstoets) of uit een tabel van celkansen (onafhankelijkheid). Twee grafieken tonen de centrale dichtheid onder H0 en de niet-centrale onder H1 met alfa en bèta gearceerd, en het vermogen tegen N of w</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * Grafiek opslaan als: PNG, PNG op dubbele resolutie of een SVG-tekening, op het kleurverloop van het venster of op wit voor afdrukken; een getypte naam met .png of .svg bepaalt het formaat</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * Taal: de taal van het bureaublad, of Engels, Duits, Spaans, Frans, Nederlands, Turks of vereenvoudigd Chinees, vanaf de volgende start</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>In een terminal toont tarvik --help de opdrachtregel: lijsten, tabellen en batches.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik wordt aangeboden zoals het is, zonder enige garantie. De getoonde getallen worden zorgvuldig berekend in 80-bits uitgebreide precisie en gecontroleerd tegen een onafhankelijke referentie van 50 cijfers, maar controleer elk resultaat waar een belangrijke beslissing van afhangt.</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>Met dank aan de auteurs van de gepubliceerde methoden die erin zitten: de exacte eindige sommen voor de chikwadraat- en F-staarten, Loaders zadelpunt-Poissonkansen, Legendres kettingbreuk van de onvolledige gammafunctie, Dekkers rekenkunde met dubbele lengte, Dings sommen voor de niet-centrale chikwadraat, Patnaiks benadering, Gauss-Legendre-kwadratuur, de methode van Halley, de derdemachtswortelbenaderingen van Wilson-Hilferty en Paulson, het normale kwantiel van Odeh-Evans, formule 26.2.17 van Abramowitz en Stegun, de percentielpuntmethode van Best en Roberts (AS 91) en de Illinois-variant van regula falsi.</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>Vragen, suggesties en foutmeldingen zijn welkom op tarvik@osterby.example.</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * Een tabel toetsen (Ctrl+Shift+T): typ frequenties, plak een blok uit een spreadsheet (Ctrl+V) of open een CSV-bestand. Een tabel van 2 x 2 of groter wordt op onafhankelijkheid getoetst, één rij op aanpassing (gelijk, of tegen de verwachte proporties die u geeft): Pearsons chikwadraat en de aannemelijkheidsquotiënt G2 met hun p, de correctie van Yates naast de gewone toets bij 2 x 2, Fishers exacte toets op de achtergrond geteld (een Monte Carlo-p als de exacte telling niet binnen een minuut klaar is; Annuleren stopt hem), Cramérs V (met de voor vertekening gecorrigeerde V) en Cohens w met 95%-intervallen (tweezijdig, door de niet-centrale chikwadraatverdeling om te keren; een interval dat voorbij de grootste V of w van de tabelvorm zou gaan, eindigt daar), en per cel de verwachte frequentie, de residuen en de Bonferroni-p. Naar de rekenmachine toont de toetsingsgrootheid in de dichtheidsgrafiek</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * Na de toets van de tabel: voor 2 x 2 de odds ratio, het relatieve risico en het risicoverschil met 95%-intervallen en Fishers eenzijdige p (rijen de groepen, de eerste kolom de gebeurtenis; Rijen en kolommen omwisselen, of het rechtsklikmenu van het raster, draait of keert de tabel om); Gepaard: de toets van McNemar voor 2 x 2, die van Bowker voor k x k; de rijen paarsgewijs vergeleken (Holm, Bonferroni); per cel de rij-, kolom- en totaalpercentages, met letters: in een rij verschillen kolommen met een gemeenschappelijke letter niet in hun kolompercentage; Mozaïekdiagram: de tabel als tegels gekleurd naar hun gecorrigeerde residuen, gekopieerd of opgeslagen als een grafiek; Ctrl+Shift+C kopieert de toets als één zin; Als CSV opslaan slaat de resultaten met de cellen op</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * Eén variantie (Ctrl+Shift+V): uit de variantie s2 (of standaardafwijking s) en grootte n van een steekproef het interval voor sigma2 en sigma bij het gegeven niveau (de chikwadraat met n - 1 vrijheidsgraden, de twee grenzen op de dichtheid getoond); met sigma0 in het kwadraat de toets ervan: de grootheid (n - 1) s2 / sigma0 in het kwadraat, beide eenzijdige p en de tweezijdige, tweemaal de kleinste staart</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * Onderzoeksopzetten in het venster voor onderscheidend vermogen: de McNemar-toets voor gepaarde proporties (de discordante proporties p10 en p01, of p01 en hun verhouding: N paren, het vermogen of de aantoonbare p10, met het vermogen van de exacte binomiale toets naast dat van de chikwadraattoets) en twee onafhankelijke proporties (p1 en p2, of p1 en de odds ratio, met de groepsverhouding n2 / n1 en de continuïteitscorrectie: n1 en n2, het vermogen of de aantoonbare p2 aan beide kanten van p1, volgens de normale benadering). w kan ook komen uit de proporties van elke groep en de groepsgroottes, uit Cramérs V (w = V maal de wortel uit min(r, c) - 1) of uit een odds ratio en een basisproportie</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 is geen getal</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 valt buiten het bereik: %3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>gehele getallen van %1 tot %2</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>van 0 tot %1</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>van 0 tot %1, en 0 of minstens 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>van %1 tot 1 - %1</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>Kritieke waarden linkerstaart: x met P(X&lt;=x) = p</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>Kritieke waarden rechterstaart: x met P(X&gt;x) = p</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>Tweezijdige kritieke waarden: P(X&lt;=links) = P(X&gt;rechts) = alfa/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>geef minstens één kans</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>kans %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 bereik %2 is geen VAN..TOT of VAN..TOT:STAP met gewone decimale getallen</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 bereik %2 heeft een positieve stap nodig</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 bereik %2 heeft meer dan 18 cijfers nodig</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 bereik %2 loopt achteruit</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 geeft meer dan %2 items</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 heeft een leeg item</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 item %2</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2: op dit bureaublad is de komma de decimale komma (2,5 of 2.5 voor één getal); scheid de items van een lijst met &apos;;&apos;, zoals in 1;2;3</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 scheidt zijn items met zowel &apos;,&apos; als &apos;;&apos;: gebruik er één (een decimale komma wordt hier als punt geschreven: 2.5)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language heeft een taal nodig: de, en, es, fr, nl, tr of zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language is twee keer gegeven</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language &apos;%1&apos; is geen de, en, es, fr, nl, tr of zh_CN</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 of meer</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 tot 4</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>Gecorrigeerd residu</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>Mozaïekdiagram van de tabel</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 tot 2</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 tot −2</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 of minder</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>Mozaïek - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>De oppervlakte van elke tegel is het aandeel van zijn cel in de tabel: de rijen naast elkaar, de kolommen van elke rij gestapeld. Kleur en omtrek volgen het gecorrigeerde residu: blauw en doorgetrokken boven de verwachting, rood en gestreept eronder.</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Afbeelding &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>Op&amp;slaan als…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>moet een geheel getal van 1 tot %1 zijn</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>moet boven 0 liggen</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>moet tussen 0 en 1 liggen</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>moet een geheel getal van 1 tot 1000000000 zijn</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>moet boven alfa liggen</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>geeft een non-centraliteit N w² boven 1000000</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>%1-proportie %2 &apos;%3&apos; is geen getal</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>%1-proportie %2 &apos;%3&apos; is negatief</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>de %1-proporties tellen op tot 0</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>geef minstens twee H1-proporties</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0 heeft %1 proporties, H1 %2</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>H0-proportie %1 is 0</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>rij %1 cel %2 &apos;%3&apos; is geen getal</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>rij %1 cel %2 &apos;%3&apos; is negatief</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>rij %1 heeft %2 cellen, rij 1 heeft er %3</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>geef een tabel van minstens 2 rijen en 2 kolommen, één rij per regel</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>rij %1 telt op tot 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>kolom %1 telt op tot 0</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>effectgrootte w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>onderscheidend vermogen</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>geen N tot 1000000000 haalt dit onderscheidend vermogen</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>is altijd gegeven</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>boven 0, tot 1000</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>gehele getallen van 1 tot 1000000000</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>would be below 3.36e-4932, the smallest Real: give a smaller N, w or power</source>
        <translation>zou onder 3.36e-4932 liggen, het kleinste Real-getal: geef een kleinere N, w of een kleiner onderscheidend vermogen</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>boven 0, tot 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>groepsgrootte</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%1 groepsgroottes voor %2 groepen</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>groep %1 heeft grootte 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>en p01 tellen op tot meer dan 1</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>is gelijk aan p01: er is geen effect om aan te tonen</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>geen p10 tot 1 - p01 bereikt dit vermogen: geef een grotere N</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>moet boven 0 liggen, tot 1000</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>moet van 0 tot 1 liggen</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>is gelijk aan p1: er is geen effect om aan te tonen</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>geen p2 van 0 tot 1 bereikt dit vermogen: geef een grotere N</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; is geen getal</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>moet boven 0 liggen, tot 1</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1 moet tussen 0 en 1 liggen</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>de odds ratio</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>moet boven 0 liggen, tot 1000000</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>is in deze opzet altijd gegeven</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>boven 0, tot 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>Onderscheidend vermogen en steekproefgrootte - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>Steekproefgrootte N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Onderscheidend vermogen</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>Effectgrootte w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Significantieniveau α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>&amp;Oplossen voor</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>&amp;Vrijheidsgraden</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>Effectgrootte &amp;w</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>Significantieniveau &amp;α</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>Onderscheidend v&amp;ermogen 1 − β</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>Totale steekproefgrootte &amp;N</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>Vermogen tegen N</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>Vermogen tegen w</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0 (doorgetrokken)</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1 (gestippeld)</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α onder H0 rechts van de kritieke waarde, β onder H1 links ervan</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>Resultaten &amp;kopiëren</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Grafieken</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>Hypothesengrafiek opslaan als…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>Hypothesengrafiek kopiëren</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>Vermogenscurve opslaan als…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>Vermogenscurve kopiëren</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>Oplossen voor</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Vrijheidsgraden</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>Significantieniveau alfa</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>Totale steekproefgrootte N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>Hypothesengrafiek</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Vermogenscurve</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>Vermogenscurve tegen</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>Kopieert de resultaten als één regel tekst</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>Nog voor de laatste geldige getallen: %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>is geen getal</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    kritieke waarde χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    vermogen bereikt bij N = %1: %2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>Centrale dichtheid onder H0 en niet-centrale dichtheid onder H1 met lambda %1; kritieke waarde %2; alfa %3 gearceerd onder H0, bèta %4 onder H1</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>Vermogen tegen %1; het gekozen punt heeft vermogen %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 en H1: </translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>Vermogenscurve: </translation>
    </message>
    <message>
        <source>power</source>
        <translation>onderscheidend vermogen</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>Cohens w: %1 klein, %2 middel, %3 groot</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen: %1 klein, %2 middel, %3 groot</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>Cohens w (chikwadraattoets)</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>McNemar-toets (gepaarde proporties)</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>Twee onafhankelijke proporties</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>Op&amp;zet</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Opzet</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    per groep: %1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>Aantoonbare p10</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>Aantoonbare p2</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>Aantal paren &amp;N</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>&amp;N in groep 1</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    kritieke waarde χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    vermogen van de exacte (binomiale) toets bij N = %1: %2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    het vermogen van de exacte toets wordt tot %1 paren berekend</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1, n2 = %2, N = %3 in totaal    w van de 2 × 2-tabel = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    bereikt vermogen: %1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    ook onder p1: p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>Effectgrootte uit p&amp;roporties</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>&amp;Aanpassing</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>Onafhankel&amp;ijkheid (tabel)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>Deze w gebr&amp;uiken</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>H0-proporties</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>H1-proporties</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>H1-celkansen</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>Eén rij van de tabel per regel</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>Typ de H1-proporties van de categorieën.</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>Typ de H1-tabel, één rij per regel.</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1 bij vg %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>Proporties van de groepen</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>Cramérs V</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>Oddsverhouding (2 × 2)</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>Groepsgroottes</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>Rijen × kolommen</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (groep 1)</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio van p2 ten opzichte van p1</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Groepsverhouding n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>Proporties per groep</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>Eén groep per regel</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3 met vg %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1; w van de 2 × 2-tabel = %2 met vg 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>Typ de proporties van elke groep, één groep per regel.</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1; V = %2; aandelen van de groepen in N: %3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Knippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%1 van %2 cellen (%3 %) hebben verwachte frequenties onder 5; de kleinste is %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>Pearson χ² = %1, vg = %2, p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>Aannemelijkheidsquotiënt G² = %1, vg = %2, p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>Yates-gecorrigeerde χ² = %1, p = %2 (naast de gewone toets)</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>, 95%-BI %1 tot %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>, geen 95%-BI boven χ² = 1e7</translation>
    </message>
    <message>
        <source>Cramér&apos;s V = %1%2</source>
        <translation>Cramérs V = %1%2</translation>
    </message>
    <message>
        <source>Cohen&apos;s w = %1%2</source>
        <translation>Cohens w = %1%2</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cellen</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rij</translation>
    </message>
    <message>
        <source>column</source>
        <translation>kolom</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>geobserveerd</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>verwacht</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residu</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>gecorrigeerd residu</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>Bonferroni-p</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>teken</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>Voor vertekening gecorrigeerde V (Bergsma 2013) = %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1: niet gedefinieerd voor deze tabel (%2: een lege cel of groep)</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2, 95%-BI %3 tot %4 (%5)</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>Oddsratio</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>Relatief risico</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>Risicoverschil</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>Voorwaardelijke oddsratio</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>Eenzijdige p = %1 (oddsratio onder 1), %2 (boven 1); mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Bowkers symmetrietoets: χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>Discordante paren: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1, df = 1, p = %2; met de continuïteitscorrectie %3, p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>Exacte (binomiale) p = %1, mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>Gepaarde oddsratio b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>Rijen paarsgewijs vergeleken (Pearson-χ²; p aangepast volgens Holm en volgens Bonferroni):</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1: alles in één kolom, niets te vergelijken</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>rij-%</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>kolom-%</translation>
    </message>
    <message>
        <source>total %</source>
        <translation>totaal-%</translation>
    </message>
    <message>
        <source>χ²(%1, N = %2) = %3, p %4, %5 = %6</source>
        <translation>χ²(%1, N = %2) = %3, p %4, %5 = %6</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>lettercodes</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>Gelezen met %1 als gebeurtenis (de eerste kolom), %2 tegenover %3 (de rijen)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>de grafiek</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>het is geen gewoon bestand (een apparaat, een pipe of een socket)</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>Kan %1 niet opslaan in &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>het bestand is alleen-lezen en de rechten kunnen niet worden gewijzigd</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>de gegevens konden niet worden geschreven</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>het is geschreven, maar de rechten konden niet worden behouden</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>het is een symbolische koppeling naar &apos;%1&apos;: kies dat bestand zelf, of een andere naam</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>het is van een andere gebruiker, en een nieuw bestand zou van u zijn</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Verhogen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verlagen</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1: %2 is geen frequentie</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1: %2 is negatief; frequenties zijn gehele getallen vanaf 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1: %2 is geen geheel getal; frequenties zijn gehele getallen vanaf 0</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1: %2 ligt boven 1e15</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>de tabel bevat geen frequenties</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>de tabel bevat geen frequenties, alleen de kopregel</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>rij 1 bevat geen frequenties</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>rij %1 heeft %2 frequenties waar rij 1 er %3 heeft</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>de kopregel heeft %1 labels voor %2 kolommen met frequenties</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>verwachte proporties horen bij één rij (of één kolom) frequenties</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>verwacht item %1 %2 is geen getal</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>verwacht item %1 %2 is negatief</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>verwacht item %1 %2 is 0 waar %3 geobserveerd zijn: geen toets kan dat aan</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>een tabel heeft 2 rijen en 2 kolommen nodig, of één rij van 2 of meer frequenties voor aanpassing</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>de frequenties tellen op tot 0</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>rij %1 telt op tot 0: de verwachte frequenties zouden 0 zijn</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>kolom %1 telt op tot 0: de verwachte frequenties zouden 0 zijn</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>de tekst is UTF-16 of helemaal geen tekst: sla hem op als CSV UTF-8 of platte tekst</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>de tabel heeft meer dan %1 cellen</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>geef %1 verwachte proporties of frequenties, één per frequentie, niet %2</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>de eerste rij en kolom zijn als labels gelezen</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>de eerste rij is als kolomlabels gelezen</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>de eerste kolom is als rijlabels gelezen</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>een gepaarde tabel is vierkant, twee keer dezelfde categorieën (k x k); deze is %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>elk paar cellen buiten de diagonaal is leeg: niets te toetsen</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>geen paar veranderde van categorie (beide discordante cellen zijn 0): niets te toetsen</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise vergelijkt rijen: dit is één rij frequenties</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%1 categorieën met %2 geschatte parameters laten geen vrijheidsgraad over (df = k - 1 - geschat): schat er hoogstens %3</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>geschatte parameters horen bij één rij (of kolom) frequenties om aan te passen</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>de verwachte waarden tellen op tot %1, niet 1 en niet het totaal %2: gelezen als verhoudingen en herschaald naar het totaal</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>verwachte waarde %1 %2 valt buiten het bereik: 0, of van 1e-300 tot 1e15</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit neemt één rij of kolom frequenties, of twee: de waarden en hun frequenties</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>een model wordt aangepast aan drie of meer waarden: 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>een model heeft waarnemingen nodig: elke frequentie is 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>een Poisson-model heeft een gemiddelde boven 0 nodig: elke geziene waarde is 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>een binomiaal model heeft pogingen nodig: de grootste waarde is zijn n</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>Poisson-gemiddelde = %1, geschat uit de gegevens (1 vg minder)</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>binomiale p = %1 bij n = %2 pogingen, geschat uit de gegevens (1 vg minder)</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation>; de waarden zijn 0 tot %1 naar positie (geen kop van gehele getallen)</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation>; %1 waarden samengevoegd in de uiteinden, die minder dan 5 verwachtten</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>de verwachte items tellen op tot 1: gelezen als proporties</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>de verwachte items tellen op tot het totaal %1: gelezen als verwachte frequenties</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>de verwachte items laten minder dan 2 categorieën boven 0 over: niets te toetsen</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>Een tabel toetsen - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>&amp;Rij toevoegen</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>Rij &amp;verwijderen</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>Ko&amp;lom toevoegen</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>Kolom verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>CSV &amp;openen…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>Naar de re&amp;kenmachine</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>R&amp;esultaten kopiëren</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>&amp;Tabel kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV op&amp;slaan…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>&amp;Frequenties: typ ze, plak een blok (Ctrl+V) of open een bestand</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>Ver&amp;wachte proporties of frequenties (één rij)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Frequenties</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>Eén cel per frequentie; plak een blok uit een spreadsheet met Ctrl+V, met of zonder labels in de eerste rij en kolom</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>Verwachte proporties of frequenties</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>Voor één rij frequenties: proporties die optellen tot 1 of verwachte frequenties, gescheiden door spaties of puntkomma&apos;s; leeg voor gelijk</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>Voortgang van de exacte toets</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cellen</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>Verwachte frequentie, residuen en Bonferroni-p van elke cel; + of - naar het teken van het gecorrigeerde residu, * waar significant op 5 %</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>Zet de vrijheidsgraden en de chikwadraatwaarde van de rekenmachine</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>Kopieert de frequenties als door tabs gescheiden cellen</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>Typ of plak de frequenties: een tabel van 2 × 2 of groter, of één rij frequenties voor aanpassing.</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>De rekenmachine neemt tot %1 vrijheidsgraden; deze toets heeft er %2.</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>Het geplakte blok is niet overgenomen: %1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>Het geplakte blok is niet overgenomen: een tabel heeft hoogstens %1 rijen en kolommen.</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>Een tabel met frequenties openen</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>Tabellen (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>Kolomlabel</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>Rijlabel</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Fishers exacte toets: de tabellen met deze marges worden geteld…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Fishers exacte toets: te veel tabellen om te tellen; 100000 willekeurige tabellen worden getrokken…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>Fishers exacte p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>Monte Carlo-p = %1 ± %2 (standaardfout; %3 willekeurige tabellen, seed %4)</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Fishers exacte toets: te veel waarnemingen om te tellen of te trekken; de p van de chikwadraattoets geldt</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>Fishers exacte toets mislukt: %1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Fishers exacte toets geannuleerd</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation>; de exacte telling was niet binnen %1 s klaar</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation>; de exacte telling heeft meer geheugen nodig dan ze mag nemen</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>%1 is niet geopend: een tabel heeft hoogstens %2 rijen en kolommen.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>%1 is niet geopend: het is groter dan 64 MiB.</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>De rekenmachine neemt waarden tot %1; deze toetsingsgrootheid is %2.</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>Geplakt als de hele tabel, %1 × %2; Ctrl+Z maakt het ongedaan.</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>%1 × %2 cellen geplakt vanaf rij %3, kolom %4; Ctrl+Z maakt het ongedaan.</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>Een tabel houdt minstens één rij en één kolom.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 is niet geopend: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 is niet geopend: %2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>Markering: + of - naar het teken van het gecorrigeerde residu, * waar significant op 5 % (Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>&amp;Gepaard: dezelfde personen twee keer</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Ctrl+Shift+C kopieert de toets als één zin voor de resultatensectie</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>geschat</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>Uit de gegevens geschatte parameters</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>Parameters van de verwachte frequenties uit de gegevens geschat: elk kost een vrijheidsgraad</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wordt geopend…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>Rijen en kolommen omw&amp;isselen</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>Rijen en kolommen omwisselen</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>Volgorde van de rijen omkeren</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>Volgorde van de kolommen omkeren</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>de resultaten</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>Resultaten en cellen opslaan als</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>Letters: in een rij verschillen kolommen met een gemeenschappelijke letter niet in hun kolom-% (z-toetsen bij 5 %, Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>&amp;Mozaïekdiagram…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>Slaat de resultaten en van elke cel de verwachte frequentie en de residuen op als CSV-bestand</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>Toont de tabel als mozaïekdiagram, gekleurd naar de gecorrigeerde residuen</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>Exacte multinomiale toets: de uitkomsten worden geteld…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>Exacte multinomiale toets: te veel uitkomsten om te tellen; 100000 willekeurige uitkomsten worden getrokken…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>Exacte multinomiale p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>Monte-Carlo-p = %1 ± %2 (standaardfout; %3 willekeurige uitkomsten, startwaarde %4)</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>Exacte multinomiale toets geannuleerd</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>zoals gegeven</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>Poisson, gemiddelde uit de gegevens</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>binomiaal, p uit de gegevens</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>Verwachte frequenties uit een model</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Passend model</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>Exacte multinomiale toets: te veel categorieën om te tellen of te trekken; de p van de chikwadraat geldt</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>Eén variantie - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>Steekproefvariantie s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>Steekproefstandaardafwijking s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>Wat de steekproef geeft</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>leeg: geen toets</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>De chikwadraatdichtheid met de grenzen van het interval</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>R&amp;esultaten kopiëren</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>&amp;Grafiek kopiëren</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>Steek&amp;proefgrootte n</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>Betrouwbaarheids&amp;niveau</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>&amp;Toetsen tegen σ₀²</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>Gearceerd: de staarten voorbij de twee grenzen, elk (1 − niveau) / 2; gestippeld: de toetsingsgrootheid</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 is een getal boven 0.</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>Het betrouwbaarheidsniveau is een getal tussen 0 en 1.</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>σ₀² om tegen te toetsen is een getal boven 0, of leeg.</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>vg = %1, s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>%1%-interval voor σ²: %2 tot %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>%1%-interval voor σ: %2 tot %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1 (σ² onder σ₀²), %2 (erboven); tweezijdig %3</translation>
    </message>
</context>
</TS>
