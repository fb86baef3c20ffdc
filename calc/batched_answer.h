#pragma once
// The records of a long answer written a batch at a time, each batch
// computed on every core: the command line keeps them in a temporary file,
// not in memory, until the whole answer stands.
#include <functional>
#include <istream>
#include <string_view>

#include "calc/command_request.h"

namespace tarvik {

// Where the batches go, in order; it throws where they cannot be kept.
using BatchSink = std::function<void(std::string_view)>;

// Writes the answer of `request` (AnswersInBatches) into `sink`: the
// numbers of its list, or those of `in` where they come on standard input.
// Throws CommandLineError on bad input, Exception where a result cannot be
// computed, and what `sink` throws.
void WriteBatchedAnswer(const CommandRequest& request, std::istream& in, const BatchSink& sink);

}  // namespace tarvik
