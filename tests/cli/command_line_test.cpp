// The command line as a script runs it: exit codes, nothing printed on a
// refusal, standard input, the output file and the chart file written whole
// or not at all, file names taken as bytes.
#include "cli/command_line.h"

#include "calc/command_line_answer.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

namespace tarvik {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Tarvik(const std::vector<std::string>& args, const std::string& input = "", DecimalMark mark = DecimalMark::Point) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = RunCommandLine(args, in, out, err, mark);
    return {code, out.str(), err.str()};
}

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A stream whose every write fails, as standard output on a full disk.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CommandLine, ExitCodesAndStreams) {
    const CliRun ok = Tarvik({"--df", "12", "--value", "23.5"});
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.out, "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362\n");
    EXPECT_EQ(ok.err, "");  // nothing on standard error on success

    // A bad line 9,000 of a batch: one line naming it, nothing printed.
    std::string input;
    for (int i = 1; i <= 10000; ++i) input += i == 9000 ? "0,5\n" : std::to_string(i % 50) + ".5\n";
    const CliRun bad = Tarvik({"--df", "3", "--value", "-"}, input);
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "tarvik: standard input line 9000 '0,5' is not a number\n");
    input.replace(input.find("0,5"), 3, "0.5");
    const CliRun batch = Tarvik({"--df", "3", "--value", "-"}, input);
    EXPECT_EQ(batch.code, 0);
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 10000);

    // A comma desktop's numbers, on the command line and standard input;
    // what is printed keeps the point.
    const DecimalMark comma = DecimalMark::Comma;
    EXPECT_EQ(Tarvik({"--df", "12", "--value", "23,5"}, "", comma).out, ok.out);
    EXPECT_EQ(Tarvik({"--df", "12", "--value", "-"}, "23,5\n", comma).out, ok.out);
    EXPECT_EQ(Tarvik({"--df", "12", "--upper", "0,023769"}, "", comma).out,
              Tarvik({"--df", "12", "--upper", "0.023769"}).out);
    EXPECT_EQ(Tarvik({"--df", "10", "--between", "3,246973", "20,483177"}, "", comma).out,
              Tarvik({"--df", "10", "--between", "3.246973", "20.483177"}).out);
    EXPECT_EQ(Tarvik({"--counts", "-", "--expected", "0,5;0,5"}, "3,5\n", comma).out,
              Tarvik({"--counts", "-", "--expected", "0.5,0.5"}, "3,5\n").out);

    // Several dfs over standard input: df first, as for a list.
    EXPECT_EQ(Tarvik({"--df", "1,2", "--value", "-", "--format", "csv"}, "1\n2\n").out,
              Tarvik({"--df", "1,2", "--value", "1,2", "--format", "csv"}).out);
    // Standard input is bounded while it is read: an endless line, or a
    // number past the million, ends it with nothing printed.
    for (const auto& [input, message] : {
             std::pair{std::string(5000, '1') + "\n", "tarvik: standard input line 1 is longer than 4096 bytes\n"},
             std::pair{std::string(2000002, '\n').replace(0, 2, "1\n") + [] {
                           std::string many;
                           for (int i = 0; i < 1000000; ++i) many += "2\n";
                           return many;
                       }(),
                       "tarvik: standard input gives more than 1000000 numbers\n"}}) {
        const CliRun refused = Tarvik({"--df", "3", "--value", "-"}, input);
        EXPECT_EQ(refused.code, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, message);
    }

    const CliRun help = Tarvik({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--two-sided"), std::string::npos);
    EXPECT_EQ(Tarvik({"--version"}).out, std::string("tarvik ") + TARVIK_VERSION + "\n");

    const CliRun unknown = Tarvik({"--dff", "12"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, "tarvik: unknown option '--dff'\n");

    FailingBuffer full;
    std::ostream fullOut(&full);
    std::istringstream none;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"--df", "1", "--value", "1"}, none, fullOut, err, DecimalMark::Point), 1);
    EXPECT_EQ(err.str(), "tarvik: cannot write the results to standard output\n");
}

