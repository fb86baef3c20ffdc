#pragma once
// Redirects the process's standard output descriptor for the duration of a
// scope: into a temporary file (to read the diagnostic lines back), or closed
// (to provoke the I/O error path).
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace tarvik::test {

class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        saved_ = ::dup(STDOUT_FILENO);
        file_ = std::tmpfile();
        ::dup2(::fileno(file_), STDOUT_FILENO);
    }
    ~StdoutCapture() { Restore(); }
    std::string Text() {
        Restore();
        std::string out;
        std::rewind(file_);
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0) out.append(buf, n);
        return out;
    }

private:
    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stdout);
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
    int saved_ = -1;
    std::FILE* file_ = nullptr;
};

class StdoutClosed {
public:
    StdoutClosed() {
        std::fflush(stdout);
        saved_ = ::dup(STDOUT_FILENO);
        ::close(STDOUT_FILENO);
    }
    ~StdoutClosed() {
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
    }

private:
    int saved_ = -1;
};

}  // namespace tarvik::test
