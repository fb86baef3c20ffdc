#pragma once
// The command line's --design: McNemar's test (--p10, --p01 or --or), two
// proportions (--p1, --p2 or --or, --ratio, --correct) or an r x c table
// from its groups (--groups, --sizes), with --alpha and two of --power,
// --n and the effect; and --shape RxC, which gives Cohen's question its df
// and V beside w.
#include "calc/command_request.h"
#include "calc/power_request.h"

namespace tarvik {

// Reads --design and its options into `r`. Throws CommandLineError.
void ReadDesignOptions(RawOptions& raw, CommandRequest& r);
// Reads --shape RxC into `r` and returns its df, (R - 1)(C - 1); with --v
// given, --effect becomes V sqrt(min(R, C) - 1). Throws CommandLineError.
int ReadShape(RawOptions& raw, CommandRequest& r);

// The solved design as a results line in the chosen form. Throws
// CommandLineError naming the option at fault.
std::string DesignTableText(const CommandRequest& r);

}  // namespace tarvik
