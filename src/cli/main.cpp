// vsk-cli: the command-line companion of the design program.

#include <QCoreApplication>
#include <cstring>
#include <iostream>
#include <string>

namespace {

void Hilfe(std::ostream& aus) {
    aus << "Usage: vsk-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  --help        show this help\n"
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
    std::string befehl = argv[1];
    if (befehl == "--help" || befehl == "-h" || befehl == "help") {
        Hilfe(std::cout);
        return 0;
    }
    std::cerr << "vsk-cli: unknown command \"" << befehl << "\"\n";
    Hilfe(std::cerr);
    return 2;
}
