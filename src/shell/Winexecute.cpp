#include "shell/Winexecute.h"

#include "shell/Pfade.h"
#include "shell/Texte.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace vsk {

namespace fs = std::filesystem;

namespace {

template <typename T> void SetzeWennAnders(T& feld, const T& wert) {
    if (feld != wert) {
        feld = wert;
    }
}

bool Betretbar(const fs::path& verzeichnis) {
    std::error_code fehler;
    return fs::is_directory(verzeichnis, fehler) && ::access(verzeichnis.c_str(), X_OK) == 0;
}

// The directory part of a file name below basis, matched without regard to case.
std::optional<fs::path> FindeOrdner(const fs::path& basis, const fs::path& ordner) {
    if (ordner.empty()) {
        return basis;
    }
    std::error_code fehler;
    if (ordner.is_absolute()) {
        if (fs::is_directory(ordner, fehler)) {
            return ordner;
        }
        return FindePfadOhneGrossKlein(ordner.root_path(), ordner.relative_path());
    }
    auto gefunden = FindePfadOhneGrossKlein(basis, ordner);
    if (gefunden && fs::is_directory(*gefunden, fehler)) {
        return gefunden;
    }
    return std::nullopt;
}

} // namespace

TWinexecute::TWinexecute(Programmstarter& starter, TStartart art) : starter_(starter), art_(art) {}

void TWinexecute::setProgrammName(const std::string& wert) {
    SetzeWennAnders(programmName_, wert);
}
void TWinexecute::setFileName(const std::string& wert) {
    SetzeWennAnders(fileName_, wert);
}
void TWinexecute::setProgrammPfad(const std::string& wert) {
    SetzeWennAnders(programmPfad_, wert);
}
void TWinexecute::setExecuteModus(TModus wert) {
    SetzeWennAnders(modus_, wert);
}

void TWinexecute::setParameter(const std::string& wert) {
    if (!wert.empty() && wert.front() != ' ') {
        SetzeWennAnders(parameter_, " " + wert);
    } else {
        SetzeWennAnders(parameter_, wert);
    }
}

bool TWinexecute::Ausfuehren() {
    const int ergebnis = Starte();
    errorString_ = ErrorStringFuer(ergebnis);
    return art_ == TStartart::Startprogramm ? ergebnis > 31 : ergebnis > 32;
}

int TWinexecute::Starte() {
    const int modus = static_cast<int>(modus_);
    if (modus < 0 || modus > 4) {
        return -1;
    }
    try {
        // The working directory stands in for the directory change: a launch into a
        // directory that cannot be entered is an error, not a start elsewhere.
        fs::path basis;
        if (!programmPfad_.empty()) {
            if (!Betretbar(programmPfad_)) {
                return -2;
            }
            basis = fs::absolute(programmPfad_);
        } else {
            basis = fs::current_path();
        }

        const std::string& name = art_ == TStartart::Startprogramm ? programmName_ : fileName_;
        if (name.empty()) {
            return startcode::DateiNichtGefunden;
        }
        const fs::path relativ(name);
        auto ordner = FindeOrdner(basis, relativ.parent_path());
        if (!ordner) {
            return startcode::PfadNichtGefunden;
        }
        auto datei = FindeOhneGrossKlein(*ordner, relativ.filename().string());
        if (!datei) {
            return startcode::DateiNichtGefunden;
        }

        Startauftrag auftrag;
        auftrag.datei = fs::absolute(*datei);
        std::error_code fehler;
        auftrag.ausfuehren = fs::is_regular_file(auftrag.datei, fehler) &&
                             ::access(auftrag.datei.c_str(), X_OK) == 0;
        auftrag.argumente = ZerlegeParameter(parameter_);
        auftrag.arbeitsverzeichnis = basis;
        auftrag.modus = modus_;
        return starter_.Starte(auftrag);
    } catch (const std::exception&) {
        return -2;
    }
}

std::string ErrorStringFuer(int ergebnis) {
    switch (ergebnis) {
    case -2:
        return text("TWinexecute", "File not found!");
    case -1:
        return text("TWinexecute", "Display not activated");
    case 0:
        return text("TWinexecute",
                    "not enough emory, damaged executable file, or not allowed move");
    case 2:
        return text("TWinexecute", "File not found.");
    case 3:
        return text("TWinexecute", "Path not found.");
    case 5:
        return text("TWinexecute",
                    "Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen "
                    "Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.");
    case 6:
        return text("TWinexecute", "Bibliothek erfordert getrennte Datensegmente für jede Task.");
    case 8:
        return text("TWinexecute", "Not enough memory to start the application.");
    case 10:
        return text("TWinexecute", "Wrong Windows-Version.");
    case 11:
        return text("TWinexecute", "Invalid .EXE-file.");
    case 12:
        return text("TWinexecute", "Application is based on a other operation system.");
    case 13:
        return text("TWinexecute", "DOS 4.0-application.");
    case 14:
        return text("TWinexecute", "Unknown .EXE-filetype.");
    case 15:
        return text("TWinexecute",
                    "Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) "
                    "eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden");
    case 16:
        return text("TWinexecute",
                    "You tried to start second time, die mehrfache (nicht Read-Only markierte) "
                    "Datensegmente enthält.");
    case 19:
        return text("TWinexecute",
                    "You tried to excecute a zipped file. The file must be unzipped, before "
                    "loading.");
    case 20:
        return text("TWinexecute",
                    "The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start "
                    "the application is damaged or missing.");
    case 21:
        return text("TWinexecute", "The application needs a 32-Bit-Environment.");
    case 31:
        return text("TWinexecute", "Application not found to start selected file");
    default:
        return ergebnis > 32 ? std::string() : text("TWinexecute", "Unknown Error");
    }
}

std::vector<std::string> ZerlegeParameter(const std::string& parameter) {
    std::vector<std::string> argumente;
    std::string aktuell;
    bool inArgument = false;
    bool inAnfuehrung = false;
    for (std::size_t i = 0; i < parameter.size(); ++i) {
        const char c = parameter[i];
        if (c == '"') {
            if (inAnfuehrung && i + 1 < parameter.size() && parameter[i + 1] == '"') {
                aktuell += '"';
                ++i;
            } else {
                inAnfuehrung = !inAnfuehrung;
            }
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !inAnfuehrung) {
            if (inArgument) {
                argumente.push_back(aktuell);
                aktuell.clear();
                inArgument = false;
            }
        } else {
            aktuell += c;
            inArgument = true;
        }
    }
    if (inArgument) {
        argumente.push_back(aktuell);
    }
    return argumente;
}

} // namespace vsk
