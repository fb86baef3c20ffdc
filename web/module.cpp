// The page's way into the calculator: plain C functions over UTF-8 texts,
// called from JavaScript (web/page). A run's output and errors stay here
// until the next run, so the page reads them without copying twice.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <vector>

#include "calc/command_line_answer.h"
#include "core/text_catalog.h"

EM_JS(void, tarvik_progress, (double done, int sampling), {
    if (Module.onExactProgress) Module.onExactProgress(done, sampling != 0);
});

namespace {

tarvik::CommandLineOutcome last;

// The arguments joined by the unit separator (U+001F), which no typed
// option or number holds.
std::vector<std::string> SplitArguments(std::string_view joined) {
    std::vector<std::string> arguments;
    if (joined.empty()) return arguments;
    std::size_t from = 0;
    for (std::size_t at; (at = joined.find('\x1f', from)) != std::string_view::npos; from = at + 1)
        arguments.emplace_back(joined.substr(from, at - from));
    arguments.emplace_back(joined.substr(from));
    return arguments;
}

}  // namespace

extern "C" {

// Runs the command line in memory; `comma` for a desktop that writes a
// decimal comma. The exit status: 0, 2 on bad input, 1 where a result
// cannot be computed.
EMSCRIPTEN_KEEPALIVE int tarvik_run(const char* arguments, const char* input, int comma) {
    last = tarvik::RunCommandLineInMemory(SplitArguments(arguments), input,
                                          comma ? tarvik::DecimalMark::Comma : tarvik::DecimalMark::Point);
    return last.status;
}

// The same for the page's table test, the exact count's share done handed
// to Module.onExactProgress(done, sampling) where the page set one. A
// Worker runs it; the page cancels by ending the Worker.
EMSCRIPTEN_KEEPALIVE int tarvik_table(const char* arguments, const char* input, int comma) {
    tarvik::InMemoryHooks hooks;
    hooks.exactProgress = [](double done, bool sampling) {
        tarvik_progress(done, sampling ? 1 : 0);
        return true;
    };
    last = tarvik::RunCommandLineInMemory(SplitArguments(arguments), input,
                                          comma ? tarvik::DecimalMark::Comma : tarvik::DecimalMark::Point, hooks);
    return last.status;
}

EMSCRIPTEN_KEEPALIVE const char* tarvik_output() { return last.out.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* tarvik_errors() { return last.err.c_str(); }

// The language of messages: "de", "es", "fr", "nl", "tr", "zh_CN", or ""
// and "en" for English. 0 where there is no such language.
EMSCRIPTEN_KEEPALIVE int tarvik_language(const char* code) { return tarvik::UseCatalogLanguage(code) ? 1 : 0; }

}
