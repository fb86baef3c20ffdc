#pragma once
// The answer of --counts: the table's record and cells, Fisher's test or a
// fit's exact test, a paired table's test, the rows compared in pairs, or
// a model fitted to a frequency table.
#include "calc/command_request.h"

namespace tarvik {

// Throws CommandLineError naming the file where the table cannot be read
// or tested.
Answer CountsAnswer(const CommandRequest& r);

}  // namespace tarvik
