<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>Keine Zahl: Die Ergebnisse gelten weiter für %1.</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>Unter der kleinsten Zahl, die der Rechner hält: Die Ergebnisse gelten weiter für %1.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>Gelesen als %1: Das Fenster nimmt Werte von 0 bis %2.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>Gelesen als %1: Das Fenster nimmt Wahrscheinlichkeiten von %2 bis %3; die Befehlszeile nimmt sie bis 1e-300.</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  Freiheitsgrade : </translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  Chi-Quadrat-Wert : </translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>Verteilungsfunktion : </translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>Irrtumswahrscheinlichkeit : </translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>Wahrscheinlichkeitsdichte : </translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Freiheitsgrade</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>Chi-Quadrat-Wert</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>Verteilungsfunktion</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>Irrtumswahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>Chi-Quadrat-Wert festhalten, wenn sich die Freiheitsgrade ändern</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>Kumulierte Wahrscheinlichkeit festhalten, wenn sich die Freiheitsgrade ändern</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>Dichtediagramm</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>Klicken zum Festhalten beim Ändern der Freiheitsgrade</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>Bleibt beim Ändern der Freiheitsgrade fest</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>Bleiben beim Ändern der Freiheitsgrade fest</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>Wahrscheinlichkeitsdichte: %1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Diagramm speichern unter…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>Volle Genauigkeit kopieren</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>Kritische Werte…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>Teststärke und Stichprobenumfang…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>Tabelle testen…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>die Sprache des Desktops</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik zeigt seine Texte ab dem nächsten Start in dieser Sprache: %1.</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>&amp;Zahlen zeigen als</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>&amp;Dezimalstellen</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>&amp;Signifikante Stellen</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>&amp;Wissenschaftlich</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  (6 signifikante Stellen)
%2  (volle Genauigkeit)</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>Schraffiert: obere Flanke P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>Chi-Quadrat-Dichte, schraffierte obere Flanke P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>Chi-Quadrat-Dichte für df %1 bei x = %2, P(X&lt;=x) = %3; schraffierte obere Flanke P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>Die Wahl von %1 konnte nicht in %2 gespeichert werden: Tarvik behält seine Sprache bei.</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>Zahlen werden ab jetzt so gezeigt, aber die Wahl konnte für den nächsten Start nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>Eine Varianz…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>PNG-Bild, doppelte Auflösung (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>PNG-Bild auf Weiß, für den Druck (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>SVG-Zeichnung auf Weiß, für den Druck (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>&apos;%1&apos; ist schreibgeschützt. Ersetzen?</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>„%1“ gibt es schon. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>verlangt mehr als %1 Ergebnisse in einem Lauf</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 nimmt seine Werte getrennt: %1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 braucht zwei Werte</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 braucht --export-chart</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 braucht einen Namen auf .png oder .svg</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart zeichnet ein Ergebnis von --value, --cdf oder --upper</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 ist nicht BREITExHÖHE, wie in 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 ist weder gradient noch white</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 ist nicht decimals, significant oder scientific</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 ist nicht text, csv, tsv oder markdown</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected braucht --counts</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts braucht einen Dateinamen, oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1: %2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect, --alpha, --power und --n nehmen keines von --value, --cdf, --upper, --two-sided, --between und --ncp</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>gib eines von --value, --cdf, --upper, --two-sided und --between an, oder drei von --effect, --alpha, --power und --n</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>--df ist erforderlich</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp nimmt --value, --cdf oder --upper</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart nimmt kein --ncp</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between braucht A &lt;= B</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table nimmt --cdf, --upper oder --two-sided</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>die Standardeingabe gibt mehr als %1 Zahlen</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>Standardeingabe Zeile %1</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>die Standardeingabe gibt keine Zahl für %1</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart zeichnet ein Ergebnis: gib einen df und eine Zahl an</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>gib drei von --effect, --alpha, --power und --n an: das vierte wird gelöst</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 nimmt kein --effect, --alpha, --power und --n</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 ist kein Dateiname, den dieses System schreiben kann: kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>--counts %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 ist größer als 64 MiB</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>die Ergebnisse</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>die Ergebnisse können nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 der Standardeingabe ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>die Ergebnisse können nicht in einer temporären Datei abgelegt werden: %1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired braucht --counts</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired nimmt kein --expected: es testet eine quadratische Tabelle von Paaren</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 ist weder holm noch bonferroni</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise vergleicht die Zeilen einer Unabhängigkeitstabelle: nicht mit --paired oder --expected</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance nimmt --n, --level, --sigma2, --numbers, --precision, --format und --output, nicht %1</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance braucht --n, den Stichprobenumfang</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>über 0</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated braucht --counts</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit braucht --counts</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts nimmt --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format und --output, nicht %1</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 ist weder poisson noch binomial</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit bildet die erwarteten Häufigkeiten selbst: nicht mit --expected, --paired oder --pairwise</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape gibt die df vor: nicht mit --df</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design braucht --alpha und zwei von --power, --n und dem Effekt: der dritte wird gelöst</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 ist nicht mcnemar, two-proportions oder groups</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1 nimmt kein %2</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design braucht --alpha</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups braucht --groups</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups gibt den Effekt vor: --power oder --n weglassen</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 braucht %2</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>%1 oder --or angeben, nicht beides</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 ist nicht ZEILENxSPALTEN wie 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v braucht --shape und steht für --effect</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 liest oder schreibt eine Datei, und hier gibt es keine Dateien</translation>
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
        <translation>Aufruf: tarvik [OPTION]...
Die Chi-Quadrat-Verteilung: Wahrscheinlichkeiten, Dichte und kritische Werte.
Ohne Option öffnet sich das Rechnerfenster.

Eine davon, mit --df:
  --value X        P(X&lt;=x), P(X&gt;x) und die Dichte bei x (0 bis 1e6)
  --cdf P          der Wert x mit P(X&lt;=x) = P
  --upper P        der Wert x mit P(X&gt;x) = P
  --two-sided A    beide kritischen Werte, jeder schneidet A/2 ab
  --between A B    P(A &lt; X &lt;= B)
  --df N           Freiheitsgrade, ganzzahlig, 1 bis 65535
  --ncp L          mit --value, --cdf oder --upper: die nichtzentrale
                   Chi-Quadrat-Verteilung mit Nichtzentralität L (0 bis 1e6)
Wahrscheinlichkeiten liegen von 1e-300 bis 1 - 1e-300; ein Wert außer 0
liegt bei oder über 3.36e-4932, dem kleinsten Real mit voller Genauigkeit.

Teststärke und Stichprobenumfang eines Chi-Quadrat-Tests, mit --df: drei
davon, das vierte wird gelöst (bei gelöstem N ist power= die erreichte):
  --effect W       Cohens Effektstärke w (0.1 klein, 0.3 mittel, 0.5 groß)
  --alpha A        das Signifikanzniveau
  --power P        die Teststärke, 1 - Beta, über Alpha
  --n N            der Gesamtstichprobenumfang, 1 bis 1000000000
  --shape RxC      statt --df: die df der Tafel, und V neben w;
                   --v V, Cramérs V, kann für --effect stehen

Teststärke anderer Designs: --design D mit --alpha und zwei von --power,
--n und dem Effekt; der dritte wird gelöst:
  mcnemar          N Paare; --p01 P mit --p10 P (den diskordanten
                   Anteilen) oder --or R (p10 / p01), sonst wird p10 gelöst;
                   w, die Teststärke des Chi-Quadrat-Tests und die des exakten
                   (Binomial-)Tests power_exact (bis 100000 Paare)
  two-proportions  --n ist die Größe von Gruppe 1; --p1 P mit --p2 P oder
                   --or R (Odds Ratio), sonst wird p2 gelöst (p2_low unter
                   p1); --ratio K für n2 / n1 (Vorgabe 1), --correct für die
                   Stetigkeitskorrektur
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; die Anteile jeder Gruppe,
                   Gruppen durch / getrennt, --sizes S,S (Vorgabe gleich):
                   w, V und das n jeder Gruppe (n_groups)

Eine Varianz, aus s^2 einer Stichprobe und ihrem Umfang (--n N, 2 bis 65536):
  --variance S2    das Intervall für sigma^2 und sigma (var_low, var_high,
                   sd_low, sd_high), aus dem Chi-Quadrat mit N - 1 df
  --level L        sein Niveau, Vorgabe 0.95
  --sigma2 S0      dazu der Test von sigma^2 = S0: chi2, p_lower, p_upper
                   und p_two (doppelte kleinere Seite)

Eine Tabelle von Häufigkeiten:
  --counts DATEI   der Chi-Quadrat-Test der Tabelle in DATEI (- für die
                   Standardeingabe): Zeilen von Häufigkeiten, getrennt durch
                   Tabulatoren, Semikolons oder Kommas, mit Kopfzeile und
                   Beschriftungsspalte oder ohne. Eine Tabelle ab 2 x 2
                   testet Unabhängigkeit (auch Yates-Korrektur bei 2 x 2 und
                   Fishers exakter Test); eine Zeile testet Anpassung. V und
                   w mit 95-%-Intervallen (zweiseitig, die nichtzentrale
                   Chi-Quadrat-Verteilung invertiert; eines, das über das
                   größte V oder w der Tabellenform hinausginge, endet
                   dort), V_adj ist das biaskorrigierte V; dann je Zelle
                   erwartete Häufigkeit und Residuen.
                   Eine 2 x 2-Tabelle bringt dazu OR (Woolf), OR_mle
                   (exakt bedingt, bis 1e6 Beobachtungen), RR (Katz) und RD
                   (Newcombe) mit 95-%-Intervallen sowie Fishers einseitige
                   p-Werte und das Mid-p
  --expected P,P,...  mit --counts: die erwarteten Anteile (Summe 1) oder
                   erwarteten Häufigkeiten eines Anpassungstests; gleich,
                   wenn nicht angegeben;
                   oder Verhältnisse, 9:3:3:1 oder beliebige Gewichte, mit
                   einem Hinweis umskaliert; angegeben, nicht geschätzt,
                   kommt der exakte Multinomialtest hinzu (exact_p; nach
                   --exact-seconds exact_p_mc, exact_se und exact_seed)
  --estimated K    mit --counts einer Zeile: K Parameter der erwarteten
                   Häufigkeiten aus den Daten geschätzt, K df weniger
  --fit MODELL     mit --counts von Häufigkeiten (eine Zeile oder Spalte,
                   für die Werte 0, 1, 2, ... oder ihre Beschriftungen; oder
                   zwei: die Werte, dann die Häufigkeiten): poisson oder
                   binomial, ihr Parameter geschätzt (1 df weniger), die
                   Enden zusammengefasst, bis sie 5 oder mehr erwarten
  --exact-seconds S  mit --counts: die Zeit, die Fishers exakter Test
                   brauchen darf (0 bis 86400, Vorgabe 60); danach ist
                   fisher_p_mc ein Monte-Carlo-p aus 100000 Zufallstabellen,
                   mit fisher_se und fisher_seed
  --seed N         mit --counts: der Startwert der Zufallstabellen
  --paired         mit --counts: eine quadratische Tabelle derselben Fälle,
                   zweimal eingeteilt: McNemars Test (2 x 2: b, c, mit und
                   ohne Stetigkeitskorrektur, exakt und Mid-p, die gepaarte
                   Odds Ratio) oder Bowkers Symmetrietest
  --pairwise ADJ   mit --counts: je zwei Zeilen als eigener Test, eine
                   Zeile je Paar, p nach holm oder bonferroni adjustiert

Listen und Standardeingabe:
  N,N,...          eine Liste: --upper 0.1,0.05,0.01 (oder 0.1;0.05;0.01). Wo
                   der Desktop ein Dezimalkomma schreibt (23,5), ist ein Komma
                   in einer Zahl eines, und Listen nehmen nur &apos;;&apos;: --value
                   &quot;23,5;7,8&quot;. Ausgegeben wird mit Punkt
  VON..BIS[:SCHRITT]  ein Bereich: --df 1..100, --value 0..10:0.5
  -                für --value, --cdf oder --upper: eine Zahl je Zeile der
                   Standardeingabe
  --table          mit --upper, --cdf oder --two-sided: eine Tabelle
                   kritischer Werte, eine Zeile je df, eine Spalte je
                   Wahrscheinlichkeit

Ausgabe:
  --numbers STIL   decimals (Vorgabe), significant oder scientific
  --precision N    Stellen dieses Stils, 1 bis 21 (sechs als Vorgabe; allein
                   bedeutet es N signifikante Stellen). Ein Real hält 19 bis
                   20 signifikante Stellen: Stellen darüber hinaus sind die
                   exakten Dezimalstellen der Binärzahl, die es hält
  Mit decimals werden Zahlen ab 1e18 als 3.9894228040143267794E149
  geschrieben, mit jeder Stelle, die das Real hält.
  --format FORM    text (Vorgabe), csv, tsv oder markdown
  --output DATEI   nach DATEI schreiben, ganz oder gar nicht, statt auf die
                   Standardausgabe
  --export-chart DATEI  das Dichtediagramm eines Ergebnisses, als DATEI.png
                   oder DATEI.svg
  --size BxH       seine Größe in Pixeln (Vorgabe 275x260, je 120 bis 4000)
  --scale N        Pixel je Diagrammpixel in einem PNG, 1 bis 4
  --background B   gradient (der des Fensters, Vorgabe) oder white, für den
                   Druck
  Der Text eines Diagramms wächst mit seiner Größe: bei 1600x1000, gedruckt
  in der Breite einer Spalte, liest er sich wie das Diagramm im Fenster.

  --language L     die Sprache der Meldungen und des Fensters: de, en, es,
                   fr, nl, tr oder zh_CN (Vorgabe: die des Desktops); allein
                   öffnet es das Fenster und merkt sich die Wahl
  -h, --help       diese Hilfe
  -v, --version    die Version

Beispiele:
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

Exit-Status: 0 bei Erfolg, 2 bei falscher Eingabe (eine Zeile auf der
Standardfehlerausgabe, nichts ausgegeben), 1, wenn eine Datei nicht
geschrieben werden kann.
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>Zelle bearbeiten</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>Zellen leeren</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>Zeilen entfernen</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>Spalten entfernen</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>Tabelle ersetzen</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>Zeilen und Spalten vertauschen</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>Zeilen umkehren</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>Spalten umkehren</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>oben %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>unten %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>zweiseitig %1: unten</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>zweiseitig %1: oben</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>Kritische Werte - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>&amp;Obere Flanke P(X&gt;x)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>&amp;Untere Flanke P(X&lt;=x)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>&amp;Zweiseitig: jede Flanke p/2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Speichern unter…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>Freiheitsgrade &amp;von</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>&amp;Wahrscheinlichkeiten</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>Freiheitsgrade von</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>Freiheitsgrade bis</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>Wahrscheinlichkeiten</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>Flankenwahrscheinlichkeiten, eine je Spalte, getrennt durch Leerzeichen oder Semikolons</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>Kritische Werte</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>Eine Zeile je Freiheitsgrad, eine Spalte je Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>Kopiert die Tabelle als tabulatorgetrennte Zellen</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>Speichert die Tabelle als CSV-Datei</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>Die Freiheitsgrade laufen rückwärts: &apos;von&apos; liegt über &apos;bis&apos;.</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>die Tabelle</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Tabelle speichern unter</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>Diskordanter Anteil p10, ja dann nein</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>Diskordanter Anteil p01, nein dann ja</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>Verhältnis p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>Anteil p1 in Gruppe 1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>Anteil p2 in Gruppe 2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds Ratio von p2 zu p1</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>Verhältnis der Gruppen n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>Stetigkeitskorrektur</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10 (ja, dann nein)</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01 (nein, dann ja)</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>oder ihr Verhältnis p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (Gruppe 1)</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2 (Gruppe 2)</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>oder die Odds Ratio</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Gruppenverhältnis n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik braucht eine grafische Anzeige: keine gefunden (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik braucht eine grafische Anzeige: XDG_RUNTIME_DIR ist nicht gesetzt, daher ist keine Wayland-Anzeige zu finden.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik braucht eine grafische Anzeige: keine Wayland-Anzeige &apos;%1&apos; läuft.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik braucht eine grafische Anzeige: keine gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik kann die Anzeige &apos;%1&apos; nicht öffnen.</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik kann keine Wayland-Anzeige öffnen: XDG_RUNTIME_DIR ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik kann die Wayland-Anzeige &apos;%1&apos; nicht öffnen.</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik kann sein Fenster nicht starten: die grafische Plattform &apos;%1&apos; ist nicht gestartet.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Gleitkommaunterlauf</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 ist in %2 Durchläufen nicht konvergiert</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Bereichsprüfungsfehler</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>&apos;%1&apos; liegt unter der kleinsten Zahl, die der Rechner hält, 3.36e-4932</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Assertion fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>Fishers exakter Test endete nicht binnen %1 s (--exact-seconds); fisher_p_mc ist ein Monte-Carlo-p aus %2 Zufallstabellen</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>Fishers exakter Test bräuchte mehr Speicher, als er nehmen darf; fisher_p_mc ist ein Monte-Carlo-p aus %1 Zufallstabellen</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>die Tabelle hat zu viele Beobachtungen für Fishers exakten Test; fisher_p_mc ist ein Monte-Carlo-p aus %1 Zufallstabellen</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>die Tabelle hat zu viele Beobachtungen zum Zählen oder Ziehen für Fishers exakten Test; das p des Chi-Quadrat-Tests gilt</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>der exakte Multinomialtest endete nicht innerhalb von %1 s (--exact-seconds); exact_p_mc ist ein Monte-Carlo-p aus %2 Zufallsergebnissen</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>die Anpassung hat zu viele Beobachtungen oder Kategorien, um ihre Ergebnisse zu zählen; exact_p_mc ist ein Monte-Carlo-p aus %1 Zufallsergebnissen</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>die Anpassung hat zu viele Kategorien, um ihre Ergebnisse zu zählen oder zu ziehen; das p des Chi-Quadrat-Tests gilt</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>Willkommen bei Tarvik von Osterby !</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Tarvik von Osterby für Linux- und Windows-Computer berechnet einige Funktionen der Chi-Quadrat-Verteilung (X2):</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * die Verteilungsfunktion (cdf, auch untere Flankenwahrscheinlichkeit) und die Irrtumswahrscheinlichkeit (obere Flanke)</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * den X2-Wert (Quantil, inverse Verteilungsfunktion)</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * die Wahrscheinlichkeitsdichte</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>Zur Benutzung einfach das gewünschte Feld bearbeiten oder die Freiheitsgrade mit den Pfeilen ändern.</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>Bei Letzterem können Sie wählen zwischen</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * Festhalten des X2-Werts, um Verteilungsfunktion und Irrtumswahrscheinlichkeit zu ändern</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * Festhalten von Verteilungsfunktion und Irrtumswahrscheinlichkeit, um den X2-Wert zu ändern</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>Im Zweifel einfach ausprobieren! </translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>Mehr in den Kontextmenüs (rechte Maustaste) der Felder, der Dichte und des Diagramms:</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * Zahlen zeigen als: sechs Dezimalstellen, sechs signifikante Stellen oder wissenschaftlich (2.53963e-10), damit auch ein winziger p-Wert im Feld lesbar ist</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * Ergebnisse kopieren (Strg+Umschalt+C): die Ergebnisse als eine Zeile, wie die Befehlszeile sie ausgibt</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * Kritische Werte (Strg+T): eine Tabelle kritischer Werte nach Freiheitsgraden und Wahrscheinlichkeit, obere, untere oder zweiseitig, zum Kopieren in eine Tabellenkalkulation oder zum Speichern als CSV</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * Teststärke und Stichprobenumfang (Strg+Umschalt+P): eine Studie planen. Geben Sie drei von Effektstärke w, Alpha, Teststärke und Gesamtstichprobenumfang N an, dazu die Freiheitsgrade; der vierte Wert wird beim Tippen berechnet (für N: das kleinste N, das die Teststärke erreicht, und die erreichte Teststärke). w kann aus erwarteten Anteilen (Anpassungstest) oder aus einer Tabelle von Zellwahrscheinlichkeiten (Unabhängigkeit) kommen. Zwei Diagramme zeigen die zentrale Dichte unter H0 und die nichtzentrale unter H1 mit schraffiertem Alpha und Beta sowie die Teststärke gegen N oder w</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * Diagramm speichern unter: PNG, PNG in doppelter Auflösung oder eine SVG-Zeichnung, auf dem Farbverlauf des Fensters oder auf Weiß für den Druck; ein mit .png oder .svg getippter Name bestimmt das Format</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * Sprache: die Sprache des Desktops oder Englisch, Deutsch, Spanisch, Französisch, Niederländisch, Türkisch oder vereinfachtes Chinesisch, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>In einem Terminal zeigt tarvik --help die Befehlszeile: Listen, Tabellen und Stapel.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tarvik</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik wird so angeboten, wie es ist, ohne jede Gewährleistung. Die gezeigten Zahlen werden sorgfältig in 80-Bit-Gleitkomma mit erweiterter Genauigkeit berechnet und gegen eine unabhängige Referenz mit 50 Stellen geprüft; bitte prüfen Sie dennoch jedes Ergebnis, von dem eine wichtige Entscheidung abhängt.</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>Dank an die Autoren der veröffentlichten Verfahren im Inneren: die exakten endlichen Summen für die Chi-Quadrat- und F-Flanken, Loaders Sattelpunkt-Poisson-Wahrscheinlichkeiten, Legendres Kettenbruch der unvollständigen Gammafunktion, Dekkers Arithmetik doppelter Länge, Dings Summen der nichtzentralen Chi-Quadrat-Verteilung, Patnaiks Näherung, die Gauß-Legendre-Quadratur, Halleys Verfahren, die Kubikwurzel-Näherungen von Wilson-Hilferty und Paulson, das Normalquantil von Odeh-Evans, Formel 26.2.17 von Abramowitz und Stegun, das Perzentilverfahren von Best und Roberts (AS 91) und die Illinois-Variante der Regula falsi.</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>Fragen, Vorschläge und Fehlerberichte sind willkommen unter tarvik@osterby.example.</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * Tabelle testen (Strg+Umschalt+T): Häufigkeiten eintippen, einen Block aus einer Tabellenkalkulation einfügen (Strg+V) oder eine CSV-Datei öffnen. Eine Tabelle ab 2 x 2 wird auf Unabhängigkeit getestet, eine Zeile auf Anpassung (gleich verteilt oder gegen die angegebenen erwarteten Anteile): Pearsons Chi-Quadrat und der Likelihood-Quotient G2 mit ihrem p, die Yates-Korrektur neben dem einfachen Test bei 2 x 2, Fishers exakter Test im Hintergrund gezählt (ein Monte-Carlo-p, wo die exakte Zählung nicht binnen einer Minute endet; Abbrechen stoppt ihn), Cramérs V (mit dem biaskorrigierten V) und Cohens w mit 95-%-Intervallen (zweiseitig, durch Invertieren der nichtzentralen Chi-Quadrat-Verteilung; eines, das über das größte V oder w der Tabellenform hinausginge, endet dort) sowie für jede Zelle erwartete Häufigkeit, Residuen und Bonferroni-p. In den Rechner zeigt die Prüfgröße im Dichtediagramm</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * Nach dem Test der Tabelle: für 2 x 2 das Odds Ratio, das relative Risiko und die Risikodifferenz mit 95-%-Intervallen und Fishers einseitiges p (Zeilen die Gruppen, die erste Spalte das Ereignis; Zeilen und Spalten vertauschen oder das Rechtsklickmenü des Rasters dreht die Tabelle oder kehrt sie um); Gepaart: McNemars Test für 2 x 2, Bowkers für k x k; die Zeilen paarweise verglichen (Holm, Bonferroni); für jede Zelle Zeilen-, Spalten- und Gesamtprozente, mit Buchstaben: in einer Zeile unterscheiden sich Spalten mit einem gemeinsamen Buchstaben nicht in ihrem Spaltenprozent; Mosaikdiagramm: die Tabelle als Kacheln, schattiert nach ihren adjustierten Residuen, kopiert oder gespeichert wie ein Diagramm; Strg+Umschalt+C kopiert den Test als einen Satz; Als CSV speichern speichert die Ergebnisse mit den Zellen</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * Eine Varianz (Strg+Umschalt+V): aus der Varianz s2 (oder Standardabweichung s) und dem Umfang n einer Stichprobe das Intervall für sigma2 und sigma zum angegebenen Niveau (die Chi-Quadrat-Verteilung mit n - 1 Freiheitsgraden, ihre beiden Grenzen auf der Dichte gezeigt); mit sigma0 zum Quadrat dessen Test: die Statistik (n - 1) s2 / sigma0 zum Quadrat, beide einseitigen p und das zweiseitige, das Doppelte des kleineren Randes</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * Designs im Fenster für die Teststärke: McNemar-Test für gepaarte Anteile (die diskordanten Anteile p10 und p01, oder p01 und ihr Verhältnis: N Paare, die Teststärke oder das nachweisbare p10, mit der Teststärke des exakten Binomialtests neben der des Chi-Quadrat-Tests) und zwei unabhängige Anteile (p1 und p2, oder p1 und die Odds Ratio, mit dem Gruppenverhältnis n2 / n1 und der Stetigkeitskorrektur: n1 und n2, die Teststärke oder das nachweisbare p2 auf beiden Seiten von p1, nach der Normalapproximation). w kann auch aus den Anteilen jeder Gruppe und den Gruppengrößen kommen, aus Cramérs V (w = V mal die Wurzel aus min(r, c) - 1) oder aus einer Odds Ratio und einem Ausgangsanteil</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 liegt außerhalb des Bereichs: %3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>ganze Zahlen von %1 bis %2</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>von 0 bis %1</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>von 0 bis %1, und 0 oder mindestens 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>von %1 bis 1 - %1</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>Kritische Werte der unteren Flanke: x mit P(X&lt;=x) = p</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>Kritische Werte der oberen Flanke: x mit P(X&gt;x) = p</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>Zweiseitige kritische Werte: P(X&lt;=unten) = P(X&gt;oben) = alpha/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>gib mindestens eine Wahrscheinlichkeit an</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>Wahrscheinlichkeit %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 Bereich %2 ist nicht VON..BIS oder VON..BIS:SCHRITT mit einfachen Dezimalzahlen</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 Bereich %2 braucht einen positiven Schritt</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 Bereich %2 braucht mehr als 18 Stellen</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 Bereich %2 läuft rückwärts</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 gibt mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 hat einen leeren Eintrag</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 Eintrag %2</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2: auf diesem Desktop ist das Komma das Dezimalkomma (2,5 oder 2.5 für eine Zahl); trennen Sie die Einträge einer Liste mit &apos;;&apos;, wie in 1;2;3</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 trennt seine Einträge mit &apos;,&apos; und mit &apos;;&apos;: nehmen Sie eines davon (ein Dezimalkomma wird hier als Punkt geschrieben: 2.5)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language braucht eine Sprache: de, en, es, fr, nl, tr oder zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language &apos;%1&apos; ist nicht de, en, es, fr, nl, tr oder zh_CN</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 oder mehr</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 bis 4</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>Adjustiertes Residuum</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>Mosaikdiagramm der Tabelle</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 bis 2</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 bis −2</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 oder weniger</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>Mosaikdiagramm - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>Die Fläche jeder Kachel ist der Anteil ihrer Zelle an der Tabelle: die Zeilen nebeneinander, die Spalten jeder Zeile übereinander. Schattierung und Umriss folgen dem adjustierten Residuum: blau und durchgezogen über der Erwartung, rot und gestrichelt darunter.</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Speichern unter…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>muss über 0 liegen</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>muss zwischen 0 und 1 liegen</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>muss eine ganze Zahl von 1 bis 1000000000 sein</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>muss über Alpha liegen</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>ergibt einen Nichtzentralitätsparameter N w² über 1000000</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>%1-Anteil %2 &apos;%3&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>%1-Anteil %2 &apos;%3&apos; ist negativ</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>die %1-Anteile ergeben zusammen 0</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>gib mindestens zwei H1-Anteile an</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0 hat %1 Anteile, H1 %2</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>H0-Anteil %1 ist 0</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>Zeile %1 Zelle %2 &apos;%3&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>Zeile %1 Zelle %2 &apos;%3&apos; ist negativ</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>Zeile %1 hat %2 Zellen, Zeile 1 hat %3</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>gib eine Tabelle mit mindestens 2 Zeilen und 2 Spalten an, eine Zeile je Textzeile</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>Zeile %1 ergibt zusammen 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>Spalte %1 ergibt zusammen 0</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>Effektstärke w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Teststärke</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>kein N bis 1000000000 erreicht diese Teststärke</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>ist immer gegeben</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>über 0, bis 1000</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>ganze Zahlen von 1 bis 1000000000</translation>
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
        <translation>läge unter 3.36e-4932, der kleinsten Real-Zahl: geben Sie ein kleineres N, w oder eine kleinere Teststärke an</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>über 0, bis 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>Gruppengröße</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%1 Gruppengrößen für %2 Gruppen</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>Gruppe %1 hat die Größe 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>und p01 ergeben zusammen mehr als 1</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>ist gleich p01: es gibt keinen Effekt nachzuweisen</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>kein p10 bis 1 - p01 erreicht diese Teststärke: ein größeres N angeben</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>muss über 0 und höchstens 1000 sein</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>muss zwischen 0 und 1 (einschließlich) liegen</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>ist gleich p1: es gibt keinen Effekt nachzuweisen</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>kein p2 von 0 bis 1 erreicht diese Teststärke: ein größeres N angeben</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>muss über 0 und höchstens 1 sein</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1 muss zwischen 0 und 1 liegen</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>die Odds Ratio</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>muss über 0 und höchstens 1000000 sein</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>ist in diesem Design immer gegeben</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>über 0, bis 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>Teststärke und Stichprobenumfang - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>Stichprobenumfang N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Teststärke</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>Effektstärke w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Signifikanzniveau α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>&amp;Lösen für</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>&amp;Freiheitsgrade</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>Effektstärke &amp;w</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>Signifikanzniveau &amp;α</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>&amp;Teststärke 1 − β</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>Gesamtstichprobenumfang &amp;N</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>Teststärke gegen N</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>Teststärke gegen w</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0 (durchgezogen)</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1 (gepunktet)</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α unter H0 rechts vom kritischen Wert, β unter H1 links davon</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>Hypothesendiagramm speichern unter…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>Hypothesendiagramm kopieren</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>Teststärkekurve speichern unter…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>Teststärkekurve kopieren</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>Lösen für</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Freiheitsgrade</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>Signifikanzniveau Alpha</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>Gesamtstichprobenumfang N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>Hypothesendiagramm</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Teststärkekurve</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>Teststärkekurve gegen</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>Kopiert die Ergebnisse als eine Textzeile</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>Noch für die letzten gültigen Zahlen: %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    kritischer Wert χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    erreichte Teststärke bei N = %1: %2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>Zentrale Dichte unter H0 und nichtzentrale Dichte unter H1 mit Lambda %1; kritischer Wert %2; Alpha %3 unter H0 schraffiert, Beta %4 unter H1</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>Teststärke gegen %1; der gewählte Punkt hat die Teststärke %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 und H1: </translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>Teststärkekurve: </translation>
    </message>
    <message>
        <source>power</source>
        <translation>Teststärke</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>Cohens w: %1 klein, %2 mittel, %3 groß</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen: %1 klein, %2 mittel, %3 groß</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>Cohens w (Chi-Quadrat-Test)</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>McNemar-Test (gepaarte Anteile)</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>Zwei unabhängige Anteile</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>Studi&amp;endesign</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Studiendesign</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    je Gruppe: %1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>Nachweisbares p10</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>Nachweisbares p2</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>Anzahl der Paare &amp;N</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>&amp;N in Gruppe 1</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    kritischer Wert χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    Teststärke des exakten (Binomial-)Tests bei N = %1: %2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    die Teststärke des exakten Tests wird bis %1 Paare berechnet</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1, n2 = %2, N = %3 insgesamt    w der 2 × 2-Tafel = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    erreichte Teststärke: %1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    auch unter p1: p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>Effektstärke aus &amp;Anteilen</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>Anpa&amp;ssungstest</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>&amp;Unabhängigkeit (Tabelle)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>Dieses w &amp;verwenden</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>H0-Anteile</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>H1-Anteile</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>H1-Zellwahrscheinlichkeiten</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>Eine Zeile der Tabelle je Textzeile</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>Geben Sie die H1-Anteile der Kategorien ein.</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>Geben Sie die H1-Tabelle ein, eine Zeile je Textzeile.</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1 bei df %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>Anteile der Gruppen</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>Cramérs V</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>Odds Ratio (2 × 2)</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>Gruppengrößen</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>Zeilen × Spalten</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (Gruppe 1)</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds Ratio von p2 zu p1</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Gruppenverhältnis n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>Anteile jeder Gruppe</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>Eine Gruppe pro Zeile</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3 mit df %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1; w der 2 × 2-Tafel = %2 mit df 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>Die Anteile jeder Gruppe eingeben, eine Gruppe pro Zeile.</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1; V = %2; Anteile der Gruppen an N: %3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%1 von %2 Zellen (%3 %) haben erwartete Häufigkeiten unter 5; die kleinste ist %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>Pearson χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>Likelihood-Quotient G² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>Yates-korrigiertes χ² = %1, p = %2 (neben dem einfachen Test)</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>, 95-%-KI %1 bis %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>, kein 95-%-KI über χ² = 1e7</translation>
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
        <translation>Zellen</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>beobachtet</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>Residuum</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>angepasstes Residuum</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>Bonferroni-p</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>Biaskorrigiertes V (Bergsma 2013) = %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1: für diese Tabelle nicht definiert (%2: eine leere Zelle oder Gruppe)</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2, 95-%-KI %3 bis %4 (%5)</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>Odds Ratio</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>Relatives Risiko</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>Risikodifferenz</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>Bedingte Odds Ratio</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>Einseitiges p = %1 (Odds Ratio unter 1), %2 (über 1); Mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Bowkers Symmetrietest: χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>Diskordante Paare: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1, df = 1, p = %2; mit Stetigkeitskorrektur %3, p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>Exaktes (binomiales) p = %1, Mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>Gepaarte Odds Ratio b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>Zeilen paarweise verglichen (Pearson-χ²; p nach Holm und nach Bonferroni adjustiert):</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1: alles in einer Spalte, nichts zu vergleichen</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>Zeilen-%</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>Spalten-%</translation>
    </message>
    <message>
        <source>total %</source>
        <translation>Gesamt-%</translation>
    </message>
    <message>
        <source>χ²(%1, N = %2) = %3, p %4, %5 = %6</source>
        <translation>χ²(%1, N = %2) = %3, p %4, %5 = %6</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>Gelesen mit %1 als Ereignis (die erste Spalte), %2 gegen %3 (die Zeilen)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>das Diagramm</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>es ist keine reguläre Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>%1 kann nicht unter &apos;%2&apos; gespeichert werden: %3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>die Datei ist schreibgeschützt und ihre Rechte lassen sich nicht ändern</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>die Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>sie wurde geschrieben, aber ihre Rechte konnten nicht erhalten werden</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>es ist ein symbolischer Link auf „%1“: wählen Sie diese Datei selbst oder einen anderen Namen</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>sie gehört einem anderen Benutzer, und eine neue Datei wäre Ihre</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1: %2 ist keine Häufigkeit</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1: %2 ist negativ; Häufigkeiten sind ganze Zahlen ab 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1: %2 ist keine ganze Zahl; Häufigkeiten sind ganze Zahlen ab 0</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1: %2 liegt über 1e15</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>die Tabelle enthält keine Häufigkeiten</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>die Tabelle enthält keine Häufigkeiten, nur ihre Kopfzeile</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>Zeile 1 enthält keine Häufigkeiten</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>Zeile %1 hat %2 Häufigkeiten, wo Zeile 1 %3 hat</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>die Kopfzeile hat %1 Beschriftungen für %2 Spalten mit Häufigkeiten</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>erwartete Anteile gehören zu einer Zeile (oder einer Spalte) von Häufigkeiten</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>erwarteter Eintrag %1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>erwarteter Eintrag %1 %2 ist negativ</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>erwarteter Eintrag %1 %2 ist 0, wo %3 beobachtet wurden: kein Test kann das annehmen</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>eine Tabelle braucht 2 Zeilen und 2 Spalten, oder eine Zeile mit 2 oder mehr Häufigkeiten zur Anpassung</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>die Häufigkeiten ergeben zusammen 0</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>Zeile %1 ergibt zusammen 0: ihre erwarteten Häufigkeiten wären 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>Spalte %1 ergibt zusammen 0: ihre erwarteten Häufigkeiten wären 0</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>der Text ist UTF-16 oder gar kein Text: speichern Sie ihn als CSV UTF-8 oder reinen Text</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>die Tabelle hat mehr als %1 Zellen</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>gib %1 erwartete Anteile oder Häufigkeiten an, eine je Häufigkeit, nicht %2</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>die erste Zeile und Spalte wurden als Beschriftungen gelesen</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>die erste Zeile wurde als Spaltenbeschriftungen gelesen</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>die erste Spalte wurde als Zeilenbeschriftungen gelesen</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>eine gepaarte Tabelle ist quadratisch, zweimal dieselben Kategorien (k x k); diese ist %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>jedes Zellenpaar abseits der Diagonale ist leer: nichts zu testen</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>kein Paar hat seine Kategorie gewechselt (beide diskordanten Zellen sind 0): nichts zu testen</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise vergleicht Zeilen: dies ist eine einzige Zeile</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%1 Kategorien mit %2 geschätzten Parametern lassen keinen Freiheitsgrad (df = k - 1 - geschätzt): höchstens %3 schätzen</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>geschätzte Parameter gehören zu einer Zeile (oder Spalte) von Häufigkeiten, die angepasst wird</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>die erwarteten Werte ergeben zusammen %1, weder 1 noch die Summe %2: als Verhältnisse gelesen und auf die Summe umskaliert</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>erwarteter Wert %1 %2 liegt außerhalb des Bereichs: 0 oder von 1e-300 bis 1e15</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit nimmt eine Zeile oder Spalte von Häufigkeiten, oder zwei: die Werte und ihre Häufigkeiten</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>ein Modell wird an drei oder mehr Werte angepasst: 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>ein Modell braucht Beobachtungen: jede Häufigkeit ist 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>ein Poisson-Modell braucht einen Mittelwert über 0: jeder beobachtete Wert ist 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>ein Binomialmodell braucht Versuche: der größte Wert ist sein n</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>Poisson-Mittelwert = %1, aus den Daten geschätzt (1 df weniger)</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>Binomial-p = %1 bei n = %2 Versuchen, aus den Daten geschätzt (1 df weniger)</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation>; die Werte sind 0 bis %1 nach Position (keine Kopfzeile aus ganzen Zahlen)</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation>; %1 Werte in die Enden zusammengefasst, die weniger als 5 erwarteten</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>die erwarteten Einträge ergeben zusammen 1: als Anteile gelesen</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>die erwarteten Einträge ergeben zusammen die Summe %1: als erwartete Häufigkeiten gelesen</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>die erwarteten Angaben lassen weniger als 2 Kategorien über 0: nichts zu testen</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>Tabelle testen - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>&amp;Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>Zeile ent&amp;fernen</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>&amp;Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>Spalte entf&amp;ernen</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>CSV-Datei öffne&amp;n…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>In den &amp;Rechner</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Ergebnisse k&amp;opieren</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>&amp;Tabelle kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV s&amp;peichern…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>&amp;Häufigkeiten: eintippen, einen Block einfügen (Strg+V) oder eine Datei öffnen</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>Er&amp;wartete Anteile oder Häufigkeiten (eine Zeile)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Häufigkeiten</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>Eine Zelle je Häufigkeit; einen Block aus einer Tabellenkalkulation mit Strg+V einfügen, mit Beschriftungen in erster Zeile und Spalte oder ohne</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>Erwartete Anteile oder Häufigkeiten</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>Für eine Zeile von Häufigkeiten: Anteile mit Summe 1 oder erwartete Häufigkeiten, getrennt durch Leerzeichen oder Semikolons; leer für gleich</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>Fortschritt des exakten Tests</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Zellen</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>Erwartete Häufigkeit, Residuen und Bonferroni-p jeder Zelle; + oder - nach dem Vorzeichen des angepassten Residuums, * wo signifikant auf 5 %</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>Setzt Freiheitsgrade und Chi-Quadrat-Wert des Rechners</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>Kopiert die Häufigkeiten als tabulatorgetrennte Zellen</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>Häufigkeiten eintippen oder einfügen: eine Tabelle ab 2 × 2 oder eine Zeile von Häufigkeiten zur Anpassung.</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>Der Rechner nimmt bis zu %1 Freiheitsgrade; dieser Test hat %2.</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>Der eingefügte Block wurde nicht übernommen: %1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>Der eingefügte Block wurde nicht übernommen: eine Tabelle hat höchstens %1 Zeilen und Spalten.</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>Eine Tabelle von Häufigkeiten öffnen</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>Tabellen (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>Spaltenbeschriftung</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>Zeilenbeschriftung</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Fishers exakter Test: die Tabellen mit diesen Rändern werden gezählt…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Fishers exakter Test: zu viele Tabellen zum Zählen; 100000 Zufallstabellen werden gezogen…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>Fishers exaktes p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>Monte-Carlo-p = %1 ± %2 (Standardfehler; %3 Zufallstabellen, Startwert %4)</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Fishers exakter Test: zu viele Beobachtungen zum Zählen oder Ziehen; das p des Chi-Quadrat-Tests gilt</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>Fishers exakter Test fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Fishers exakter Test abgebrochen</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation>; die exakte Zählung endete nicht binnen %1 s</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation>; die exakte Zählung bräuchte mehr Speicher, als sie nehmen darf</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>%1 wurde nicht geöffnet: eine Tabelle hat höchstens %2 Zeilen und Spalten.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>%1 wurde nicht geöffnet: die Datei ist größer als 64 MiB.</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>Der Rechner nimmt Werte bis %1; diese Prüfgröße ist %2.</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>Als ganze Tabelle eingefügt, %1 × %2; Strg+Z nimmt es zurück.</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>%1 × %2 Zellen ab Zeile %3, Spalte %4 eingefügt; Strg+Z nimmt sie zurück.</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>Eine Tabelle behält mindestens eine Zeile und eine Spalte.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 wurde nicht geöffnet: es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>Markierung: + oder - nach dem Vorzeichen des adjustierten Residuums, * wo signifikant auf 5 % (Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>&amp;Gepaart: dieselben Fälle zweimal</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Strg+Umschalt+C kopiert den Test als einen Satz für den Ergebnisteil</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>geschätzt</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>Aus den Daten geschätzte Parameter</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>Parameter der erwarteten Häufigkeiten, aus den Daten geschätzt: jeder kostet einen Freiheitsgrad</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>Zeilen und Spalten &amp;vertauschen</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>Zeilen und Spalten vertauschen</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>Reihenfolge der Zeilen umkehren</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>Reihenfolge der Spalten umkehren</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>die Ergebnisse</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>Ergebnisse und Zellen speichern unter</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>Buchstaben: in einer Zeile unterscheiden sich Spalten mit einem gemeinsamen Buchstaben nicht in ihrem Spalten-% (z-Tests zu 5 %, Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>&amp;Mosaikdiagramm…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>Speichert die Ergebnisse und für jede Zelle die erwartete Häufigkeit und die Residuen als CSV-Datei</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>Zeigt die Tabelle als Mosaikdiagramm, schattiert nach den adjustierten Residuen</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>Exakter Multinomialtest: die Ergebnisse werden gezählt…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>Exakter Multinomialtest: zu viele Ergebnisse zum Zählen; 100000 Zufallsergebnisse werden gezogen…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>Exakter Multinomialtest p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>Monte-Carlo-p = %1 ± %2 (Standardfehler; %3 Zufallsergebnisse, Startwert %4)</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>Exakter Multinomialtest abgebrochen</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>wie angegeben</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>Poisson, Mittelwert aus den Daten</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>binomial, p aus den Daten</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>Erwartete Häufigkeiten aus einem Modell</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>Mo&amp;dell</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>Exakter Multinomialtest: zu viele Kategorien zum Zählen oder Ziehen; das p des Chi-Quadrat-Tests gilt</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>Eine Varianz - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>Stichprobenvarianz s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>Stichproben-Standardabweichung s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>Was die Stichprobe angibt</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>leer: kein Test</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>Die Chi-Quadrat-Dichte mit den Grenzen des Intervalls</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Ergebnisse k&amp;opieren</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>&amp;Diagramm kopieren</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>Stichproben&amp;umfang n</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>Konfidenz&amp;niveau</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>&amp;Testen gegen σ₀²</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>Schattiert: die Ränder jenseits der beiden Grenzen, je (1 − Niveau) / 2; gepunktet: die Teststatistik</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 ist eine Zahl über 0.</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>Das Konfidenzniveau ist eine Zahl zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>σ₀² zum Testen ist eine Zahl über 0 oder leer.</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>df = %1, s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>%1-%-Intervall für σ²: %2 bis %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>%1-%-Intervall für σ: %2 bis %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1 (σ² unter σ₀²), %2 (darüber); zweiseitig %3</translation>
    </message>
</context>
</TS>
