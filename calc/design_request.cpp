#include "calc/design_request.h"

#include <algorithm>

#include "calc/command_line_error.h"
#include "calc/number_lists.h"
#include "core/decimal_digits.h"
#include "core/translation.h"
#include "math/design_power.h"

namespace tarvik {

namespace {

// The options each design takes besides --design, --alpha, --power, --n
// and the output's.
struct DesignOptions {
    const char* name;
    std::vector<const char*> options;
};
const DesignOptions kDesigns[] = {
    {"mcnemar", {"--p10", "--p01", "--or"}},
    {"two-proportions", {"--p1", "--p2", "--or", "--ratio", "--correct"}},
    {"groups", {"--groups", "--sizes"}},
};
constexpr const char* kShared[] = {"--design", "--alpha", "--power", "--n",
                                   "--numbers", "--precision", "--format", "--output"};

Real ReadNumber(RawOptions& raw, const char* option, DecimalMark mark) {
    const std::string text = PointDecimal(raw[option][0], option, mark);
    Real v = 0;
    if (!TryTextToRealSaturated(text, v, FormatSettings{}))
        throw CommandLineError{Fill(Tr("Input", "%1 %2 is not a number"), {option, Quoted(text)})};
    return v;
}

const char* OptionOf(DesignInput input) {
    switch (input) {
        case DesignInput::P10: return "--p10";
        case DesignInput::P01: return "--p01";
        case DesignInput::P1: return "--p1";
        case DesignInput::P2: return "--p2";
        case DesignInput::Ratio: return "--ratio";
    }
    return "";
}

const char* OptionOf(PowerField field, bool groups) {
    switch (field) {
        case PowerField::Alpha: return "--alpha";
        case PowerField::Power: return "--power";
        case PowerField::SampleSize: return "--n";
        case PowerField::EffectSize: return groups ? "--groups" : "--design";
        case PowerField::Df: break;
    }
    return "--design";
}

// Which of --power, --n and the effect is solved: the one not given.
PowerField Unknown(RawOptions& raw, bool effectGiven) {
    const int given = int(raw.count("--power")) + int(raw.count("--n")) + int(effectGiven);
    if (given != 2)
        throw CommandLineError{Tr("CommandLine", "--design needs --alpha and two of --power, --n and the effect: the third is solved")};
    return !raw.count("--power") ? PowerField::Power : !raw.count("--n") ? PowerField::SampleSize : PowerField::EffectSize;
}

}  // namespace

void ReadDesignOptions(RawOptions& raw, CommandRequest& r) {
    const std::string& name = raw["--design"][0];
    const auto design = std::find_if(std::begin(kDesigns), std::end(kDesigns), [&](const DesignOptions& d) { return name == d.name; });
    if (design == std::end(kDesigns))
        throw CommandLineError{Fill(Tr("CommandLine", "--design %1 is not mcnemar, two-proportions or groups"), {Quoted(name)})};
    for (const auto& entry : raw) {
        // Not a structured binding: clang 14 lets no lambda capture one.
        const std::string& option = entry.first;
        const auto is = [&](const char* o) { return option == o; };
        if (std::none_of(std::begin(kShared), std::end(kShared), is) && std::none_of(design->options.begin(), design->options.end(), is))
            throw CommandLineError{Fill(Tr("CommandLine", "--design %1 does not take %2"), {name, option})};
    }
    if (!raw.count("--alpha")) throw CommandLineError{Tr("CommandLine", "--design needs --alpha")};
    r.action = CommandAction::Design;
    DesignRequest& d = r.design;
    const auto read = [&](const char* option) { return ReadNumber(raw, option, r.mark); };
    const auto readIf = [&](const char* option, Real& into) {
        if (raw.count(option)) into = read(option);
    };
    if (name == "groups") {
        d.groups = true;
        if (!raw.count("--groups")) throw CommandLineError{Tr("CommandLine", "--design groups needs --groups")};
        d.groupsQuestion.unknown = Unknown(raw, true);
        if (d.groupsQuestion.unknown == PowerField::EffectSize)
            throw CommandLineError{Tr("CommandLine", "--groups gives the effect: leave out --power or --n")};
        // Groups are parted by '/': a line of the window's table each.
        std::string groups = raw["--groups"][0];
        std::replace(groups.begin(), groups.end(), '/', '\n');
        FormatSettings fs;
        if (r.mark == DecimalMark::Comma) fs.DecimalSeparator = ',', fs.ThousandSeparator = '.';
        try {
            d.groupsEffect = EffectOfGroups(groups, raw.count("--sizes") ? raw["--sizes"][0] : "", fs);
        } catch (const PowerInputError& bad) {
            throw CommandLineError{Fill(Tr("Power", "%1: %2"), {"--groups", bad.message})};
        }
        PowerQuestion& q = d.groupsQuestion;
        q.df = d.groupsEffect.effect.df;
        q.w = d.groupsEffect.effect.w;
        q.alpha = read("--alpha");
        readIf("--power", q.power);
        readIf("--n", q.n);
        return;
    }
    DesignQuestion& q = d.question;
    q.design = name == "mcnemar" ? PowerDesign::McNemar : PowerDesign::TwoProportions;
    const char* held = q.design == PowerDesign::McNemar ? "--p01" : "--p1";
    const char* effect = q.design == PowerDesign::McNemar ? "--p10" : "--p2";
    if (!raw.count(held)) throw CommandLineError{Fill(Tr("CommandLine", "--design %1 needs %2"), {name, held})};
    if (raw.count(effect) && raw.count("--or"))
        throw CommandLineError{Fill(Tr("CommandLine", "give %1 or --or, not both"), {effect})};
    q.unknown = Unknown(raw, raw.count(effect) || raw.count("--or"));
    q.alpha = read("--alpha");
    readIf("--power", q.power);
    readIf("--n", q.n);
    Real& heldValue = q.design == PowerDesign::McNemar ? q.p01 : q.p1;
    Real& effectValue = q.design == PowerDesign::McNemar ? q.p10 : q.p2;
    heldValue = read(held);
    readIf(effect, effectValue);
    if (raw.count("--or")) {
        const Real ratio = read("--or");
        if (!(ratio > 0 && ratio <= 1e6))
            throw CommandLineError{Fill(Tr("Input", "%1 %2 is out of range: %3"),
                                        {"--or", Quoted(raw["--or"][0]), Tr("Power", "above 0, up to 1000000")})};
        // McNemar's ratio is p10 / p01; two proportions' the odds ratio of
        // p2 to p1.
        effectValue = q.design == PowerDesign::McNemar ? ratio * q.p01
                      : heldValue > 0 && heldValue < 1 ? ProportionOfOddsRatio(q.p1, ratio)
                                                       : Real(0);
    }
    readIf("--ratio", q.ratio);
    q.corrected = raw.count("--correct") > 0;
}

int ReadShape(RawOptions& raw, CommandRequest& r) {
    const std::string& shape = raw["--shape"][0];
    const std::size_t x = shape.find_first_of("xX");
    if (x == std::string::npos)
        throw CommandLineError{Fill(Tr("CommandLine", "--shape %1 is not ROWSxCOLUMNS, as in 3x4"), {Quoted(shape)})};
    const Limits sides{2, 1000, 0, 0};
    r.shapeRows = ReadDf(shape.substr(0, x), "--shape rows", sides);
    r.shapeColumns = ReadDf(shape.substr(x + 1), "--shape columns", sides);
    return (r.shapeRows - 1) * (r.shapeColumns - 1);
}

std::string DesignTableText(const CommandRequest& r) {
    const DesignRequest& d = r.design;
    try {
        if (d.groups) {
            const PowerAnswer a = SolvePower(d.groupsQuestion);
            std::vector<std::string> header = PowerHeader(), cells = PowerCells(a, r.format, FormatSettings{});
            header.insert(header.begin() + 2, "V");
            cells.insert(cells.begin() + 2, FormatNumber(CramersVOfEffectSize(a.w, d.groupsEffect.rows, d.groupsEffect.columns),
                                                        r.format, FormatSettings{}));
            // Each group's share of N, rounded up: what the study recruits.
            std::string sizes;
            for (const Real& share : d.groupsEffect.shares)
                sizes += (sizes.empty() ? "" : ";") + FixedDigits(WholeGroupSize(a.n * share), 0);
            header.push_back("n_groups");
            cells.push_back(sizes);
            return RenderTable({TextTable::Kind::Records, "", header, {cells}}, r.form);
        }
        const DesignAnswer a = SolveDesign(d.question);
        return RenderTable({TextTable::Kind::Records, "", DesignHeader(d.question), {DesignCells(a, r.format, FormatSettings{})}},
                           r.form);
    } catch (const PowerInputError& bad) {
        // The solved quantity's refusal is a sentence of its own.
        const PowerField unknown = d.groups ? d.groupsQuestion.unknown : d.question.unknown;
        throw CommandLineError{Fill(bad.field == unknown ? Tr("Power", "%1: %2") : Tr("Power", "%1 %2"),
                                    {OptionOf(bad.field, d.groups), bad.message})};
    } catch (const DesignInputError& bad) {
        throw CommandLineError{Fill(Tr("Power", "%1 %2"), {OptionOf(bad.input), bad.message})};
    }
}

}  // namespace tarvik