// --counts reads its table from a file or standard input; a file that
// cannot be read is bad input (exit 2), named with the system's reason.
// A fit given its proportions gets the exact multinomial p (0.36983016...
// by an exact rational count of all 1330 outcomes); a fit with estimated
// parameters does not, since the exact test takes them as known.
TEST(CommandLine, AFitGetsItsExactMultinomialP) {
    const std::string given = Tarvik({"--counts", "-", "--expected", "0.4,0.1,0.3,0.2"}, "10,2,5,1\n").out;
    EXPECT_NE(given.find("exact_p=0.369830"), std::string::npos) << given;
    const std::string estimated = Tarvik({"--counts", "-", "--estimated", "1"}, "10,2,5,1\n").out;
    EXPECT_EQ(estimated.find("exact_p"), std::string::npos) << estimated;
    // A Poisson model fitted to the values and their frequencies (horse
    // kicks: mean 0.61, 2 to 4 pooled); a model that is none is refused.
    const CliRun kicks = Tarvik({"--counts", "-", "--fit", "poisson"}, "0,1,2,3,4\n109,65,22,3,1\n");
    EXPECT_EQ(kicks.out.substr(0, kicks.out.find("  G2")), "mean=0.610000  chi2=0.062784  df=1  p=0.802149") << kicks.out;
    EXPECT_NE(kicks.out.find("\u22652"), std::string::npos) << kicks.out;
    const CliRun normal = Tarvik({"--counts", "-", "--fit", "normal"}, "1,2,3\n");
    EXPECT_EQ(normal.err, "tarvik: --fit 'normal' is not poisson or binomial\n");
}

TEST(CommandLine, CountsFromAFileOrStandardInput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("table.tsv");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\tA\tB\nyes\t12\t5\nno\t3\t9\n");
    }
    const CliRun fromFile = Tarvik({"--counts", Bytes(path), "--numbers", "significant", "--precision", "4"});
    EXPECT_EQ(fromFile.code, 0) << fromFile.err;
    // The record (R's chisq.test: 5.8555, 4.1712 and 0.04111 with Yates';
    // fisher.test 0.02533, its odds ratio 6.654 from 1.076 to 55.71, its
    // one-sided p 0.9979 and 0.01968; the odds ratio 108/15 and the risk
    // ratio (12/17)/(3/12) by hand), then the cells.
    EXPECT_EQ(fromFile.out.substr(0, fromFile.out.find('\n')),
              "chi2=5.855  df=1  p=0.01553  G2=6.075  p_G2=0.01371  V=0.4493  V_adj=0.4151  V_low=0.07789  "
              "V_high=0.8133  w=0.4493  w_low=0.07789  w_high=0.8133  yates_chi2=4.171  p_yates=0.04111  "
              "fisher_p=0.02533  OR=7.2  OR_low=1.353  OR_high=38.33  OR_mle=6.654  OR_mle_low=1.076  OR_mle_high=55.71  "
              "fisher_p_less=0.9979  fisher_p_greater=0.01968  fisher_mid_p=0.01655  RR=2.824  RR_low=1.011  "
              "RR_high=7.884  RD=0.4559  RD_low=0.08715  RD_high=0.6838  small_expected=0/4");
    EXPECT_NE(fromFile.out.find("yes       A        12   70.6      80.0        a     41.4     8.793"), std::string::npos) << fromFile.out;
    EXPECT_EQ(fromFile.err, "tarvik: --counts '" + Bytes(path) + "': the first row and column were read as labels\n");
    const CliRun fromInput = Tarvik({"--counts", "-", "--numbers", "significant", "--precision", "4"}, ";A;B\nyes;12;5\nno;3;9\n");
    EXPECT_EQ(fromInput.out, fromFile.out);

    // Past --exact-seconds the Monte Carlo p stands in, said on standard
    // error; a seed given draws the same tables again.
    const char* threeByFour = "20,15,25,10\n30,25,10,20\n10,20,30,40\n";
    const CliRun late = Tarvik({"--counts", "-", "--exact-seconds", "0", "--seed", "7"}, threeByFour);
    EXPECT_EQ(late.code, 0);
    EXPECT_EQ(late.err, "tarvik: Fisher's exact test did not end within 0 s (--exact-seconds); fisher_p_mc is a Monte "
                        "Carlo p from 100000 random tables\n");
    EXPECT_NE(late.out.find("fisher_p_mc=0.000010  fisher_se=0.000010  fisher_seed=7"), std::string::npos) << late.out;
    EXPECT_EQ(late.out, Tarvik({"--counts", "-", "--exact-seconds", "0", "--seed", "7"}, threeByFour).out);
    const CliRun inTime = Tarvik({"--counts", "-"}, threeByFour);
    EXPECT_EQ(inTime.err, "");
    EXPECT_NE(inTime.out.find("fisher_p=0.000001"), std::string::npos) << inTime.out;  // R: 9.4307815784e-07

    const CliRun missing = Tarvik({"--counts", Bytes(dir.filePath("none.csv"))});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("cannot be read"), std::string::npos) << missing.err;
    const CliRun folder = Tarvik({"--counts", Bytes(dir.path())});
    EXPECT_EQ(folder.code, 2) << folder.err;
    // Standard input past 64 MiB is refused, not read on nor answered cut.
    std::string endless;
    while (endless.size() <= (64u << 20)) endless += "1,2,3\n";
    const CliRun tooLong = Tarvik({"--counts", "-"}, endless);
    EXPECT_EQ(tooLong.code, 2);
    EXPECT_EQ(tooLong.err, "tarvik: --counts '-' is larger than 64 MiB\n");
    const CliRun badCell = Tarvik({"--counts", "-"}, "1,2\n3,x\n");
    EXPECT_EQ(badCell.code, 2);
    EXPECT_EQ(badCell.err, "tarvik: --counts '-': row 2, column 2: 'x' is not a count\n");
}

