<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>No es un número: los resultados siguen siendo los de %1.</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>Por debajo del número más pequeño que guarda la calculadora: los resultados siguen siendo los de %1.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>Leído como %1: la ventana admite valores de 0 a %2.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>Leído como %1: la ventana admite probabilidades de %2 a %3; la línea de órdenes las admite hasta 1e-300.</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  Grados de libertad : </translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  Valor de ji cuadrado : </translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>Función de distribución : </translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>Probabilidad de cola superior : </translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>Función de densidad : </translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Grados de libertad</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>Valor de ji cuadrado</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>Función de distribución</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>Probabilidad de cola superior</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>Mantener el valor de ji cuadrado cuando cambian los grados de libertad</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>Mantener la probabilidad acumulada cuando cambian los grados de libertad</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>Gráfico de densidad</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>Pulse para fijar al cambiar los grados de libertad</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>Se mantiene al cambiar los grados de libertad</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>Se mantienen al cambiar los grados de libertad</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>Función de densidad: %1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Guardar gráfico como…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>Copiar con precisión completa</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>Valores críticos…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>Potencia y tamaño de muestra…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>Contrastar una tabla…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>el idioma del escritorio</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik mostrará sus textos a partir del próximo inicio en: %1.</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>Mostrar &amp;números como</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>&amp;Decimales</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>Cifras &amp;significativas</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>&amp;Científica</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  (6 cifras significativas)
%2  (precisión completa)</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>Sombreado: cola superior P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>Densidad ji cuadrado, cola superior sombreada P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>Densidad ji cuadrado para gl %1 en x = %2, P(X&lt;=x) = %3; cola superior sombreada P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>No se pudo guardar la elección de %1 en %2: Tarvik mantiene sus textos como están.</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>Los números se muestran así desde ahora, pero la elección no se pudo guardar en %1 para el próximo inicio.</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>Una varianza…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>Imagen PNG, doble resolución (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>Imagen PNG sobre blanco, para imprimir (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>Dibujo SVG sobre blanco, para imprimir (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>&apos;%1&apos; es de solo lectura. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Guardar gráfico como</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; ya existe. ¿Reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>pide más de %1 resultados en una ejecución</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no lleva valor</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 lleva sus valores separados: %1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 necesita dos valores</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 necesita --export-chart</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 necesita un nombre terminado en .png o .svg</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart dibuja un resultado de --value, --cdf o --upper</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 no es ANCHOxALTO, como en 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 no es gradient ni white</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 no es decimals, significant ni scientific</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 no es text, csv, tsv ni markdown</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected necesita --counts</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts necesita un nombre de archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1: %2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect, --alpha, --power y --n no admiten --value, --cdf, --upper, --two-sided, --between ni --ncp</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>indique una de --value, --cdf, --upper, --two-sided y --between, o tres de --effect, --alpha, --power y --n</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>--df es obligatorio</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp admite --value, --cdf o --upper</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart no admite --ncp</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between necesita A &lt;= B</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table admite --cdf, --upper o --two-sided</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>la entrada estándar da más de %1 números</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>línea %1 de la entrada estándar</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>la entrada estándar no da ningún número para %1</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart dibuja un resultado: indique un gl y un número</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>indique tres de --effect, --alpha, --power y --n: el cuarto se calcula</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 no admite --effect, --alpha, --power ni --n</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 no es un nombre de archivo que este sistema pueda escribir: no es UTF-8 válido</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>--counts %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 ocupa más de 64 MiB</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>los resultados</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>no se pueden escribir los resultados en la salida estándar</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>la línea %1 de la entrada estándar tiene más de %2 bytes</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>no se pueden guardar los resultados en un archivo temporal: %1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired necesita --counts</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired no admite --expected: contrasta una tabla cuadrada de pares</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 no es holm ni bonferroni</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise compara las filas de una tabla de independencia: no con --paired ni --expected</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance admite --n, --level, --sigma2, --numbers, --precision, --format y --output, no %1</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance necesita --n, el tamaño de la muestra</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>mayor que 0</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated necesita --counts</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit necesita --counts</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts admite --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format y --output, no %1</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 no es poisson ni binomial</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit forma las frecuencias esperadas por sí mismo: no con --expected, --paired ni --pairwise</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape da los gl: no con --df</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design necesita --alpha y dos de --power, --n y el efecto: se calcula el tercero</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 no es mcnemar, two-proportions ni groups</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1 no admite %2</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design necesita --alpha</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups necesita --groups</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups da el efecto: omita --power o --n</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 necesita %2</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>indique %1 o --or, no ambos</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 no es FILASxCOLUMNAS, como 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v requiere --shape y sustituye a --effect</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 lee o escribe un archivo, y aquí no hay archivos</translation>
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
        <translation>Uso: tarvik [OPCIÓN]...
La distribución ji cuadrado: probabilidades, densidad y valores críticos.
Sin opciones se abre la ventana de la calculadora.

Una de estas, con --df:
  --value X        P(X&lt;=x), P(X&gt;x) y la densidad en x (0 a 1e6)
  --cdf P          el valor x con P(X&lt;=x) = P
  --upper P        el valor x con P(X&gt;x) = P
  --two-sided A    ambos valores críticos, cada uno corta A/2
  --between A B    P(A &lt; X &lt;= B)
  --df N           grados de libertad, enteros, de 1 a 65535
  --ncp L          con --value, --cdf o --upper: la ji cuadrado no central
                   con parámetro de no centralidad L (0 a 1e6)
Las probabilidades van de 1e-300 a 1 - 1e-300; un valor distinto de 0 es
igual o mayor que 3.36e-4932, el menor Real de precisión completa.

Potencia y tamaño de muestra de una prueba ji cuadrado, con --df: tres de
estas, y la cuarta se calcula (con N calculado, power= es la alcanzada):
  --effect W       tamaño del efecto w de Cohen (0.1 pequeño, 0.3 mediano,
                   0.5 grande)
  --alpha A        el nivel de significación
  --power P        la potencia, 1 - beta, mayor que alfa
  --n N            el tamaño total de la muestra, de 1 a 1000000000
  --shape RxC      en lugar de --df: los gl de la tabla, y V junto a w;
                   --v V, la V de Cramér, puede sustituir a --effect

Potencia de otros diseños: --design D con --alpha y dos de --power, --n
y el efecto; se calcula el tercero:
  mcnemar          N pares; --p01 P con --p10 P (las proporciones
                   discordantes) o --or R (p10 / p01), o se calcula p10;
                   w, la potencia de chi-cuadrado y la de la prueba exacta
                   (binomial) power_exact (hasta 100000 pares)
  two-proportions  --n es el tamaño del grupo 1; --p1 P con --p2 P o
                   --or R (la odds ratio), o se calcula p2 (p2_low por debajo
                   de p1); --ratio K para n2 / n1 (1 por defecto), --correct
                   para la corrección por continuidad
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; las proporciones de cada
                   grupo, separados por /, --sizes S,S (iguales por defecto):
                   w, V y el n de cada grupo (n_groups)

Una varianza, a partir de s^2 de una muestra y su tamaño (--n N, 2 a 65536):
  --variance S2    el intervalo de sigma^2 y sigma (var_low, var_high,
                   sd_low, sd_high), de la ji cuadrado con N - 1 gl
  --level L        su nivel, 0.95 por defecto
  --sigma2 S0      además la prueba de sigma^2 = S0: chi2, p_lower, p_upper
                   y p_two (el doble de la cola menor)

Una tabla de frecuencias:
  --counts ARCHIVO la prueba ji cuadrado de la tabla en ARCHIVO (- para la
                   entrada estándar): filas de frecuencias separadas por
                   tabuladores, puntos y coma o comas, con fila de
                   encabezado y columna de etiquetas o sin ellas. Una tabla
                   de 2 x 2 o más contrasta independencia (también la
                   corrección de Yates para 2 x 2 y la prueba exacta de
                   Fisher); una fila contrasta bondad de ajuste. V y w con
                   intervalos del 95 % (bilaterales, invirtiendo la ji
                   cuadrado no central; uno que pasaría del mayor V o w de
                   la forma de la tabla termina allí), V_adj es la V
                   corregida por sesgo; luego la frecuencia esperada y los
                   residuos de cada celda.
                   Una tabla 2 x 2 añade OR (Woolf), OR_mle (exacta
                   condicional, hasta 1e6 observaciones), RR (Katz) y RD
                   (Newcombe) con intervalos del 95 %, y los p unilaterales
                   de Fisher y el mid-p
  --expected P,P,...  con --counts: las proporciones esperadas (que suman
                   1) o las frecuencias esperadas de una prueba de bondad
                   de ajuste; iguales si no se indican;
                   o razones, 9:3:3:1 o cualquier peso, reescaladas con un
                   aviso; dadas, no estimadas, añaden el p multinomial
                   exacto (exact_p; pasado --exact-seconds, exact_p_mc,
                   exact_se y exact_seed)
  --estimated K    con --counts de una fila: K parámetros de las frecuencias
                   esperadas estimados de los datos, K grados de libertad menos
  --fit MODELO     con --counts de frecuencias (una fila o columna, para los
                   valores 0, 1, 2, ... o sus etiquetas; o dos: los valores,
                   luego las frecuencias): poisson o binomial, su parámetro
                   estimado (1 grado de libertad menos), los extremos
                   agrupados hasta esperar 5 o más
  --exact-seconds S  con --counts: el tiempo que puede tardar la prueba
                   exacta de Fisher (0 a 86400, 60 por defecto); después
                   fisher_p_mc es una p de Monte Carlo de 100000 tablas
                   aleatorias, con fisher_se y fisher_seed
  --seed N         con --counts: la semilla de las tablas aleatorias
  --paired         con --counts: una tabla cuadrada de los mismos sujetos
                   clasificados dos veces: la prueba de McNemar (2 x 2: b,
                   c, con y sin corrección de continuidad, exacta y mid-p,
                   la razón de odds pareada) o la de simetría de Bowker
  --pairwise AJ    con --counts: cada par de filas como prueba propia, una
                   línea por par, p ajustada por holm o bonferroni

Listas y entrada estándar:
  N,N,...          una lista: --upper 0.1,0.05,0.01 (o 0.1;0.05;0.01). Donde
                   el escritorio escribe coma decimal (23,5), una coma en un
                   número es decimal y las listas solo admiten &apos;;&apos;: --value
                   &quot;23,5;7,8&quot;. Lo impreso conserva el punto
  DESDE..HASTA[:PASO]  un rango: --df 1..100, --value 0..10:0.5
  -                para --value, --cdf o --upper: un número por línea de
                   la entrada estándar
  --table          con --upper, --cdf o --two-sided: una tabla de valores
                   críticos, una fila por gl, una columna por probabilidad

Salida:
  --numbers ESTILO decimals (predeterminado), significant o scientific
  --precision N    cifras de ese estilo, de 1 a 21 (seis por defecto; sola
                   significa N cifras significativas). Un Real guarda de 19
                   a 20 cifras significativas: las siguientes son las
                   cifras decimales exactas del número binario que guarda
  En decimals, los números desde 1e18 se escriben como
  3.9894228040143267794E149, con todas las cifras que guarda el Real.
  --format FORMA   text (predeterminado), csv, tsv o markdown
  --output ARCHIVO escribir en ARCHIVO, entero o nada, no en la salida
                   estándar
  --export-chart ARCHIVO  el gráfico de densidad de un resultado, como
                   ARCHIVO.png o ARCHIVO.svg
  --size AxH       su tamaño en píxeles (por defecto 275x260, de 120 a 4000
                   cada uno)
  --scale N        píxeles por píxel del gráfico en un PNG, de 1 a 4
  --background B   gradient (el de la ventana, predeterminado) o white,
                   para imprimir
  El texto de un gráfico crece con su tamaño: a 1600x1000, impreso al ancho
  de una columna de página, se lee como el gráfico de la ventana en pantalla.

  --language L     el idioma de los mensajes y de la ventana: de, en, es,
                   fr, nl, tr o zh_CN (por defecto: el del escritorio); sola,
                   abre la ventana y recuerda la elección
  -h, --help       esta ayuda
  -v, --version    la versión

Ejemplos:
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

Estado de salida: 0 si todo va bien, 2 con una entrada errónea (una línea
en la salida de errores, nada impreso), 1 si no se puede escribir un
archivo.
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>editar una celda</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>vaciar celdas</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>añadir una fila</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>añadir una columna</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>quitar filas</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>quitar columnas</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>reemplazar la tabla</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>pegar</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>renombrar</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>intercambiar filas y columnas</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>invertir las filas</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>invertir las columnas</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>superior %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>inferior %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>bilateral %1: inferior</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>bilateral %1: superior</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>Valores críticos - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>Cola &amp;superior P(X&gt;x)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>Cola &amp;inferior P(X&lt;=x)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>&amp;Bilateral: cada cola p/2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>Grados de libertad &amp;desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>&amp;Probabilidades</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>Grados de libertad desde</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>Grados de libertad hasta</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>Probabilidades de cola, una por columna, separadas por espacios o puntos y coma</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>Valores críticos</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>Una fila por grado de libertad, una columna por probabilidad</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>Copia la tabla como celdas separadas por tabuladores</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>Guarda la tabla como archivo CSV</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>Los grados de libertad van hacia atrás: &apos;desde&apos; es mayor que &apos;hasta&apos;.</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>la tabla</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Guardar tabla como</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>Proporción discordante p10, sí y luego no</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>Proporción discordante p01, no y luego sí</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>Razón p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>Proporción p1 en el grupo 1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>Proporción p2 en el grupo 2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio de p2 frente a p1</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>Razón de los grupos n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>Corrección por continuidad</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10 (sí, luego no)</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01 (no, luego sí)</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>o su razón p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (grupo 1)</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2 (grupo 2)</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>o la odds ratio</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Razón de los grupos n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Calculado</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik necesita una pantalla gráfica: no se encontró ninguna (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik necesita una pantalla gráfica: XDG_RUNTIME_DIR no está definida, así que no se puede encontrar ninguna pantalla Wayland.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik necesita una pantalla gráfica: no hay ninguna pantalla Wayland &apos;%1&apos; en marcha.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik necesita una pantalla gráfica: no se encontró ninguna (no están definidas ni DISPLAY ni WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik no puede abrir la pantalla &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik no puede abrir una pantalla Wayland: XDG_RUNTIME_DIR no está definida.</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik no puede abrir la pantalla Wayland &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik no puede abrir su ventana: la plataforma gráfica &apos;%1&apos; no arrancó.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>División de coma flotante por cero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Subdesbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 no convergió en %2 pasadas</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Desbordamiento de entero</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>&apos;%1&apos; está por debajo del número más pequeño que guarda la calculadora, 3.36e-4932</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Fallo de aserción</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>La prueba exacta de Fisher no terminó en %1 s (--exact-seconds); fisher_p_mc es una p de Monte Carlo de %2 tablas aleatorias</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>La prueba exacta de Fisher necesita más memoria de la que puede usar; fisher_p_mc es una p de Monte Carlo de %1 tablas aleatorias</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>la tabla tiene demasiadas observaciones para la prueba exacta de Fisher; fisher_p_mc es una p de Monte Carlo de %1 tablas aleatorias</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>la tabla tiene demasiadas observaciones para contar o extraer en la prueba exacta de Fisher; vale el p de la ji cuadrado</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>la prueba multinomial exacta no terminó en %1 s (--exact-seconds); exact_p_mc es un p de Monte Carlo de %2 resultados aleatorios</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>el ajuste tiene demasiadas observaciones o categorías para contar sus resultados; exact_p_mc es un p de Monte Carlo de %1 resultados aleatorios</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>el ajuste tiene demasiadas categorías para contar o extraer sus resultados; vale el p de la chi-cuadrado</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>¡Bienvenido a Tarvik de Osterby!</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Tarvik de Osterby para ordenadores Linux y Windows calcula algunas funciones de la distribución ji cuadrado (X2):</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * la función de distribución (cdf, o probabilidad de cola inferior) y la probabilidad de cola superior</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * el valor X2 (cuantil, cdf inversa)</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * la función de densidad de probabilidad</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>Para usarlo, edite el campo deseado o cambie los grados de libertad con las flechas.</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>En este último caso, puede elegir entre</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * fijar el valor X2 para cambiar la cdf y la probabilidad de cola superior</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * fijar la cdf y la probabilidad de cola superior para cambiar el valor X2</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>Si tiene dudas, ¡pruébelo! </translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>Más, en los menús contextuales (clic derecho) de los campos, la densidad y el gráfico:</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * Mostrar números como: seis decimales, seis cifras significativas o científica (2.53963e-10), para que un valor p diminuto se lea en su campo</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * Copiar resultados (Ctrl+Mayús+C): los resultados en una línea, como los imprime la línea de órdenes</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * Valores críticos (Ctrl+T): una tabla de valores críticos por grados de libertad y probabilidad, superior, inferior o bilateral, para copiar en una hoja de cálculo o guardar como CSV</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * Potencia y tamaño de muestra (Ctrl+Mayús+P): planifique un estudio. Indique tres de: tamaño del efecto w, alfa, potencia y tamaño total de la muestra N, con los grados de libertad; el cuarto se calcula al escribir (para N: el menor N que alcanza la potencia, y la potencia alcanzada). w puede salir de las proporciones esperadas (bondad de ajuste) o de una tabla de probabilidades de celda (independencia). Dos gráficos muestran la densidad central bajo H0 y la no central bajo H1 con alfa y beta sombreados, y la potencia frente a N o w</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * Guardar gráfico como: PNG, PNG a doble resolución o un dibujo SVG, sobre el degradado de la ventana o sobre blanco para imprimir; un nombre escrito con .png o .svg decide el formato</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * Idioma: el idioma del escritorio, o inglés, alemán, español, francés, neerlandés, turco o chino simplificado, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>Desde un terminal, tarvik --help muestra la línea de órdenes: listas, tablas y lotes.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik se ofrece tal cual, sin ninguna garantía. Los números que muestra se calculan con cuidado en precisión extendida de 80 bits y se comprueban frente a una referencia independiente de 50 dígitos, pero verifique cualquier resultado del que dependa una decisión importante.</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>Gracias a los autores de los métodos publicados que contiene: las sumas finitas exactas para las colas ji cuadrado y F, las probabilidades de Poisson de punto de silla de Loader, la fracción continua de Legendre de la función gamma incompleta, la aritmética de doble longitud de Dekker, las sumas de Ding para la ji cuadrado no central, la aproximación de Patnaik, la cuadratura de Gauss-Legendre, el método de Halley, las aproximaciones de raíz cúbica de Wilson-Hilferty y Paulson, el cuantil normal de Odeh-Evans, la fórmula 26.2.17 de Abramowitz y Stegun, el método de puntos porcentuales de Best y Roberts (AS 91) y la variante Illinois de la falsa posición.</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>Preguntas, sugerencias e informes de errores son bienvenidos en tarvik@osterby.example.</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * Contrastar una tabla (Ctrl+Mayús+T): escriba frecuencias, pegue un bloque de una hoja de cálculo (Ctrl+V) o abra un archivo CSV. Una tabla de 2 x 2 o más se contrasta para independencia, una fila para bondad de ajuste (iguales, o frente a las proporciones esperadas que indique): la ji cuadrado de Pearson y la razón de verosimilitud G2 con su p, la corrección de Yates junto a la prueba simple para 2 x 2, la prueba exacta de Fisher contada en segundo plano (un p de Monte Carlo cuando el recuento exacto no termina en un minuto; Cancelar la detiene), la V de Cramér (con la V corregida por sesgo) y la w de Cohen con intervalos del 95 % (bilaterales, invirtiendo la ji cuadrado no central; uno que pasaría del mayor V o w de la forma de la tabla termina allí), y la frecuencia esperada, los residuos y el p de Bonferroni de cada celda. A la calculadora muestra el estadístico en el gráfico de densidad</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * Tras la prueba de la tabla: para 2 x 2, la razón de momios, el riesgo relativo y la diferencia de riesgos con intervalos del 95 % y el p unilateral de Fisher (filas los grupos, la primera columna el evento; Intercambiar filas y columnas, o el menú contextual de la cuadrícula, gira o invierte la tabla); Pareada: la prueba de McNemar para 2 x 2, la de Bowker para k x k; las filas comparadas por pares (Holm, Bonferroni); los porcentajes de fila, de columna y del total de cada celda, con letras: en una fila, las columnas que comparten una letra no difieren en su porcentaje de columna; Gráfico de mosaico: la tabla como teselas sombreadas según sus residuos ajustados, copiada o guardada como un gráfico; Ctrl+Mayús+C copia la prueba como una frase; Guardar como CSV guarda los resultados con las celdas</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * Una varianza (Ctrl+Mayús+V): a partir de la varianza s2 (o la desviación típica s) y el tamaño n de una muestra, el intervalo para sigma2 y sigma al nivel que indique (la chi-cuadrado con n - 1 grados de libertad, sus dos cortes mostrados sobre la densidad); dado sigma0 al cuadrado, su prueba: el estadístico (n - 1) s2 / sigma0 al cuadrado, ambos p unilaterales y el bilateral, el doble de la cola menor</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * Diseños en la ventana de potencia: la prueba de McNemar de proporciones pareadas (las proporciones discordantes p10 y p01, o p01 y su razón: N pares, la potencia o el p10 detectable, con la potencia de la prueba binomial exacta junto a la de chi-cuadrado) y dos proporciones independientes (p1 y p2, o p1 y la odds ratio, con la razón de los grupos n2 / n1 y la corrección por continuidad: n1 y n2, la potencia o el p2 detectable a cada lado de p1, por la aproximación normal). w también puede venir de las proporciones de cada grupo y los tamaños de los grupos, de la V de Cramér (w = V por la raíz cuadrada de min(r, c) - 1) o de una odds ratio y una proporción de referencia</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 no es un número</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 está fuera de rango: %3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>números enteros de %1 a %2</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>de 0 a %1</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>de 0 a %1, y 0 o al menos 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>de %1 a 1 - %1</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>Valores críticos de cola inferior: x con P(X&lt;=x) = p</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>Valores críticos de cola superior: x con P(X&gt;x) = p</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>Valores críticos bilaterales: P(X&lt;=inferior) = P(X&gt;superior) = alfa/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>indique al menos una probabilidad</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>probabilidad %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 rango %2 no es DESDE..HASTA o DESDE..HASTA:PASO con números decimales simples</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 rango %2 necesita un paso positivo</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 rango %2 necesita más de 18 cifras</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 rango %2 va hacia atrás</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 da más de %2 elementos</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 tiene un elemento vacío</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 elemento %2</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2: en este escritorio la coma es la coma decimal (2,5 o 2.5 para un número); separe los elementos de una lista con &apos;;&apos;, como en 1;2;3</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 separa sus elementos con &apos;,&apos; y con &apos;;&apos;: use uno de ellos (aquí la coma decimal se escribe como punto: 2.5)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language necesita un idioma: de, en, es, fr, nl, tr o zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language aparece dos veces</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language &apos;%1&apos; no es de, en, es, fr, nl, tr ni zh_CN</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 o más</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 a 4</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>Residuo ajustado</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>Gráfico de mosaico de la tabla</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 a 2</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 a −2</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 o menos</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>Mosaico - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>El área de cada tesela es la parte de su celda en la tabla: las filas una al lado de otra, las columnas de cada fila apiladas. El sombreado y el contorno siguen el residuo ajustado: azul y continuo por encima de lo esperado, rojo y discontinuo por debajo.</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>debe ser un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>debe ser mayor que 0</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>debe estar entre 0 y 1</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>debe ser un número entero de 1 a 1000000000</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>debe ser mayor que alfa</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>da un parámetro de no centralidad N w² mayor que 1000000</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>proporción %1 %2 &apos;%3&apos; no es un número</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>proporción %1 %2 &apos;%3&apos; es negativa</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>las proporciones %1 suman 0</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>indique al menos dos proporciones H1</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0 tiene %1 proporciones, H1 %2</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>la proporción H0 %1 es 0</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>fila %1 celda %2 &apos;%3&apos; no es un número</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>fila %1 celda %2 &apos;%3&apos; es negativa</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>la fila %1 tiene %2 celdas, la fila 1 tiene %3</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>indique una tabla de al menos 2 filas y 2 columnas, una fila por línea</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>la fila %1 suma 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>la columna %1 suma 0</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>tamaño del efecto w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>ningún N hasta 1000000000 alcanza esta potencia</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>siempre se indica</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>mayor que 0, hasta 1000</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>números enteros de 1 a 1000000000</translation>
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
        <translation>quedaría por debajo de 3.36e-4932, el menor Real: dé un N, un w o una potencia menores</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>mayor que 0, hasta 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>tamaño de grupo</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%1 tamaños de grupo para %2 grupos</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>el grupo %1 tiene tamaño 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>y p01 suman más de 1</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>es igual a p01: no hay efecto que detectar</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>ningún p10 hasta 1 - p01 alcanza esta potencia: indique un N mayor</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>debe ser mayor que 0 y como mucho 1000</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>debe estar entre 0 y 1 (incluidos)</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>es igual a p1: no hay efecto que detectar</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>ningún p2 de 0 a 1 alcanza esta potencia: indique un N mayor</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; no es un número</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>debe ser mayor que 0 y como mucho 1</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1 debe estar entre 0 y 1</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>la odds ratio</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>debe ser mayor que 0 y como mucho 1000000</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>siempre se da en este diseño</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>mayor que 0, hasta 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>Potencia y tamaño de muestra - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>Tamaño de muestra N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>Tamaño del efecto w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Nivel de significación α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>&amp;Grados de libertad</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>Tamaño del efecto &amp;w</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>Nivel de significación &amp;α</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>&amp;Potencia 1 − β</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>Tamaño total de la muestra &amp;N</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>Potencia frente a N</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>Potencia frente a w</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0 (continua)</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1 (punteada)</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α bajo H0 a la derecha del valor crítico, β bajo H1 a su izquierda</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>Copiar r&amp;esultados</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>Gráfic&amp;os</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>Guardar gráfico de hipótesis como…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>Copiar gráfico de hipótesis</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>Guardar curva de potencia como…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>Copiar curva de potencia</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Grados de libertad</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>Nivel de significación alfa</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>Tamaño total de la muestra N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>Gráfico de hipótesis</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Curva de potencia</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>Curva de potencia frente a</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>Copia los resultados como una línea de texto</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>Aún para los últimos números válidos: %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Calculado</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    valor crítico χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    potencia alcanzada con N = %1: %2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>Densidad central bajo H0 y densidad no central bajo H1 con lambda %1; valor crítico %2; alfa %3 sombreado bajo H0, beta %4 bajo H1</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>Potencia frente a %1; el punto elegido tiene potencia %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 y H1: </translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>Curva de potencia: </translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>w de Cohen: %1 pequeño, %2 mediano, %3 grande</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen: %1 pequeño, %2 mediano, %3 grande</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>w de Cohen (prueba de chi-cuadrado)</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>Prueba de McNemar (proporciones pareadas)</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>Dos proporciones independientes</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>&amp;Diseño</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    por grupo: %1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>p10 detectable</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>p2 detectable</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>Número de pares &amp;N</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>&amp;N en el grupo 1</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    valor crítico χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    potencia de la prueba exacta (binomial) con N = %1: %2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    la potencia de la prueba exacta se calcula hasta %1 pares</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1, n2 = %2, N = %3 en total    w de la tabla 2 × 2 = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    potencia alcanzada: %1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    también por debajo de p1: p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>Tamaño del efecto a partir de p&amp;roporciones</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>&amp;Bondad de ajuste</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>&amp;Independencia (tabla)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>iguales</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>&amp;Usar esta w</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>Proporciones H0</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>Proporciones H1</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>Probabilidades de celda H1</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>Una fila de la tabla por línea</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>Escriba las proporciones H1 de las categorías.</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>Escriba la tabla H1, una fila por línea.</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1 con gl %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>Proporciones de los grupos</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>V de Cramér</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>Razón de momios (2 × 2)</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>Tamaños de los grupos</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>Filas × columnas</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (grupo 1)</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio de p2 frente a p1</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Razón de los grupos n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>Proporciones de cada grupo</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>Un grupo por línea</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3 con gl %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1; w de la tabla 2 × 2 = %2 con gl 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>Escriba las proporciones de cada grupo, un grupo por línea.</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1; V = %2; partes de N de los grupos: %3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%1 de %2 celdas (%3 %) tienen frecuencias esperadas menores que 5; la menor es %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>χ² de Pearson = %1, gl = %2, p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>Razón de verosimilitud G² = %1, gl = %2, p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>χ² corregida de Yates = %1, p = %2 (junto a la prueba simple)</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>, IC 95 % %1 a %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>, sin IC 95 % por encima de χ² = 1e7</translation>
    </message>
    <message>
        <source>Cramér&apos;s V = %1%2</source>
        <translation>V de Cramér = %1%2</translation>
    </message>
    <message>
        <source>Cohen&apos;s w = %1%2</source>
        <translation>w de Cohen = %1%2</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Celdas</translation>
    </message>
    <message>
        <source>row</source>
        <translation>fila</translation>
    </message>
    <message>
        <source>column</source>
        <translation>columna</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>observada</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>esperada</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residuo</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>residuo ajustado</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>p de Bonferroni</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>V corregida por sesgo (Bergsma 2013) = %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1: no definida para esta tabla (%2: una celda a cero o un grupo vacío)</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2, IC 95 % %3 a %4 (%5)</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>Razón de odds</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>Razón de riesgos</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>Diferencia de riesgos</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>Razón de odds condicional</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>p unilateral = %1 (razón de odds menor que 1), %2 (mayor que 1); mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Prueba de simetría de Bowker: χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>Pares discordantes: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1, df = 1, p = %2; con la corrección de continuidad %3, p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>p exacta (binomial) = %1, mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>Razón de odds pareada b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>Filas comparadas por pares (χ² de Pearson; p ajustada por Holm y por Bonferroni):</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1: todo en una columna, nada que comparar</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>% fila</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>% columna</translation>
    </message>
    <message>
        <source>total %</source>
        <translation>% total</translation>
    </message>
    <message>
        <source>χ²(%1, N = %2) = %3, p %4, %5 = %6</source>
        <translation>χ²(%1, N = %2) = %3, p %4, %5 = %6</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>Leída con %1 como evento (la primera columna), %2 frente a %3 (las filas)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>el gráfico</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>No se puede guardar %1 en &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>el archivo es de solo lectura y sus permisos no se pueden cambiar</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>no se pudieron escribir los datos</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>se escribió, pero no se pudieron conservar sus permisos</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>es un enlace simbólico a &apos;%1&apos;: elija ese mismo archivo u otro nombre</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>pertenece a otro usuario, y un archivo nuevo sería suyo</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacía</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1: %2 no es una frecuencia</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1: %2 es negativa; las frecuencias son números enteros desde 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1: %2 no es un número entero; las frecuencias son números enteros desde 0</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1: %2 es mayor que 1e15</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>la tabla no contiene frecuencias</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>la tabla no contiene frecuencias, solo su encabezado</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>la fila 1 no contiene frecuencias</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>la fila %1 tiene %2 frecuencias donde la fila 1 tiene %3</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>el encabezado tiene %1 etiquetas para %2 columnas de frecuencias</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>las proporciones esperadas van con una fila (o una columna) de frecuencias</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>el elemento esperado %1 %2 no es un número</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>el elemento esperado %1 %2 es negativo</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>el elemento esperado %1 %2 es 0 donde se observaron %3: ninguna prueba lo admite</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>una tabla necesita 2 filas y 2 columnas, o una fila de 2 frecuencias o más para ajustar</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>las frecuencias suman 0</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>la fila %1 suma 0: sus frecuencias esperadas serían 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>la columna %1 suma 0: sus frecuencias esperadas serían 0</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>el texto es UTF-16 o no es texto: guárdelo como CSV UTF-8 o texto sin formato</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>la tabla tiene más de %1 celdas</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>indique %1 proporciones o frecuencias esperadas, una por frecuencia, no %2</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>la primera fila y la primera columna se leyeron como etiquetas</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>la primera fila se leyó como etiquetas de columna</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>la primera columna se leyó como etiquetas de fila</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>una tabla pareada es cuadrada, las mismas categorías dos veces (k x k); esta es %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>todos los pares de celdas fuera de la diagonal están vacíos: nada que contrastar</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>ningún par cambió de categoría (las dos celdas discordantes son 0): nada que contrastar</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise compara filas: esta es una sola fila de frecuencias</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%1 categorías con %2 parámetros estimados no dejan grados de libertad (df = k - 1 - estimados): estime como mucho %3</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>los parámetros estimados van con una fila (o columna) de frecuencias que ajustar</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>los valores esperados suman %1, ni 1 ni el total %2: leídos como razones y reescalados al total</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>el valor esperado %1 %2 está fuera de rango: 0, o de 1e-300 a 1e15</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit toma una fila o columna de frecuencias, o dos: los valores y sus frecuencias</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>un modelo se ajusta a tres valores o más: 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>un modelo necesita observaciones: todas las frecuencias son 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>un modelo de Poisson necesita una media mayor que 0: todos los valores vistos son 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>un modelo binomial necesita ensayos: el mayor valor es su n</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>media de Poisson = %1, estimada de los datos (1 grado de libertad menos)</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>p binomial = %1 de n = %2 ensayos, estimada de los datos (1 grado de libertad menos)</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation>; los valores son 0 a %1 por posición (sin encabezado de números enteros)</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation>; %1 valores agrupados en los extremos, que esperaban menos de 5</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>los elementos esperados suman 1: leídos como proporciones</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>los elementos esperados suman el total %1: leídos como frecuencias esperadas</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>los elementos esperados dejan menos de 2 categorías por encima de 0: nada que contrastar</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>Contrastar una tabla - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>Añadir &amp;fila</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>&amp;Quitar fila</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>Añadir co&amp;lumna</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>Quitar col&amp;umna</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>&amp;Abrir CSV…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>iguales</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>A la &amp;calculadora</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Copiar r&amp;esultados</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>Copiar &amp;tabla</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Guardar como CSV…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>F&amp;recuencias: escríbalas, pegue un bloque (Ctrl+V) o abra un archivo</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>Proporciones o frecuencias e&amp;speradas (una fila)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Frecuencias</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>Una celda por frecuencia; pegue un bloque de una hoja de cálculo con Ctrl+V, con etiquetas en la primera fila y columna o sin ellas</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>Proporciones o frecuencias esperadas</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>Para una fila de frecuencias: proporciones que suman 1 o frecuencias esperadas, separadas por espacios o puntos y coma; vacío para iguales</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>Progreso de la prueba exacta</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Celdas</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>Frecuencia esperada, residuos y p de Bonferroni de cada celda; + o - según el signo de su residuo ajustado, * donde es significativo al 5 %</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>Pone los grados de libertad y el valor de ji cuadrado de la calculadora</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>Copia las frecuencias como celdas separadas por tabuladores</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>Escriba o pegue las frecuencias: una tabla de 2 × 2 o más, o una fila de frecuencias para ajustar.</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>La calculadora admite hasta %1 grados de libertad; esta prueba tiene %2.</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>No se aceptó el bloque pegado: %1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>No se aceptó el bloque pegado: una tabla tiene como máximo %1 filas y columnas.</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>Abrir una tabla de frecuencias</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>Tablas (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>Etiqueta de columna</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>Etiqueta de fila</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Prueba exacta de Fisher: contando las tablas con estos márgenes…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Prueba exacta de Fisher: demasiadas tablas para contar; extrayendo 100000 tablas aleatorias…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>p exacto de Fisher = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>p de Monte Carlo = %1 ± %2 (error estándar; %3 tablas aleatorias, semilla %4)</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Prueba exacta de Fisher: demasiadas observaciones para contar o extraer; vale el p de la ji cuadrado</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>La prueba exacta de Fisher falló: %1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Prueba exacta de Fisher cancelada</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation>; el recuento exacto no terminó en %1 s</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation>; el recuento exacto necesita más memoria de la que puede usar</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>No se abrió %1: una tabla tiene como máximo %2 filas y columnas.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>No se abrió %1: ocupa más de 64 MiB.</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>La calculadora admite valores hasta %1; este estadístico es %2.</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>Pegado como la tabla entera, %1 × %2; Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>Pegadas %1 × %2 celdas desde la fila %3, columna %4; Ctrl+Z las deshace.</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>Una tabla conserva al menos una fila y una columna.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 no se abrió: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 no se abrió: %2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>Marca: + o - según el signo del residuo ajustado, * donde es significativo al 5 % (Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>&amp;Pareada: los mismos sujetos dos veces</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Ctrl+Mayús+C copia la prueba como una frase de la sección de resultados</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>estimados</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>Parámetros estimados de los datos</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>Parámetros de las frecuencias esperadas estimados de los datos: cada uno resta un grado de libertad</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>&amp;Intercambiar filas y columnas</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>Intercambiar filas y columnas</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>Invertir el orden de las filas</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>Invertir el orden de las columnas</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>los resultados</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>Guardar resultados y celdas como</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>Letras: en una fila, las columnas que comparten una letra no difieren en su % de columna (pruebas z al 5 %, Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>Gráfico de &amp;mosaico…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>Guarda los resultados y, de cada celda, la frecuencia esperada y los residuos como archivo CSV</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>Muestra la tabla como un gráfico de mosaico sombreado según los residuos ajustados</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>Prueba multinomial exacta: contando los resultados…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>Prueba multinomial exacta: demasiados resultados para contar; extrayendo 100000 resultados aleatorios…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>p multinomial exacto = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>p de Monte Carlo = %1 ± %2 (error estándar; %3 resultados aleatorios, semilla %4)</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>Prueba multinomial exacta cancelada</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>como se indica</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>Poisson, media de los datos</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>binomial, p de los datos</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>Frecuencias esperadas de un modelo</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>Mo&amp;delo</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>Prueba multinomial exacta: demasiadas categorías para contar o extraer; vale el p de la chi-cuadrado</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>Una varianza - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>Varianza muestral s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>Desviación típica muestral s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>Lo que da la muestra</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>vacío: sin prueba</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>La densidad chi-cuadrado con los cortes del intervalo</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Copiar r&amp;esultados</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>Copiar &amp;gráfico</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>&amp;Tamaño muestral n</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>&amp;Nivel de confianza</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>&amp;Probar frente a σ₀²</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>Sombreado: las colas más allá de los dos cortes, cada una (1 − nivel) / 2; punteado: el estadístico de la prueba</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 es un número mayor que 0.</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>El nivel de confianza es un número entre 0 y 1.</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>σ₀² para probar es un número mayor que 0, o vacío.</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>gl = %1, s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>intervalo del %1 % para σ²: %2 a %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>intervalo del %1 % para σ: %2 a %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1 (σ² por debajo de σ₀²), %2 (por encima); bilateral %3</translation>
    </message>
</context>
</TS>
