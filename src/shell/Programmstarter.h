#pragma once
// What the launcher asks of the platform: start a program or open a document, detached.

#include <filesystem>
#include <string>
#include <vector>

namespace vsk {

// How the started program's window is shown.
enum class TModus : int { Normal = 0, Versteckt = 1, Minimiert = 2, Maximiert = 3, Als_Icon = 4 };

struct Startauftrag {
    // Existing file, absolute.
    std::filesystem::path datei;
    // True: run datei itself; false: open it with the program associated with its type.
    bool ausfuehren = false;
    // Passed one by one, never through a command interpreter.
    std::vector<std::string> argumente;
    std::filesystem::path arbeitsverzeichnis;
    TModus modus = TModus::Normal;
};

// Launch result codes as the launcher understands them: above 32 success, else the
// error codes of TWinexecute's table.
namespace startcode {
inline constexpr int Erfolg = 42;
inline constexpr int DateiNichtGefunden = 2;
inline constexpr int PfadNichtGefunden = 3;
inline constexpr int UngueltigeDatei = 11;
inline constexpr int KeinZugeordnetesProgramm = 31;
} // namespace startcode

class Programmstarter {
public:
    virtual ~Programmstarter() = default;
    // Starts without waiting for the program; returns a launch result code.
    virtual int Starte(const Startauftrag& auftrag) = 0;
};

} // namespace vsk
