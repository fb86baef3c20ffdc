#pragma once
// A command line the program refuses: one line on standard error, exit 2.
#include <string>

namespace tarvik {

struct CommandLineError {
    std::string message;
};

// An argument quoted for a message: at most about 60 characters (a cut
// never splits a UTF-8 sequence), control bytes shown as '?'. An argument
// may be 130 KB long; its message line stays readable.
std::string Quoted(const std::string& argument);
// The same without the quotes, for a message whose pattern has its own.
std::string ShownItem(const std::string& argument);

}  // namespace tarvik
