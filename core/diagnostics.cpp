#include "core/diagnostics.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#endif

#include <utility>

#include "core/decimal_digits.h"
#include "core/errors.h"

namespace tarvik {

namespace {
constexpr int kFileNotOpenForOutput = 105;

// Whether the process has a standard output to write to at all.
bool StandardOutputOpen() {
#ifdef _WIN32
    return ::_get_osfhandle(STDOUT_FILENO) != -1;
#else
    return ::fcntl(STDOUT_FILENO, F_GETFL) != -1;
#endif
}

DiagnosticSink& Sink() {
    static DiagnosticSink sink;
    return sink;
}
}  // namespace

void WriteDiagnosticLine(const std::string& text) {
    if (Sink()) {
        Sink()(text);
        return;
    }
    WriteLineToStandardOutput(text);
}

DiagnosticSink SetDiagnosticSink(DiagnosticSink sink) { return std::exchange(Sink(), std::move(sink)); }

void WriteLineToStandardOutput(const std::string& text) {
    // Checked before writing anything: a closed descriptor must not leave
    // half a line behind, and EBADF from write() alone would not say
    // whether some bytes went out.
    if (!StandardOutputOpen()) throw EInOutError(kFileNotOpenForOutput);
    // Anything buffered by the C library's stdout goes first, so lines keep
    // their order with other output of the process.
    std::fflush(stdout);
    const std::string line = text + "\n";
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw EInOutError(kFileNotOpenForOutput);
        done += static_cast<std::size_t>(n);
    }
}

std::string FormatScientific23(Real x) {
    // The digits come as "-1.00000000000000e+00"; the line pads the
    // exponent to four digits and writes a blank where a positive number has
    // no sign. Always with a point, whatever the desktop's locale.
    const std::string s = ScientificDigits(x, 14);
    const auto e = s.find('e');
    if (e == std::string::npos) return s;  // inf/nan never reach here
    std::string mantissa = s.substr(0, e);
    const char expSign = s[e + 1];
    const int expValue = std::atoi(s.c_str() + e + 2);
    char expBuf[16];
    std::snprintf(expBuf, sizeof expBuf, "E%c%04d", expSign, expValue);
    if (mantissa[0] != '-') mantissa = " " + mantissa;
    return mantissa + expBuf;
}

std::string FormatFixedWidth(Real x, int width, int decimals) {
    std::string s = FixedDigits(x, decimals);
    if (int(s.size()) < width) s.insert(0, std::size_t(width) - s.size(), ' ');
    return s;
}

}  // namespace tarvik
