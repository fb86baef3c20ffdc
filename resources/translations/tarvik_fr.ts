<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>Pas un nombre : les résultats restent ceux de %1.</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>Sous le plus petit nombre que la calculatrice contient : les résultats restent ceux de %1.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>Lu comme %1 : la fenêtre accepte les valeurs de 0 à %2.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>Lu comme %1 : la fenêtre accepte les probabilités de %2 à %3 ; la ligne de commande les accepte jusqu&apos;à 1e-300.</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  Degrés de liberté : </translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  Valeur du khi-deux : </translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>Fonction de répartition : </translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>Probabilité de queue supérieure : </translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>Densité de probabilité : </translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Degrés de liberté</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>Valeur du khi-deux</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>Fonction de répartition</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>Probabilité de queue supérieure</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>Garder la valeur du khi-deux quand les degrés de liberté changent</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>Garder la probabilité cumulée quand les degrés de liberté changent</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>Graphique de densité</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>Cliquer pour figer lors du changement des degrés de liberté</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>Reste fixe lors du changement des degrés de liberté</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>Restent fixes lors du changement des degrés de liberté</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>Densité de probabilité : %1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Enregistrer le graphique sous…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>Copier en pleine précision</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>Valeurs critiques…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>Puissance et taille d&apos;échantillon…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>Tester un tableau…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>la langue du bureau</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik affichera ses textes à partir du prochain démarrage en : %1.</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>Afficher les &amp;nombres en</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>&amp;Décimales</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>Chiffres &amp;significatifs</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>S&amp;cientifique</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  (6 chiffres significatifs)
%2  (pleine précision)</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>Hachuré : queue supérieure P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>Densité du khi-deux, queue supérieure hachurée P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>Densité du khi-deux pour ddl %1 en x = %2, P(X&lt;=x) = %3 ; queue supérieure hachurée P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>Le choix de %1 n&apos;a pas pu être enregistré dans %2 : Tarvik garde ses mots tels quels.</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>Les nombres s&apos;affichent ainsi désormais, mais le choix n&apos;a pas pu être enregistré dans %1 pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>Une variance…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>Image PNG, double résolution (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>Image PNG sur blanc, pour l&apos;impression (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>Dessin SVG sur blanc, pour l&apos;impression (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>&apos;%1&apos; est en lecture seule. Le remplacer ?</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Enregistrer le graphique sous</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>« %1 » existe déjà. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>demande plus de %1 résultats en une exécution</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 prend ses valeurs séparées : %1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 demande deux valeurs</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 demande --export-chart</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 demande un nom finissant par .png ou .svg</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart dessine un résultat de --value, --cdf ou --upper</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 n&apos;est pas LARGEURxHAUTEUR, comme dans 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 n&apos;est ni gradient ni white</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 n&apos;est pas decimals, significant ou scientific</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 n&apos;est pas text, csv, tsv ou markdown</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected demande --counts</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts demande un nom de fichier, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1 : %2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect, --alpha, --power et --n ne prennent aucun de --value, --cdf, --upper, --two-sided, --between et --ncp</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>donnez l&apos;une de --value, --cdf, --upper, --two-sided et --between, ou trois de --effect, --alpha, --power et --n</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>--df est obligatoire</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp prend --value, --cdf ou --upper</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart ne prend pas --ncp</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between demande A &lt;= B</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table prend --cdf, --upper ou --two-sided</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>l&apos;entrée standard donne plus de %1 nombres</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>ligne %1 de l&apos;entrée standard</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>l&apos;entrée standard ne donne aucun nombre pour %1</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart dessine un résultat : donnez un ddl et un nombre</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>donnez trois de --effect, --alpha, --power et --n : le quatrième est calculé</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 ne prend pas --effect, --alpha, --power et --n</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 n&apos;est pas un nom de fichier que ce système peut écrire : ce n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>--counts %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 dépasse 64 Mio</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>les résultats</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>impossible d&apos;écrire les résultats sur la sortie standard</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>la ligne %1 de l&apos;entrée standard dépasse %2 octets</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>impossible de garder les résultats dans un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired demande --counts</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired ne prend pas --expected : il teste un tableau carré de paires</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 n&apos;est ni holm ni bonferroni</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise compare les lignes d&apos;un tableau d&apos;indépendance : pas avec --paired ou --expected</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance prend --n, --level, --sigma2, --numbers, --precision, --format et --output, pas %1</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance demande --n, la taille de l&apos;échantillon</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>au-dessus de 0</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated demande --counts</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit nécessite --counts</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts accepte --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format et --output, pas %1</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 n&apos;est ni poisson ni binomial</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit forme lui-même les effectifs attendus : pas avec --expected, --paired ou --pairwise</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape donne les ddl : pas avec --df</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design demande --alpha et deux de --power, --n et l&apos;effet : le troisième est calculé</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 n&apos;est pas mcnemar, two-proportions ou groups</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1 n&apos;accepte pas %2</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design demande --alpha</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups demande --groups</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups donne l&apos;effet : omettez --power ou --n</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 demande %2</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>donnez %1 ou --or, pas les deux</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 n&apos;est pas LIGNESxCOLONNES, comme 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v demande --shape et tient lieu de --effect</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 lit ou écrit un fichier, et il n’y a pas de fichiers ici</translation>
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
        <translation>Usage : tarvik [OPTION]...
La loi du khi-deux : probabilités, densité et valeurs critiques.
Sans option, la fenêtre de la calculatrice s&apos;ouvre.

L&apos;une de celles-ci, avec --df :
  --value X        P(X&lt;=x), P(X&gt;x) et la densité en x (0 à 1e6)
  --cdf P          la valeur x telle que P(X&lt;=x) = P
  --upper P        la valeur x telle que P(X&gt;x) = P
  --two-sided A    les deux valeurs critiques, chacune coupant A/2
  --between A B    P(A &lt; X &lt;= B)
  --df N           degrés de liberté, entiers, de 1 à 65535
  --ncp L          avec --value, --cdf ou --upper : le khi-deux non central
                   de paramètre de non-centralité L (0 à 1e6)
Les probabilités vont de 1e-300 à 1 - 1e-300 ; une valeur autre que 0 est
au moins 3.36e-4932, le plus petit Real en pleine précision.

Puissance et taille d&apos;échantillon d&apos;un test du khi-deux, avec --df : trois
de celles-ci, la quatrième est calculée (pour un N calculé, power= est la
puissance atteinte) :
  --effect W       taille d&apos;effet w de Cohen (0.1 petit, 0.3 moyen, 0.5 grand)
  --alpha A        le seuil de signification
  --power P        la puissance, 1 - bêta, supérieure à alpha
  --n N            la taille totale d&apos;échantillon, de 1 à 1000000000
  --shape RxC      au lieu de --df : les ddl du tableau, et V à côté de w ;
                   --v V, le V de Cramér, peut tenir lieu de --effect

Puissance d&apos;autres plans : --design D avec --alpha et deux de --power,
--n et l&apos;effet ; le troisième est calculé :
  mcnemar          N paires ; --p01 P avec --p10 P (les proportions
                   discordantes) ou --or R (p10 / p01), ou p10 calculé ;
                   w, la puissance du khi-deux et celle du test exact
                   (binomial) power_exact (jusqu&apos;à 100000 paires)
  two-proportions  --n est la taille du groupe 1 ; --p1 P avec --p2 P ou
                   --or R (l&apos;odds ratio), ou p2 calculé (p2_low sous p1) ;
                   --ratio K pour n2 / n1 (1 par défaut), --correct pour la
                   correction de continuité
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; les proportions de chaque
                   groupe, séparés par /, --sizes S,S (égales par défaut) :
                   w, V et le n de chaque groupe (n_groups)

Une variance, d&apos;après le s^2 d&apos;un échantillon et sa taille (--n N, 2 à 65536) :
  --variance S2    l&apos;intervalle de sigma^2 et sigma (var_low, var_high,
                   sd_low, sd_high), par le khi-deux à N - 1 ddl
  --level L        son niveau, 0.95 par défaut
  --sigma2 S0      aussi le test de sigma^2 = S0 : chi2, p_lower, p_upper
                   et p_two (le double de la plus petite queue)

Un tableau d&apos;effectifs :
  --counts FICHIER le test du khi-deux du tableau dans FICHIER (- pour
                   l&apos;entrée standard) : lignes d&apos;effectifs séparés par des
                   tabulations, des points-virgules ou des virgules, avec
                   ou sans ligne d&apos;en-tête et colonne d&apos;étiquettes. Un
                   tableau de 2 x 2 ou plus teste l&apos;indépendance (aussi la
                   correction de Yates pour 2 x 2, et le test exact de
                   Fisher) ; une ligne teste l&apos;ajustement. V et w avec
                   leurs intervalles à 95 % (bilatéraux, la loi du khi-deux
                   non centrale inversée ; un intervalle qui dépasserait le
                   plus grand V ou w permis par la forme du tableau s&apos;y
                   arrête), V_adj est le V corrigé du biais ; puis
                   l&apos;effectif attendu et les résidus de chaque case.
                   Un tableau 2 x 2 ajoute OR (Woolf), OR_mle (exact
                   conditionnel, jusqu&apos;à 1e6 observations), RR (Katz) et RD
                   (Newcombe) avec leurs intervalles à 95 %, et les p
                   unilatéraux de Fisher et le mid-p
  --expected P,P,...  avec --counts : les proportions attendues (de somme
                   1) ou les effectifs attendus d&apos;un test d&apos;ajustement ;
                   égaux s&apos;ils ne sont pas donnés;
                   ou des rapports, 9:3:3:1 ou tout poids, remis à l&apos;échelle
                   avec une note ; donnés, non estimés, ils ajoutent le p
                   multinomial exact (exact_p ; au-delà de --exact-seconds
                   exact_p_mc, exact_se et exact_seed)
  --estimated K    avec --counts d&apos;une ligne : K paramètres des effectifs
                   attendus estimés sur les données, K ddl de moins
  --fit MODÈLE     avec --counts d&apos;effectifs (une ligne ou colonne, pour les
                   valeurs 0, 1, 2, ... ou ses étiquettes ; ou deux : les
                   valeurs, puis les effectifs) : poisson ou binomial, son
                   paramètre estimé (1 ddl de moins), les extrémités
                   regroupées jusqu&apos;à attendre 5 ou plus
  --exact-seconds S  avec --counts : le temps que peut prendre le test
                   exact de Fisher (0 à 86400, 60 par défaut) ; au-delà,
                   fisher_p_mc est un p de Monte-Carlo sur 100000 tableaux
                   aléatoires, avec fisher_se et fisher_seed
  --seed N         avec --counts : la graine des tableaux aléatoires
  --paired         avec --counts : un tableau carré des mêmes sujets classés
                   deux fois : le test de McNemar (2 x 2 : b, c, avec et
                   sans correction de continuité, exact et mid-p, le
                   rapport des cotes apparié) ou celui de symétrie de Bowker
  --pairwise AJ    avec --counts : chaque paire de lignes comme test à
                   part, une ligne chacune, p ajusté par holm ou bonferroni

Listes et entrée standard :
  N,N,...          une liste : --upper 0.1,0.05,0.01 (ou 0.1;0.05;0.01). Là
                   où le bureau écrit une virgule décimale (23,5), une
                   virgule dans un nombre en est une, et les listes ne
                   prennent que &apos;;&apos; : --value &quot;23,5;7,8&quot;. La sortie garde
                   le point
  DE..À[:PAS]      un intervalle : --df 1..100, --value 0..10:0.5
  -                pour --value, --cdf ou --upper : un nombre par ligne de
                   l&apos;entrée standard
  --table          avec --upper, --cdf ou --two-sided : un tableau de
                   valeurs critiques, une ligne par ddl, une colonne par
                   probabilité

Sortie :
  --numbers STYLE  decimals (par défaut), significant ou scientific
  --precision N    chiffres de ce style, de 1 à 21 (six par défaut ; seule,
                   elle signifie N chiffres significatifs). Un Real contient
                   19 à 20 chiffres significatifs : au-delà, ce sont les
                   chiffres décimaux exacts du nombre binaire qu&apos;il contient
  En decimals, les nombres à partir de 1e18 s&apos;écrivent
  3.9894228040143267794E149, avec tous les chiffres que contient le Real.
  --format FORME   text (par défaut), csv, tsv ou markdown
  --output FICHIER écrire dans FICHIER, en entier ou pas du tout, au lieu
                   de la sortie standard
  --export-chart FICHIER  le graphique de densité d&apos;un résultat, en
                   FICHIER.png ou FICHIER.svg
  --size LxH       sa taille en pixels (par défaut 275x260, de 120 à 4000)
  --scale N        pixels par pixel du graphique dans un PNG, de 1 à 4
  --background B   gradient (celui de la fenêtre, par défaut) ou white,
                   pour l&apos;impression
  Le texte d&apos;un graphique grandit avec sa taille : à 1600x1000, imprimé à
  la largeur d&apos;une colonne, il se lit comme le graphique de la fenêtre.

  --language L     la langue des messages et de la fenêtre : de, en, es,
                   fr, nl, tr ou zh_CN (par défaut : celle du bureau) ;
                   seule, elle ouvre la fenêtre et retient le choix
  -h, --help       cette aide
  -v, --version    la version

Exemples :
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

Code de sortie : 0 en cas de succès, 2 pour une entrée erronée (une ligne
sur la sortie d&apos;erreur, rien d&apos;imprimé), 1 si un fichier ne peut pas être
écrit.
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>modifier une case</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>vider des cases</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>ajouter une ligne</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>ajouter une colonne</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>supprimer des lignes</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>supprimer des colonnes</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>remplacer le tableau</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>coller</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>renommer</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>échanger lignes et colonnes</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>inverser les lignes</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>inverser les colonnes</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>supérieure %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>inférieure %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>bilatérale %1 : inférieure</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>bilatérale %1 : supérieure</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>Valeurs critiques - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>Queue &amp;supérieure P(X&gt;x)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>Queue &amp;inférieure P(X&lt;=x)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>&amp;Bilatéral : chaque queue p/2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>Degrés de liberté &amp;de</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;à</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>&amp;Probabilités</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>Degrés de liberté de</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>Degrés de liberté à</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>Probabilités</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>Probabilités de queue, une par colonne, séparées par des espaces ou des points-virgules</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>Valeurs critiques</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>Une ligne par degré de liberté, une colonne par probabilité</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>Copie le tableau en cellules séparées par des tabulations</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>Enregistre le tableau comme fichier CSV</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>Les degrés de liberté vont à rebours : &apos;de&apos; est au-dessus de &apos;à&apos;.</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>le tableau</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Enregistrer le tableau sous</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>Proportion discordante p10, oui puis non</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>Proportion discordante p01, non puis oui</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>Rapport p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>Proportion p1 dans le groupe 1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>Proportion p2 dans le groupe 2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio de p2 à p1</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>Rapport des groupes n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>Correction de continuité</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10 (oui, puis non)</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01 (non, puis oui)</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>ou leur rapport p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (groupe 1)</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2 (groupe 2)</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>ou l&apos;odds ratio</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Rapport des groupes n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Calculé</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik a besoin d&apos;un affichage graphique : aucun trouvé (DISPLAY n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik a besoin d&apos;un affichage graphique : XDG_RUNTIME_DIR n&apos;est pas défini, aucun affichage Wayland ne peut donc être trouvé.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik a besoin d&apos;un affichage graphique : aucun affichage Wayland &apos;%1&apos; n&apos;est en marche.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik a besoin d&apos;un affichage graphique : aucun trouvé (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik ne peut pas ouvrir l&apos;affichage &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik ne peut pas ouvrir d&apos;affichage Wayland : XDG_RUNTIME_DIR n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik ne peut pas ouvrir l&apos;affichage Wayland &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik ne peut pas ouvrir sa fenêtre : la plateforme graphique &apos;%1&apos; n&apos;a pas démarré.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division en virgule flottante par zéro</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante invalide</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Soupassement en virgule flottante</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 n&apos;a pas convergé en %2 passes</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de vérification d&apos;intervalle</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement de capacité entier</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>&apos;%1&apos; est sous le plus petit nombre que la calculatrice contient, 3.36e-4932</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Échec d&apos;assertion</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>Le test exact de Fisher n&apos;a pas fini en %1 s (--exact-seconds) ; fisher_p_mc est un p de Monte-Carlo sur %2 tableaux aléatoires</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>Le test exact de Fisher demande plus de mémoire qu&apos;il ne peut en prendre ; fisher_p_mc est un p de Monte-Carlo sur %1 tableaux aléatoires</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>le tableau a trop d&apos;observations pour le test exact de Fisher ; fisher_p_mc est un p de Monte-Carlo sur %1 tableaux aléatoires</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>le tableau a trop d&apos;observations pour dénombrer ou tirer pour le test exact de Fisher ; le p du khi-deux fait foi</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>le test multinomial exact n&apos;a pas fini en %1 s (--exact-seconds) ; exact_p_mc est un p de Monte-Carlo sur %2 issues aléatoires</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>l&apos;ajustement a trop d&apos;observations ou de catégories pour dénombrer ses issues ; exact_p_mc est un p de Monte-Carlo sur %1 issues aléatoires</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>l&apos;ajustement a trop de catégories pour dénombrer ou tirer ses issues ; le p du khi-deux tient</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>Bienvenue dans Tarvik par Osterby !</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Tarvik par Osterby pour ordinateurs Linux et Windows calcule quelques fonctions de la loi du khi-deux (X2) :</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * la fonction de répartition (cdf, ou probabilité de queue inférieure) et la probabilité de queue supérieure</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * la valeur X2 (quantile, cdf inverse)</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * la densité de probabilité</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>Pour l&apos;utiliser, modifiez simplement le champ voulu, ou changez les degrés de liberté avec les flèches.</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>Dans ce dernier cas, vous pouvez soit</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * figer la valeur X2 pour changer la cdf et la probabilité de queue supérieure</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * figer la cdf et la probabilité de queue supérieure pour changer la valeur X2</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>Dans le doute, essayez ! </translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>Plus encore, dans les menus contextuels (clic droit) des champs, de la densité et du graphique :</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * Afficher les nombres en : six décimales, six chiffres significatifs ou notation scientifique (2.53963e-10), pour qu&apos;une p-valeur minuscule se lise dans son champ</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * Copier les résultats (Ctrl+Maj+C) : les résultats sur une ligne, tels que la ligne de commande les imprime</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * Valeurs critiques (Ctrl+T) : un tableau de valeurs critiques par degrés de liberté et probabilité, supérieures, inférieures ou bilatérales, à copier dans un tableur ou à enregistrer en CSV</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * Puissance et taille d&apos;échantillon (Ctrl+Maj+P) : planifier une étude. Donnez trois parmi la taille d&apos;effet w, alpha, la puissance et la taille totale d&apos;échantillon N, avec les degrés de liberté ; le quatrième est calculé pendant la saisie (pour N : le plus petit N qui atteint la puissance, et la puissance atteinte). w peut venir des proportions attendues (ajustement) ou d&apos;un tableau de probabilités des cellules (indépendance). Deux graphiques montrent la densité centrale sous H0 et la non centrale sous H1 avec alpha et bêta hachurés, et la puissance en fonction de N ou de w</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * Enregistrer le graphique sous : PNG, PNG en double résolution ou dessin SVG, sur le dégradé de la fenêtre ou sur blanc pour l&apos;impression ; un nom saisi avec .png ou .svg décide du format</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * Langue : la langue du bureau, ou anglais, allemand, espagnol, français, néerlandais, turc ou chinois simplifié, à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>Dans un terminal, tarvik --help montre la ligne de commande : listes, tableaux et lots.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik est proposé tel quel, sans aucune garantie. Les nombres affichés sont calculés avec soin en précision étendue sur 80 bits et vérifiés par rapport à une référence indépendante à 50 chiffres ; vérifiez toutefois tout résultat dont dépend une décision importante.</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>Merci aux auteurs des méthodes publiées utilisées : les sommes finies exactes des queues du khi-deux et de F, les probabilités de Poisson par point-selle de Loader, la fraction continue de Legendre de la fonction gamma incomplète, l&apos;arithmétique double longueur de Dekker, les sommes de Ding pour le khi-deux non central, l&apos;approximation de Patnaik, la quadrature de Gauss-Legendre, la méthode de Halley, les approximations par racine cubique de Wilson-Hilferty et de Paulson, le quantile normal d&apos;Odeh-Evans, la formule 26.2.17 d&apos;Abramowitz et Stegun, la méthode des points de pourcentage de Best et Roberts (AS 91) et la variante Illinois de la fausse position.</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>Questions, suggestions et signalements d&apos;erreurs sont les bienvenus à tarvik@osterby.example.</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * Tester un tableau (Ctrl+Maj+T) : saisissez des effectifs, collez un bloc d&apos;un tableur (Ctrl+V) ou ouvrez un fichier CSV. Un tableau de 2 x 2 ou plus est testé pour l&apos;indépendance, une ligne pour l&apos;ajustement (égal, ou selon les proportions attendues que vous donnez) : le khi-deux de Pearson et le rapport de vraisemblance G2 avec leur p, la correction de Yates à côté du test simple pour 2 x 2, le test exact de Fisher compté en arrière-plan (un p de Monte-Carlo quand le dénombrement exact ne finit pas en une minute ; Annuler l&apos;arrête), le V de Cramér (avec le V corrigé du biais) et le w de Cohen avec des intervalles à 95 % (bilatéraux, en inversant la loi du khi-deux non centrale ; un intervalle qui dépasserait le plus grand V ou w permis par la forme du tableau s&apos;y arrête), et pour chaque cellule l&apos;effectif attendu, les résidus et le p de Bonferroni. Vers la calculatrice montre la statistique sur le graphique de densité</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * Après le test du tableau : pour 2 x 2, le rapport des cotes, le risque relatif et la différence de risques avec leurs intervalles à 95 % et le p unilatéral de Fisher (lignes les groupes, la première colonne l&apos;événement ; Échanger lignes et colonnes, ou le menu contextuel de la grille, tourne ou inverse le tableau) ; Apparié : le test de McNemar pour 2 x 2, celui de Bowker pour k x k ; les lignes comparées par paires (Holm, Bonferroni) ; pour chaque cellule les pourcentages en ligne, en colonne et du total, avec des lettres : dans une ligne, les colonnes qui partagent une lettre ne diffèrent pas par leur pourcentage en colonne ; Mosaïque : le tableau en tuiles teintées selon leurs résidus ajustés, copiée ou enregistrée comme un graphique ; Ctrl+Maj+C copie le test en une phrase ; Enregistrer en CSV enregistre les résultats avec les cellules</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * Une variance (Ctrl+Maj+V) : à partir de la variance s2 (ou de l&apos;écart type s) et de la taille n d&apos;un échantillon, l&apos;intervalle pour sigma2 et sigma au niveau donné (le khi-deux à n - 1 degrés de liberté, ses deux bornes montrées sur la densité) ; avec sigma0 au carré, son test : la statistique (n - 1) s2 / sigma0 au carré, les deux p unilatéraux et le bilatéral, le double de la plus petite queue</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * Plans d&apos;étude dans la fenêtre de puissance : le test de McNemar de proportions appariées (les proportions discordantes p10 et p01, ou p01 et leur rapport : N paires, la puissance ou le p10 détectable, avec la puissance du test binomial exact à côté de celle du khi-deux) et deux proportions indépendantes (p1 et p2, ou p1 et l&apos;odds ratio, avec le rapport des groupes n2 / n1 et la correction de continuité : n1 et n2, la puissance ou le p2 détectable de part et d&apos;autre de p1, par l&apos;approximation normale). w peut aussi venir des proportions de chaque groupe et des tailles des groupes, du V de Cramér (w = V fois la racine carrée de min(r, c) - 1) ou d&apos;un odds ratio et d&apos;une proportion de référence</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 est hors limites : %3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>entiers de %1 à %2</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>de 0 à %1</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>de 0 à %1, et 0 ou au moins 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>de %1 à 1 - %1</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>Valeurs critiques de queue inférieure : x avec P(X&lt;=x) = p</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>Valeurs critiques de queue supérieure : x avec P(X&gt;x) = p</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>Valeurs critiques bilatérales : P(X&lt;=inférieure) = P(X&gt;supérieure) = alpha/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>donnez au moins une probabilité</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>probabilité %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 intervalle %2 n&apos;est pas DE..À ou DE..À:PAS avec des nombres décimaux simples</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 intervalle %2 demande un pas positif</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 intervalle %2 demande plus de 18 chiffres</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 intervalle %2 va à rebours</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 donne plus de %2 éléments</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 a un élément vide</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 élément %2</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2 : sur ce bureau la virgule est la virgule décimale (2,5 ou 2.5 pour un nombre) ; séparez les éléments d&apos;une liste par &apos;;&apos;, comme dans 1;2;3</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 sépare ses éléments à la fois par &apos;,&apos; et par &apos;;&apos; : utilisez l&apos;un des deux (une virgule décimale s&apos;écrit ici avec un point : 2.5)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language demande une langue : de, en, es, fr, nl, tr ou zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language est donné deux fois</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language &apos;%1&apos; n&apos;est pas de, en, es, fr, nl, tr ou zh_CN</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 ou plus</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 à 4</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>Résidu ajusté</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>Mosaïque du tableau</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 à 2</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 à −2</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 ou moins</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>Mosaïque - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>L&apos;aire de chaque tuile est la part de sa cellule dans le tableau : les lignes côte à côte, les colonnes de chaque ligne empilées. La teinte et le contour suivent le résidu ajusté : bleu et plein au-dessus de l&apos;attendu, rouge et pointillé en dessous.</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>doit être un entier de 1 à %1</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>doit être supérieur à 0</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>doit être entre 0 et 1</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>doit être un entier de 1 à 1000000000</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>doit être supérieure à alpha</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>donne un paramètre de non-centralité N w² supérieur à 1000000</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>proportion %1 %2 &apos;%3&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>proportion %1 %2 &apos;%3&apos; est négative</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>les proportions %1 ont une somme nulle</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>donnez au moins deux proportions H1</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0 a %1 proportions, H1 %2</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>la proportion H0 %1 vaut 0</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>ligne %1 cellule %2 &apos;%3&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>ligne %1 cellule %2 &apos;%3&apos; est négative</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>la ligne %1 a %2 cellules, la ligne 1 en a %3</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>donnez un tableau d&apos;au moins 2 lignes et 2 colonnes, une ligne par ligne de texte</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>la ligne %1 a une somme nulle</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>la colonne %1 a une somme nulle</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>taille d&apos;effet w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>aucun N jusqu&apos;à 1000000000 n&apos;atteint cette puissance</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>est toujours donné</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>supérieure à 0, jusqu&apos;à 1000</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>entiers de 1 à 1000000000</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>would be below 3.36e-4932, the smallest Real: give a smaller N, w or power</source>
        <translation>serait sous 3.36e-4932, le plus petit Real : donnez un N, un w ou une puissance plus petits</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>au-dessus de 0, jusqu’à 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>taille de groupe</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%1 tailles de groupe pour %2 groupes</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>le groupe %1 a une taille de 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>et p01 font plus de 1 à eux deux</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>est égal à p01 : il n&apos;y a pas d&apos;effet à détecter</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>aucun p10 jusqu&apos;à 1 - p01 n&apos;atteint cette puissance : donnez un N plus grand</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>doit être au-dessus de 0, au plus 1000</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>doit être compris entre 0 et 1 (inclus)</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>est égal à p1 : il n&apos;y a pas d&apos;effet à détecter</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>aucun p2 de 0 à 1 n&apos;atteint cette puissance : donnez un N plus grand</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>doit être au-dessus de 0, au plus 1</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1 doit être compris entre 0 et 1</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>l&apos;odds ratio</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>doit être au-dessus de 0, au plus 1000000</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>est toujours donné dans ce plan</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>au-dessus de 0, jusqu’à 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>Puissance et taille d&apos;échantillon - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>Taille d&apos;échantillon N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>Taille d&apos;effet w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Seuil de signification α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>&amp;Degrés de liberté</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>Taille d&apos;effet &amp;w</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>Seuil de signification &amp;α</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>&amp;Puissance 1 − β</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>Taille totale d&apos;échantillon &amp;N</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>Puissance en fonction de N</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>Puissance en fonction de w</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0 (trait plein)</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1 (pointillé)</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α sous H0 à droite de la valeur critique, β sous H1 à sa gauche</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>C&amp;opier les résultats</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>Enregistrer le graphique des hypothèses sous…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>Copier le graphique des hypothèses</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>Enregistrer la courbe de puissance sous…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>Copier la courbe de puissance</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Degrés de liberté</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>Seuil de signification alpha</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>Taille totale d&apos;échantillon N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>Graphique des hypothèses</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Courbe de puissance</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>Courbe de puissance en fonction de</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>Copie les résultats sur une ligne de texte</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>Encore pour les derniers nombres valides : %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Calculé</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    valeur critique χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    puissance atteinte pour N = %1 : %2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>Densité centrale sous H0 et densité non centrale sous H1 avec lambda %1 ; valeur critique %2 ; alpha %3 hachuré sous H0, bêta %4 sous H1</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>Puissance en fonction de %1 ; le point choisi a la puissance %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 et H1 : </translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>Courbe de puissance : </translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>w de Cohen : %1 petit, %2 moyen, %3 grand</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen : %1 petit, %2 moyen, %3 grand</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>w de Cohen (test du khi-deux)</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>Test de McNemar (proportions appariées)</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>Deux proportions indépendantes</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>P&amp;lan d&apos;étude</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Plan d&apos;étude</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    par groupe : %1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>p10 détectable</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>p2 détectable</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>Nombre de paires &amp;N</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>&amp;N dans le groupe 1</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    valeur critique χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    puissance du test exact (binomial) pour N = %1 : %2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    la puissance du test exact est calculée jusqu’à %1 paires</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1, n2 = %2, N = %3 au total    w du tableau 2 × 2 = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    puissance atteinte : %1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    aussi sous p1 : p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>Taille d&apos;effet à partir des p&amp;roportions</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>&amp;Ajustement</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>&amp;Indépendance (tableau)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>égales</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>&amp;Utiliser ce w</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>Proportions H0</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>Proportions H1</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>Probabilités des cellules H1</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>Une ligne du tableau par ligne de texte</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>Saisissez les proportions H1 des catégories.</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>Saisissez le tableau H1, une ligne par ligne de texte.</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1 avec ddl %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>Proportions des groupes</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>V de Cramér</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>Rapport des cotes (2 × 2)</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>Tailles des groupes</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>Lignes × colonnes</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (groupe 1)</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>Odds ratio de p2 à p1</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Rapport des groupes n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>Proportions de chaque groupe</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>Un groupe par ligne</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3 avec ddl %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1 ; w du tableau 2 × 2 = %2 avec ddl 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>Saisissez les proportions de chaque groupe, un groupe par ligne.</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1 ; V = %2 ; parts de N des groupes : %3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%1 cellules sur %2 (%3 %) ont des effectifs attendus inférieurs à 5 ; le plus petit est %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>χ² de Pearson = %1, ddl = %2, p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>Rapport de vraisemblance G² = %1, ddl = %2, p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>χ² corrigé de Yates = %1, p = %2 (à côté du test simple)</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>, IC 95 % %1 à %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>, pas d&apos;IC 95 % au-dessus de χ² = 1e7</translation>
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
        <translation>Cellules</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>column</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>observé</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>attendu</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>résidu</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>résidu ajusté</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>p de Bonferroni</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marque</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>V corrigé du biais (Bergsma 2013) = %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1 : non défini pour ce tableau (%2 : une case nulle ou un groupe vide)</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2, IC à 95 % %3 à %4 (%5)</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>Rapport des cotes</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>Risque relatif</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>Différence de risques</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>Rapport des cotes conditionnel</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>p unilatéral = %1 (rapport des cotes inférieur à 1), %2 (supérieur à 1) ; mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Test de symétrie de Bowker : χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>Paires discordantes : %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1, df = 1, p = %2 ; avec la correction de continuité %3, p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>p exact (binomial) = %1, mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>Rapport des cotes apparié b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>Lignes comparées deux à deux (χ² de Pearson ; p ajusté par Holm et par Bonferroni) :</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1 : tout dans une colonne, rien à comparer</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>% ligne</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>% colonne</translation>
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
        <translation>lettres</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>Lu avec %1 comme événement (la première colonne), %2 contre %3 (les lignes)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>le graphique</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un périphérique, un tube ou une socket)</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>Impossible d&apos;enregistrer %1 dans &apos;%2&apos; : %3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>le fichier est en lecture seule et ses droits ne peuvent pas être changés</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>les données n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>il a été écrit, mais ses droits n&apos;ont pas pu être conservés</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>c&apos;est un lien symbolique vers « %1 » : choisissez ce fichier lui-même, ou un autre nom</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>il appartient à un autre utilisateur, et un nouveau fichier serait le vôtre</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1 : %2 n&apos;est pas un effectif</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1 : %2 est négatif ; les effectifs sont des entiers à partir de 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1 : %2 n&apos;est pas un entier ; les effectifs sont des entiers à partir de 0</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1 : %2 dépasse 1e15</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>le tableau ne contient aucun effectif</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>le tableau ne contient aucun effectif, seulement son en-tête</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>la ligne 1 ne contient aucun effectif</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>la ligne %1 a %2 effectifs là où la ligne 1 en a %3</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>l&apos;en-tête a %1 étiquettes pour %2 colonnes d&apos;effectifs</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>les proportions attendues vont avec une ligne (ou une colonne) d&apos;effectifs</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>l&apos;élément attendu %1 %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>l&apos;élément attendu %1 %2 est négatif</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>l&apos;élément attendu %1 %2 vaut 0 alors que %3 ont été observés : aucun test ne l&apos;accepte</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>un tableau demande 2 lignes et 2 colonnes, ou une ligne de 2 effectifs ou plus pour l&apos;ajustement</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>les effectifs ont une somme nulle</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>la ligne %1 a une somme nulle : ses effectifs attendus seraient 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>la colonne %1 a une somme nulle : ses effectifs attendus seraient 0</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>le texte est en UTF-16 ou n&apos;est pas du texte : enregistrez-le en CSV UTF-8 ou en texte brut</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>le tableau a plus de %1 cases</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>donnez %1 proportions ou effectifs attendus, un par effectif, pas %2</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>la première ligne et la première colonne ont été lues comme étiquettes</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>la première ligne a été lue comme étiquettes de colonnes</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>la première colonne a été lue comme étiquettes de lignes</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>un tableau apparié est carré, les mêmes catégories deux fois (k x k) ; celui-ci est %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>chaque paire de cases hors de la diagonale est vide : rien à tester</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>aucune paire n&apos;a changé de catégorie (les deux cases discordantes valent 0) : rien à tester</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise compare des lignes : ceci est une seule ligne d&apos;effectifs</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%1 catégories avec %2 paramètres estimés ne laissent aucun degré de liberté (df = k - 1 - estimés) : estimez-en au plus %3</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>des paramètres estimés vont avec une ligne (ou une colonne) d&apos;effectifs à ajuster</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>les valeurs attendues font %1 au total, ni 1 ni le total %2 : lues comme des rapports et remises à l&apos;échelle du total</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>la valeur attendue %1 %2 est hors limites : 0, ou de 1e-300 à 1e15</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit prend une ligne ou colonne d&apos;effectifs, ou deux : les valeurs et leurs effectifs</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>un modèle s&apos;ajuste à trois valeurs ou plus : 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>un modèle a besoin d&apos;observations : tous les effectifs sont 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>un modèle de Poisson a besoin d&apos;une moyenne supérieure à 0 : toutes les valeurs vues sont 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>un modèle binomial a besoin d&apos;essais : la plus grande valeur est son n</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>moyenne de Poisson = %1, estimée sur les données (1 ddl de moins)</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>p binomiale = %1 sur n = %2 essais, estimée sur les données (1 ddl de moins)</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation> ; les valeurs sont 0 à %1 par position (pas d&apos;en-tête de nombres entiers)</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation> ; %1 valeurs regroupées dans les extrémités, qui attendaient moins de 5</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>les éléments attendus ont pour somme 1 : lus comme des proportions</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>les éléments attendus ont pour somme le total %1 : lus comme des effectifs attendus</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>les éléments attendus laissent moins de 2 catégories au-dessus de 0 : rien à tester</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>Tester un tableau - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>Ajouter une li&amp;gne</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>Supprimer la lig&amp;ne</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>Ajouter une co&amp;lonne</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>Supprimer la colonn&amp;e</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>&amp;Ouvrir un CSV…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>égales</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>Vers la &amp;calculatrice</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Copier les &amp;résultats</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>Copier le &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Enregistrer en C&amp;SV…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>Effect&amp;ifs : saisissez-les, collez un bloc (Ctrl+V) ou ouvrez un fichier</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>Proportions ou effectifs atten&amp;dus (une ligne)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Effectifs</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>Une cellule par effectif ; collez un bloc d&apos;un tableur avec Ctrl+V, avec ou sans étiquettes en première ligne et colonne</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>Proportions ou effectifs attendus</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>Pour une ligne d&apos;effectifs : proportions de somme 1 ou effectifs attendus, séparés par des espaces ou des points-virgules ; vide pour égales</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>Progression du test exact</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cellules</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>Effectif attendu, résidus et p de Bonferroni de chaque cellule ; + ou - selon le signe du résidu ajusté, * si significatif à 5 %</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>Règle les degrés de liberté et la valeur du khi-deux de la calculatrice</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>Copie les effectifs en cellules séparées par des tabulations</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>Saisissez ou collez les effectifs : un tableau de 2 × 2 ou plus, ou une ligne d&apos;effectifs pour l&apos;ajustement.</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>La calculatrice accepte jusqu&apos;à %1 degrés de liberté ; ce test en a %2.</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>Le bloc collé n&apos;a pas été pris : %1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>Le bloc collé n&apos;a pas été pris : un tableau a au plus %1 lignes et colonnes.</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>Ouvrir un tableau d&apos;effectifs</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>Tableaux (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>Étiquette de colonne</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>Étiquette de ligne</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Test exact de Fisher : dénombrement des tableaux de mêmes marges…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Test exact de Fisher : trop de tableaux à dénombrer ; tirage de 100000 tableaux aléatoires…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>p exact de Fisher = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>p de Monte-Carlo = %1 ± %2 (erreur type ; %3 tableaux aléatoires, graine %4)</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Test exact de Fisher : trop d&apos;observations pour dénombrer ou tirer ; le p du khi-deux fait foi</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>Le test exact de Fisher a échoué : %1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Test exact de Fisher annulé</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation> ; le dénombrement exact n&apos;a pas fini en %1 s</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation> ; le dénombrement exact demande plus de mémoire qu&apos;il ne peut en prendre</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>%1 n&apos;a pas été ouvert : un tableau a au plus %2 lignes et colonnes.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>%1 n&apos;a pas été ouvert : il dépasse 64 Mio.</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>La calculatrice prend des valeurs jusqu&apos;à %1 ; cette statistique vaut %2.</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>Collé comme tableau entier, %1 × %2 ; Ctrl+Z l&apos;annule.</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>%1 × %2 cases collées à partir de la ligne %3, colonne %4 ; Ctrl+Z les annule.</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>Un tableau garde au moins une ligne et une colonne.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 n&apos;a pas été ouvert : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 n&apos;a pas été ouvert : %2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>Marque : + ou - selon le signe du résidu ajusté, * là où il est significatif à 5 % (Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>A&amp;pparié : les mêmes sujets deux fois</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Ctrl+Maj+C copie le test en une phrase de section de résultats</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>estimés</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>Paramètres estimés sur les données</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>Paramètres des effectifs attendus estimés sur les données : chacun retire un degré de liberté</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>Éc&amp;hanger lignes et colonnes</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>Échanger lignes et colonnes</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>Inverser l&apos;ordre des lignes</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>Inverser l&apos;ordre des colonnes</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>les résultats</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>Enregistrer les résultats et les cellules sous</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>Lettres : dans une ligne, les colonnes qui partagent une lettre ne diffèrent pas par leur % de colonne (tests z à 5 %, Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>&amp;Mosaïque…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>Enregistre les résultats et, pour chaque cellule, l&apos;effectif attendu et les résidus dans un fichier CSV</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>Montre le tableau en mosaïque, teintée selon les résidus ajustés</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>Test multinomial exact : dénombrement des issues…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>Test multinomial exact : trop d&apos;issues à dénombrer ; tirage de 100000 issues aléatoires…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>p multinomial exact = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>p de Monte-Carlo = %1 ± %2 (erreur type ; %3 issues aléatoires, graine %4)</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>Test multinomial exact annulé</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>tel que donné</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>Poisson, moyenne des données</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>binomiale, p des données</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>Effectifs attendus d&apos;un modèle</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;justement</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>Test multinomial exact : trop de catégories à dénombrer ou tirer ; le p du khi-deux tient</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>Une variance - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>Variance de l&apos;échantillon s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>Écart type de l&apos;échantillon s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>Ce que donne l&apos;échantillon</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>vide : pas de test</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>La densité du khi-deux avec les bornes de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>Copier les &amp;résultats</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>Copier le &amp;graphique</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>&amp;Taille de l&apos;échantillon n</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>&amp;Niveau de confiance</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>Tester &amp;contre σ₀²</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>Ombré : les queues au-delà des deux bornes, chacune (1 − niveau) / 2 ; pointillé : la statistique du test</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 est un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>Le niveau de confiance est un nombre entre 0 et 1.</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>σ₀² à tester est un nombre supérieur à 0, ou vide.</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>ddl = %1, s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>intervalle à %1 % pour σ² : %2 à %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>intervalle à %1 % pour σ : %2 à %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1 (σ² sous σ₀²), %2 (au-dessus) ; bilatéral %3</translation>
    </message>
</context>
</TS>
