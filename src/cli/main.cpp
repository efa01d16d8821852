// vsk-cli: the command-line companion of the design program.

#include "cli/Befehle.h"

#include <QGuiApplication>
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

// The offscreen platform complains about a missing runtime directory it never uses.
QtMessageHandler standardAusgabe = nullptr;
void Meldungsfilter(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (!text.startsWith(QStringLiteral("QStandardPaths: ")) && standardAusgabe) {
        standardAusgabe(typ, kontext, text);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Pictures and reports need fonts, hence a GUI application; it never needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    standardAusgabe = qInstallMessageHandler(Meldungsfilter);
    QGuiApplication app(argc, argv);
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