TEST(CommandLine, OutputFileWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString table = dir.filePath("table.csv");
    const CliRun written =
        Tarvik({"--df", "1..3", "--upper", "0.05", "--table", "--format", "csv", "--output", Bytes(table)});
    EXPECT_EQ(written.code, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(Contents(table), "df,0.05\n1,3.841459\n2,5.991465\n3,7.814728\n");

    // A bad batch writes no file at all.
    const QString never = dir.filePath("never.csv");
    EXPECT_EQ(Tarvik({"--df", "1,x", "--value", "1", "--output", Bytes(never)}).code, 2);
    EXPECT_FALSE(QFile::exists(never));

    struct Case {
        QString path;
        const char* reason;
        const char* why;
    } cases[] = {
        {dir.filePath("no/such/folder/t.csv"), "", "a missing folder"},
        {dir.path(), "it is a folder", "a folder's name"},
        {"/dev/null", "it is not a regular file", "a device is never replaced"},
    };
    for (const auto& c : cases) {
        const CliRun failed = Tarvik({"--df", "1", "--value", "1", "--output", Bytes(c.path)});
        EXPECT_EQ(failed.code, 1) << c.why;
        EXPECT_EQ(failed.out, "") << c.why;
        EXPECT_EQ(failed.err.rfind("tarvik: Cannot save the results to '" + c.path.toStdString() + "': ", 0), 0u)
            << failed.err;
        EXPECT_NE(failed.err.find(c.reason), std::string::npos) << failed.err;
    }

    // A read-only file is refused, and keeps its bytes and its mode.
    const QString readOnly = dir.filePath("kept.csv");
    QFile f(readOnly);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("mine\n");
    f.close();
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // Refused by its mode, for root too (who may write anything).
    const CliRun refused = Tarvik({"--df", "1", "--value", "1", "--output", Bytes(readOnly)});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("the file is read-only"), std::string::npos) << refused.err;
    EXPECT_EQ(Contents(readOnly), "mine\n");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(readOnly).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST(CommandLine, ChartFiles) {
    QTemporaryDir dir;
    struct Case {
        std::vector<std::string> extra;
        QSize size;  // of the picture: the chart and its title line
        const char* why;
    } cases[] = {
        {{}, QSize(275, 260), "today's size by default"},
        {{"--size", "550x480"}, QSize(550, 520), "a larger chart: its title line grows with it, twice as high"},
        {{"--size", "550x480", "--scale", "2"}, QSize(1100, 1040), "at twice the resolution"},
        {{"--size", "550x480", "--background", "white"}, QSize(550, 520), "on white"},
    };
    for (const auto& c : cases) {
        const QString png = dir.filePath("c.png");
        std::vector<std::string> args{"--df", "12", "--value", "23.5", "--export-chart", Bytes(png)};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun r = Tarvik(args);
        EXPECT_EQ(r.code, 0) << c.why << r.err;
        EXPECT_EQ(r.err, "") << c.why;
        EXPECT_EQ(QImage(png).size(), c.size) << c.why;
    }
    // On white: the corner that the gradient makes teal.
    EXPECT_EQ(QImage(dir.filePath("c.png")).pixelColor(2, 60), QColor(Qt::white));
    EXPECT_EQ(Tarvik({"--df", "12", "--value", "1", "--background", "white"}).code, 2);  // only with a chart
    EXPECT_EQ(Tarvik({"--df", "12", "--value", "1", "--export-chart", Bytes(dir.filePath("b.png")), "--background",
                      "blue"}).code, 2);
    const QString svg = dir.filePath("c.svg");
    EXPECT_EQ(Tarvik({"--df", "12", "--value", "23.5", "--export-chart", Bytes(svg)}).code, 0);
    EXPECT_TRUE(Contents(svg).startsWith("<?xml"));
    EXPECT_TRUE(Contents(svg).trimmed().endsWith("</svg>"));

    // A chart for a paper: at 1600 x 1000 its labels are few and large. The
    // window's 8 points (10 pixels) grow by min(1600/275, 1000/240) to 42.
    const QString big = dir.filePath("big.svg");
    ASSERT_EQ(Tarvik({"--df", "12", "--value", "23.5", "--export-chart", Bytes(big), "--size", "1600x1000"}).code, 0);
    const QString text = Contents(big);
    const QRegularExpression label("<text [^>]*font-size=\"([0-9.]+)\"[^>]*>([^<]*)</text>");
    QStringList labels;
    for (auto m = label.globalMatch(text); m.hasNext();) {
        const auto found = m.next();
        if (found.captured(2).startsWith("df ")) continue;  // the title
        EXPECT_EQ(found.captured(1), "42") << found.captured(2).toStdString();
        labels << found.captured(2);
    }
    // Two axes of 4 to 10 distinct labels each (59 of them, 10 pixels high, before).
    EXPECT_GE(labels.size(), 8);
    EXPECT_LE(labels.size(), 20);
    EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(' ').toStdString();

    // A chart 180 pixels wide: the title, too long for one line even in
    // the smallest font, is broken between its items, every line inside
    // the picture, and the band above the chart grows by its lines (it ran
    // past the edge, the probabilities lost).
    const QString small = dir.filePath("small.svg");
    ASSERT_EQ(Tarvik({"--df", "980", "--value", "980", "--export-chart", Bytes(small), "--size", "180x150"}).code, 0);
    const QString smallText = Contents(small);
    const auto title = QRegularExpression("<title>([^<]*)</title>").match(smallText).captured(1);
    const auto heading =
        QRegularExpression("<text [^>]*font-family=\"([^\"]*)\" font-size=\"([0-9]+)\"[^>]*>((<tspan[^>]*>[^<]*</tspan>)+)</text>")
            .match(smallText);
    ASSERT_TRUE(heading.hasMatch()) << smallText.left(600).toStdString();
    QFont font(heading.captured(1));
    font.setPixelSize(heading.captured(2).toInt());
    QStringList lines;
    for (auto m = QRegularExpression("<tspan[^>]*>([^<]*)</tspan>").globalMatch(heading.captured(3)); m.hasNext();)
        lines << m.next().captured(1);
    EXPECT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join("   "), title);
    for (QString line : lines) {
        line.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(line), 180 - 2 * 4) << line.toStdString();
    }
    const QString smallPng = dir.filePath("small.png");
    ASSERT_EQ(Tarvik({"--df", "980", "--value", "980", "--export-chart", Bytes(smallPng), "--size", "180x150"}).code, 0);
    EXPECT_EQ(QImage(smallPng).height(), 150 + 20 + (lines.size() - 1) * QFontMetrics(font).lineSpacing());

    // Bad input writes no file; a file that cannot be written is exit 1.
    EXPECT_EQ(Tarvik({"--df", "70000", "--value", "1", "--export-chart", Bytes(dir.filePath("bad.png"))}).code, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.png")));
    const CliRun failed = Tarvik({"--df", "3", "--value", "1", "--export-chart", Bytes(dir.filePath("none/c.png"))});
    EXPECT_EQ(failed.code, 1);
    EXPECT_EQ(failed.out, "");  // the results are not printed either
    EXPECT_NE(failed.err.find("Cannot save the chart"), std::string::npos);
}

