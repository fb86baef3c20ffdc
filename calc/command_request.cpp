#include "calc/command_request.h"

#include <limits>
#include <map>
#include <optional>
#include <random>

#include "calc/command_line_error.h"
#include "calc/counts_answer.h"
#include "calc/fisher_test.h"
#include "calc/power_request.h"
#include "calc/design_request.h"
#include "calc/number_lists.h"
#include "calc/paired_report.h"
#include "calc/pairwise.h"
#include "calc/table_report.h"
#include "calc/table_test.h"
#include "core/decimal_digits.h"
#include "core/translation.h"

namespace tarvik {

namespace {

std::string TooManyResults() {
    return Fill(Tr("CommandLine", "asks for more than %1 results in one run"), {std::to_string(kMostResults)});
}

struct OptionShape {
    const char* name;
    int values;  // arguments it takes
};

constexpr OptionShape kOptions[] = {
    {"--df", 1},      {"--value", 1},  {"--cdf", 1},          {"--upper", 1}, {"--two-sided", 1},
    {"--between", 2}, {"--table", 0},  {"--precision", 1},    {"--numbers", 1}, {"--format", 1},
    {"--output", 1},  {"--export-chart", 1}, {"--size", 1},   {"--scale", 1}, {"--help", 0},
    {"--version", 0}, {"--ncp", 1},     {"--effect", 1},       {"--alpha", 1}, {"--power", 1},
    {"--n", 1},       {"--background", 1}, {"--counts", 1},  {"--expected", 1},
    {"--exact-seconds", 1}, {"--seed", 1}, {"--paired", 0}, {"--pairwise", 1},
    {"--variance", 1}, {"--level", 1}, {"--sigma2", 1}, {"--estimated", 1}, {"--fit", 1},
    {"--design", 1}, {"--p10", 1}, {"--p01", 1}, {"--or", 1}, {"--p1", 1}, {"--p2", 1}, {"--ratio", 1},
    {"--correct", 0}, {"--groups", 1}, {"--sizes", 1}, {"--shape", 1}, {"--v", 1},
};

constexpr int kMostDigits = 21;  // past the Real's 19.3 digits nothing changes
constexpr int kSmallestChart = 120, kLargestChart = 4000, kLargestScale = 4;

const OptionShape* FindOption(const std::string& name) {
    for (const OptionShape& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

RawOptions Collect(const std::vector<std::string>& arguments) {
    RawOptions raw;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        if (name == "-h") name = "--help";
        if (name == "-v") name = "--version";
        std::optional<std::string> attached;
        if (name.rfind("--", 0) == 0) {
            if (const auto eq = name.find('='); eq != std::string::npos) {
                attached = name.substr(eq + 1);
                name.erase(eq);
            }
        } else {
            throw CommandLineError{Fill(name.size() > 1 && name[0] == '-' ? Tr("CommandLine", "unknown option %1")
                                                                         : Tr("CommandLine", "unexpected argument %1"),
                                        {Quoted(name)})};
        }
        const OptionShape* shape = FindOption(name);
        if (!shape) throw CommandLineError{Fill(Tr("CommandLine", "unknown option %1"), {Quoted(name)})};
        if (raw.count(name)) throw CommandLineError{Fill(Tr("CommandLine", "%1 is given twice"), {name})};
        std::vector<std::string>& values = raw[name];
        if (attached) {
            if (shape->values != 1)
                throw CommandLineError{Fill(shape->values == 0 ? Tr("CommandLine", "%1 takes no value")
                                                                : Tr("CommandLine", "%1 takes its values apart: %1 A B"),
                                            {name})};
            values.push_back(*attached);
            continue;
        }
        for (int k = 0; k < shape->values; ++k) {
            if (++i >= arguments.size())
                throw CommandLineError{Fill(shape->values == 1 ? Tr("CommandLine", "%1 needs a value")
                                                                : Tr("CommandLine", "%1 needs two values"),
                                            {name})};
            values.push_back(arguments[i]);
        }
    }
    return raw;
}

int ReadWhole(const std::string& text, const std::string& option, int lowest, int highest) {
    const Limits whole{lowest, highest, 0, 0};
    return ReadDf(text, option, whole);
}

std::vector<GivenNumber> ReadGivenList(Field field, const std::string& option, const std::string& list, DecimalMark mark) {
    const std::vector<std::string> texts = ExpandList(list, option, kMostResults, mark);
    std::vector<GivenNumber> numbers;
    numbers.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        numbers.push_back(ReadGiven(field, texts[i], ListItemName(option, i, texts.size()), CommandLineLimits()));
    return numbers;
}

bool EndsWithAnyCase(const std::string& s, const std::string& suffix) {
    if (s.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = s[s.size() - suffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[i]) return false;
    }
    return true;
}

void ReadChartOptions(RawOptions& raw, CommandRequest& r) {
    const auto has = [&](const char* o) { return raw.count(o) > 0; };
    if (!has("--export-chart")) {
        for (const char* o : {"--size", "--scale", "--background"})
            if (has(o)) throw CommandLineError{Fill(Tr("CommandLine", "%1 needs --export-chart"), {o})};
        return;
    }
    r.chartFile = raw["--export-chart"][0];
    if (!EndsWithAnyCase(r.chartFile, ".png") && !EndsWithAnyCase(r.chartFile, ".svg"))
        throw CommandLineError{Fill(Tr("CommandLine", "--export-chart %1 needs a name ending in .png or .svg"), {Quoted(r.chartFile)})};
    if (r.action != CommandAction::Results)
        throw CommandLineError{Tr("CommandLine", "--export-chart draws one result of --value, --cdf or --upper")};
    if (has("--size")) {
        const std::string& size = raw["--size"][0];
        const auto x = size.find_first_of("xX");
        if (x == std::string::npos)
            throw CommandLineError{Fill(Tr("CommandLine", "--size %1 is not WIDTHxHEIGHT, as in 550x480"), {Quoted(size)})};
        const std::string rule = std::to_string(kSmallestChart) + " to " + std::to_string(kLargestChart);
        r.chartWidth = ReadWhole(size.substr(0, x), "--size width", kSmallestChart, kLargestChart);
        r.chartHeight = ReadWhole(size.substr(x + 1), "--size height", kSmallestChart, kLargestChart);
    }
    if (has("--scale")) r.chartScale = ReadWhole(raw["--scale"][0], "--scale", 1, kLargestScale);
    if (has("--background")) {
        const std::string& background = raw["--background"][0];
        if (background != "white" && background != "gradient")
            throw CommandLineError{Fill(Tr("CommandLine", "--background %1 is not gradient or white"), {Quoted(background)})};
        r.whiteBackground = background == "white";
    }
}

// The number style and the text form: every kind of answer takes them.
void ReadOutputOptions(RawOptions& raw, CommandRequest& r) {
    const auto has = [&](const char* o) { return raw.count(o) > 0; };
    // --precision alone keeps its first meaning, significant digits;
    // with --numbers it counts the digits of the style chosen.
    if (has("--numbers")) {
        const std::string& style = raw["--numbers"][0];
        if (!NumberStyleOfName(style, r.format.style))
            throw CommandLineError{Fill(Tr("CommandLine", "--numbers %1 is not decimals, significant or scientific"), {Quoted(style)})};
    } else if (has("--precision")) {
        r.format.style = NumberStyle::Significant;
    }
    if (has("--precision")) r.format.digits = ReadWhole(raw["--precision"][0], "--precision", 1, kMostDigits);
    if (has("--format")) {
        const std::string& form = raw["--format"][0];
        if (!TableFormOfName(form, r.form))
            throw CommandLineError{Fill(Tr("CommandLine", "--format %1 is not text, csv, tsv or markdown"), {Quoted(form)})};
    }
    if (has("--output")) {
        r.outputFile = raw["--output"][0];
        if (r.outputFile.empty()) throw CommandLineError{Tr("CommandLine", "--output needs a file name")};
    }
}

// A table of counts: only the output options go with it.
void ReadCountsOptions(RawOptions& raw, CommandRequest& r) {
    if (!raw.count("--counts"))
        throw CommandLineError{raw.count("--paired")      ? Tr("CommandLine", "--paired needs --counts")
                               : raw.count("--estimated") ? Tr("CommandLine", "--estimated needs --counts")
                               : raw.count("--fit")       ? Tr("CommandLine", "--fit needs --counts")
                                                          : Tr("CommandLine", "--expected needs --counts")};
    for (const auto& [option, values] : raw)
        if (option != "--counts" && option != "--expected" && option != "--numbers" && option != "--precision" &&
            option != "--format" && option != "--output" && option != "--exact-seconds" && option != "--seed" &&
            option != "--paired" && option != "--pairwise" && option != "--estimated" && option != "--fit")
            throw CommandLineError{Fill(Tr("CommandLine", "--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not %1"), {option})};
    if (raw.count("--fit")) {
        r.fit = true;
        if (!CountModelOfName(raw["--fit"][0], r.fitModel))
            throw CommandLineError{Fill(Tr("CommandLine", "--fit %1 is not poisson or binomial"), {Quoted(raw["--fit"][0])})};
        if (raw.count("--expected") || raw.count("--paired") || raw.count("--pairwise"))
            throw CommandLineError{Tr("CommandLine", "--fit makes the expected counts itself: not with --expected, --paired or --pairwise")};
    }
    if (raw.count("--estimated")) r.estimated = ReadWhole(raw["--estimated"][0], "--estimated", 0, kLargestEstimated);
    if (raw.count("--pairwise")) {
        r.pairwise = true;
        if (!AdjustmentOfName(raw["--pairwise"][0], r.adjustment))
            throw CommandLineError{Fill(Tr("CommandLine", "--pairwise %1 is not holm or bonferroni"), {Quoted(raw["--pairwise"][0])})};
        if (raw.count("--paired") || raw.count("--expected"))
            throw CommandLineError{Tr("CommandLine", "--pairwise compares the rows of a table of independence: not with --paired or --expected")};
    }
    r.paired = raw.count("--paired") > 0;
    if (r.paired && raw.count("--expected"))
        throw CommandLineError{Tr("CommandLine", "--paired takes no --expected: it tests a square table of pairs")};
    r.action = CommandAction::Counts;
    r.countsFile = raw["--counts"][0];
    if (r.countsFile.empty()) throw CommandLineError{Tr("CommandLine", "--counts needs a file name, or - for standard input")};
    if (raw.count("--expected")) r.expected = RatioItems(ExpandList(raw["--expected"][0], "--expected", kMostResults, r.mark));
    if (raw.count("--exact-seconds"))
        r.exactSeconds = ReadWhole(raw["--exact-seconds"][0], "--exact-seconds", 0, kLongestExactSeconds);
    if (raw.count("--seed")) {
        r.seed = ReadWhole(raw["--seed"][0], "--seed", 0, std::numeric_limits<int>::max());
        r.seedGiven = true;
    }
    ReadOutputOptions(raw, r);
}

// One variance: --variance S2 and --n N, --level and --sigma2 besides, and
// the output options.
void ReadVarianceOptions(RawOptions& raw, CommandRequest& r) {
    for (const auto& [option, values] : raw)
        if (option != "--variance" && option != "--n" && option != "--level" && option != "--sigma2" &&
            option != "--numbers" && option != "--precision" && option != "--format" && option != "--output")
            throw CommandLineError{Fill(Tr("CommandLine", "--variance takes --n, --level, --sigma2, --numbers, --precision, --format and --output, not %1"), {option})};
    if (!raw.count("--n")) throw CommandLineError{Tr("CommandLine", "--variance needs --n, the sample's size")};
    r.action = CommandAction::Variance;
    VarianceQuestion& q = r.variance;
    const auto positive = [&](const char* option) {
        const std::string text = PointDecimal(raw[option][0], option, r.mark);
        const Real v = ReadGiven(Field::Value, text, option, CommandLineLimits()).value;
        if (!(v > 0)) throw CommandLineError{Fill(Tr("Input", "%1 %2 is out of range: %3"), {option, Quoted(text), Tr("CommandLine", "above 0")})};
        return v;
    };
    q.variance = positive("--variance");
    q.n = ReadDf(raw["--n"][0], "--n", Limits{2, CommandLineLimits().highestDf + 1, 0, 0});
    if (raw.count("--level"))
        q.level = ReadGiven(Field::Cdf, PointDecimal(raw["--level"][0], "--level", r.mark), "--level", CommandLineLimits()).tails;
    if (raw.count("--sigma2")) {
        q.hasNullVariance = true;
        q.nullVariance = positive("--sigma2");
    }
    ReadOutputOptions(raw, r);
}

}  // namespace

CommandRequest ReadCommandLine(const std::vector<std::string>& arguments, DecimalMark mark) {
    RawOptions raw = Collect(arguments);
    const auto has = [&](const char* o) { return raw.count(o) > 0; };
    CommandRequest r;
    r.mark = mark;
    if (has("--help") || arguments.empty()) return r;
    if (has("--version")) {
        r.action = CommandAction::Version;
        return r;
    }

    if (has("--variance")) {
        ReadVarianceOptions(raw, r);
        return r;
    }
    if (has("--design")) {
        ReadDesignOptions(raw, r);
        ReadOutputOptions(raw, r);
        return r;
    }
    if (has("--counts") || has("--expected") || has("--paired") || has("--estimated") || has("--fit")) {
        ReadCountsOptions(raw, r);
        return r;
    }

    int questions = 0;
    for (const char* o : {"--value", "--cdf", "--upper", "--two-sided", "--between"}) questions += has(o);
    bool power = false;
    for (const auto& option : kPowerOptions) power = power || has(option.first);
    power = power || has("--v") || has("--shape");
    if (power && (questions > 0 || has("--ncp")))
        throw CommandLineError{Tr("CommandLine", "--effect, --alpha, --power and --n take none of --value, --cdf, --upper, "
                                                  "--two-sided, --between and --ncp")};
    if (!power && questions != 1)
        throw CommandLineError{Tr("CommandLine", "give one of --value, --cdf, --upper, --two-sided and --between, "
                                                  "or three of --effect, --alpha, --power and --n")};
    if (power && has("--shape")) {
        if (has("--df")) throw CommandLineError{Tr("CommandLine", "--shape gives the df: not with --df")};
        raw["--df"] = {std::to_string(ReadShape(raw, r))};
    }
    if (!has("--df")) throw CommandLineError{Tr("CommandLine", "--df is required")};

    const std::vector<std::string> dfTexts = ExpandList(raw["--df"][0], "--df", kMostResults, mark);
    for (std::size_t i = 0; i < dfTexts.size(); ++i)
        r.dfs.push_back(ReadDf(dfTexts[i], ListItemName("--df", i, dfTexts.size()), CommandLineLimits()));

    if (power) {
        r.action = CommandAction::Power;
        ReadPowerOptions(raw, r);
    } else if (has("--ncp")) {
        if (has("--two-sided") || has("--between") || has("--table"))
            throw CommandLineError{Tr("CommandLine", "--ncp takes --value, --cdf or --upper")};
        if (has("--export-chart")) throw CommandLineError{Tr("CommandLine", "--export-chart does not take --ncp")};
        r.ncps = ReadGivenList(Field::Value, "--ncp", raw["--ncp"][0], mark);
    }

    if (power) {
    } else if (has("--between")) {
        r.action = CommandAction::Between;
        const auto& ab = raw["--between"];
        r.from = ReadGiven(Field::Value, PointDecimal(ab[0], "--between A", mark), "--between A", CommandLineLimits());
        r.to = ReadGiven(Field::Value, PointDecimal(ab[1], "--between B", mark), "--between B", CommandLineLimits());
        if (r.to.value < r.from.value) throw CommandLineError{Tr("CommandLine", "--between needs A <= B")};
    } else {
        static const std::pair<const char*, Field> kGiven[] = {
            {"--value", Field::Value}, {"--cdf", Field::Cdf}, {"--upper", Field::UpperTail}, {"--two-sided", Field::Cdf}};
        for (const auto& [option, field] : kGiven) {
            if (!has(option)) continue;
            r.givenOption = option;
            r.given = field;
        }
        r.action = r.givenOption == "--two-sided" ? CommandAction::TwoSided : CommandAction::Results;
        const std::string& list = raw[r.givenOption][0];
        r.givenOnInput = list == "-";
        if (!r.givenOnInput) r.numbers = ReadGivenList(r.given, r.givenOption, list, mark);
    }

    if (has("--table")) {
        if (r.action == CommandAction::Between || r.given == Field::Value)
            throw CommandLineError{Tr("CommandLine", "--table takes --cdf, --upper or --two-sided")};
        r.kind = r.action == CommandAction::TwoSided ? CriticalKind::TwoSided
                 : r.given == Field::Cdf           ? CriticalKind::Lower
                                                   : CriticalKind::Upper;
        r.action = CommandAction::Table;
    }

    ReadOutputOptions(raw, r);
    ReadChartOptions(raw, r);
    if (!r.givenOnInput) CheckCounts(r);
    return r;
}

void CheckCounts(const CommandRequest& r) {
    std::size_t per = r.action == CommandAction::Between ? 1 : r.numbers.size();
    if (r.action == CommandAction::Power) {
        per = 1;
        for (const auto* list : {&r.effects, &r.alphas, &r.powers, &r.sampleSizes})
            if (!list->empty()) {
                if (per > kMostResults / list->size())
                    throw CommandLineError{TooManyResults()};
                per *= list->size();
            }
    }
    if (!r.ncps.empty()) {
        if (per > kMostResults / r.ncps.size())
            throw CommandLineError{TooManyResults()};
        per *= r.ncps.size();
    }
    if (per != 0 && r.dfs.size() > kMostResults / per)
        throw CommandLineError{TooManyResults()};
    if (!r.chartFile.empty() && (r.dfs.size() != 1 || r.numbers.size() != 1))
        throw CommandLineError{Tr("CommandLine", "--export-chart draws one result: give one df and one number")};
}

std::string AnswerText(const CommandRequest& r) { return AnswerOf(r).text; }

Answer AnswerOf(const CommandRequest& r) {
    switch (r.action) {
        case CommandAction::Results:
            if (!r.ncps.empty())
                return RenderTable(NoncentralResultsTable(r.dfs, r.ncps, r.given, r.numbers, r.format), r.form);
            return RenderTable(ResultsTable(r.dfs, r.given, r.numbers, r.format), r.form);
        case CommandAction::Power: return PowerTableText(r);
        case CommandAction::Design: return DesignTableText(r);
        case CommandAction::Counts: return CountsAnswer(r);
        case CommandAction::Variance: return RenderTable(VarianceRecord(r.variance, r.format), r.form);
        case CommandAction::Table:
            return RenderTable(CriticalValuesTable(r.dfs, r.kind, r.numbers, r.format), r.form);
        case CommandAction::TwoSided: return RenderTable(TwoSidedTable(r.dfs, r.numbers, r.format), r.form);
        case CommandAction::Between: return RenderTable(BetweenTable(r.dfs, r.from, r.to, r.format), r.form);
        case CommandAction::Help:
        case CommandAction::Version: break;
    }
    return {};
}

}  // namespace tarvik
