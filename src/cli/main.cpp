// vsk-cli: the command-line companion of the design program.

#include "cli/Befehle.h"

#include <QCoreApplication>
#include <iostream>
#include <string>

namespace {

void Hilfe(std::ostream& aus) {
    aus << "Usage: vsk-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n";
    for (const auto& befehl : vsk::cli::AlleBefehle()) {
        aus << befehl.kurzhilfe;
    }
    aus << "  --help\n"
           "      show this help\n"
           "\n"
           "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        Hilfe(std::cerr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        Hilfe(std::cout);
        return 0;
    }
    for (const auto& befehl : vsk::cli::AlleBefehle()) {
        if (name == befehl.name) {
            vsk::cli::Argumente argumente(argv + 2, argv + argc);
            return befehl.ausfuehren(argumente);
        }
    }
    std::cerr << "vsk-cli: unknown command \"" << name << "\"\n";
    Hilfe(std::cerr);
    return 2;
}
