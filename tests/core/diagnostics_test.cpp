#include "core/diagnostics.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/errors.h"
#include "tests/support/stdout_capture.h"

namespace tarvik {
namespace {

TEST(Diagnostics, ScientificNotationOfWidth23) {
    struct Case {
        Real x;
        const char* text;
    } cases[] = {
        {-1, "-1.00000000000000E+0000"},
        {1, " 1.00000000000000E+0000"},
        {-0.5_r, "-5.00000000000000E-0001"},
        {-123456.789_r, "-1.23456789000000E+0005"},
        {-2.5e-300_r, "-2.50000000000000E-0300"},
        {-1e4000_r, "-1.00000000000000E+4000"},  // only the extended range holds it
    };
    for (const auto& c : cases) {
        const std::string s = FormatScientific23(c.x);
        EXPECT_EQ(s, c.text);
        EXPECT_EQ(s.size(), 23u);
    }
}

TEST(Diagnostics, FixedWidthRightAligned) {
    EXPECT_EQ(FormatFixedWidth(0.5_r, 8, 4), "  0.5000");
    EXPECT_EQ(FormatFixedWidth(0.00005_r, 8, 4), "  0.0001");  // nearest; 5e-5 is just above the half
    EXPECT_EQ(FormatFixedWidth(123456.0_r, 8, 4), "123456.0000");  // wider than the field: not cut
}

TEST(Diagnostics, LineReachesStandardOutput) {
    test::StdoutCapture capture;
    WriteDiagnosticLine("maka am incgamma1");
    WriteDiagnosticLine("***-1.00000000000000E+0000");
    EXPECT_EQ(capture.Text(), "maka am incgamma1\n***-1.00000000000000E+0000\n");
}

TEST(Diagnostics, AnInjectedSinkTakesTheLines) {
    std::vector<std::string> lines;
    test::StdoutCapture capture;
    const DiagnosticSink previous = SetDiagnosticSink([&](const std::string& l) { lines.push_back(l); });
    WriteDiagnosticLine(" xsmall5   0.0001");
    EXPECT_EQ(lines, std::vector<std::string>{" xsmall5   0.0001"});
    // A sink may end the computation as the closed standard output does.
    SetDiagnosticSink([](const std::string&) { throw EInOutError(105); });
    EXPECT_THROW(WriteDiagnosticLine("x"), EInOutError);
    SetDiagnosticSink(previous);
    WriteDiagnosticLine("back");
    EXPECT_EQ(capture.Text(), "back\n");  // nothing reached standard output before
}

TEST(Diagnostics, ClosedStandardOutputRaisesIoError105) {
    test::StdoutClosed closed;
    try {
        WriteDiagnosticLine("maka am incgamma1");
        FAIL() << "no exception";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 105);
        EXPECT_STREQ(e.what(), "I/O error 105");
    }
}

TEST(Diagnostics, FailedWriteRaisesIoError105) {
    // A descriptor that is open but cannot take the bytes (a full device).
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(full, STDOUT_FILENO);
    bool raised = false;
    try {
        WriteDiagnosticLine("maka w/ incgamma2");
    } catch (const EInOutError& e) {
        raised = e.ErrorCode() == 105;
    }
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(full);
    EXPECT_TRUE(raised);
}

}  // namespace
}  // namespace tarvik
