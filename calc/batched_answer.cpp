#include "calc/batched_answer.h"

#include <algorithm>
#include <exception>
#include <future>
#include <thread>
#include <vector>

#include "calc/answer_batches.h"

namespace tarvik {

namespace {

// Numbers per batch: enough for every core to have a long run of them, few
// enough that a batch's text stays a few hundred kilobytes.
constexpr std::size_t kBatchNumbers = 8192;
// Below this a part is not worth a thread's start.
constexpr std::size_t kLeastPerThread = 256;
// WebAssembly without threads (the page's module) computes each batch
// where it is asked for: a thread started there never runs.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool kThreads = false;
#else
constexpr bool kThreads = true;
#endif

// The rows of `numbers` for one group, the numbers split among the cores,
// each part's text joined in order. A result that cannot be computed on
// any core is thrown here, as it would be on one.
std::string BatchText(const CommandRequest& r, std::size_t group, std::span<const GivenNumber> numbers) {
    const std::size_t cores = kThreads ? std::max(1u, std::thread::hardware_concurrency()) : 1;
    const std::size_t parts = std::clamp<std::size_t>(numbers.size() / kLeastPerThread, 1, std::min<std::size_t>(cores, 16));
    std::vector<std::string> texts(parts);
    std::vector<std::exception_ptr> errors(parts);
    const auto work = [&](std::size_t k) {
        try {
            const std::size_t first = numbers.size() * k / parts, last = numbers.size() * (k + 1) / parts;
            texts[k] = RenderRows(BatchTable(r, group, numbers.subspan(first, last - first)), r.form);
        } catch (...) {
            errors[k] = std::current_exception();
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t k = 1; k < parts; ++k) workers.emplace_back(work, k);
    work(0);
    for (std::thread& t : workers) t.join();
    for (const std::exception_ptr& e : errors)
        if (e) std::rethrow_exception(e);
    std::string joined;
    for (const std::string& t : texts) joined += t;
    return joined;
}

}  // namespace

void WriteBatchedAnswer(const CommandRequest& request, std::istream& in, const BatchSink& sink) {
    sink(RenderHeader(BatchTable(request, 0, {}), request.form));
    const std::size_t groups = BatchGroups(request);
    if (request.givenOnInput && groups == 1) {
        // One group: each batch is computed while the next is read, and
        // written as soon as it stands.
        GivenLines lines(request, in);
        std::future<std::string> computing;
        std::vector<GivenNumber> batch;
        bool more = true;
        while (more) {
            batch.clear();
            batch.reserve(kBatchNumbers);
            for (GivenNumber number; batch.size() < kBatchNumbers && (more = lines.Next(number));)
                batch.push_back(std::move(number));
            if (computing.valid()) sink(computing.get());
            if (!batch.empty())
                computing = std::async(kThreads ? std::launch::async : std::launch::deferred,
                                       [&request, numbers = std::move(batch)] {
                    return BatchText(request, 0, numbers);
                });
        }
        if (computing.valid()) sink(computing.get());
        return;
    }
    std::vector<GivenNumber> read;
    if (request.givenOnInput) {
        GivenLines lines(request, in);
        for (GivenNumber number; lines.Next(number);) read.push_back(std::move(number));
    }
    const std::vector<GivenNumber>& numbers = request.givenOnInput ? read : request.numbers;
    for (std::size_t group = 0; group < groups; ++group)
        for (std::size_t first = 0; first < numbers.size(); first += kBatchNumbers)
            sink(BatchText(request, group,
                                  std::span(numbers).subspan(first, std::min(kBatchNumbers, numbers.size() - first))));
}

}  // namespace tarvik
