#pragma once
// The records of a long answer written a batch at a time, each batch
// computed on every core, into a device: the command line keeps them in a
// temporary file, not in memory, until the whole answer stands.
#include <QIODevice>
#include <istream>

#include "calc/command_request.h"

namespace tarvik {

// Writes the answer of `request` (AnswersInBatches) into `sink`: the
// numbers of its list, or those of `in` where they come on standard input.
// Throws CommandLineError on bad input, Exception when `sink` fails or a
// result cannot be computed.
void WriteBatchedAnswer(const CommandRequest& request, std::istream& in, QIODevice& sink);

}  // namespace tarvik