// A name is written under exactly the name given: one that is not UTF-8
// (which Qt would write under another name) is refused, and nothing written.
TEST(CommandLine, FileNamesAreNeverAltered) {
    QTemporaryDir dir;
    const std::string unicode = Bytes(dir.path()) + "/caf\xc3\xa9 \xe2\x80\x94 chart.svg";
    EXPECT_EQ(Tarvik({"--df", "4", "--value", "1", "--export-chart", unicode}).code, 0);
    struct stat st {};
    EXPECT_EQ(stat(unicode.c_str(), &st), 0);
    const std::string latin1 = Bytes(dir.path()) + "/caf\xe9-\xff.svg";
    const CliRun r = Tarvik({"--df", "4", "--value", "1", "--export-chart", latin1});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("is not valid UTF-8"), std::string::npos) << r.err;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// Without files, in memory, the command line prints what the desktop's
// does, byte for byte, status and both streams: what a front end with no
// files (the browser's page) shows. Files are refused there, by name.
TEST(CommandLine, InMemoryPrintsWhatTheDesktopPrints) {
    std::string manyValues;
    for (int i = 0; i < 20000; ++i) manyValues += std::to_string(i % 97) + ".25\n";
    const struct {
        std::vector<std::string> args;
        std::string input;
        DecimalMark mark;
        const char* why;
    } cases[] = {
        {{"--df", "12", "--value", "23.5"}, "", DecimalMark::Point, "one result"},
        {{"--df", "1..300", "--upper", "0.1,0.05,0.01", "--table", "--format", "csv"}, "", DecimalMark::Point,
         "a table of critical values, 300 rows"},
        {{"--df", "3", "--value", "-"}, manyValues, DecimalMark::Point, "standard input, batch by batch"},
        {{"--df", "2", "--value", "23,5;7,8"}, "", DecimalMark::Comma, "a comma desktop's list"},
        {{"--counts", "-"}, "20,15,25\n30,25,10\n", DecimalMark::Point, "a table on standard input"},
        {{"--counts", "-", "--format", "markdown"}, "\xEF\xBB\xBF;A;B\nx;3;1\ny;1;3\n", DecimalMark::Comma,
         "a spreadsheet's byte-order mark and labels; notes on standard error"},
        {{"--design", "mcnemar", "--p10", "0.25", "--p01", "0.1", "--alpha", "0.05", "--power", "0.8"}, "",
         DecimalMark::Point, "a design's power"},
        {{"--df", "0", "--value", "1"}, "", DecimalMark::Point, "bad input: status 2, one line"},
        {{"--df", "1", "--effect", "1", "--power", "0.5", "--n", "400000"}, "", DecimalMark::Point,
         "below the Real's range"},
        {{"--help"}, "", DecimalMark::Point, "the help"},
        {{"--version"}, "", DecimalMark::Point, "the version"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun desktop = Tarvik(c.args, c.input, c.mark);
        const CommandLineOutcome memory = RunCommandLineInMemory(c.args, c.input, c.mark);
        EXPECT_EQ(memory.status, desktop.code);
        EXPECT_EQ(memory.out, desktop.out);
        EXPECT_EQ(memory.err, desktop.err);
    }
    for (const auto& [args, option] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--df", "1", "--value", "1", "--output", "x.txt"}, "--output"},
             {{"--df", "1", "--value", "1", "--export-chart", "x.svg"}, "--export-chart"},
             {{"--counts", "table.csv"}, "--counts"}}) {
        const CommandLineOutcome refused = RunCommandLineInMemory(args, "", DecimalMark::Point);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "tarvik: " + option + " reads or writes a file, and there are no files here\n");
    }
}

}  // namespace
}  // namespace tarvik
