// vsk-cli: the command-line companion of the design program.

#include "cli/Befehle.h"
#include "cli/Sprache.h"
#include "shell/qt/QtDateien.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <string>

namespace {

constexpr const char* AlleOptionen =
    "  --language ID\n"
    "      texts in that language: an identifier such as 2055 or a module\n"
    "      extension (des, eng, esp, fra, ita, nld); without it the language\n"
    "      stored as IDSprache in the settings file\n"
    "  --help\n"
    "      show this help (vsk-cli COMMAND --help: the help of that command)\n"
    "  --version\n"
    "      show the program's version\n"
    "\n"
    "An output file named without an extension gets the extension of its format.\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.\n";

void Hilfe(std::ostream& aus) {
    aus << "Usage: vsk-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n";
    for (const auto& befehl : vsk::cli::AlleBefehle()) {
        aus << befehl.kurzhilfe;
    }
    aus << AlleOptionen;
}

void Befehlshilfe(std::ostream& aus, const vsk::cli::Befehl& befehl) {
    const std::string text = befehl.kurzhilfe;
    aus << "Usage: vsk-cli " << text.substr(text.find_first_not_of(' ')) << "\n" << AlleOptionen;
}

bool WillHilfe(const vsk::cli::Argumente& argumente) {
    return std::any_of(argumente.begin(), argumente.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
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
    std::vector<std::string> alle(argv + 1, argv + argc);
    // The design program's language modules lie beside this program.
    vsk::Sprachumschaltung sprachen(vsk::PfadAus(QCoreApplication::applicationDirPath()) / "vsk");
    if (auto status = vsk::cli::LadeSprache(alle, sprachen)) {
        return *status;
    }
    if (alle.empty()) {
        Hilfe(std::cerr);
        return 2;
    }
    std::string name = alle.front();
    if (name == "--help" || name == "-h" || name == "help") {
        Hilfe(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "vsk-cli " VSK_VERSION "\n";
        return 0;
    }
    for (const auto& befehl : vsk::cli::AlleBefehle()) {
        if (name == befehl.name) {
            vsk::cli::Argumente argumente(alle.begin() + 1, alle.end());
            if (WillHilfe(argumente)) {
                Befehlshilfe(std::cout, befehl);
                return 0;
            }
            return befehl.ausfuehren(argumente);
        }
    }
    std::cerr << "vsk-cli: unknown command \"" << name << "\"\n";
    Hilfe(std::cerr);
    return 2;
}
