#pragma once
// The power options of the command line: --effect, --alpha, --power and --n,
// three given and the fourth solved, for every combination of the lists.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/command_request.h"

namespace tarvik {

// The options as collected: each name with its arguments.
using RawOptions = std::map<std::string, std::vector<std::string>>;

// The power options, in the order of the solved line.
inline constexpr std::pair<const char*, PowerField> kPowerOptions[] = {
    {"--effect", PowerField::EffectSize},
    {"--alpha", PowerField::Alpha},
    {"--power", PowerField::Power},
    {"--n", PowerField::SampleSize},
};

// Reads the three given lists into `r` and names the fourth its unknown.
// Throws CommandLineError.
void ReadPowerOptions(RawOptions& raw, CommandRequest& r);

// The solved table of every question `r` asks, in the chosen form. Throws
// CommandLineError naming the option and the number at fault.
std::string PowerTableText(const CommandRequest& r);

}  // namespace tarvik
