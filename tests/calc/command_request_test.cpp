// The command line read strictly and answered: every refusal with its one
// line, the batch rules, and the forms of the answer.
#include "calc/answer_batches.h"
#include "calc/command_request.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calc/command_line_error.h"

namespace tarvik {
namespace {

using Args = std::vector<std::string>;

std::string Refusal(const Args& args, const std::string& input = "") {
    try {
        CommandRequest r = ReadCommandLine(args);
        if (r.givenOnInput) {
            ReadGivenLines(r, input);
            CheckCounts(r);
        }
    } catch (const CommandLineError& e) {
        return e.message;
    }
    return "(taken)";
}

std::string Answer(const Args& args, const std::string& input = "") {
    CommandRequest r = ReadCommandLine(args);
    if (r.givenOnInput) ReadGivenLines(r, input);
    return AnswerText(r);
}

TEST(CommandRequest, EveryBadArgumentIsRefusedWithItsReason) {
    const std::string huge(130000, '9');
    struct Case {
        Args args;
        const char* message;  // the start of the one line
        const char* why;
    } cases[] = {
        {{"--dff", "12"}, "unknown option '--dff'", "a misspelled option opens no window"},
        {{"-x"}, "unknown option '-x'", "an unknown short option"},
        {{"--df", "4", "--value", "1", "extra"}, "unexpected argument 'extra'", "a stray argument"},
        {{"--df", "4", "--df", "5", "--value", "1"}, "--df is given twice", "no silent last value"},
        {{"--df", "4", "--value", "1", "--value=2"}, "--value is given twice", "twice, once with '='"},
        {{"--df", "4", "--value"}, "--value needs a value", "a value missing at the end"},
        {{"--df", "4", "--between", "1"}, "--between needs two values", "a pair cut short"},
        {{"--df", "4", "--table=1", "--upper", "0.05"}, "--table takes no value", "a flag with a value"},
        {{"--df", "4"}, "give one of --value, --cdf, --upper, --two-sided and --between", "nothing asked"},
        {{"--df", "4", "--value", "1", "--cdf", "0.5"}, "give one of", "two questions"},
        {{"--value", "1"}, "--df is required", "no df"},
        {{"--df", "0", "--value", "1"}, "--df '0' is out of range: whole numbers from 1 to 65535", "df below 1"},
        {{"--df", "65536", "--value", "1"}, "--df '65536' is out of range", "df above 65535"},
        {{"--df", "2.5", "--value", "1"}, "--df '2.5' is out of range: whole numbers", "df not whole"},
        {{"--df", "1e4000", "--value", "1"}, "--df '1e4000' is out of range", "beyond any Real: out of range"},
        {{"--df", "4", "--value", "1e999999999999999999999999999999"},
         "--value '1e999999999999999999999999999999' is out of range: from 0 to 1e6", "a 30-digit exponent"},
        {{"--df", "4", "--value", "1000001"}, "--value '1000001' is out of range: from 0 to 1e6", "value above 1e6"},
        {{"--df", "4", "--value", "-1e-30"}, "--value '-1e-30' is out of range", "a negative value"},
        {{"--df", "4", "--value", "x1"}, "--value 'x1' is not a number", "not a number"},
        {{"--df", "4", "--value", huge}, "--value '99999999", "a 130 KB number"},
        {{"--df", "4", "--cdf", "1"}, "--cdf '1' is out of range: from 1e-300 to 1 - 1e-300", "a probability of 1"},
        {{"--df", "4", "--upper", "1e-301"}, "--upper '1e-301' is out of range", "below 1e-300"},
        {{"--df", "4", "--upper", "1e-4000"}, "--upper '1e-4000' is out of range", "below any Real"},
        {{"--df", "4", "--cdf", "-0.1"}, "--cdf '-0.1' is out of range", "below 0"},
        {{"--df", "4", "--two-sided", "1.000000000000000000000000001"}, "--two-sided '1.000000000000000000000000001' is out of range",
         "just above 1, read as the Real 1"},
        {{"--df", "1", "--value", "1e-4940"}, "--value '1e-4940' is out of range: from 0 to 1e6, and 0 or at least 3.36e-4932",
         "below the smallest normal Real: refused, not read as 0"},
        {{"--df", "1", "--ncp", "1e-4940", "--value", "1"}, "--ncp '1e-4940' is out of range", "a noncentrality as well"},
        {{"--df", "1,2,x", "--value", "1"}, "--df item 3 'x' is not a number", "an item of a list named"},
        {{"--df", "1", "--upper", "0.1,0.05,2"}, "--upper item 3 '2' is out of range", "an item out of range"},
        {{"--df", "0..3", "--value", "1"}, "--df item 1 '0' is out of range", "a range's items are checked"},
        {{"--df", "10..1", "--value", "1"}, "--df range '10..1' runs backwards", "a range backwards"},
        {{"--df", "1..65535", "--value", "0..100:0.001"}, "asks for more than 1000000 results", "too many"},
        {{"--df", "4", "--value", "1", "--table"}, "--table takes --cdf, --upper or --two-sided", "a table of values"},
        {{"--df", "4", "--between", "5", "2"}, "--between needs A <= B", "a pair backwards"},
        {{"--df", "4", "--between", "-1", "2"}, "--between A '-1' is out of range", "a bound out of range"},
        {{"--df", "4", "--two-sided", "1.5"}, "--two-sided '1.5' is out of range", "alpha above 1"},
        {{"--df", "4", "--value", "1", "--precision", "0"}, "--precision '0' is out of range: whole numbers from 1 to 21",
         "no digits"},
        {{"--df", "4", "--value", "1", "--numbers", "fixed"},
         "--numbers 'fixed' is not decimals, significant or scientific", "an unknown style"},
        {{"--df", "4", "--value", "1", "--format", "xml"}, "--format 'xml' is not text, csv, tsv or markdown",
         "an unknown form"},
        {{"--df", "4", "--value", "1", "--export-chart", "c.jpg"}, "--export-chart 'c.jpg' needs a name ending in .png or .svg",
         "an unknown picture format"},
        {{"--df", "4", "--value", "1,2", "--export-chart", "c.png"}, "--export-chart draws one result", "a chart of two"},
        {{"--df", "4", "--two-sided", "0.05", "--export-chart", "c.png"}, "--export-chart draws one result of",
         "a chart of a pair"},
        {{"--df", "4", "--value", "1", "--export-chart", "c.png", "--size", "100x300"},
         "--size width '100' is out of range: whole numbers from 120 to 4000", "a chart too small"},
        {{"--df", "4", "--value", "1", "--export-chart", "c.png", "--size", "300"}, "--size '300' is not WIDTHxHEIGHT",
         "a size without its height"},
        {{"--df", "4", "--value", "1", "--export-chart", "c.png", "--scale", "5"}, "--scale '5' is out of range",
         "a scale beyond 4"},
        {{"--df", "4", "--value", "1", "--scale", "2"}, "--scale needs --export-chart", "a scale for no chart"},
        {{"--df", "4", "--value", "1", "--output", ""}, "--output needs a file name", "an empty file name"},
    };
    for (const auto& c : cases) {
        const std::string message = Refusal(c.args);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << c.why << ": " << message;
        EXPECT_LE(message.size(), 160u) << c.why;  // one short line, whatever the argument
        EXPECT_EQ(message.find('\n'), std::string::npos) << c.why;
    }
}

TEST(CommandRequest, StandardInputIsCheckedLineByLine) {
    struct Case {
        Args args;
        const char* input;
        const char* message;
    } cases[] = {
        {{"--df", "1", "--value", "-"}, "3.84\n\n  6.63  \r\nabc\n", "standard input line 4 'abc' is not a number"},
        {{"--df", "1", "--upper", "-"}, "0.05\n1.5\n", "standard input line 2 '1.5' is out of range"},
        {{"--df", "1", "--value", "-"}, "\n \n", "standard input gives no number for --value"},
        {{"--df", "1,2", "--value", "-", "--export-chart", "c.svg"}, "1\n", "--export-chart draws one result"},
        {{"--df", "1", "--value", "-", "--export-chart", "c.svg"}, "1\n2\n", "--export-chart draws one result"},
    };
    for (const auto& c : cases) {
        const std::string message = Refusal(c.args, c.input);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
    }
    // Blank lines are skipped, blanks and a carriage return trimmed.
    EXPECT_EQ(Answer({"--df", "1", "--value", "-", "--format", "csv"}, "3.84\n\n  6.63  \r\n"),
              "df,x,P(X<=x),P(X>x),f(x)\n1,3.840000,0.949956,0.050044,0.029847\n1,6.630000,0.989972,0.010028,0.005629\n");
}

// The examples of the help text, as they print.
TEST(CommandRequest, AnswersInEachForm) {
    struct Case {
        Args args;
        const char* text;
        const char* why;
    } cases[] = {
        {{"--df", "12", "--value", "23.5"},
         "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362\n", "the p-value of 23.5 at df 12"},
        {{"--df", "10", "--upper", "0.05"},
         "df=10  x=18.307038  P(X<=x)=0.950000  P(X>x)=0.050000  f(x)=0.015481\n", "a critical value"},
        {{"--df", "10", "--cdf", "0.95", "--precision", "9"},
         "df=10  x=18.3070381  P(X<=x)=0.95  P(X>x)=0.05  f(x)=0.0154806187\n", "--precision alone: significant"},
        {{"--df", "1", "--value", "40", "--numbers", "scientific", "--precision", "3"},
         "df=1  x=4.00e+01  P(X<=x)=1.00e+00  P(X>x)=2.54e-10  f(x)=1.30e-10\n", "scientific"},
        {{"--df", "1", "--value", "40", "--numbers", "decimals", "--precision", "12"},
         "df=1  x=40.000000000000  P(X<=x)=0.999999999746  P(X>x)=0.000000000254  f(x)=0.000000000130\n",
         "twelve decimals"},
        {{"--df", "1", "--upper", "0.000001", "--precision", "19"},
         "df=1  x=23.92812697693482885  P(X<=x)=0.999999  P(X>x)=1e-06  f(x)=5.194323087631755455e-07\n",
         "the tail as typed, its complement exact"},
        {{"--df", "4", "--upper", "0.99999999999999999999999999999999999999999999999999", "--precision", "5"},
         "df=4  x=2.8284e-25  P(X<=x)=1e-50  P(X>x)=1  f(x)=7.0711e-26\n",
         "an upper tail 1e-50 below 1, though it reads as 1: x = sqrt(8 p) there"},
        {{"--df", "1", "--value", "0"}, "df=1  x=0.000000  P(X<=x)=0.000000  P(X>x)=1.000000  f(x)=inf\n",
         "unbounded at 0"},
        {{"--df", "10", "--two-sided", "0.05"}, "df=10  alpha=0.05  lower=3.246973  upper=20.483177\n",
         "both critical values, each cutting 0.025"},
        {{"--df", "10", "--between", "3.246973", "20.483177"}, "df=10  a=3.246973  b=20.483177  P(a<X<=b)=0.950000\n",
         "the interval between them"},
        {{"--df", "1..2", "--upper", "0.1,0.05", "--table"},
         "Upper-tail critical values: x with P(X>x) = p\n"
         "df       0.1      0.05\n"
         " 1  2.705543  3.841459\n"
         " 2  4.605170  5.991465\n",
         "a table aligned for a terminal"},
        {{"--df", "1..2", "--cdf", "0.05", "--table", "--format", "markdown"},
         "| df | 0.05 |\n|---:|---:|\n| 1 | 0.003932 |\n| 2 | 0.102587 |\n", "lower tails in markdown"},
        {{"--df", "10", "--two-sided", "0.05", "--table", "--format", "tsv"},
         "df\t0.05 lower\t0.05 upper\n10\t3.246973\t20.483177\n", "a two-sided table, tab-separated"},
        {{"--df", "3,1", "--value", "1", "--format", "csv"},
         "df,x,P(X<=x),P(X>x),f(x)\n3,1.000000,0.198748,0.801252,0.241971\n1,1.000000,0.682689,0.317311,0.241971\n",
         "results as csv, in the order given"},
    };
    for (const auto& c : cases) EXPECT_EQ(Answer(c.args), c.text) << c.why;
}

// --df 1..100 with five probabilities: one line per combination, df first.
TEST(CommandRequest, EveryCombinationInOrder) {
    const std::string text = Answer({"--df", "1..100", "--upper", "0.10,0.05,0.025,0.01,0.005"});
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    const char* tails[] = {"0.100000", "0.050000", "0.025000", "0.010000", "0.005000"};
    while (std::getline(lines, line)) {
        const int df = count / 5 + 1;
        EXPECT_EQ(line.rfind("df=" + std::to_string(df) + "  x=", 0), 0u) << line;
        EXPECT_NE(line.find(std::string("P(X>x)=") + tails[count % 5]), std::string::npos) << line;
        ++count;
    }
    EXPECT_EQ(count, 500);
}

TEST(CommandRequest, HelpAndVersion) {
    EXPECT_EQ(ReadCommandLine({"--help"}).action, CommandAction::Help);
    EXPECT_EQ(ReadCommandLine({"-h"}).action, CommandAction::Help);
    EXPECT_EQ(ReadCommandLine({"--version"}).action, CommandAction::Version);
    // Every option, with an example of each kind.
    for (const char* shown : {"--df", "--value", "--cdf", "--upper", "--two-sided", "--between", "--table", "--numbers",
                              "--precision", "--format", "--output", "--export-chart", "--size", "--scale",
                              "--df 1..100 --upper 0.10,0.05", "--value -", "--two-sided 0.05", "--between 3.246973"})
        EXPECT_NE(CommandLineHelp().find(shown), std::string::npos) << shown;
}

}  // namespace
}  // namespace tarvik
