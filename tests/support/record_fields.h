#pragma once
// One line of the command line's key=value results as a map, for tests
// that read single fields of it.
#include <map>
#include <sstream>
#include <string>

namespace tarvik::test {

// Each blank-separated pair split at its last '=' (a key never holds one).
inline std::map<std::string, std::string> RecordFields(const std::string& line) {
    std::map<std::string, std::string> fields;
    std::istringstream in(line);
    std::string pair;
    while (in >> pair) {
        const auto eq = pair.rfind('=');
        fields[pair.substr(0, eq)] = pair.substr(eq + 1);
    }
    return fields;
}

}  // namespace tarvik::test
