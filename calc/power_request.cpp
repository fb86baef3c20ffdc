#include "core/translation.h"
#include "calc/power_request.h"

#include "calc/command_line_error.h"
#include "calc/number_lists.h"
#include "math/design_power.h"

namespace tarvik {

namespace {

// The numbers of one power option, each checked for its own range; the
// ranges between them (power above alpha) are the solver's.
std::vector<GivenNumber> ReadPowerList(PowerField field, const std::string& option, const std::string& list,
                                       DecimalMark mark) {
    const std::vector<std::string> texts = ExpandList(list, option, kMostResults, mark);
    std::vector<GivenNumber> numbers;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string where = ListItemName(option, i, texts.size());
        if (field == PowerField::Alpha || field == PowerField::Power) {
            numbers.push_back(ReadGiven(Field::Cdf, texts[i], where, CommandLineLimits()));
            continue;
        }
        Real v = 0;
        if (!TryTextToRealSaturated(texts[i], v, FormatSettings{}))
            throw CommandLineError{Fill(Tr("Input", "%1 %2 is not a number"), {where, Quoted(texts[i])})};
        const bool ok = field == PowerField::EffectSize
                            ? v > 0 && v <= 1000
                            : v >= 1 && v <= kLargestSampleSize && v == Floor(v);
        if (!ok)
            throw CommandLineError{Fill(Tr("Input", "%1 %2 is out of range: %3"),
                                        {where, Quoted(texts[i]),
                                         field == PowerField::EffectSize ? Tr("Power", "above 0, up to 1000")
                                                                         : Tr("Power", "whole numbers from 1 to 1000000000")})};
        numbers.push_back({texts[i], v, {0, 0}});
    }
    return numbers;
}

std::vector<GivenNumber>& PowerList(CommandRequest& r, PowerField field) {
    switch (field) {
        case PowerField::EffectSize: return r.effects;
        case PowerField::Alpha: return r.alphas;
        case PowerField::Power: return r.powers;
        default: return r.sampleSizes;
    }
}

// One power question per combination of df and the three lists given.
std::vector<PowerQuestion> PowerQuestions(const CommandRequest& r) {
    std::vector<PowerQuestion> questions;
    const GivenNumber none{};
    const auto each = [&](const std::vector<GivenNumber>& list) {
        return list.empty() ? std::vector<GivenNumber>{none} : list;
    };
    for (const std::int32_t df : r.dfs)
        for (const GivenNumber& w : each(r.effects))
            for (const GivenNumber& alpha : each(r.alphas))
                for (const GivenNumber& power : each(r.powers))
                    for (const GivenNumber& n : each(r.sampleSizes))
                        questions.push_back({r.unknown, Real(df), w.value, alpha.value, power.value, n.value});
    return questions;
}

const char* OptionOf(PowerField field) {
    for (const auto& [option, f] : kPowerOptions)
        if (f == field) return option;
    return "--df";
}

}  // namespace

void ReadPowerOptions(RawOptions& raw, CommandRequest& r) {
    // --v, Cramer's V of the --shape table, stands for --effect.
    const bool v = raw.count("--v") > 0;
    if (v && (raw.count("--effect") || !r.shapeRows))
        throw CommandLineError{Tr("CommandLine", "--v takes --shape and stands for --effect")};
    if (v) raw["--effect"] = raw["--v"];
    int given = 0;
    for (const auto& [option, field] : kPowerOptions) {
        if (!raw.count(option)) {
            r.unknown = field;
            continue;
        }
        ++given;
        const char* name = v && field == PowerField::EffectSize ? "--v" : option;
        PowerList(r, field) = ReadPowerList(field, name, raw[option][0], r.mark);
    }
    if (v)
        for (GivenNumber& g : r.effects) {
            if (g.value > 1)
                throw CommandLineError{Fill(Tr("Input", "%1 %2 is out of range: %3"), {"--v", Quoted(g.text), Tr("Power", "above 0, up to 1")})};
            g.value = EffectSizeOfCramersV(g.value, r.shapeRows, r.shapeColumns);
        }
    if (given != 3) throw CommandLineError{Tr("CommandLine", "give three of --effect, --alpha, --power and --n: the fourth is solved")};
    for (const char* o : {"--table", "--export-chart"})
        if (raw.count(o)) throw CommandLineError{Fill(Tr("CommandLine", "%1 does not take --effect, --alpha, --power and --n"), {o})};
}

std::string PowerTableText(const CommandRequest& r) {
    TextTable table{TextTable::Kind::Records, "", PowerHeader(), {}};
    // With --shape, V beside w.
    if (r.shapeRows) table.header.insert(table.header.begin() + 2, "V");
    for (const PowerQuestion& q : PowerQuestions(r)) {
        try {
            const PowerAnswer a = SolvePower(q);
            table.rows.push_back(PowerCells(a, r.format, FormatSettings{}));
            if (r.shapeRows)
                table.rows.back().insert(table.rows.back().begin() + 2,
                                         FormatNumber(CramersVOfEffectSize(a.w, r.shapeRows, r.shapeColumns), r.format,
                                                      FormatSettings{}));
        } catch (const PowerInputError& bad) {
            // The number at fault as the user wrote it.
            const Real value = bad.field == PowerField::EffectSize ? q.w
                               : bad.field == PowerField::Alpha    ? q.alpha
                               : bad.field == PowerField::Power    ? q.power
                               : bad.field == PowerField::SampleSize ? q.n
                                                                     : q.df;
            if (bad.field == r.unknown)
                throw CommandLineError{Fill(Tr("Power", "%1: %2"), {OptionOf(bad.field), bad.message})};
            throw CommandLineError{Fill(Tr("Power", "%1 %2 %3"), {OptionOf(bad.field),
                                                               Quoted(FormatFullPrecision(value, FormatSettings{})),
                                                               bad.message})};
        }
    }
    return RenderTable(table, r.form);
}

}  // namespace tarvik
