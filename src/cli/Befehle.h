#pragma once
// The commands of vsk-cli. Each takes the arguments after the command name and returns
// the exit status: 0 success, 1 a file could not be read or written, 2 usage error.

#include <string>
#include <vector>

namespace vsk::cli {

using Argumente = std::vector<std::string>;

struct Befehl {
    const char* name;
    const char* kurzhilfe; // lines of the --help text for this command
    int (*ausfuehren)(const Argumente& argumente);
};

// Every command, in the order of the help text.
const std::vector<Befehl>& AlleBefehle();

} // namespace vsk::cli
