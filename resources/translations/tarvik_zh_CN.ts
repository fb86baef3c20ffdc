<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Calculator</name>
    <message>
        <source>Not a number: the results are still those of %1.</source>
        <translation>不是数字：结果仍是 %1 的结果。</translation>
    </message>
    <message>
        <source>Below the smallest number the calculator holds: the results are still those of %1.</source>
        <translation>低于计算器能保存的最小数：结果仍是 %1 的结果。</translation>
    </message>
    <message>
        <source>Read as %1: the window takes values from 0 to %2.</source>
        <translation>读作 %1：窗口接受 0 到 %2 的值。</translation>
    </message>
    <message>
        <source>Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300.</source>
        <translation>读作 %1：窗口接受 %2 到 %3 的概率；命令行可接受低至 1e-300 的概率。</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>  Degrees of freedom : </source>
        <translation>  自由度 ：</translation>
    </message>
    <message>
        <source>  Chi-square value : </source>
        <translation>  卡方值 ：</translation>
    </message>
    <message>
        <source>Cumulative distribution function : </source>
        <translation>累积分布函数 ：</translation>
    </message>
    <message>
        <source>Upper tail probability : </source>
        <translation>上尾概率 ：</translation>
    </message>
    <message>
        <source>Probability density function : </source>
        <translation>概率密度函数 ：</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>自由度</translation>
    </message>
    <message>
        <source>Chi-square value</source>
        <translation>卡方值</translation>
    </message>
    <message>
        <source>Cumulative distribution function</source>
        <translation>累积分布函数</translation>
    </message>
    <message>
        <source>Upper tail probability</source>
        <translation>上尾概率</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>帮助 (F1)</translation>
    </message>
    <message>
        <source>Keep the chi-square value when the degrees of freedom change</source>
        <translation>自由度改变时保持卡方值不变</translation>
    </message>
    <message>
        <source>Keep the cumulative probability when the degrees of freedom change</source>
        <translation>自由度改变时保持累积概率不变</translation>
    </message>
    <message>
        <source>Density chart</source>
        <translation>密度图</translation>
    </message>
    <message>
        <source>Click to freeze when changing degrees of freedom</source>
        <translation>单击以在改变自由度时固定</translation>
    </message>
    <message>
        <source>Stays constant when changing degrees of freedom</source>
        <translation>改变自由度时保持不变</translation>
    </message>
    <message>
        <source>Stay constant when changing degrees of freedom</source>
        <translation>改变自由度时保持不变</translation>
    </message>
    <message>
        <source>Probability density function: %1</source>
        <translation>概率密度函数：%1</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>图表另存为…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Copy full precision</source>
        <translation>以全精度复制</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>复制结果</translation>
    </message>
    <message>
        <source>Critical values…</source>
        <translation>临界值…</translation>
    </message>
    <message>
        <source>Power and sample size…</source>
        <translation>检验效能与样本量…</translation>
    </message>
    <message>
        <source>Test a table…</source>
        <translation>检验列联表…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>桌面的语言</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>桌面的语言</translation>
    </message>
    <message>
        <source>Tarvik shows its words in %1 from its next start.</source>
        <translation>Tarvik 将从下次启动起使用以下语言显示文字：%1。</translation>
    </message>
    <message>
        <source>Show &amp;numbers as</source>
        <translation>数字显示方式(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Decimals</source>
        <translation>小数(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Significant digits</source>
        <translation>有效数字(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;cientific</source>
        <translation>科学记数(&amp;C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>%1  (6 significant digits)
%2  (full precision)</source>
        <translation>%1  （6 位有效数字）
%2  （全精度）</translation>
    </message>
    <message>
        <source>Shaded: upper tail P(X &gt; x) = %1</source>
        <translation>阴影：上尾 P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density, shaded upper tail P(X &gt; x) = %1</source>
        <translation>卡方密度，阴影上尾 P(X &gt; x) = %1</translation>
    </message>
    <message>
        <source>Chi-square density for df %1 at x = %2, P(X&lt;=x) = %3; shaded upper tail P(X &gt; x) = %4</source>
        <translation>自由度 %1 在 x = %2 处的卡方密度，P(X&lt;=x) = %3；阴影上尾 P(X &gt; x) = %4</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.</source>
        <translation>无法将 %1 的选择保存到 %2：Tarvik 保持现有语言。</translation>
    </message>
    <message>
        <source>Numbers are shown so from now on, but the choice could not be saved in %1 for the next start.</source>
        <translation>数字从现在起如此显示，但该选择无法保存到 %1 以供下次启动使用。</translation>
    </message>
    <message>
        <source>One variance…</source>
        <translation>单个方差…</translation>
    </message>
</context>
<context>
    <name>ChartFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the resolution (*.png)</source>
        <translation>PNG 图像，双倍分辨率 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 绘图 (*.svg)</translation>
    </message>
    <message>
        <source>PNG image on white, for print (*.png)</source>
        <translation>白底 PNG 图像，用于打印 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing on white, for print (*.svg)</source>
        <translation>白底 SVG 绘图，用于打印 (*.svg)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only. Replace it?</source>
        <translation>“%1”是只读的。要替换它吗？</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>图表另存为</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>“%1”已存在。要替换吗？</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>asks for more than %1 results in one run</source>
        <translation>一次运行要求超过 %1 个结果</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>意外的参数 %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 给出了两次</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不带值</translation>
    </message>
    <message>
        <source>%1 takes its values apart: %1 A B</source>
        <translation>%1 的值须分开给出：%1 A B</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 needs two values</source>
        <translation>%1 需要两个值</translation>
    </message>
    <message>
        <source>%1 needs --export-chart</source>
        <translation>%1 需要 --export-chart</translation>
    </message>
    <message>
        <source>--export-chart %1 needs a name ending in .png or .svg</source>
        <translation>--export-chart %1 需要以 .png 或 .svg 结尾的文件名</translation>
    </message>
    <message>
        <source>--export-chart draws one result of --value, --cdf or --upper</source>
        <translation>--export-chart 绘制 --value、--cdf 或 --upper 的一个结果</translation>
    </message>
    <message>
        <source>--size %1 is not WIDTHxHEIGHT, as in 550x480</source>
        <translation>--size %1 不是 宽x高 的形式，例如 550x480</translation>
    </message>
    <message>
        <source>--background %1 is not gradient or white</source>
        <translation>--background %1 不是 gradient 或 white</translation>
    </message>
    <message>
        <source>--numbers %1 is not decimals, significant or scientific</source>
        <translation>--numbers %1 不是 decimals、significant 或 scientific</translation>
    </message>
    <message>
        <source>--format %1 is not text, csv, tsv or markdown</source>
        <translation>--format %1 不是 text、csv、tsv 或 markdown</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output 需要文件名</translation>
    </message>
    <message>
        <source>--expected needs --counts</source>
        <translation>--expected 需要 --counts</translation>
    </message>
    <message>
        <source>--counts needs a file name, or - for standard input</source>
        <translation>--counts 需要文件名，或用 - 表示标准输入</translation>
    </message>
    <message>
        <source>--counts %1: %2</source>
        <translation>--counts %1：%2</translation>
    </message>
    <message>
        <source>--effect, --alpha, --power and --n take none of --value, --cdf, --upper, --two-sided, --between and --ncp</source>
        <translation>--effect、--alpha、--power 和 --n 不能与 --value、--cdf、--upper、--two-sided、--between 或 --ncp 同用</translation>
    </message>
    <message>
        <source>give one of --value, --cdf, --upper, --two-sided and --between, or three of --effect, --alpha, --power and --n</source>
        <translation>请给出 --value、--cdf、--upper、--two-sided 和 --between 之一，或 --effect、--alpha、--power 和 --n 中的三个</translation>
    </message>
    <message>
        <source>--df is required</source>
        <translation>必须给出 --df</translation>
    </message>
    <message>
        <source>--ncp takes --value, --cdf or --upper</source>
        <translation>--ncp 接受 --value、--cdf 或 --upper</translation>
    </message>
    <message>
        <source>--export-chart does not take --ncp</source>
        <translation>--export-chart 不接受 --ncp</translation>
    </message>
    <message>
        <source>--between needs A &lt;= B</source>
        <translation>--between 需要 A &lt;= B</translation>
    </message>
    <message>
        <source>--table takes --cdf, --upper or --two-sided</source>
        <translation>--table 接受 --cdf、--upper 或 --two-sided</translation>
    </message>
    <message>
        <source>standard input gives more than %1 numbers</source>
        <translation>标准输入给出超过 %1 个数</translation>
    </message>
    <message>
        <source>standard input line %1</source>
        <translation>标准输入第 %1 行</translation>
    </message>
    <message>
        <source>standard input gives no number for %1</source>
        <translation>标准输入没有为 %1 给出数</translation>
    </message>
    <message>
        <source>--export-chart draws one result: give one df and one number</source>
        <translation>--export-chart 只绘制一个结果：请给出一个自由度和一个数</translation>
    </message>
    <message>
        <source>give three of --effect, --alpha, --power and --n: the fourth is solved</source>
        <translation>请给出 --effect、--alpha、--power 和 --n 中的三个：第四个将被求解</translation>
    </message>
    <message>
        <source>%1 does not take --effect, --alpha, --power and --n</source>
        <translation>%1 不接受 --effect、--alpha、--power 和 --n</translation>
    </message>
    <message>
        <source>%1 %2 is not a file name this system can write: it is not valid UTF-8</source>
        <translation>%1 %2 不是本系统能写入的文件名：不是有效的 UTF-8</translation>
    </message>
    <message>
        <source>--counts %1 cannot be read: %2</source>
        <translation>无法读取 --counts %1：%2</translation>
    </message>
    <message>
        <source>--counts %1 is larger than 64 MiB</source>
        <translation>--counts %1 大于 64 MiB</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>无法将结果写入标准输出</translation>
    </message>
    <message>
        <source>standard input line %1 is longer than %2 bytes</source>
        <translation>标准输入第 %1 行超过 %2 字节</translation>
    </message>
    <message>
        <source>cannot keep the results in a temporary file: %1</source>
        <translation>无法将结果保存在临时文件中：%1</translation>
    </message>
    <message>
        <source>--paired needs --counts</source>
        <translation>--paired 需要 --counts</translation>
    </message>
    <message>
        <source>--paired takes no --expected: it tests a square table of pairs</source>
        <translation>--paired 不接受 --expected：它检验的是配对的方阵</translation>
    </message>
    <message>
        <source>--pairwise %1 is not holm or bonferroni</source>
        <translation>--pairwise %1 不是 holm 或 bonferroni</translation>
    </message>
    <message>
        <source>--pairwise compares the rows of a table of independence: not with --paired or --expected</source>
        <translation>--pairwise 比较独立性表的各行：不可与 --paired 或 --expected 同用</translation>
    </message>
    <message>
        <source>--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1</source>
        <translation>--variance 只接受 --n、--level、--sigma2、--numbers、--precision、--format 和 --output，不接受 %1</translation>
    </message>
    <message>
        <source>--variance needs --n, the sample&apos;s size</source>
        <translation>--variance 需要 --n，即样本量</translation>
    </message>
    <message>
        <source>above 0</source>
        <translation>大于 0</translation>
    </message>
    <message>
        <source>--estimated needs --counts</source>
        <translation>--estimated 需要 --counts</translation>
    </message>
    <message>
        <source>--fit needs --counts</source>
        <translation>--fit 需要 --counts</translation>
    </message>
    <message>
        <source>--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1</source>
        <translation>--counts 接受 --expected、--estimated、--fit、--paired、--pairwise、--exact-seconds、--seed、--numbers、--precision、--format 和 --output，不接受 %1</translation>
    </message>
    <message>
        <source>--fit %1 is not poisson or binomial</source>
        <translation>--fit %1 既不是 poisson 也不是 binomial</translation>
    </message>
    <message>
        <source>--fit makes the expected counts itself: not with --expected, --paired or --pairwise</source>
        <translation>--fit 自行计算期望频数：不能与 --expected、--paired 或 --pairwise 同用</translation>
    </message>
    <message>
        <source>--shape gives the df: not with --df</source>
        <translation>--shape 给出自由度：不能与 --df 同用</translation>
    </message>
    <message>
        <source>--design needs --alpha and two of --power, --n and the effect: the third is solved</source>
        <translation>--design 需要 --alpha 以及 --power、--n 和效应中的两个：求解第三个</translation>
    </message>
    <message>
        <source>--design %1 is not mcnemar, two-proportions or groups</source>
        <translation>--design %1 不是 mcnemar、two-proportions 或 groups</translation>
    </message>
    <message>
        <source>--design %1 does not take %2</source>
        <translation>--design %1 不接受 %2</translation>
    </message>
    <message>
        <source>--design needs --alpha</source>
        <translation>--design 需要 --alpha</translation>
    </message>
    <message>
        <source>--design groups needs --groups</source>
        <translation>--design groups 需要 --groups</translation>
    </message>
    <message>
        <source>--groups gives the effect: leave out --power or --n</source>
        <translation>--groups 给出效应：请省略 --power 或 --n</translation>
    </message>
    <message>
        <source>--design %1 needs %2</source>
        <translation>--design %1 需要 %2</translation>
    </message>
    <message>
        <source>give %1 or --or, not both</source>
        <translation>请给出 %1 或 --or，不能两者都给</translation>
    </message>
    <message>
        <source>--shape %1 is not ROWSxCOLUMNS, as in 3x4</source>
        <translation>--shape %1 不是 行x列 的形式，如 3x4</translation>
    </message>
    <message>
        <source>--v takes --shape and stands for --effect</source>
        <translation>--v 需要 --shape，并代替 --effect</translation>
    </message>
    <message>
        <source>%1 reads or writes a file, and there are no files here</source>
        <translation>%1 需要读写文件，而这里没有文件</translation>
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
        <translation>用法：tarvik [选项]...
卡方分布：概率、密度和临界值。
不带选项时打开计算器窗口。

以下之一，与 --df 同用：
  --value X        P(X&lt;=x)、P(X&gt;x) 和 x 处的密度（0 到 1e6）
  --cdf P          满足 P(X&lt;=x) = P 的 x
  --upper P        满足 P(X&gt;x) = P 的 x
  --two-sided A    两个临界值，各截去 A/2
  --between A B    P(A &lt; X &lt;= B)
  --df N           自由度，整数，1 到 65535
  --ncp L          与 --value、--cdf 或 --upper 同用：非中心参数为 L
                   的非中心卡方（0 到 1e6）
概率的范围是 1e-300 到 1 - 1e-300；非 0 的值不小于 3.36e-4932，
即全精度 Real 的最小值。

卡方检验的效能与样本量，与 --df 同用：给出以下三个，
求解第四个（求解 N 时，power= 为实际达到的效能）：
  --effect W       Cohen 效应量 w（0.1 小，0.3 中，0.5 大）
  --alpha A        显著性水平
  --power P        检验效能 1 - beta，须大于 alpha
  --n N            总样本量，1 到 1000000000
  --shape RxC      代替 --df：表的自由度，并在 w 旁给出 V；
                   --v V（Cramér V）可代替 --effect

其他设计的检验效能：--design D，配合 --alpha 以及 --power、--n 和效应
中的两个；求解第三个：
  mcnemar          N 对；--p01 P 配合 --p10 P（不一致比例）或 --or R
                   （p10 / p01），否则求解 p10；给出 w、卡方检验的效能
                   和精确（二项）检验的效能 power_exact（至多 100000 对）
  two-proportions  --n 为第 1 组的样本量；--p1 P 配合 --p2 P 或 --or R
                   （比值比），否则求解 p2（低于 p1 的一侧为 p2_low）；
                   --ratio K 为 n2 / n1（默认 1），--correct 为连续性校正
  groups           --groups &quot;0.2,0.8/0.4,0.6&quot; 各组的比例，组间用 / 分隔，
                   --sizes S,S（默认相等）：给出 w、V 和各组的 n（n_groups）

单个方差，由样本的 s^2 和样本量（--n N，2 到 65536）：
  --variance S2    sigma^2 与 sigma 的区间（var_low、var_high、sd_low、
                   sd_high），由自由度 N - 1 的卡方分布给出
  --level L        置信水平，默认 0.95
  --sigma2 S0      另做 sigma^2 = S0 的检验：chi2、p_lower、p_upper 和
                   p_two（较小尾的两倍）

频数表：
  --counts 文件    对文件中的表做卡方检验（- 表示标准输入）：各行频数以
                   制表符、分号或逗号分隔，可带或不带表头行和标签列。
                   2 x 2 或更大的表检验独立性（2 x 2 时还有 Yates 校正和
                   Fisher 精确检验）；一行频数检验拟合优度。V 和 w 附 95%
                   区间（双侧，反演非中心卡方分布；超出表形状所允许的最大
                   V 或 w 的区间止于该值），V_adj 为偏差校正的 V；随后是
                   每个单元格的期望频数和残差。
                   2 x 2 表另给出 OR（Woolf）、OR_mle（精确条件估计，至
                   1e6 个观测）、RR（Katz）和 RD（Newcombe）及其 95% 区间，
                   以及 Fisher 单侧 p 值和 mid-p
  --expected P,P,...  与 --counts 同用：拟合优度检验的期望比例（和为 1）
                   或期望频数；未给出时为均等；
                   或比例 9:3:3:1 等任意权重，重新缩放并给出说明；
                   给定而非估计时，另给出精确多项式检验 p（exact_p；
                   超过 --exact-seconds 时为 exact_p_mc、exact_se 和 exact_seed）
  --estimated K    与单行 --counts 同用：期望频数有 K 个参数由数据估计，
                   自由度减去 K
  --fit 模型       与频数表 --counts 同用（一行或一列，对应值 0、1、2……
                   或其标签；或两行：先值后频数）：poisson 或 binomial，
                   其参数由数据估计（自由度减 1），两端合并直至期望频数
                   达到 5 或以上
  --exact-seconds S  与 --counts 同用：Fisher 精确检验可用的时间（0 到
                   86400，默认 60）；超时后 fisher_p_mc 为来自 100000 个
                   随机表的蒙特卡罗 p，附 fisher_se 和 fisher_seed
  --seed N         与 --counts 同用：随机表的种子
  --paired         与 --counts 同用：同一对象两次分类的方阵：McNemar 检验
                   （2 x 2：b、c，含与不含连续性校正，精确 p 与 mid-p，
                   配对比值比）或 Bowker 对称性检验
  --pairwise 校正  与 --counts 同用：每两行单独检验，每对一行，p 按 holm
                   或 bonferroni 校正

列表和标准输入：
  N,N,...          列表：--upper 0.1,0.05,0.01（或 0.1;0.05;0.01）。桌面使用
                   小数逗号（23,5）时，数中的逗号即小数点，列表只用 &apos;;&apos;
                   分隔：--value &quot;23,5;7,8&quot;。输出仍用小数点
  起..止[:步长]    范围：--df 1..100，--value 0..10:0.5
  -                用于 --value、--cdf 或 --upper：标准输入每行一个数
  --table          与 --upper、--cdf 或 --two-sided 同用：临界值表，
                   每个自由度一行，每个概率一列

输出：
  --numbers 样式   decimals（默认）、significant 或 scientific
  --precision N    该样式的位数，1 到 21（默认六位；单独使用时表示 N 位
                   有效数字）。Real 保存 19 到 20 位有效数字：其后的数字
                   是其所存二进制数的精确十进制数字
  使用 decimals 时，1e18 及以上的数写作 3.9894228040143267794E149，
  包含 Real 保存的每一位数字。
  --format 格式    text（默认）、csv、tsv 或 markdown
  --output 文件    写入文件（要么完整写入，要么不写），而不是标准输出
  --export-chart 文件  一个结果的密度图，保存为 文件.png 或 文件.svg
  --size 宽x高     尺寸（像素，默认 275x260，各为 120 到 4000）
  --scale N        PNG 中每个图表像素对应的像素数，1 到 4
  --background B   gradient（窗口的渐变，默认）或 white（用于打印）
  图表文字随尺寸放大：在 1600x1000 下按页面栏宽打印时，
  读起来与屏幕上窗口中的图表相同。

  --language L     消息和窗口的语言：de、en、es、fr、nl、tr 或 zh_CN
                   （默认：桌面的语言）；单独使用时打开窗口并记住选择
  -h, --help       本帮助
  -v, --version    版本

示例：
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

退出状态：成功时为 0，输入有误时为 2（标准错误输出一行，不打印其他
内容），文件无法写入时为 1。
</translation>
    </message>
</context>
<context>
    <name>CountsModel</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>edit a cell</source>
        <translation>编辑单元格</translation>
    </message>
    <message>
        <source>clear cells</source>
        <translation>清空单元格</translation>
    </message>
    <message>
        <source>add a row</source>
        <translation>添加行</translation>
    </message>
    <message>
        <source>add a column</source>
        <translation>添加列</translation>
    </message>
    <message>
        <source>remove rows</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>remove columns</source>
        <translation>删除列</translation>
    </message>
    <message>
        <source>replace the table</source>
        <translation>替换表</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>swap rows and columns</source>
        <translation>交换行列</translation>
    </message>
    <message>
        <source>reverse the rows</source>
        <translation>颠倒行</translation>
    </message>
    <message>
        <source>reverse the columns</source>
        <translation>颠倒列</translation>
    </message>
</context>
<context>
    <name>CriticalValuesModel</name>
    <message>
        <source>upper %1</source>
        <translation>上尾 %1</translation>
    </message>
    <message>
        <source>lower %1</source>
        <translation>下尾 %1</translation>
    </message>
    <message>
        <source>two-sided %1: lower</source>
        <translation>双侧 %1：下</translation>
    </message>
    <message>
        <source>two-sided %1: upper</source>
        <translation>双侧 %1：上</translation>
    </message>
</context>
<context>
    <name>CriticalValuesWindow</name>
    <message>
        <source>Critical values - Tarvik</source>
        <translation>临界值 - Tarvik</translation>
    </message>
    <message>
        <source>&amp;Upper tail P(X&gt;x)</source>
        <translation>上尾 P(X&gt;x)(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Lower tail P(X&lt;=x)</source>
        <translation>下尾 P(X&lt;=x)(&amp;L)</translation>
    </message>
    <message>
        <source>T&amp;wo-sided: each tail p/2</source>
        <translation>双侧：每尾 p/2(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>另存为(&amp;S)…</translation>
    </message>
    <message>
        <source>Degrees of freedom &amp;from</source>
        <translation>自由度从(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>到(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Probabilities</source>
        <translation>概率(&amp;P)</translation>
    </message>
    <message>
        <source>Degrees of freedom from</source>
        <translation>自由度从</translation>
    </message>
    <message>
        <source>Degrees of freedom to</source>
        <translation>自由度到</translation>
    </message>
    <message>
        <source>Probabilities</source>
        <translation>概率</translation>
    </message>
    <message>
        <source>Tail probabilities, one per column, apart by blanks or semicolons</source>
        <translation>尾概率，每列一个，用空格或分号分隔</translation>
    </message>
    <message>
        <source>Critical values</source>
        <translation>临界值</translation>
    </message>
    <message>
        <source>One row per degrees of freedom, one column per probability</source>
        <translation>每个自由度一行，每个概率一列</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated cells</source>
        <translation>将表格复制为以制表符分隔的单元格</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file</source>
        <translation>将表格保存为 CSV 文件</translation>
    </message>
    <message>
        <source>The degrees of freedom run backwards: &apos;from&apos; is above &apos;to&apos;.</source>
        <translation>自由度顺序颠倒：“从”大于“到”。</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>表格另存为</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Discordant proportion p10, yes then no</source>
        <translation>不一致比例 p10，先是后否</translation>
    </message>
    <message>
        <source>Discordant proportion p01, no then yes</source>
        <translation>不一致比例 p01，先否后是</translation>
    </message>
    <message>
        <source>Ratio p10 / p01</source>
        <translation>比值 p10 / p01</translation>
    </message>
    <message>
        <source>Proportion p1 in group 1</source>
        <translation>第 1 组的比例 p1</translation>
    </message>
    <message>
        <source>Proportion p2 in group 2</source>
        <translation>第 2 组的比例 p2</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>p2 相对 p1 的比值比</translation>
    </message>
    <message>
        <source>Ratio of the groups n2 / n1</source>
        <translation>两组之比 n2 / n1</translation>
    </message>
    <message>
        <source>Continuity correction</source>
        <translation>连续性校正</translation>
    </message>
    <message>
        <source>p10 (yes, then no)</source>
        <translation>p10（先是后否）</translation>
    </message>
    <message>
        <source>p01 (no, then yes)</source>
        <translation>p01（先否后是）</translation>
    </message>
    <message>
        <source>or their ratio p10 / p01</source>
        <translation>或其比值 p10 / p01</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1（第 1 组）</translation>
    </message>
    <message>
        <source>p2 (group 2)</source>
        <translation>p2（第 2 组）</translation>
    </message>
    <message>
        <source>or the odds ratio</source>
        <translation>或比值比</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>组间比 n2 / n1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>已求解</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>不是数字</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Tarvik needs a graphical display: none found (DISPLAY is not set).</source>
        <translation>Tarvik 需要图形显示：未找到（未设置 DISPLAY）。</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.</source>
        <translation>Tarvik 需要图形显示：未设置 XDG_RUNTIME_DIR，因此找不到 Wayland 显示。</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: no Wayland display &apos;%1&apos; is running.</source>
        <translation>Tarvik 需要图形显示：没有正在运行的 Wayland 显示“%1”。</translation>
    </message>
    <message>
        <source>Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Tarvik 需要图形显示：未找到（DISPLAY 和 WAYLAND_DISPLAY 均未设置）。</translation>
    </message>
    <message>
        <source>Tarvik cannot open the display &apos;%1&apos;.</source>
        <translation>Tarvik 无法打开显示“%1”。</translation>
    </message>
    <message>
        <source>Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.</source>
        <translation>Tarvik 无法打开 Wayland 显示：未设置 XDG_RUNTIME_DIR。</translation>
    </message>
    <message>
        <source>Tarvik cannot open the Wayland display &apos;%1&apos;.</source>
        <translation>Tarvik 无法打开 Wayland 显示“%1”。</translation>
    </message>
    <message>
        <source>Tarvik cannot start its window: the graphical platform &apos;%1&apos; did not start.</source>
        <translation>Tarvik 无法启动窗口：图形平台“%1”未能启动。</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>浮点除以零</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>无效的浮点运算</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>浮点上溢</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>浮点下溢</translation>
    </message>
    <message>
        <source>%1 did not converge within %2 passes</source>
        <translation>%1 在 %2 次迭代内未收敛</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>范围检查错误</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>整数溢出</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>输入/输出错误 %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点值</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below the smallest number the calculator holds, 3.36e-4932</source>
        <translation>“%1”低于计算器能保存的最小数 3.36e-4932</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>断言失败</translation>
    </message>
</context>
<context>
    <name>Fisher</name>
    <message>
        <source>Fisher&apos;s exact test did not end within %1 s (--exact-seconds); fisher_p_mc is a Monte Carlo p from %2 random tables</source>
        <translation>Fisher 精确检验未在 %1 秒内完成（--exact-seconds）；fisher_p_mc 为来自 %2 个随机表的 Monte Carlo p</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test needs more memory than it may take; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>Fisher 精确检验所需内存超出允许范围；fisher_p_mc 为来自 %1 个随机表的 Monte Carlo p</translation>
    </message>
    <message>
        <source>the table has too many observations for Fisher&apos;s exact test; fisher_p_mc is a Monte Carlo p from %1 random tables</source>
        <translation>表中观察值过多，无法做 Fisher 精确检验；fisher_p_mc 为来自 %1 个随机表的 Monte Carlo p</translation>
    </message>
    <message>
        <source>the table has too many observations to count or draw for Fisher&apos;s exact test; the chi-square&apos;s p stands</source>
        <translation>表中观察值太多，Fisher 精确检验无法计数或抽样；以卡方检验的 p 为准</translation>
    </message>
    <message>
        <source>the exact multinomial test did not end within %1 s (--exact-seconds); exact_p_mc is a Monte Carlo p from %2 random outcomes</source>
        <translation>精确多项式检验未在 %1 秒内结束（--exact-seconds）；exact_p_mc 是来自 %2 个随机结果的蒙特卡罗 p</translation>
    </message>
    <message>
        <source>the fit has too many observations or categories to count its outcomes; exact_p_mc is a Monte Carlo p from %1 random outcomes</source>
        <translation>该拟合的观测或类别太多，无法计数其结果；exact_p_mc 是来自 %1 个随机结果的蒙特卡罗 p</translation>
    </message>
    <message>
        <source>the fit has too many categories to count or draw its outcomes; the chi-square&apos;s p stands</source>
        <translation>该拟合的类别太多，无法计数或抽取其结果；以卡方检验的 p 为准</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Welcome to Tarvik by Osterby !</source>
        <translation>欢迎使用 Osterby 的 Tarvik！</translation>
    </message>
    <message>
        <source>Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:</source>
        <translation>Osterby 的 Tarvik 适用于 Linux 和 Windows 计算机，可计算卡方 (X2) 分布的几个函数：</translation>
    </message>
    <message>
        <source>  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability</source>
        <translation>  * 累积分布函数（cdf，即下尾概率）和上尾概率</translation>
    </message>
    <message>
        <source>  * the X2 value (inverse cdf)</source>
        <translation>  * X2 值（分位数，cdf 的反函数）</translation>
    </message>
    <message>
        <source>  * the probability density function</source>
        <translation>  * 概率密度函数</translation>
    </message>
    <message>
        <source>To use, just edit the desired field, or change the degrees of freedom using the arrows.</source>
        <translation>使用时只需编辑所需的字段，或用箭头改变自由度。</translation>
    </message>
    <message>
        <source>When doing the latter, you have the option of either</source>
        <translation>改变自由度时，您可以选择</translation>
    </message>
    <message>
        <source>  * freezing the X2 value to change the cdf and upper tail probability</source>
        <translation>  * 固定 X2 值，改变 cdf 和上尾概率</translation>
    </message>
    <message>
        <source>  * freezing the cdf and upper tail probability to change the X2 value</source>
        <translation>  * 固定 cdf 和上尾概率，改变 X2 值</translation>
    </message>
    <message>
        <source>If in doubt, just try it! </source>
        <translation>如有疑问，试试就知道！</translation>
    </message>
    <message>
        <source>More, from the right-click menus of the fields, the density and the chart:</source>
        <translation>更多功能在字段、密度和图表的右键菜单中：</translation>
    </message>
    <message>
        <source>  * Show numbers as: six decimals, six significant digits or scientific (2.53963e-10), so a tiny p-value can be read in its field</source>
        <translation>  * 数字显示方式：六位小数、六位有效数字或科学记数 (2.53963e-10)，以便在字段中读出极小的 p 值</translation>
    </message>
    <message>
        <source>  * Copy results (Ctrl+Shift+C): the results as one line, as the command line prints them</source>
        <translation>  * 复制结果 (Ctrl+Shift+C)：结果为一行，与命令行的输出相同</translation>
    </message>
    <message>
        <source>  * Critical values (Ctrl+T): a table of critical values by degrees of freedom and probability, upper, lower or two-sided, to copy into a spreadsheet or save as CSV</source>
        <translation>  * 临界值 (Ctrl+T)：按自由度和概率列出的上尾、下尾或双侧临界值表，可复制到电子表格或保存为 CSV</translation>
    </message>
    <message>
        <source>  * Power and sample size (Ctrl+Shift+P): plan a study. Give three of the effect size w, alpha, the power and the total sample size N, with the degrees of freedom; the fourth is solved as you type (for N: the smallest N that reaches the power, and the power it reaches). w can come from the proportions you expect (goodness of fit) or from a table of cell probabilities (independence). Two charts show the central density under H0 and the noncentral one under H1 with alpha and beta shaded, and the power against N or w</source>
        <translation>  * 检验效能与样本量 (Ctrl+Shift+P)：规划研究。给出效应量 w、alpha、检验效能和总样本量 N 中的三个，以及自由度；第四个在输入时即被求解（对 N：达到该效能的最小 N 及其实际效能）。w 可来自预期比例（拟合优度）或单元格概率表（独立性）。两个图表显示 H0 下的中心密度和 H1 下的非中心密度，并以阴影标出 alpha 和 beta，以及效能随 N 或 w 的变化</translation>
    </message>
    <message>
        <source>  * Save chart as: PNG, PNG at twice the resolution, or an SVG drawing, on the window&apos;s gradient or on white for print; a name typed with .png or .svg decides the format</source>
        <translation>  * 图表另存为：PNG、双倍分辨率 PNG 或 SVG 绘图，可用窗口的渐变背景或用于打印的白色背景；输入以 .png 或 .svg 结尾的文件名即决定格式</translation>
    </message>
    <message>
        <source>  * Language: the desktop&apos;s language, or English, German, Spanish, French, Dutch, Turkish or Simplified Chinese, from the next start on</source>
        <translation>  * 语言：桌面的语言，或英语、德语、西班牙语、法语、荷兰语、土耳其语、简体中文，从下次启动起生效</translation>
    </message>
    <message>
        <source>From a terminal, tarvik --help shows the command line: lists, tables and batches.</source>
        <translation>在终端中，tarvik --help 显示命令行用法：列表、表格和批处理。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.</source>
        <translation>Tarvik 按原样提供，不附带任何担保。所显示的数字以 80 位扩展精度仔细计算，并与独立的 50 位参考值核对；但对于重要决策所依据的结果，请务必核实。</translation>
    </message>
    <message>
        <source>With thanks to the authors of the published methods inside: the exact finite sums for the chi-square and F tails, Loader&apos;s saddle-point Poisson probabilities, Legendre&apos;s continued fraction of the incomplete gamma function, Dekker&apos;s double-length arithmetic, Ding&apos;s noncentral chi-square sums, Patnaik&apos;s approximation, Gauss-Legendre quadrature, Halley&apos;s method, the Wilson-Hilferty and Paulson cube-root approximations, the Odeh-Evans normal quantile, Abramowitz and Stegun&apos;s formula 26.2.17, the percentage-point method of Best and Roberts (AS 91), and the Illinois variant of false position.</source>
        <translation>感谢其中所用已发表方法的作者：卡方和 F 尾部的精确有限和、Loader 的鞍点 Poisson 概率、Legendre 的不完全伽马函数连分式、Dekker 的双倍长度算术、Ding 的非中心卡方求和、Patnaik 近似、Gauss-Legendre 求积、Halley 方法、Wilson-Hilferty 和 Paulson 立方根近似、Odeh-Evans 正态分位数、Abramowitz 和 Stegun 的公式 26.2.17、Best 和 Roberts 的百分点方法 (AS 91)，以及试位法的 Illinois 变体。</translation>
    </message>
    <message>
        <source>Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.</source>
        <translation>欢迎将问题、建议和错误报告发送至 tarvik@osterby.example。</translation>
    </message>
    <message>
        <source>  * Test a table (Ctrl+Shift+T): type counts, paste a block from a spreadsheet (Ctrl+V) or open a CSV file. A table of 2 x 2 or more is tested for independence, one row for goodness of fit (equal, or against the expected proportions you give): Pearson&apos;s chi-square and the likelihood ratio G2 with their p, Yates&apos; correction beside the plain test for 2 x 2, Fisher&apos;s exact test in the background (a Monte Carlo p where the exact count does not end within a minute; Cancel stops it), Cramer&apos;s V (with the bias-corrected V) and Cohen&apos;s w with 95 % intervals (two-sided, by inverting the noncentral chi-square; one that would pass the largest V or w of the table&apos;s shape ends there), and each cell&apos;s expected count, residuals and Bonferroni p. Into the calculator shows the statistic on the density chart</source>
        <translation>  * 检验列联表 (Ctrl+Shift+T)：输入频数、从电子表格粘贴一块数据 (Ctrl+V) 或打开 CSV 文件。2 x 2 或更大的表检验独立性，单行检验拟合优度（均等，或按您给出的预期比例）：Pearson 卡方和似然比 G2 及其 p 值，2 x 2 时在普通检验旁给出 Yates 校正，后台计算的 Fisher 精确检验（精确计数一分钟内未完成时给出 Monte Carlo p 值；“取消”可停止），带 95 % 区间（双侧，反演非中心卡方分布；超出表形状所允许的最大 V 或 w 的区间止于该值）的 Cramér V（及偏差校正的 V）和 Cohen w，以及每个单元格的期望频数、残差和 Bonferroni p 值。“送入计算器”在密度图上显示统计量</translation>
    </message>
    <message>
        <source>  * After the table&apos;s test: for 2 x 2 the odds ratio, the risk ratio and the risk difference with 95 % intervals and Fisher&apos;s one-sided p (rows the groups, the first column the event; Swap rows and columns, or the grid&apos;s right-click menu, turns or reverses the table); Paired: McNemar&apos;s test for 2 x 2, Bowker&apos;s for k x k; the rows compared in pairs (Holm, Bonferroni); each cell&apos;s row, column and total percentages, with letters: in a row, columns that share a letter do not differ in their column percentage; Mosaic: the table as tiles shaded by their adjusted residuals, copied or saved like a chart; Ctrl+Shift+C copies the test as one sentence; Save as CSV saves the results with the cells</source>
        <translation>  * 表格检验之后：2 x 2 表给出优势比、风险比和风险差及其 95 % 区间，以及 Fisher 单侧 p（行为组，第一列为事件；“交换行列”或网格的右键菜单可转置或颠倒表格）；配对：2 x 2 用 McNemar 检验，k x k 用 Bowker 检验；各行两两比较（Holm、Bonferroni）；每个单元格的行、列和总百分比，并附字母：同一行中共享一个字母的列，其列百分比无差异；马赛克图：表格显示为按调整残差着色的方块，可像图表一样复制或保存；Ctrl+Shift+C 将检验复制为一句话；“另存为 CSV”将结果与单元格一起保存</translation>
    </message>
    <message>
        <source>  * One variance (Ctrl+Shift+V): from a sample&apos;s variance s2 (or standard deviation s) and size n, the interval for sigma2 and sigma at the level you give (the chi-square with n - 1 degrees of freedom, its two cut-offs shown on the density); given sigma0 squared, the test of it: the statistic (n - 1) s2 / sigma0 squared, both one-sided p and the two-sided one, twice the smaller tail</source>
        <translation>  * 单个方差（Ctrl+Shift+V）：由样本方差 s2（或标准差 s）和样本量 n，按给定水平求 sigma2 与 sigma 的区间（自由度 n - 1 的卡方分布，其两个分界点显示在密度图上）；给定 sigma0 的平方时对其检验：统计量 (n - 1) s2 / sigma0 的平方，两个单侧 p 和双侧 p（较小尾部的两倍）</translation>
    </message>
    <message>
        <source>  * Designs in the power window: McNemar&apos;s test of paired proportions (the discordant proportions p10 and p01, or p01 and their ratio: N pairs, the power or the detectable p10, with the exact binomial test&apos;s power beside the chi-square&apos;s) and two independent proportions (p1 and p2, or p1 and the odds ratio, with the groups&apos; ratio n2 / n1 and the continuity correction: n1 and n2, the power or the detectable p2 on either side of p1, by the normal approximation). w can also come from each group&apos;s proportions and the groups&apos; sizes, from Cramer&apos;s V (w = V times the square root of min(r, c) - 1) or from an odds ratio and a baseline proportion</source>
        <translation>  * 检验效能窗口中的设计：配对比例的 McNemar 检验（不一致比例 p10 和 p01，或 p01 及其比值：N 对、检验效能或可检测的 p10，卡方检验的效能旁附精确二项检验的效能）和两个独立比例（p1 和 p2，或 p1 和比值比，含两组之比 n2 / n1 和连续性校正：n1 和 n2、检验效能或 p1 两侧可检测的 p2，采用正态近似）。w 也可以由各组的比例和各组的样本量、由 Cramér V（w = V 乘以 min(r, c) - 1 的平方根）或由比值比和基线比例得到</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 不是数字</translation>
    </message>
    <message>
        <source>%1 %2 is out of range: %3</source>
        <translation>%1 %2 超出范围：%3</translation>
    </message>
    <message>
        <source>whole numbers from %1 to %2</source>
        <translation>%1 到 %2 的整数</translation>
    </message>
    <message>
        <source>from 0 to %1</source>
        <translation>0 到 %1</translation>
    </message>
    <message>
        <source>from 0 to %1, and 0 or at least 3.36e-4932</source>
        <translation>0 到 %1，且为 0 或至少 3.36e-4932</translation>
    </message>
    <message>
        <source>from %1 to 1 - %1</source>
        <translation>%1 到 1 - %1</translation>
    </message>
    <message>
        <source>Lower-tail critical values: x with P(X&lt;=x) = p</source>
        <translation>下尾临界值：满足 P(X&lt;=x) = p 的 x</translation>
    </message>
    <message>
        <source>Upper-tail critical values: x with P(X&gt;x) = p</source>
        <translation>上尾临界值：满足 P(X&gt;x) = p 的 x</translation>
    </message>
    <message>
        <source>Two-sided critical values: P(X&lt;=lower) = P(X&gt;upper) = alpha/2</source>
        <translation>双侧临界值：P(X&lt;=下) = P(X&gt;上) = alpha/2</translation>
    </message>
    <message>
        <source>give at least one probability</source>
        <translation>请至少给出一个概率</translation>
    </message>
    <message>
        <source>probability %1</source>
        <translation>概率 %1</translation>
    </message>
    <message>
        <source>%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers</source>
        <translation>%1 范围 %2 不是由普通小数构成的 起..止 或 起..止:步长</translation>
    </message>
    <message>
        <source>%1 range %2 needs a positive step</source>
        <translation>%1 范围 %2 需要正的步长</translation>
    </message>
    <message>
        <source>%1 range %2 needs more than 18 digits</source>
        <translation>%1 范围 %2 需要超过 18 位数字</translation>
    </message>
    <message>
        <source>%1 range %2 runs backwards</source>
        <translation>%1 范围 %2 顺序颠倒</translation>
    </message>
    <message>
        <source>%1 gives more than %2 items</source>
        <translation>%1 给出超过 %2 项</translation>
    </message>
    <message>
        <source>%1 %2 has an empty item</source>
        <translation>%1 %2 含有空项</translation>
    </message>
    <message>
        <source>%1 item %2</source>
        <translation>%1 第 %2 项</translation>
    </message>
    <message>
        <source>%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for one number); separate the items of a list with &apos;;&apos;, as in 1;2;3</source>
        <translation>%1 %2：在此桌面上逗号是小数逗号（一个数写作 2,5 或 2.5）；列表各项请用 &apos;;&apos; 分隔，如 1;2;3</translation>
    </message>
    <message>
        <source>%1 %2 separates its items by both &apos;,&apos; and &apos;;&apos;: use one of them (a decimal comma is written as a point here: 2.5)</source>
        <translation>%1 %2 同时用 &apos;,&apos; 和 &apos;;&apos; 分隔各项：请只用其中一种（此处小数点写作点：2.5）</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language: de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language 需要一种语言：de、en、es、fr、nl、tr 或 zh_CN</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language 给出了两次</translation>
    </message>
    <message>
        <source>--language &apos;%1&apos; is not de, en, es, fr, nl, tr or zh_CN</source>
        <translation>--language “%1”不是 de、en、es、fr、nl、tr 或 zh_CN</translation>
    </message>
</context>
<context>
    <name>MosaicChart</name>
    <message>
        <source>4 or more</source>
        <translation>4 及以上</translation>
    </message>
    <message>
        <source>2 to 4</source>
        <translation>2 至 4</translation>
    </message>
    <message>
        <source>Adjusted residual</source>
        <translation>调整残差</translation>
    </message>
    <message>
        <source>Mosaic of the table</source>
        <translation>表格的马赛克图</translation>
    </message>
    <message>
        <source>−2 to 2</source>
        <translation>−2 至 2</translation>
    </message>
    <message>
        <source>−4 to −2</source>
        <translation>−4 至 −2</translation>
    </message>
    <message>
        <source>−4 or less</source>
        <translation>−4 及以下</translation>
    </message>
</context>
<context>
    <name>MosaicWindow</name>
    <message>
        <source>Mosaic - Tarvik</source>
        <translation>马赛克图 - Tarvik</translation>
    </message>
    <message>
        <source>Each tile&apos;s area is its cell&apos;s share of the table: the rows side by side, each row&apos;s columns stacked. Shade and outline follow the adjusted residual: blue and solid above expectation, red and dashed below.</source>
        <translation>每块的面积是其单元格在表中所占的比例：各行并排，每行的各列上下堆叠。底色和轮廓随调整残差而定：高于期望为蓝色实线，低于期望为红色虚线。</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>复制图片(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>另存为(&amp;S)…</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>必须是 1 到 %1 的整数</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>必须大于 0</translation>
    </message>
    <message>
        <source>must lie between 0 and 1</source>
        <translation>必须介于 0 和 1 之间</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 1000000000</source>
        <translation>必须是 1 到 1000000000 的整数</translation>
    </message>
    <message>
        <source>must be above alpha</source>
        <translation>必须大于 alpha</translation>
    </message>
    <message>
        <source>gives a noncentrality N w² above 1000000</source>
        <translation>使非中心参数 N w² 超过 1000000</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is not a number</source>
        <translation>%1 比例 %2 “%3”不是数字</translation>
    </message>
    <message>
        <source>%1 proportion %2 &apos;%3&apos; is negative</source>
        <translation>%1 比例 %2 “%3”为负</translation>
    </message>
    <message>
        <source>the %1 proportions add up to 0</source>
        <translation>%1 比例之和为 0</translation>
    </message>
    <message>
        <source>give at least two H1 proportions</source>
        <translation>请至少给出两个 H1 比例</translation>
    </message>
    <message>
        <source>H0 has %1 proportions, H1 %2</source>
        <translation>H0 有 %1 个比例，H1 有 %2 个</translation>
    </message>
    <message>
        <source>H0 proportion %1 is 0</source>
        <translation>H0 比例 %1 为 0</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is not a number</source>
        <translation>第 %1 行第 %2 个单元格“%3”不是数字</translation>
    </message>
    <message>
        <source>row %1 cell %2 &apos;%3&apos; is negative</source>
        <translation>第 %1 行第 %2 个单元格“%3”为负</translation>
    </message>
    <message>
        <source>row %1 has %2 cells, row 1 has %3</source>
        <translation>第 %1 行有 %2 个单元格，第 1 行有 %3 个</translation>
    </message>
    <message>
        <source>give a table of at least 2 rows and 2 columns, one row per line</source>
        <translation>请给出至少 2 行 2 列的表，每行一行文本</translation>
    </message>
    <message>
        <source>row %1 adds up to 0</source>
        <translation>第 %1 行之和为 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0</source>
        <translation>第 %1 列之和为 0</translation>
    </message>
    <message>
        <source>effect size w</source>
        <translation>效应量 w</translation>
    </message>
    <message>
        <source>power</source>
        <translation>检验效能</translation>
    </message>
    <message>
        <source>no N up to 1000000000 reaches this power</source>
        <translation>N 不超过 1000000000 时达不到此效能</translation>
    </message>
    <message>
        <source>is always given</source>
        <translation>总是给定的</translation>
    </message>
    <message>
        <source>above 0, up to 1000</source>
        <translation>大于 0，至多 1000</translation>
    </message>
    <message>
        <source>whole numbers from 1 to 1000000000</source>
        <translation>1 到 1000000000 的整数</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>would be below 3.36e-4932, the smallest Real: give a smaller N, w or power</source>
        <translation>将低于 3.36e-4932（最小的 Real 数）：请给出更小的 N、w 或检验效能</translation>
    </message>
    <message>
        <source>above 0, up to 1000000</source>
        <translation>大于 0，至多 1000000</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>group size</source>
        <translation>组样本量</translation>
    </message>
    <message>
        <source>%1 group sizes for %2 groups</source>
        <translation>%1 个组样本量对应 %2 个组</translation>
    </message>
    <message>
        <source>group %1 has size 0</source>
        <translation>第 %1 组的样本量为 0</translation>
    </message>
    <message>
        <source>and p01 add up to more than 1</source>
        <translation>与 p01 之和大于 1</translation>
    </message>
    <message>
        <source>equals p01: there is no effect to detect</source>
        <translation>等于 p01：没有可检测的效应</translation>
    </message>
    <message>
        <source>no p10 up to 1 - p01 reaches this power: give a larger N</source>
        <translation>在 1 - p01 以内没有 p10 能达到此检验效能：请给出更大的 N</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000</source>
        <translation>必须大于 0，至多 1000</translation>
    </message>
    <message>
        <source>must lie from 0 to 1</source>
        <translation>必须在 0 到 1 之间（含端点）</translation>
    </message>
    <message>
        <source>equals p1: there is no effect to detect</source>
        <translation>等于 p1：没有可检测的效应</translation>
    </message>
    <message>
        <source>no p2 from 0 to 1 reaches this power: give a larger N</source>
        <translation>0 到 1 之间没有 p2 能达到此检验效能：请给出更大的 N</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number</source>
        <translation>%1 &apos;%2&apos; 不是数字</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1</source>
        <translation>必须大于 0，至多 1</translation>
    </message>
    <message>
        <source>p1 must lie between 0 and 1</source>
        <translation>p1 必须在 0 和 1 之间</translation>
    </message>
    <message>
        <source>the odds ratio</source>
        <translation>比值比</translation>
    </message>
    <message>
        <source>must lie above 0, up to 1000000</source>
        <translation>必须大于 0，至多 1000000</translation>
    </message>
    <message>
        <source>is always given in this design</source>
        <translation>在此设计中总是给定的</translation>
    </message>
    <message>
        <source>above 0, up to 1</source>
        <translation>大于 0，至多 1</translation>
    </message>
</context>
<context>
    <name>PowerWindow</name>
    <message>
        <source>Power and sample size - Tarvik</source>
        <translation>检验效能与样本量 - Tarvik</translation>
    </message>
    <message>
        <source>Sample size N</source>
        <translation>样本量 N</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>检验效能</translation>
    </message>
    <message>
        <source>Effect size w</source>
        <translation>效应量 w</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>显著性水平 α</translation>
    </message>
    <message>
        <source>&amp;Solve for</source>
        <translation>求解(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Degrees of freedom</source>
        <translation>自由度(&amp;D)</translation>
    </message>
    <message>
        <source>Effect size &amp;w</source>
        <translation>效应量(&amp;W)</translation>
    </message>
    <message>
        <source>Significance level &amp;α</source>
        <translation>显著性水平 α(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Power 1 − β</source>
        <translation>检验效能 1 − β(&amp;P)</translation>
    </message>
    <message>
        <source>Total sample size &amp;N</source>
        <translation>总样本量(&amp;N)</translation>
    </message>
    <message>
        <source>Power against N</source>
        <translation>效能随 N 变化</translation>
    </message>
    <message>
        <source>Power against w</source>
        <translation>效能随 w 变化</translation>
    </message>
    <message>
        <source>H0 (solid)</source>
        <translation>H0（实线）</translation>
    </message>
    <message>
        <source>H1 (dotted)</source>
        <translation>H1（点线）</translation>
    </message>
    <message>
        <source>α under H0 right of the critical value, β under H1 left of it</source>
        <translation>α 在 H0 下临界值右侧，β 在 H1 下临界值左侧</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>图表(&amp;H)</translation>
    </message>
    <message>
        <source>Save hypotheses chart as…</source>
        <translation>假设图另存为…</translation>
    </message>
    <message>
        <source>Copy hypotheses chart</source>
        <translation>复制假设图</translation>
    </message>
    <message>
        <source>Save power curve as…</source>
        <translation>效能曲线另存为…</translation>
    </message>
    <message>
        <source>Copy power curve</source>
        <translation>复制效能曲线</translation>
    </message>
    <message>
        <source>Solve for</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>Degrees of freedom</source>
        <translation>自由度</translation>
    </message>
    <message>
        <source>Significance level alpha</source>
        <translation>显著性水平 alpha</translation>
    </message>
    <message>
        <source>Total sample size N</source>
        <translation>总样本量 N</translation>
    </message>
    <message>
        <source>Hypotheses chart</source>
        <translation>假设图</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>效能曲线</translation>
    </message>
    <message>
        <source>Power curve against</source>
        <translation>效能曲线横轴</translation>
    </message>
    <message>
        <source>Copies the results as a line of text</source>
        <translation>将结果复制为一行文本</translation>
    </message>
    <message>
        <source>Still for the last good numbers: %1</source>
        <translation>仍对应最后一组有效数字：%1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>已求解</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>λ = N w² = %1    critical value χ² = %2</source>
        <translation>λ = N w² = %1    临界值 χ² = %2</translation>
    </message>
    <message>
        <source>    power reached at N = %1: %2</source>
        <translation>    N = %1 时达到的效能：%2</translation>
    </message>
    <message>
        <source>Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; alpha %3 shaded under H0, beta %4 under H1</source>
        <translation>H0 下的中心密度和 H1 下 lambda 为 %1 的非中心密度；临界值 %2；H0 下阴影 alpha %3，H1 下 beta %4</translation>
    </message>
    <message>
        <source>Power against %1; the chosen point has power %2</source>
        <translation>效能随 %1 变化；所选点的效能为 %2</translation>
    </message>
    <message>
        <source>H0 and H1: </source>
        <translation>H0 和 H1：</translation>
    </message>
    <message>
        <source>Power curve: </source>
        <translation>效能曲线：</translation>
    </message>
    <message>
        <source>power</source>
        <translation>检验效能</translation>
    </message>
    <message>
        <source>Cohen&apos;s w: %1 small, %2 medium, %3 large</source>
        <translation>Cohen w：%1 小，%2 中，%3 大</translation>
    </message>
    <message>
        <source>Cohen: %1 small, %2 medium, %3 large</source>
        <translation>Cohen：%1 小，%2 中，%3 大</translation>
    </message>
    <message>
        <source>Cohen&apos;s w (chi-square test)</source>
        <translation>Cohen w（卡方检验）</translation>
    </message>
    <message>
        <source>McNemar&apos;s test (paired proportions)</source>
        <translation>McNemar 检验（配对比例）</translation>
    </message>
    <message>
        <source>Two independent proportions</source>
        <translation>两个独立比例</translation>
    </message>
    <message>
        <source>D&amp;esign</source>
        <translation>设计(&amp;E)</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>设计</translation>
    </message>
    <message>
        <source>    per group: %1</source>
        <translation>    每组：%1</translation>
    </message>
    <message>
        <source>Detectable p10</source>
        <translation>可检测的 p10</translation>
    </message>
    <message>
        <source>Detectable p2</source>
        <translation>可检测的 p2</translation>
    </message>
    <message>
        <source>Number of pairs &amp;N</source>
        <translation>配对数(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;N in group 1</source>
        <translation>第 1 组的 N(&amp;N)</translation>
    </message>
    <message>
        <source>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    critical value χ² = %3</source>
        <translation>w = |p10 − p01| / √(p10 + p01) = %1    λ = N w² = %2    临界值 χ² = %3</translation>
    </message>
    <message>
        <source>    the exact (binomial) test&apos;s power at N = %1: %2</source>
        <translation>    N = %1 时精确（二项）检验的效能：%2</translation>
    </message>
    <message>
        <source>    the exact test&apos;s power is computed up to %1 pairs</source>
        <translation>    精确检验的效能最多计算到 %1 对</translation>
    </message>
    <message>
        <source>n1 = %1, n2 = %2, N = %3 in all    w of the 2 × 2 table = %4</source>
        <translation>n1 = %1，n2 = %2，共 N = %3    2 × 2 表的 w = %4</translation>
    </message>
    <message>
        <source>    power reached: %1</source>
        <translation>    达到的检验效能：%1</translation>
    </message>
    <message>
        <source>    below p1 too: p2 = %1</source>
        <translation>    低于 p1 的一侧：p2 = %1</translation>
    </message>
</context>
<context>
    <name>ProportionsBox</name>
    <message>
        <source>Effect size from p&amp;roportions</source>
        <translation>由比例求效应量(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Goodness of fit</source>
        <translation>拟合优度(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Independence (table)</source>
        <translation>独立性（列联表）(&amp;I)</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>均等</translation>
    </message>
    <message>
        <source>&amp;Use this w</source>
        <translation>使用此 w(&amp;U)</translation>
    </message>
    <message>
        <source>H0 proportions</source>
        <translation>H0 比例</translation>
    </message>
    <message>
        <source>H1 proportions</source>
        <translation>H1 比例</translation>
    </message>
    <message>
        <source>H1 cell probabilities</source>
        <translation>H1 单元格概率</translation>
    </message>
    <message>
        <source>One row of the table per line</source>
        <translation>每行文本为表的一行</translation>
    </message>
    <message>
        <source>Type the H1 proportions of the categories.</source>
        <translation>请输入各类别的 H1 比例。</translation>
    </message>
    <message>
        <source>Type the H1 table, one row per line.</source>
        <translation>请输入 H1 表，每行一行文本。</translation>
    </message>
    <message>
        <source>w = %1 with df %2</source>
        <translation>w = %1，自由度 %2</translation>
    </message>
    <message>
        <source>Groups&apos; proportions</source>
        <translation>各组比例</translation>
    </message>
    <message>
        <source>Cramér&apos;s V</source>
        <translation>Cramér V</translation>
    </message>
    <message>
        <source>Odds ratio (2 × 2)</source>
        <translation>比值比（2 × 2）</translation>
    </message>
    <message>
        <source>Groups&apos; sizes</source>
        <translation>各组样本量</translation>
    </message>
    <message>
        <source>Rows × columns</source>
        <translation>行 × 列</translation>
    </message>
    <message>
        <source>p1 (group 1)</source>
        <translation>p1（第 1 组）</translation>
    </message>
    <message>
        <source>Odds ratio of p2 to p1</source>
        <translation>p2 相对 p1 的比值比</translation>
    </message>
    <message>
        <source>Groups&apos; ratio n2 / n1</source>
        <translation>组间比 n2 / n1</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Each group&apos;s proportions</source>
        <translation>各组的比例</translation>
    </message>
    <message>
        <source>One group per line</source>
        <translation>每行一组</translation>
    </message>
    <message>
        <source>w = V √(min(r, c) − 1) = %1 × √%2 = %3 with df %4</source>
        <translation>w = V √(min(r, c) − 1) = %1 × √%2 = %3，自由度 %4</translation>
    </message>
    <message>
        <source>p2 = OR p1 / (1 − p1 + OR p1) = %1; w of the 2 × 2 table = %2 with df 1</source>
        <translation>p2 = OR p1 / (1 − p1 + OR p1) = %1；2 × 2 表的 w = %2，自由度 1</translation>
    </message>
    <message>
        <source>Type each group&apos;s proportions, one group per line.</source>
        <translation>输入各组的比例，每行一组。</translation>
    </message>
    <message>
        <source>%1; V = %2; the groups&apos; shares of N: %3</source>
        <translation>%1；V = %2；各组占 N 的比例：%3</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4</source>
        <translation>%2 个单元格中有 %1 个（%3 %）期望频数小于 5；最小为 %4</translation>
    </message>
    <message>
        <source>Pearson χ² = %1, df = %2, p = %3</source>
        <translation>Pearson χ² = %1，自由度 = %2，p = %3</translation>
    </message>
    <message>
        <source>Likelihood ratio G² = %1, df = %2, p = %3</source>
        <translation>似然比 G² = %1，自由度 = %2，p = %3</translation>
    </message>
    <message>
        <source>Yates&apos; corrected χ² = %1, p = %2 (beside the plain test)</source>
        <translation>Yates 校正 χ² = %1，p = %2（在普通检验旁）</translation>
    </message>
    <message>
        <source>, 95 % CI %1 to %2</source>
        <translation>，95 % 置信区间 %1 到 %2</translation>
    </message>
    <message>
        <source>, no 95 % CI above χ² = 1e7</source>
        <translation>，χ² = 1e7 以上无 95 % 置信区间</translation>
    </message>
    <message>
        <source>Cramér&apos;s V = %1%2</source>
        <translation>Cramér V = %1%2</translation>
    </message>
    <message>
        <source>Cohen&apos;s w = %1%2</source>
        <translation>Cohen w = %1%2</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>单元格</translation>
    </message>
    <message>
        <source>row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>observed</source>
        <translation>观察值</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>期望值</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>残差</translation>
    </message>
    <message>
        <source>adjusted residual</source>
        <translation>调整残差</translation>
    </message>
    <message>
        <source>Bonferroni p</source>
        <translation>Bonferroni p</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Bias-corrected V (Bergsma 2013) = %1</source>
        <translation>偏差校正的 V（Bergsma 2013）= %1</translation>
    </message>
    <message>
        <source>%1: not defined for this table (%2: a zero cell or an empty group)</source>
        <translation>%1：此表无定义（%2：有零单元格或空组）</translation>
    </message>
    <message>
        <source>%1 = %2, 95 % CI %3 to %4 (%5)</source>
        <translation>%1 = %2，95% CI %3 至 %4（%5）</translation>
    </message>
    <message>
        <source>Odds ratio</source>
        <translation>比值比</translation>
    </message>
    <message>
        <source>Risk ratio</source>
        <translation>风险比</translation>
    </message>
    <message>
        <source>Risk difference</source>
        <translation>风险差</translation>
    </message>
    <message>
        <source>Conditional odds ratio</source>
        <translation>条件比值比</translation>
    </message>
    <message>
        <source>One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3</source>
        <translation>单侧 p = %1（比值比小于 1），%2（大于 1）；mid-p = %3</translation>
    </message>
    <message>
        <source>Bowker&apos;s test of symmetry: χ² = %1, df = %2, p = %3</source>
        <translation>Bowker 对称性检验：χ² = %1，df = %2，p = %3</translation>
    </message>
    <message>
        <source>Discordant pairs: %1 %2, %3 %4</source>
        <translation>不一致对：%1 %2，%3 %4</translation>
    </message>
    <message>
        <source>McNemar χ² = %1, df = 1, p = %2; with the continuity correction %3, p = %4</source>
        <translation>McNemar χ² = %1，df = 1，p = %2；连续性校正后 %3，p = %4</translation>
    </message>
    <message>
        <source>Exact (binomial) p = %1, mid-p = %2</source>
        <translation>精确（二项）p = %1，mid-p = %2</translation>
    </message>
    <message>
        <source>Paired odds ratio b/c</source>
        <translation>配对比值比 b/c</translation>
    </message>
    <message>
        <source>Rows compared in pairs (Pearson χ²; p adjusted by Holm and by Bonferroni):</source>
        <translation>各行两两比较（Pearson χ²；p 按 Holm 和 Bonferroni 校正）：</translation>
    </message>
    <message>
        <source>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</source>
        <translation>  %1: χ² = %2, df = %3, p = %4, Holm %5, Bonferroni %6</translation>
    </message>
    <message>
        <source>  %1: all in one column, nothing to compare</source>
        <translation>  %1：全部在同一列，无可比较</translation>
    </message>
    <message>
        <source>row %</source>
        <translation>行 %</translation>
    </message>
    <message>
        <source>column %</source>
        <translation>列 %</translation>
    </message>
    <message>
        <source>total %</source>
        <translation>总 %</translation>
    </message>
    <message>
        <source>χ²(%1, N = %2) = %3, p %4, %5 = %6</source>
        <translation>χ²(%1, N = %2) = %3, p %4, %5 = %6</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>字母</translation>
    </message>
    <message>
        <source>Read with %1 as the event (the first column), %2 against %3 (the rows)</source>
        <translation>以 %1 为事件（第一列），%2 对比 %3（各行）</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>它不是普通文件（设备、管道或套接字）</translation>
    </message>
    <message>
        <source>Cannot save %1 to &apos;%2&apos;: %3</source>
        <translation>无法将%1保存到“%2”：%3</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件是只读的</translation>
    </message>
    <message>
        <source>the file is read-only and its permissions cannot be changed</source>
        <translation>文件是只读的，且无法更改其权限</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>无法写入数据</translation>
    </message>
    <message>
        <source>it was written, but its permissions could not be kept</source>
        <translation>已写入，但无法保留其权限</translation>
    </message>
    <message>
        <source>it is a symbolic link to &apos;%1&apos;: choose that file itself, or another name</source>
        <translation>它是指向“%1”的符号链接：请选择该文件本身或另一个名称</translation>
    </message>
    <message>
        <source>it belongs to another user, and a new file would be yours</source>
        <translation>它属于另一个用户，新文件将归您所有</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 行第 %2 列</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1为空</translation>
    </message>
    <message>
        <source>%1: %2 is not a count</source>
        <translation>%1：%2 不是频数</translation>
    </message>
    <message>
        <source>%1: %2 is negative; counts are whole numbers from 0</source>
        <translation>%1：%2 为负；频数是从 0 开始的整数</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number; counts are whole numbers from 0</source>
        <translation>%1：%2 不是整数；频数是从 0 开始的整数</translation>
    </message>
    <message>
        <source>%1: %2 is above 1e15</source>
        <translation>%1：%2 大于 1e15</translation>
    </message>
    <message>
        <source>the table holds no counts</source>
        <translation>表中没有频数</translation>
    </message>
    <message>
        <source>the table holds no counts, only its header</source>
        <translation>表中没有频数，只有表头</translation>
    </message>
    <message>
        <source>row 1 holds no counts</source>
        <translation>第 1 行没有频数</translation>
    </message>
    <message>
        <source>row %1 has %2 counts where row 1 has %3</source>
        <translation>第 %1 行有 %2 个频数，而第 1 行有 %3 个</translation>
    </message>
    <message>
        <source>the header has %1 labels for %2 columns of counts</source>
        <translation>表头有 %1 个标签，而频数有 %2 列</translation>
    </message>
    <message>
        <source>expected proportions go with one row (or one column) of counts</source>
        <translation>期望比例只适用于一行（或一列）频数</translation>
    </message>
    <message>
        <source>expected item %1 %2 is not a number</source>
        <translation>期望项 %1 %2 不是数字</translation>
    </message>
    <message>
        <source>expected item %1 %2 is negative</source>
        <translation>期望项 %1 %2 为负</translation>
    </message>
    <message>
        <source>expected item %1 %2 is 0 where %3 were observed: no test can take that</source>
        <translation>期望项 %1 %2 为 0，但观察到 %3：没有检验能接受这种情况</translation>
    </message>
    <message>
        <source>a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit</source>
        <translation>表需要 2 行 2 列，或用于拟合的一行 2 个或更多频数</translation>
    </message>
    <message>
        <source>the counts add up to 0</source>
        <translation>频数之和为 0</translation>
    </message>
    <message>
        <source>row %1 adds up to 0: its expected counts would be 0</source>
        <translation>第 %1 行之和为 0：其期望频数将为 0</translation>
    </message>
    <message>
        <source>column %1 adds up to 0: its expected counts would be 0</source>
        <translation>第 %1 列之和为 0：其期望频数将为 0</translation>
    </message>
    <message>
        <source>the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text</source>
        <translation>该文本为 UTF-16 或根本不是文本：请另存为 CSV UTF-8 或纯文本</translation>
    </message>
    <message>
        <source>the table has more than %1 cells</source>
        <translation>该表的单元格超过 %1 个</translation>
    </message>
    <message>
        <source>give %1 expected proportions or counts, one per count, not %2</source>
        <translation>请给出 %1 个期望比例或频数，每个频数一个，而不是 %2 个</translation>
    </message>
    <message>
        <source>the first row and column were read as labels</source>
        <translation>第一行和第一列被读作标签</translation>
    </message>
    <message>
        <source>the first row was read as column labels</source>
        <translation>第一行被读作列标签</translation>
    </message>
    <message>
        <source>the first column was read as row labels</source>
        <translation>第一列被读作行标签</translation>
    </message>
    <message>
        <source>a paired table is square, the same categories twice (k x k); this one is %1 x %2</source>
        <translation>配对表必须是方阵，同一组类别出现两次（k x k）；此表为 %1 x %2</translation>
    </message>
    <message>
        <source>every pair of cells off the diagonal is empty: nothing to test</source>
        <translation>对角线外的每对单元格都为空：无可检验</translation>
    </message>
    <message>
        <source>no pair changed its category (both discordant cells are 0): nothing to test</source>
        <translation>没有一对改变类别（两个不一致单元格都为 0）：无可检验</translation>
    </message>
    <message>
        <source>--pairwise compares rows: this is one row of counts</source>
        <translation>--pairwise 比较行：这里只有一行频数</translation>
    </message>
    <message>
        <source>%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3</source>
        <translation>%1 个类别、%2 个估计参数不剩自由度（df = k - 1 - 估计数）：最多估计 %3 个</translation>
    </message>
    <message>
        <source>parameters estimated go with one row (or one column) of counts to fit</source>
        <translation>估计参数只用于拟合的一行（或一列）频数</translation>
    </message>
    <message>
        <source>the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total</source>
        <translation>期望值之和为 %1，既不是 1 也不是总数 %2：按比例读取并缩放到总数</translation>
    </message>
    <message>
        <source>expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15</source>
        <translation>期望值第 %1 项 %2 超出范围：应为 0，或在 1e-300 到 1e15 之间</translation>
    </message>
    <message>
        <source>--fit takes one row or column of frequencies, or two: the values and their frequencies</source>
        <translation>--fit 接受一行或一列频数，或两行：值及其频数</translation>
    </message>
    <message>
        <source>a model is fitted to three values or more: 0, 1, 2, ...</source>
        <translation>模型需拟合三个或更多值：0、1、2……</translation>
    </message>
    <message>
        <source>a model needs observations: every frequency is 0</source>
        <translation>模型需要观测：所有频数均为 0</translation>
    </message>
    <message>
        <source>a Poisson model needs a mean above 0: every value seen is 0</source>
        <translation>泊松模型需要大于 0 的均值：观测到的值全为 0</translation>
    </message>
    <message>
        <source>a binomial model needs trials: the largest value is its n</source>
        <translation>二项模型需要试验次数：最大值即其 n</translation>
    </message>
    <message>
        <source>Poisson mean = %1, estimated from the data (1 df off)</source>
        <translation>泊松均值 = %1，由数据估计（自由度减 1）</translation>
    </message>
    <message>
        <source>Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)</source>
        <translation>二项 p = %1（n = %2 次试验），由数据估计（自由度减 1）</translation>
    </message>
    <message>
        <source>; the values are 0 to %1 by position (no header of whole numbers)</source>
        <translation>；各值按位置为 0 至 %1（无整数表头）</translation>
    </message>
    <message>
        <source>; %1 values pooled into the ends, which expected fewer than 5</source>
        <translation>；%1 个值并入期望频数不足 5 的两端</translation>
    </message>
    <message>
        <source>the expected items add up to 1: read as proportions</source>
        <translation>期望项之和为 1：按比例读取</translation>
    </message>
    <message>
        <source>the expected items add up to the total %1: read as expected counts</source>
        <translation>期望项之和等于总数 %1：按期望频数读取</translation>
    </message>
    <message>
        <source>the expected items leave fewer than 2 categories above 0: nothing to test</source>
        <translation>期望项中大于 0 的类别不足 2 个：无可检验</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Test a table - Tarvik</source>
        <translation>检验列联表 - Tarvik</translation>
    </message>
    <message>
        <source>Add &amp;row</source>
        <translation>添加行(&amp;R)</translation>
    </message>
    <message>
        <source>Remove ro&amp;w</source>
        <translation>删除行(&amp;W)</translation>
    </message>
    <message>
        <source>Add co&amp;lumn</source>
        <translation>添加列(&amp;L)</translation>
    </message>
    <message>
        <source>Remove col&amp;umn</source>
        <translation>删除列(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Open CSV…</source>
        <translation>打开 CSV(&amp;O)…</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>均等</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>Into the &amp;calculator</source>
        <translation>送入计算器(&amp;C)</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>复制结果(&amp;E)</translation>
    </message>
    <message>
        <source>Copy &amp;table</source>
        <translation>复制表格(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>另存为 CSV(&amp;S)…</translation>
    </message>
    <message>
        <source>Cou&amp;nts: type them, paste a block (Ctrl+V) or open a file</source>
        <translation>频数(&amp;N)：输入、粘贴一块数据 (Ctrl+V) 或打开文件</translation>
    </message>
    <message>
        <source>E&amp;xpected proportions or counts (one row)</source>
        <translation>期望比例或频数（一行）(&amp;X)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>频数</translation>
    </message>
    <message>
        <source>One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not</source>
        <translation>每个单元格一个频数；可用 Ctrl+V 从电子表格粘贴一块数据，首行首列可带标签也可不带</translation>
    </message>
    <message>
        <source>Expected proportions or counts</source>
        <translation>期望比例或频数</translation>
    </message>
    <message>
        <source>For one row of counts: proportions adding up to 1 or expected counts, apart by blanks or semicolons; empty for equal</source>
        <translation>用于一行频数：和为 1 的比例或期望频数，用空格或分号分隔；留空表示均等</translation>
    </message>
    <message>
        <source>Exact test progress</source>
        <translation>精确检验进度</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>单元格</translation>
    </message>
    <message>
        <source>Each cell&apos;s expected count, residuals and Bonferroni p; + or - by the sign of its adjusted residual, * where significant at 5 %</source>
        <translation>每个单元格的期望频数、残差和 Bonferroni p；按调整残差的符号标 + 或 -，在 5 % 水平显著处标 *</translation>
    </message>
    <message>
        <source>Sets the calculator&apos;s degrees of freedom and chi-square value</source>
        <translation>设置计算器的自由度和卡方值</translation>
    </message>
    <message>
        <source>Copies the counts as tab-separated cells</source>
        <translation>将频数复制为以制表符分隔的单元格</translation>
    </message>
    <message>
        <source>Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.</source>
        <translation>请输入或粘贴频数：2 × 2 或更大的表，或用于拟合的一行频数。</translation>
    </message>
    <message>
        <source>The calculator takes up to %1 degrees of freedom; this test has %2.</source>
        <translation>计算器最多接受 %1 个自由度；此检验有 %2 个。</translation>
    </message>
    <message>
        <source>The pasted block was not taken: %1</source>
        <translation>未接受粘贴的数据块：%1</translation>
    </message>
    <message>
        <source>The pasted block was not taken: a table has at most %1 rows and columns.</source>
        <translation>未接受粘贴的数据块：表最多有 %1 行和列。</translation>
    </message>
    <message>
        <source>Open a table of counts</source>
        <translation>打开频数表</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt)</source>
        <translation>表格 (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Column label</source>
        <translation>列标签</translation>
    </message>
    <message>
        <source>Row label</source>
        <translation>行标签</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: counting the tables with these margins…</source>
        <translation>Fisher 精确检验：正在计数具有这些边际的表…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many tables to count; drawing 100000 random tables…</source>
        <translation>Fisher 精确检验：表太多无法计数；正在抽取 100000 个随机表…</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact p = %1</source>
        <translation>Fisher 精确 p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random tables, seed %4)</source>
        <translation>Monte Carlo p = %1 ± %2（标准误；%3 个随机表，种子 %4）</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test: too many observations to count or draw; the chi-square&apos;s p stands</source>
        <translation>Fisher 精确检验：观察值太多，无法计数或抽样；以卡方检验的 p 为准</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test failed: %1</source>
        <translation>Fisher 精确检验失败：%1</translation>
    </message>
    <message>
        <source>Fisher&apos;s exact test cancelled</source>
        <translation>Fisher 精确检验已取消</translation>
    </message>
    <message>
        <source>; the exact count did not end within %1 s</source>
        <translation>；精确计数未在 %1 秒内完成</translation>
    </message>
    <message>
        <source>; the exact count needs more memory than it may take</source>
        <translation>；精确计数所需内存超出允许范围</translation>
    </message>
    <message>
        <source>%1 was not opened: a table has at most %2 rows and columns.</source>
        <translation>未打开 %1：表最多有 %2 行和列。</translation>
    </message>
    <message>
        <source>%1 was not opened: it is larger than 64 MiB.</source>
        <translation>未打开 %1：文件大于 64 MiB。</translation>
    </message>
    <message>
        <source>The calculator takes values up to %1; this statistic is %2.</source>
        <translation>计算器接受的值至多为 %1；此统计量为 %2。</translation>
    </message>
    <message>
        <source>Pasted as the whole table, %1 × %2; Ctrl+Z takes it back.</source>
        <translation>已作为整个表粘贴，%1 × %2；Ctrl+Z 可撤销。</translation>
    </message>
    <message>
        <source>Pasted %1 × %2 cells from row %3, column %4 on; Ctrl+Z takes them back.</source>
        <translation>已从第 %3 行第 %4 列起粘贴 %1 × %2 个单元格；Ctrl+Z 可撤销。</translation>
    </message>
    <message>
        <source>A table keeps at least one row and one column.</source>
        <translation>表至少保留一行和一列。</translation>
    </message>
    <message>
        <source>%1 was not opened: it is not a regular file.</source>
        <translation>%1 未打开：它不是普通文件。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 未打开：%2</translation>
    </message>
    <message>
        <source>Mark: + or - by the sign of the adjusted residual, * where significant at 5 % (Bonferroni)</source>
        <translation>标记：按调整残差的符号记 + 或 -，在 5 % 水平显著处记 *（Bonferroni）</translation>
    </message>
    <message>
        <source>&amp;Paired: the same subjects twice</source>
        <translation>配对：同一对象两次(&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies the test as one sentence of a results section</source>
        <translation>Ctrl+Shift+C 将检验复制为结果部分的一句话</translation>
    </message>
    <message>
        <source>estimated</source>
        <translation>估计参数</translation>
    </message>
    <message>
        <source>Parameters estimated from the data</source>
        <translation>由数据估计的参数</translation>
    </message>
    <message>
        <source>Parameters of the expected counts estimated from the data: each takes a degree of freedom</source>
        <translation>由数据估计的期望频数参数：每个占用一个自由度</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>正在打开 %1…</translation>
    </message>
    <message>
        <source>Swap rows an&amp;d columns</source>
        <translation>交换行列(&amp;D)</translation>
    </message>
    <message>
        <source>Swap rows and columns</source>
        <translation>交换行列</translation>
    </message>
    <message>
        <source>Reverse the rows</source>
        <translation>颠倒行的顺序</translation>
    </message>
    <message>
        <source>Reverse the columns</source>
        <translation>颠倒列的顺序</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Save results and cells as</source>
        <translation>将结果和单元格另存为</translation>
    </message>
    <message>
        <source>Letters: in a row, columns that share a letter do not differ in their column % (z-tests at 5 %, Bonferroni)</source>
        <translation>字母：同一行中共享一个字母的列，其列百分比无差异（5 % 水平的 z 检验，Bonferroni）</translation>
    </message>
    <message>
        <source>&amp;Mosaic…</source>
        <translation>马赛克图(&amp;M)…</translation>
    </message>
    <message>
        <source>Saves the results and every cell&apos;s expected count and residuals as a CSV file</source>
        <translation>将结果以及每个单元格的期望频数和残差保存为 CSV 文件</translation>
    </message>
    <message>
        <source>Shows the table as a mosaic shaded by the adjusted residuals</source>
        <translation>以按调整残差着色的马赛克图显示表格</translation>
    </message>
    <message>
        <source>Exact multinomial test: counting the outcomes…</source>
        <translation>精确多项式检验：正在计数各结果…</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many outcomes to count; drawing 100000 random outcomes…</source>
        <translation>精确多项式检验：结果太多无法计数；正在抽取 100000 个随机结果…</translation>
    </message>
    <message>
        <source>Exact multinomial p = %1</source>
        <translation>精确多项式检验 p = %1</translation>
    </message>
    <message>
        <source>Monte Carlo p = %1 ± %2 (standard error; %3 random outcomes, seed %4)</source>
        <translation>蒙特卡罗 p = %1 ± %2（标准误；%3 个随机结果，种子 %4）</translation>
    </message>
    <message>
        <source>Exact multinomial test cancelled</source>
        <translation>精确多项式检验已取消</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>按给定</translation>
    </message>
    <message>
        <source>Poisson, mean from the data</source>
        <translation>泊松，均值取自数据</translation>
    </message>
    <message>
        <source>binomial, p from the data</source>
        <translation>二项，p 取自数据</translation>
    </message>
    <message>
        <source>Expected counts from a model</source>
        <translation>来自模型的期望频数</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>模型(&amp;F)</translation>
    </message>
    <message>
        <source>Exact multinomial test: too many categories to count or draw; the chi-square&apos;s p stands</source>
        <translation>精确多项式检验：类别太多，无法计数或抽取；以卡方检验的 p 为准</translation>
    </message>
</context>
<context>
    <name>VarianceWindow</name>
    <message>
        <source>One variance - Tarvik</source>
        <translation>单个方差 - Tarvik</translation>
    </message>
    <message>
        <source>Sample variance s²</source>
        <translation>样本方差 s²</translation>
    </message>
    <message>
        <source>Sample standard deviation s</source>
        <translation>样本标准差 s</translation>
    </message>
    <message>
        <source>What the sample gives</source>
        <translation>样本给出的量</translation>
    </message>
    <message>
        <source>none: no test</source>
        <translation>留空：不检验</translation>
    </message>
    <message>
        <source>The chi-square density with the interval&apos;s cut-offs</source>
        <translation>带区间分界点的卡方密度</translation>
    </message>
    <message>
        <source>Copy r&amp;esults</source>
        <translation>复制结果(&amp;E)</translation>
    </message>
    <message>
        <source>Copy c&amp;hart</source>
        <translation>复制图表(&amp;H)</translation>
    </message>
    <message>
        <source>Sample si&amp;ze n</source>
        <translation>样本量 n(&amp;Z)</translation>
    </message>
    <message>
        <source>Confidence &amp;level</source>
        <translation>置信水平(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Test against σ₀²</source>
        <translation>检验 σ₀²(&amp;T)</translation>
    </message>
    <message>
        <source>Shaded: the tails beyond the two cut-offs, each (1 − level) / 2; dotted: the test&apos;s statistic</source>
        <translation>阴影：两个分界点之外的尾部，各为 (1 − 水平) / 2；虚线：检验统计量</translation>
    </message>
    <message>
        <source>%1 is a number above 0.</source>
        <translation>%1 是大于 0 的数。</translation>
    </message>
    <message>
        <source>The confidence level is a number between 0 and 1.</source>
        <translation>置信水平是 0 到 1 之间的数。</translation>
    </message>
    <message>
        <source>σ₀² to test against is a number above 0, or empty.</source>
        <translation>用于检验的 σ₀² 是大于 0 的数，或留空。</translation>
    </message>
    <message>
        <source>df = %1, s² = %2</source>
        <translation>自由度 = %1，s² = %2</translation>
    </message>
    <message>
        <source>%1 % interval for σ²: %2 to %3</source>
        <translation>σ² 的 %1 % 区间：%2 至 %3</translation>
    </message>
    <message>
        <source>%1 % interval for σ: %2 to %3</source>
        <translation>σ 的 %1 % 区间：%2 至 %3</translation>
    </message>
    <message>
        <source>χ² = (n − 1) s² / σ₀² = %1</source>
        <translation>χ² = (n − 1) s² / σ₀² = %1</translation>
    </message>
    <message>
        <source>p = %1 (σ² below σ₀²), %2 (above); two-sided %3</source>
        <translation>p = %1（σ² 低于 σ₀²），%2（高于）；双侧 %3</translation>
    </message>
</context>
</TS>
