#pragma once
// Shared by the commands that work on one position (report, sketch, dxf): the options
// --position N and --type T, and the way to the designed position that the Calculation
// command takes. Errors go to standard error, prefixed with the command's name.

#include "cli/Optionsleser.h"
#include "model/Modell.h"
#include "shell/Plattform.h"

#include <functional>
#include <optional>
#include <string>

namespace vsk::cli {

// Type index 0..18, or a designation such as "VSK 7" or an identifier such as "VSK_007"
// (in any letter case).
std::optional<int> LeseTyp(const std::string& text);

struct Positionswahl {
    std::optional<int> position; // default: the project's current position
    std::optional<int> typ;      // default: the stored selection, else the recommended type
};

// A position number 1 to MaxAnzAnwendung; nothing for any other text.
std::optional<int> LesePositionsnummer(const std::string& text);

// The options --position N and --type T of the command.
void PositionswahlOptionen(Optionsleser& leser, Positionswahl& wahl);

// The options of a command that writes one file from a position: FILE (when mitDatei),
// --position N, --type T and -o OUT; eigene adds the command's own options. An empty text
// on success, else the usage error.
struct Dateiwahl {
    std::string datei;
    Positionswahl wahl;
    std::string ausgabe;
    std::string endung; // what an output name without an extension gets; empty: nothing
};
std::string LiesDateiwahl(const Argumente& argumente, bool mitDatei, Dateiwahl& o,
                          const std::function<void(Optionsleser&)>& eigene = {});

// Reads the project (never half a file) and makes the chosen position current. The exit
// status when that fails: 1 the file could not be read, 2 there is no such position.
std::optional<int> WaehlePosition(const char* befehl, const std::string& datei,
                                  const Positionswahl& wahl, Plattform& plattform,
                                  TKModell& modell);

// A calculated position keeps its stored results and selected type, as the window shows it
// after Open. Otherwise as the Calculation command: the plausibility check, then the design.
// A chosen type is then selected as in the results list, and its data are loaded. Exit
// status 1 when the position cannot be calculated (the hints are listed).
std::optional<int> BemesseAktuellePosition(const char* befehl, const Positionswahl& wahl,
                                           Plattform& plattform, TKModell& modell);

// What report and dxf begin with: WaehlePosition, then BemesseAktuellePosition.
std::optional<int> LadeUndBemesse(const char* befehl, const std::string& datei,
                                  const Positionswahl& wahl, Plattform& plattform,
                                  TKModell& modell);

} // namespace vsk::cli
