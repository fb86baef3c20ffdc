<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>Sayı değil: sonuçlar hâlâ %1 için.</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>Hesap makinesinin tuttuğu en küçük sayının altında: sonuçlar hâlâ %1 için.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>%1 olarak okundu: pencere 0 ile %2 arasındaki değerleri alır.</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>%1 olarak okundu: pencere %2 ile %3 arasındaki olasılıkları alır; komut satırı 1e-300&apos;e kadar alır.</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  Serbestlik derecesi : </translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  Ki-kare değeri : </translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>Dağılım fonksiyonu : </translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>Üst kuyruk olasılığı : </translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>Olasılık yoğunluğu : </translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Serbestlik derecesi</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>Ki-kare değeri</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>Birikimli dağılım fonksiyonu</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>Üst kuyruk olasılığı</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Yardım (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>Serbestlik derecesi değişince ki-kare değerini koru</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>Serbestlik derecesi değişince birikimli olasılığı koru</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>Yoğunluk grafiği</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>Serbestlik derecesi değişirken sabitlemek için tıklayın</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>Serbestlik derecesi değişirken sabit kalır</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>Serbestlik derecesi değişirken sabit kalırlar</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>Olasılık yoğunluğu: %1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Grafiği farklı kaydet…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Grafiği kopyala</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>Tam duyarlıkla kopyala</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Sonuçları kopyala</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>Kritik değerler…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>Güç ve örneklem büyüklüğü…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>Bir tabloyu test et…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Masaüstünün dili</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>masaüstünün dili</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik bir sonraki açılıştan itibaren metinlerini şu dilde gösterecek: %1.</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>Sayıla&amp;rı göster</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>&amp;Ondalık</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>&amp;Anlamlı basamak</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>&amp;Bilimsel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  (6 anlamlı basamak)
%2  (tam duyarlık)</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>Taralı: üst kuyruk P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>Ki-kare yoğunluğu, taralı üst kuyruk P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>sd %1 için x = %2 noktasında ki-kare yoğunluğu, P(X&lt;=x) = %3; taralı üst kuyruk P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>%1 seçimi %2 içine kaydedilemedi: Tarvik sözcüklerini olduğu gibi tutuyor.</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>Sayılar bundan sonra böyle gösteriliyor, ancak seçim bir sonraki başlangıç için %1 içine kaydedilemedi.</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>Tek varyans…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG resmi (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>PNG resmi, iki kat çözünürlük (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG çizimi (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>Beyaz üzerine PNG resmi, baskı için (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>Beyaz üzerine SVG çizimi, baskı için (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>&apos;%1&apos; salt okunur. Değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Grafiği farklı kaydet</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV tablosu (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; zaten var. Değiştirilsin mi?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>bir çalıştırmada %1 sonuçtan fazlasını istiyor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>beklenmeyen argüman %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 iki kez verilmiş</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 değer almaz</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 değerlerini ayrı alır: %1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 bir değer gerektirir</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 iki değer gerektirir</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 --export-chart gerektirir</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 .png veya .svg ile biten bir ad gerektirir</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart --value, --cdf veya --upper&apos;ın bir sonucunu çizer</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 GENİŞLİKxYÜKSEKLİK değil, örneğin 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 gradient veya white değil</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 decimals, significant veya scientific değil</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 text, csv, tsv veya markdown değil</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output bir dosya adı gerektirir</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected --counts gerektirir</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts bir dosya adı gerektirir, standart girdi için -</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1: %2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect, --alpha, --power ve --n; --value, --cdf, --upper, --two-sided, --between ve --ncp&apos;nin hiçbirini almaz</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>--value, --cdf, --upper, --two-sided ve --between&apos;den birini ya da --effect, --alpha, --power ve --n&apos;den üçünü verin</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>--df gereklidir</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp --value, --cdf veya --upper alır</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart --ncp almaz</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between A &lt;= B gerektirir</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table --cdf, --upper veya --two-sided alır</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>standart girdi %1 sayıdan fazlasını veriyor</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>standart girdi satır %1</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>standart girdi %1 için sayı vermiyor</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart bir sonuç çizer: bir sd ve bir sayı verin</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>--effect, --alpha, --power ve --n&apos;den üçünü verin: dördüncüsü çözülür</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 --effect, --alpha, --power ve --n almaz</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 bu sistemin yazabileceği bir dosya adı değil: geçerli UTF-8 değil</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>--counts %1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 64 MiB&apos;tan büyük</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>sonuçlar</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>sonuçlar standart çıktıya yazılamıyor</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>standart girdinin %1. satırı %2 bayttan uzun</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>sonuçlar geçici bir dosyada tutulamıyor: %1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired, --counts gerektirir</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired --expected almaz: kare bir çiftler tablosunu test eder</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 holm veya bonferroni değil</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise bir bağımsızlık tablosunun satırlarını karşılaştırır: --paired veya --expected ile olmaz</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance --n, --level, --sigma2, --numbers, --precision, --format ve --output alır, %1 almaz</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance için --n, örneklem büyüklüğü gerekir</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>0&apos;ın üstünde</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated, --counts gerektirir</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit, --counts gerektirir</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format ve --output alır, %1 değil</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 poisson veya binomial değil</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit beklenen frekansları kendisi oluşturur: --expected, --paired veya --pairwise ile olmaz</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape sd verir: --df ile olmaz</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design için --alpha ve --power, --n ile etkiden ikisi gerekir: üçüncüsü çözülür</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 mcnemar, two-proportions veya groups değil</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1, %2 almaz</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design için --alpha gerekir</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups için --groups gerekir</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups etkiyi verir: --power veya --n verilmemeli</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 için %2 gerekir</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>%1 veya --or verin, ikisini birden değil</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 SATIRxSÜTUN değil, örneğin 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v, --shape ister ve --effect yerine geçer</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 bir dosya okur ya da yazar ve burada dosya yok</translation>
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
        <translation>Kullanım: tarvik [SEÇENEK]...
Ki-kare dağılımı: olasılıklar, yoğunluk ve kritik değerler.
Seçeneksiz çalıştırıldığında hesap makinesi penceresi açılır.

Bunlardan biri, --df ile:
  --value X        P(X&lt;=x), P(X&gt;x) ve x noktasındaki yoğunluk (0 ile 1e6)
  --cdf P          P(X&lt;=x) = P olan x değeri
  --upper P        P(X&gt;x) = P olan x değeri
  --two-sided A    her biri A/2 kesen iki kritik değer
  --between A B    P(A &lt; X &lt;= B)
  --df N           serbestlik derecesi, tamsayı, 1 ile 65535
  --ncp L          --value, --cdf veya --upper ile: merkezi olmama
                   parametresi L olan merkezi olmayan ki-kare (0 ile 1e6)
Olasılıklar 1e-300 ile 1 - 1e-300 arasındadır; 0 dışındaki bir değer en
az 3.36e-4932&apos;dir, tam duyarlıklı en küçük Real.

Bir ki-kare testinin gücü ve örneklem büyüklüğü, --df ile: bunlardan
üçü, dördüncüsü çözülür (çözülen N için power= ulaşılan güçtür):
  --effect W       Cohen&apos;in etki büyüklüğü w (0.1 küçük, 0.3 orta, 0.5 büyük)
  --alpha A        anlamlılık düzeyi
  --power P        güç, 1 - beta, alfadan büyük
  --n N            toplam örneklem büyüklüğü, 1 ile 1000000000
  --shape RxC      --df yerine: tablonun sd&apos;si ve w&apos;nin yanında V;
                   --v V, Cramér&apos;in V&apos;si, --effect yerine geçebilir

Diğer desenlerin gücü: --design D, --alpha ile ve --power, --n ile
etkiden ikisiyle; üçüncüsü çözülür:
  mcnemar          N çift; --p01 P ile --p10 P (uyumsuz oranlar) veya
                   --or R (p10 / p01), yoksa p10 çözülür; w, ki-kare
                   gücü ve kesin (binom) testin gücü power_exact (en çok
                   100000 çift)
  two-proportions  --n grup 1&apos;in büyüklüğü; --p1 P ile --p2 P veya --or R
                   (odds oranı), yoksa p2 çözülür (p1&apos;in altında p2_low);
                   n2 / n1 için --ratio K (varsayılan 1), süreklilik
                   düzeltmesi için --correct
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; her grubun oranları,
                   gruplar / ile ayrılır, --sizes S,S (varsayılan eşit):
                   w, V ve her grubun n&apos;si (n_groups)

Tek varyans, bir örneklemin s^2 değerinden ve büyüklüğünden (--n N, 2-65536):
  --variance S2    sigma^2 ve sigma için aralık (var_low, var_high, sd_low,
                   sd_high), N - 1 sd&apos;li ki-kareden
  --level L        düzeyi, varsayılan 0.95
  --sigma2 S0      ayrıca sigma^2 = S0 testi: chi2, p_lower, p_upper ve
                   p_two (küçük kuyruğun iki katı)

Bir frekans tablosu:
  --counts DOSYA   DOSYA&apos;daki tablonun ki-kare testi (standart girdi için
                   -): sekme, noktalı virgül veya virgülle ayrılmış frekans
                   satırları, başlık satırı ve etiket sütunuyla ya da
                   onlarsız. 2 x 2 veya daha büyük bir tablo bağımsızlığı
                   test eder (2 x 2 için Yates düzeltmesi ve Fisher&apos;in
                   kesin testi de); tek satır uyum iyiliğini test eder. V
                   ve w %95 aralıklarıyla (iki yönlü, merkezî olmayan
                   ki-kare tersine çevrilerek; tablonun biçiminin izin
                   verdiği en büyük V veya w&apos;yi aşacak bir aralık orada
                   biter), V_adj yanlılığı düzeltilmiş V&apos;dir; ardından her
                   hücrenin beklenen frekansı ve artıkları.
                   2 x 2 tablo buna %95 aralıklarıyla OR (Woolf), OR_mle
                   (kesin koşullu, 1e6 gözleme kadar), RR (Katz) ve RD
                   (Newcombe) ile Fisher&apos;in tek yönlü p değerlerini ve
                   mid-p&apos;yi ekler
  --expected P,P,...  --counts ile: bir uyum iyiliği testinin beklenen
                   oranları (toplamı 1) veya beklenen frekansları;
                   verilmezse eşit;
                   ya da oranlar, 9:3:3:1 veya herhangi ağırlıklar, bir notla
                   yeniden ölçeklenir; tahmin edilmeyip verildiklerinde kesin
                   multinom p eklenir (exact_p; --exact-seconds aşılınca
                   exact_p_mc, exact_se ve exact_seed)
  --estimated K    tek satırlık --counts ile: beklenen frekansların K
                   parametresi veriden kestirildi, K serbestlik derecesi eksik
  --fit MODEL      frekansların --counts ile (0, 1, 2, ... değerleri veya
                   etiketleri için tek satır ya da sütun; veya iki: değerler,
                   sonra frekanslar): poisson veya binomial, parametresi
                   kestirilir (1 serbestlik derecesi eksik), uçlar 5 veya
                   daha fazla bekleyene dek birleştirilir
  --exact-seconds S  --counts ile: Fisher&apos;in kesin testinin sürebileceği
                   zaman (0 ile 86400 arası, varsayılan 60); sonrasında
                   fisher_p_mc, 100000 rastgele tablodan bir Monte Carlo
                   p&apos;sidir, fisher_se ve fisher_seed ile
  --seed N         --counts ile: rastgele tabloların tohumu
  --paired         --counts ile: aynı deneklerin iki kez sınıflandığı kare
                   bir tablo: McNemar testi (2 x 2: b, c, süreklilik
                   düzeltmeli ve düzeltmesiz, kesin ve mid-p, eşleştirilmiş
                   odds oranı) veya Bowker simetri testi
  --pairwise DÜZ   --counts ile: her satır çifti ayrı bir test, çift başına
                   bir satır, p holm veya bonferroni ile düzeltilir

Listeler ve standart girdi:
  N,N,...          bir liste: --upper 0.1,0.05,0.01 (veya 0.1;0.05;0.01).
                   Masaüstünün ondalık virgül yazdığı yerde (23,5) bir
                   sayıdaki virgül ondalıktır ve listeler yalnızca &apos;;&apos; alır:
                   --value &quot;23,5;7,8&quot;. Çıktı noktayı korur
  BAŞ..SON[:ADIM]  bir aralık: --df 1..100, --value 0..10:0.5
  -                --value, --cdf veya --upper için: standart girdinin her
                   satırında bir sayı
  --table          --upper, --cdf veya --two-sided ile: kritik değerler
                   tablosu, her sd için bir satır, her olasılık için bir
                   sütun

Çıktı:
  --numbers BİÇEM  decimals (varsayılan), significant veya scientific
  --precision N    o biçemin basamakları, 1 ile 21 (varsayılan altı; tek
                   başına N anlamlı basamak demektir). Bir Real 19 ile 20
                   anlamlı basamak tutar: ötesindeki basamaklar tuttuğu
                   ikili sayının kesin ondalık basamaklarıdır
  decimals biçeminde 1e18 ve üstü sayılar 3.9894228040143267794E149
  biçiminde, Real&apos;in tuttuğu her basamakla yazılır.
  --format BİÇİM   text (varsayılan), csv, tsv veya markdown
  --output DOSYA   standart çıktı yerine DOSYA&apos;ya yaz, tamamen ya da hiç
  --export-chart DOSYA  bir sonucun yoğunluk grafiği, DOSYA.png veya
                   DOSYA.svg olarak
  --size GxY       piksel olarak boyutu (varsayılan 275x260, her biri 120
                   ile 4000)
  --scale N        bir PNG&apos;de grafik pikseli başına piksel, 1 ile 4
  --background B   gradient (pencereninki, varsayılan) veya baskı için white
  Bir grafiğin yazısı boyutuyla büyür: 1600x1000&apos;de, bir sayfa sütunu
  genişliğinde basıldığında, ekrandaki pencere grafiği gibi okunur.

  --language L     iletilerin ve pencerenin dili: de, en, es, fr, nl, tr
                   veya zh_CN (varsayılan: masaüstününki); tek başına
                   pencereyi açar ve seçimi hatırlar
  -h, --help       bu yardım
  -v, --version    sürüm

Örnekler:
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

Çıkış durumu: başarıda 0, hatalı girdide 2 (standart hataya bir satır,
hiçbir şey yazılmaz), bir dosya yazılamazsa 1.
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Sütun %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Satır %1</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>hücreyi düzenle</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>hücreleri boşalt</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>satır ekle</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>sütun ekle</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>satırları kaldır</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>sütunları kaldır</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>tabloyu değiştir</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>yapıştır</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>yeniden adlandır</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>satır ve sütunları değiştir</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>satırları ters çevir</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>sütunları ters çevir</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>üst %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>alt %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>iki yönlü %1: alt</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>iki yönlü %1: üst</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>Kritik değerler - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>Ü&amp;st kuyruk P(X&gt;x)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>&amp;Alt kuyruk P(X&lt;=x)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>İki &amp;yönlü: her kuyruk p/2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Farklı kaydet…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>Serbestlik derecesi &amp;başlangıç</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>bi&amp;tiş</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>&amp;Olasılıklar</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>Serbestlik derecesi başlangıç</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>Serbestlik derecesi bitiş</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>Olasılıklar</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>Kuyruk olasılıkları, sütun başına bir tane, boşluk veya noktalı virgülle ayrılmış</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>Kritik değerler</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>Serbestlik derecesi başına bir satır, olasılık başına bir sütun</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Sorun</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>Tabloyu sekmeyle ayrılmış hücreler olarak kopyalar</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>Tabloyu CSV dosyası olarak kaydeder</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>Serbestlik dereceleri geriye gidiyor: &apos;başlangıç&apos; &apos;bitiş&apos;ten büyük.</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>tablo</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Tabloyu farklı kaydet</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>Uyumsuz oran p10, önce evet sonra hayır</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>Uyumsuz oran p01, önce hayır sonra evet</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>Oran p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>Grup 1 içindeki oran p1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>Grup 2 içindeki oran p2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>p2&apos;nin p1&apos;e göre odds oranı</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>Grupların oranı n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>Süreklilik düzeltmesi</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10 (evet, sonra hayır)</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01 (hayır, sonra evet)</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>ya da oranları p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (grup 1)</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2 (grup 2)</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>ya da odds oranı</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Grup oranı n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Çözüldü</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>bir sayı değil</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik bir grafik ekran gerektirir: bulunamadı (DISPLAY ayarlanmamış).</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik bir grafik ekran gerektirir: XDG_RUNTIME_DIR ayarlanmamış, bu yüzden Wayland ekranı bulunamıyor.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik bir grafik ekran gerektirir: &apos;%1&apos; adlı Wayland ekranı çalışmıyor.</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik bir grafik ekran gerektirir: bulunamadı (ne DISPLAY ne de WAYLAND_DISPLAY ayarlanmış).</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik &apos;%1&apos; ekranını açamıyor.</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik bir Wayland ekranı açamıyor: XDG_RUNTIME_DIR ayarlanmamış.</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik &apos;%1&apos; Wayland ekranını açamıyor.</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik penceresini açamıyor: &apos;%1&apos; grafik platformu başlamadı.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Kayan noktalı sıfıra bölme</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Geçersiz kayan nokta işlemi</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Kayan nokta taşması</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Kayan nokta alt taşması</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 %2 geçişte yakınsamadı</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Aralık denetimi hatası</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Tamsayı taşması</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>G/Ç hatası %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; geçerli bir kayan nokta değeri değil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>&apos;%1&apos; hesap makinesinin tuttuğu en küçük sayının, 3.36e-4932&apos;nin altında</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Doğrulama hatası</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>Fisher&apos;in kesin testi %1 s içinde bitmedi (--exact-seconds); fisher_p_mc, %2 rastgele tablodan bir Monte Carlo p&apos;sidir</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>Fisher&apos;in kesin testi alabileceğinden fazla bellek gerektiriyor; fisher_p_mc, %1 rastgele tablodan bir Monte Carlo p&apos;sidir</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>tabloda Fisher&apos;in kesin testi için çok fazla gözlem var; fisher_p_mc, %1 rastgele tablodan bir Monte Carlo p&apos;sidir</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>tabloda Fisher&apos;in kesin testi için sayılamayacak veya çekilemeyecek kadar çok gözlem var; ki-karenin p&apos;si geçerli</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>kesin multinom testi %1 sn içinde bitmedi (--exact-seconds); exact_p_mc, %2 rastgele sonuçtan bir Monte Carlo p&apos;sidir</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>uyumun sonuçlarını saymak için çok fazla gözlemi veya kategorisi var; exact_p_mc, %1 rastgele sonuçtan bir Monte Carlo p&apos;sidir</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>uyumun sonuçlarını saymak veya çekmek için çok fazla kategorisi var; ki-karenin p&apos;si geçerlidir</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>Osterby&apos;nin Tarvik&apos;ine hoş geldiniz !</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Linux ve Windows bilgisayarlar için Osterby&apos;nin Tarvik&apos;i ki-kare (X2) dağılımının birkaç fonksiyonunu hesaplar:</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * birikimli dağılım fonksiyonu (cdf, yani alt kuyruk olasılığı) ve üst kuyruk olasılığı</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * X2 değeri (ters cdf)</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * olasılık yoğunluk fonksiyonu</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>Kullanmak için istediğiniz alanı düzenleyin ya da serbestlik derecesini oklarla değiştirin.</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>İkincisinde şunlardan birini seçebilirsiniz:</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * cdf ve üst kuyruk olasılığını değiştirmek için X2 değerini sabitlemek</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * X2 değerini değiştirmek için cdf ve üst kuyruk olasılığını sabitlemek</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>Emin değilseniz deneyin! </translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>Dahası, alanların, yoğunluğun ve grafiğin sağ tık menülerinde:</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * Sayıları göster: altı ondalık, altı anlamlı basamak veya bilimsel (2.53963e-10); böylece çok küçük bir p değeri de alanında okunur</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * Sonuçları kopyala (Ctrl+Shift+C): sonuçlar, komut satırının yazdığı gibi tek satırda</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * Kritik değerler (Ctrl+T): serbestlik derecesi ve olasılığa göre üst, alt veya iki yönlü kritik değerler tablosu; bir hesap tablosuna kopyalamak veya CSV olarak kaydetmek için</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * Güç ve örneklem büyüklüğü (Ctrl+Shift+P): bir çalışma planlayın. Etki büyüklüğü w, alfa, güç ve toplam örneklem büyüklüğü N&apos;den üçünü serbestlik derecesiyle birlikte verin; dördüncüsü siz yazarken çözülür (N için: gücü sağlayan en küçük N ve ulaşılan güç). w, beklediğiniz oranlardan (uyum iyiliği) veya bir hücre olasılıkları tablosundan (bağımsızlık) gelebilir. İki grafik, H0 altındaki merkezi yoğunluğu ve H1 altındaki merkezi olmayan yoğunluğu taralı alfa ve beta ile, ayrıca gücü N&apos;ye veya w&apos;ye göre gösterir</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * Grafiği farklı kaydet: PNG, iki kat çözünürlükte PNG veya SVG çizimi; pencerenin renk geçişi üzerinde ya da baskı için beyaz üzerinde; .png veya .svg ile yazılan ad biçimi belirler</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * Dil: masaüstünün dili ya da İngilizce, Almanca, İspanyolca, Fransızca, Felemenkçe, Türkçe veya Basitleştirilmiş Çince; bir sonraki açılıştan itibaren</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>Bir terminalde tarvik --help komut satırını gösterir: listeler, tablolar ve toplu işler.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik olduğu gibi, hiçbir garanti olmaksızın sunulur. Gösterdiği sayılar 80 bit genişletilmiş duyarlıkla özenle hesaplanır ve bağımsız 50 basamaklı bir referansla denetlenir; yine de önemli bir kararın dayandığı her sonucu doğrulayın.</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>İçindeki yayımlanmış yöntemlerin yazarlarına teşekkürler: ki-kare ve F kuyrukları için kesin sonlu toplamlar, Loader&apos;ın eyer noktası Poisson olasılıkları, eksik gama fonksiyonu için Legendre&apos;nin sürekli kesri, Dekker&apos;in çift uzunluklu aritmetiği, merkezi olmayan ki-kare için Ding&apos;in toplamları, Patnaik yaklaşımı, Gauss-Legendre kareleme, Halley yöntemi, Wilson-Hilferty ve Paulson küp kök yaklaşımları, Odeh-Evans normal kantili, Abramowitz ve Stegun&apos;un 26.2.17 formülü, Best ve Roberts&apos;ın yüzde nokta yöntemi (AS 91) ve yanlış konum yönteminin Illinois çeşidi.</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>Sorular, öneriler ve hata bildirimleri tarvik@osterby.example adresine memnuniyetle beklenir.</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * Bir tabloyu test et (Ctrl+Shift+T): frekansları yazın, bir hesap tablosundan blok yapıştırın (Ctrl+V) veya bir CSV dosyası açın. 2 x 2 veya daha büyük bir tablo bağımsızlık için, tek satır uyum iyiliği için (eşit ya da verdiğiniz beklenen oranlara göre) test edilir: Pearson ki-karesi ve olabilirlik oranı G2 p değerleriyle, 2 x 2 için basit testin yanında Yates düzeltmesi, arka planda sayılan Fisher&apos;in kesin testi (kesin sayım bir dakika içinde bitmezse bir Monte Carlo p&apos;si; İptal onu durdurur), %95 aralıklarıyla (iki yönlü, merkezî olmayan ki-kare tersine çevrilerek; tablonun biçiminin izin verdiği en büyük V veya w&apos;yi aşacak bir aralık orada biter) Cramér&apos;in V&apos;si (yanlılığı düzeltilmiş V ile) ve Cohen&apos;in w&apos;si, ve her hücrenin beklenen frekansı, artıkları ve Bonferroni p&apos;si. Hesap makinesine, istatistiği yoğunluk grafiğinde gösterir</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * Tablonun testinden sonra: 2 x 2 için %95 aralıklarıyla odds oranı, risk oranı ve risk farkı ile Fisher&apos;ın tek yönlü p&apos;si (satırlar gruplar, ilk sütun olay; Satır ve sütunları değiştir ya da ızgaranın sağ tık menüsü tabloyu çevirir veya ters çevirir); Eşleştirilmiş: 2 x 2 için McNemar testi, k x k için Bowker testi; satırlar ikişer ikişer karşılaştırılır (Holm, Bonferroni); her hücrenin satır, sütun ve toplam yüzdeleri, harflerle: bir satırda ortak harfi olan sütunlar sütun yüzdelerinde farklı değildir; Mozaik grafik: tablo, düzeltilmiş artıklarına göre gölgelenmiş karolar olarak, bir grafik gibi kopyalanır veya kaydedilir; Ctrl+Shift+C testi tek bir cümle olarak kopyalar; CSV olarak kaydet sonuçları hücrelerle birlikte kaydeder</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * Tek varyans (Ctrl+Shift+V): bir örneklemin varyansı s2 (veya standart sapması s) ve büyüklüğü n&apos;den, verdiğiniz düzeyde sigma2 ve sigma için aralık (n - 1 serbestlik dereceli ki-kare, iki kesim noktası yoğunluk üzerinde gösterilir); sigma0 karesi verildiğinde testi: (n - 1) s2 / sigma0 karesi istatistiği, iki tek yönlü p ve çift yönlü p, küçük kuyruğun iki katı</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * Güç penceresindeki desenler: eşleştirilmiş oranlar için McNemar testi (uyumsuz oranlar p10 ve p01 ya da p01 ve oranları: N çift, güç veya saptanabilir p10; ki-kare testinin gücünün yanında kesin binom testinin gücü) ve iki bağımsız oran (p1 ve p2 ya da p1 ve odds oranı; grup oranı n2 / n1 ve süreklilik düzeltmesiyle: n1 ve n2, güç veya p1&apos;in iki yanında saptanabilir p2, normal yaklaşımla). w ayrıca her grubun oranlarından ve grup büyüklüklerinden, Cramér V&apos;sinden (w = V çarpı min(r, c) - 1&apos;in karekökü) ya da bir odds oranı ile bir başlangıç oranından gelebilir</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Yardım metni</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 bir sayı değil</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 aralık dışında: %3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>%1 ile %2 arasında tamsayılar</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>0 ile %1 arası</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>0 ile %1 arası, ve 0 veya en az 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>%1 ile 1 - %1 arası</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>Alt kuyruk kritik değerleri: P(X&lt;=x) = p olan x</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>Üst kuyruk kritik değerleri: P(X&gt;x) = p olan x</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>İki yönlü kritik değerler: P(X&lt;=alt) = P(X&gt;üst) = alfa/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>en az bir olasılık verin</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>olasılık %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 aralığı %2, düz ondalık sayılarla BAŞ..SON veya BAŞ..SON:ADIM değil</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 aralığı %2 pozitif bir adım gerektirir</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 aralığı %2 18&apos;den fazla basamak gerektirir</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 aralığı %2 geriye gidiyor</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 %2 öğeden fazlasını veriyor</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 boş bir öğe içeriyor</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 öğe %2</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2: bu masaüstünde virgül ondalık virgüldür (bir sayı için 2,5 veya 2.5); bir listenin öğelerini &apos;;&apos; ile ayırın, 1;2;3 gibi</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 öğelerini hem &apos;,&apos; hem &apos;;&apos; ile ayırıyor: birini kullanın (ondalık virgül burada nokta ile yazılır: 2.5)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language bir dil gerektirir: de, en, es, fr, nl, tr veya zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language iki kez verilmiş</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language &apos;%1&apos; de, en, es, fr, nl, tr veya zh_CN değil</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 veya daha fazla</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 ile 4 arası</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>Düzeltilmiş artık</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>Tablonun mozaik grafiği</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 ile 2 arası</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 ile −2 arası</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 veya daha az</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>Mozaik - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>Her karonun alanı, hücresinin tablodaki payıdır: satırlar yan yana, her satırın sütunları üst üste. Gölge ve çerçeve düzeltilmiş artığı izler: beklentinin üstünde mavi ve düz, altında kırmızı ve kesikli.</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Resmi &amp;kopyala</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Farklı kaydet…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>1 ile %1 arasında bir tamsayı olmalı</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>0&apos;dan büyük olmalı</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>0 ile 1 arasında olmalı</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>1 ile 1000000000 arasında bir tamsayı olmalı</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>alfadan büyük olmalı</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>1000000&apos;dan büyük bir merkezi olmama N w² veriyor</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>%1 oranı %2 &apos;%3&apos; bir sayı değil</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>%1 oranı %2 &apos;%3&apos; negatif</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>%1 oranlarının toplamı 0</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>en az iki H1 oranı verin</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0&apos;ın %1 oranı, H1&apos;in %2 oranı var</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>H0 oranı %1 sıfır</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>satır %1 hücre %2 &apos;%3&apos; bir sayı değil</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>satır %1 hücre %2 &apos;%3&apos; negatif</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>satır %1&apos;de %2 hücre var, satır 1&apos;de %3</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>en az 2 satır ve 2 sütunluk bir tablo verin, her satıra bir satır</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>satır %1&apos;in toplamı 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>sütun %1&apos;in toplamı 0</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>etki büyüklüğü w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>güç</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>1000000000&apos;a kadar hiçbir N bu güce ulaşmıyor</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>her zaman verilir</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>0&apos;dan büyük, 1000&apos;e kadar</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>1 ile 1000000000 arasında tamsayılar</translation>
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
        <translation>3.36e-4932&apos;nin, en küçük Real sayının altında kalırdı: daha küçük bir N, w veya güç verin</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>0&apos;ın üstünde, en çok 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>grup büyüklüğü</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%2 grup için %1 grup büyüklüğü</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>grup %1 büyüklüğü 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>ve p01&apos;in toplamı 1&apos;den büyük</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>p01&apos;e eşit: saptanacak etki yok</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>1 - p01&apos;e kadar hiçbir p10 bu güce ulaşmaz: daha büyük bir N verin</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>0&apos;ın üstünde, en çok 1000 olmalı</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>0 ile 1 arasında (dahil) olmalı</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>p1&apos;e eşit: saptanacak etki yok</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>0 ile 1 arasında hiçbir p2 bu güce ulaşmaz: daha büyük bir N verin</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; bir sayı değil</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>0&apos;ın üstünde, en çok 1 olmalı</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1, 0 ile 1 arasında olmalı</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>odds oranı</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>0&apos;ın üstünde, en çok 1000000 olmalı</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>bu desende her zaman verilir</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>0&apos;ın üstünde, en çok 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>Güç ve örneklem büyüklüğü - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>Örneklem büyüklüğü N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Güç</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>Etki büyüklüğü w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Anlamlılık düzeyi α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>Çö&amp;zülecek</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>&amp;Serbestlik derecesi</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>Etki büyüklüğü &amp;w</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>Anlamlılık düzeyi &amp;α</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>&amp;Güç 1 − β</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>Toplam örneklem büyüklüğü &amp;N</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>N&apos;ye göre güç</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>w&apos;ye göre güç</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0 (düz)</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1 (noktalı)</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α, H0 altında kritik değerin sağında; β, H1 altında solunda</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>Sonuçları &amp;kopyala</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>Gra&amp;fikler</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>Hipotez grafiğini farklı kaydet…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>Hipotez grafiğini kopyala</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>Güç eğrisini farklı kaydet…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>Güç eğrisini kopyala</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>Çözülecek</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>Serbestlik derecesi</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>Anlamlılık düzeyi alfa</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>Toplam örneklem büyüklüğü N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>Hipotez grafiği</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Güç eğrisi</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>Güç eğrisi ekseni</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>Sonuçları bir metin satırı olarak kopyalar</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>Hâlâ son geçerli sayılar için: %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Çözüldü</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>bir sayı değil</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    kritik değer χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    N = %1 için ulaşılan güç: %2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>H0 altında merkezi yoğunluk ve lambda %1 ile H1 altında merkezi olmayan yoğunluk; kritik değer %2; H0 altında taralı alfa %3, H1 altında beta %4</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>%1&apos;e göre güç; seçilen noktanın gücü %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 ve H1: </translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>Güç eğrisi: </translation>
    </message>
    <message>
        <source>power</source>
        <translation>güç</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>Cohen&apos;in w&apos;si: %1 küçük, %2 orta, %3 büyük</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen: %1 küçük, %2 orta, %3 büyük</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>Cohen&apos;in w&apos;si (ki-kare testi)</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>McNemar testi (eşleştirilmiş oranlar)</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>İki bağımsız oran</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>&amp;Tasarım</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Tasarım</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    grup başına: %1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>Saptanabilir p10</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>Saptanabilir p2</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>Çift sayısı &amp;N</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>Grup 1 içinde &amp;N</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    kritik değer χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    N = %1 için kesin (binom) testin gücü: %2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    kesin testin gücü en çok %1 çift için hesaplanır</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1, n2 = %2, toplam N = %3    2 × 2 tablonun w değeri = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    ulaşılan güç: %1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    p1&apos;in altında da: p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>O&amp;ranlardan etki büyüklüğü</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>&amp;Uyum iyiliği</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>&amp;Bağımsızlık (tablo)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>eşit</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>Bu w&apos;yi ku&amp;llan</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>H0 oranları</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>H1 oranları</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>H1 hücre olasılıkları</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>Her satıra tablonun bir satırı</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>Kategorilerin H1 oranlarını yazın.</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>H1 tablosunu yazın, her satıra bir satır.</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1, sd %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>Grupların oranları</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>Cramér&apos;in V&apos;si</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>Odds oranı (2 × 2)</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>Grup büyüklükleri</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>Satır × sütun</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1 (grup 1)</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>p2&apos;nin p1&apos;e göre odds oranı</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>Grup oranı n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Satırlar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sütunlar</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>Her grubun oranları</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>Her satırda bir grup</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3, sd %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1; 2 × 2 tablonun w değeri = %2, sd 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>Her grubun oranlarını yazın, her satırda bir grup.</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1; V = %2; grupların N&apos;deki payları: %3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%2 hücreden %1&apos;inin (%%3) beklenen frekansı 5&apos;ten küçük; en küçüğü %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>Pearson χ² = %1, sd = %2, p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>Olabilirlik oranı G² = %1, sd = %2, p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>Yates düzeltmeli χ² = %1, p = %2 (basit testin yanında)</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>, %95 GA %1 ile %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>, χ² = 1e7 üzerinde %95 GA yok</translation>
    </message>
    <message>
        <source>Cramér&apos;s V = %1%2</source>
        <translation>Cramér&apos;in V&apos;si = %1%2</translation>
    </message>
    <message>
        <source>Cohen&apos;s w = %1%2</source>
        <translation>Cohen&apos;in w&apos;si = %1%2</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Hücreler</translation>
    </message>
    <message>
        <source>row</source>
        <translation>satır</translation>
    </message>
    <message>
        <source>column</source>
        <translation>sütun</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>gözlenen</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>beklenen</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>artık</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>düzeltilmiş artık</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>Bonferroni p</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>işaret</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>Yanlılığı düzeltilmiş V (Bergsma 2013) = %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1: bu tablo için tanımsız (%2: sıfır bir hücre veya boş bir grup)</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2, %95 GA %3 ile %4 (%5)</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>Odds oranı</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>Risk oranı</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>Risk farkı</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>Koşullu odds oranı</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>Tek yönlü p = %1 (odds oranı 1&apos;in altında), %2 (1&apos;in üstünde); mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Bowker simetri testi: χ² = %1, df = %2, p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>Uyumsuz çiftler: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1, df = 1, p = %2; süreklilik düzeltmesiyle %3, p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>Kesin (binom) p = %1, mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>Eşleştirilmiş odds oranı b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>Satırlar ikişer karşılaştırıldı (Pearson χ²; p Holm ve Bonferroni ile düzeltildi):</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1: hepsi tek sütunda, karşılaştırılacak bir şey yok</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>satır %</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>sütun %</translation>
    </message>
    <message>
        <source>total %</source>
        <translation>toplam %</translation>
    </message>
    <message>
        <source>χ²(%1, N = %2) = %3, p %4, %5 = %6</source>
        <translation>χ²(%1, N = %2) = %3, p %4, %5 = %6</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>harfler</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>Olay olarak %1 (ilk sütun), %2 ile %3 karşılaştırılarak okundu (satırlar)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>sütun %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>satır %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>grafik</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>normal bir dosya değil (bir aygıt, bir boru veya bir soket)</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>%1 &apos;%2&apos; konumuna kaydedilemiyor: %3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>dosya salt okunur</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>dosya salt okunur ve izinleri değiştirilemiyor</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>veri yazılamadı</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>yazıldı, ama izinleri korunamadı</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>&apos;%1&apos; dosyasına bir sembolik bağlantı: o dosyanın kendisini veya başka bir ad seçin</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>başka bir kullanıcıya ait ve yeni bir dosya sizin olurdu</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Artır</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Azalt</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 boş</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1: %2 bir frekans değil</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1: %2 negatif; frekanslar 0&apos;dan başlayan tamsayılardır</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1: %2 bir tamsayı değil; frekanslar 0&apos;dan başlayan tamsayılardır</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1: %2 1e15&apos;ten büyük</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>tablo hiç frekans içermiyor</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>tablo hiç frekans içermiyor, yalnızca başlığı var</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>satır 1 hiç frekans içermiyor</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>satır %1&apos;de %2 frekans var, satır 1&apos;de %3</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>başlıkta %2 frekans sütunu için %1 etiket var</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>beklenen oranlar tek bir satır (veya sütun) frekansla kullanılır</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>beklenen öğe %1 %2 bir sayı değil</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>beklenen öğe %1 %2 negatif</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>beklenen öğe %1 %2, %3 gözlenmişken 0: hiçbir test bunu kabul edemez</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>bir tablo 2 satır ve 2 sütun ya da uyum için 2 veya daha fazla frekanslı tek satır gerektirir</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>frekansların toplamı 0</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>satır %1&apos;in toplamı 0: beklenen frekansları 0 olurdu</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>sütun %1&apos;in toplamı 0: beklenen frekansları 0 olurdu</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>metin UTF-16 ya da hiç metin değil: CSV UTF-8 veya düz metin olarak kaydedin</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>tabloda %1 hücreden fazlası var</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>her frekans için bir tane olmak üzere %1 beklenen oran veya frekans verin, %2 değil</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>İlk satır ve sütun etiket olarak okundu</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>İlk satır sütun etiketleri olarak okundu</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>İlk sütun satır etiketleri olarak okundu</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>eşleştirilmiş bir tablo karedir, aynı kategoriler iki kez (k x k); bu tablo %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>köşegen dışındaki her hücre çifti boş: test edilecek bir şey yok</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>hiçbir çift kategorisini değiştirmedi (iki uyumsuz hücre de 0): test edilecek bir şey yok</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise satırları karşılaştırır: bu tek bir frekans satırı</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%2 parametresi kestirilen %1 kategori serbestlik derecesi bırakmıyor (df = k - 1 - kestirilen): en çok %3 kestirin</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>kestirilen parametreler uyum için tek satır (veya sütun) frekansla kullanılır</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>beklenen değerlerin toplamı %1; ne 1 ne de toplam %2: oran olarak okundu ve toplama göre yeniden ölçeklendi</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>beklenen değer %1 %2 aralık dışında: 0 ya da 1e-300 ile 1e15 arası</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit tek satır veya sütun frekans alır, ya da iki: değerler ve frekansları</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>bir model üç veya daha fazla değere uydurulur: 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>bir model gözlem gerektirir: her frekans 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>bir Poisson modeli 0&apos;dan büyük bir ortalama gerektirir: görülen her değer 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>bir binom modeli deneme gerektirir: en büyük değer onun n&apos;sidir</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>Poisson ortalaması = %1, veriden kestirildi (1 sd eksik)</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>binom p = %1, n = %2 deneme, veriden kestirildi (1 sd eksik)</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation>; değerler konuma göre 0 ile %1 arasıdır (tam sayılardan başlık yok)</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation>; beklenen değeri 5&apos;ten az olan uçlara %1 değer birleştirildi</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>beklenen öğelerin toplamı 1: oran olarak okundu</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>beklenen öğelerin toplamı %1 toplamına eşit: beklenen frekans olarak okundu</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>beklenen öğeler 0&apos;ın üstünde 2&apos;den az kategori bırakıyor: test edilecek bir şey yok</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>Bir tabloyu test et - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>&amp;Satır ekle</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>Satı&amp;r kaldır</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>Sütun &amp;ekle</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>Sütun ka&amp;ldır</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>CSV &amp;aç…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>eşit</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>&amp;Hesap makinesine</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>S&amp;onuçları kopyala</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>&amp;Tabloyu kopyala</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>CSV olarak ka&amp;ydet…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>&amp;Frekanslar: yazın, bir blok yapıştırın (Ctrl+V) veya bir dosya açın</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>&amp;Beklenen oranlar veya frekanslar (tek satır)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Frekanslar</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>Her frekansa bir hücre; bir hesap tablosundan Ctrl+V ile blok yapıştırın, ilk satır ve sütunda etiketlerle ya da etiketsiz</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>Beklenen oranlar veya frekanslar</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>Tek satır frekans için: toplamı 1 olan oranlar veya beklenen frekanslar, boşluk veya noktalı virgülle ayrılmış; eşit için boş</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>Kesin test ilerlemesi</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Hücreler</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>Her hücrenin beklenen frekansı, artıkları ve Bonferroni p&apos;si; düzeltilmiş artığın işaretine göre + veya -, %5 düzeyinde anlamlıysa *</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>Hesap makinesinin serbestlik derecesini ve ki-kare değerini ayarlar</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>Frekansları sekmeyle ayrılmış hücreler olarak kopyalar</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>Frekansları yazın veya yapıştırın: 2 × 2 veya daha büyük bir tablo ya da uyum için tek satır frekans.</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>Hesap makinesi en çok %1 serbestlik derecesi alır; bu testte %2 var.</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>Yapıştırılan blok alınmadı: %1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>Yapıştırılan blok alınmadı: bir tablonun en çok %1 satırı ve sütunu olabilir.</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>Bir frekans tablosu aç</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>Tablolar (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>Sütun etiketi</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>Satır etiketi</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Fisher&apos;in kesin testi: bu marjinallere sahip tablolar sayılıyor…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Fisher&apos;in kesin testi: sayılamayacak kadar çok tablo; 100000 rastgele tablo çekiliyor…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>Fisher&apos;in kesin p&apos;si = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>Monte Carlo p = %1 ± %2 (standart hata; %3 rastgele tablo, tohum %4)</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Fisher&apos;in kesin testi: sayılamayacak veya çekilemeyecek kadar çok gözlem; ki-karenin p&apos;si geçerli</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>Fisher&apos;in kesin testi başarısız: %1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Fisher&apos;in kesin testi iptal edildi</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation>; kesin sayım %1 s içinde bitmedi</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation>; kesin sayım alabileceğinden fazla bellek gerektiriyor</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>%1 açılmadı: bir tablonun en çok %2 satırı ve sütunu olabilir.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>%1 açılmadı: 64 MiB&apos;den büyük.</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>Hesap makinesi %1 değerine kadar alır; bu istatistik %2.</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>Tablonun tamamı olarak yapıştırıldı, %1 × %2; Ctrl+Z geri alır.</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>%3. satır, %4. sütundan başlayarak %1 × %2 hücre yapıştırıldı; Ctrl+Z geri alır.</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>Bir tablo en az bir satır ve bir sütun tutar.</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 açılmadı: normal bir dosya değil.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 açılmadı: %2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>İşaret: düzeltilmiş artığın işaretine göre + veya -, %5 düzeyinde anlamlı olduğu yerde * (Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>E&amp;şleştirilmiş: aynı denekler iki kez</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Ctrl+Shift+C testi bulgular bölümü için tek bir cümle olarak kopyalar</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>kestirilen</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>Veriden kestirilen parametreler</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>Beklenen frekansların veriden kestirilen parametreleri: her biri bir serbestlik derecesi alır</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 açılıyor…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>Satır ve sütunları &amp;değiştir</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>Satır ve sütunları değiştir</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>Satırların sırasını ters çevir</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>Sütunların sırasını ters çevir</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>sonuçlar</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>Sonuçları ve hücreleri farklı kaydet</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>Harfler: bir satırda ortak harfi olan sütunlar sütun %&apos;lerinde farklı değildir (%5 düzeyinde z testleri, Bonferroni)</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>&amp;Mozaik grafik…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>Sonuçları ve her hücrenin beklenen frekansını ve artıklarını CSV dosyası olarak kaydeder</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>Tabloyu düzeltilmiş artıklara göre gölgelenmiş bir mozaik grafik olarak gösterir</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>Kesin multinom testi: sonuçlar sayılıyor…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>Kesin multinom testi: sayılamayacak kadar çok sonuç; 100000 rastgele sonuç çekiliyor…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>Kesin multinom p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>Monte Carlo p = %1 ± %2 (standart hata; %3 rastgele sonuç, tohum %4)</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>Kesin multinom testi iptal edildi</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>verildiği gibi</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>Poisson, ortalama veriden</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>binom, p veriden</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>Bir modelden beklenen frekanslar</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Uyum modeli</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>Kesin multinom testi: saymak veya çekmek için çok fazla kategori; ki-karenin p&apos;si geçerlidir</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>Tek varyans - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>Örneklem varyansı s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>Örneklem standart sapması s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>Örneklemin verdiği</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>boş: test yok</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>Aralığın kesim noktalarıyla ki-kare yoğunluğu</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>S&amp;onuçları kopyala</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>&amp;Grafiği kopyala</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>Örneklem &amp;büyüklüğü n</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>Güven &amp;düzeyi</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>σ₀² değerine karşı &amp;test et</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>Gölgeli: iki kesim noktasının ötesindeki kuyruklar, her biri (1 − düzey) / 2; noktalı: test istatistiği</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 0&apos;dan büyük bir sayıdır.</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>Güven düzeyi 0 ile 1 arasında bir sayıdır.</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>Karşı test edilecek σ₀² 0&apos;dan büyük bir sayıdır ya da boştur.</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>sd = %1, s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>σ² için %%1 aralığı: %2 ile %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>σ için %%1 aralığı: %2 ile %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1 (σ², σ₀² altında), %2 (üstünde); çift yönlü %3</translation>
    </message>
</context>
</TS>
