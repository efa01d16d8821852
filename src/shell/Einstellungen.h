#pragma once
// The user settings file: Windows INI semantics. Section and key names compare without
// regard to case; a missing file, section or key reads as the caller's default. Every
// call opens the file, reads or writes, and closes it again: there is no cached copy.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vsk {

// Raised when the settings file cannot be written; what() is the program's message
// "Not able to write to file <path>".
class SchreibFehler : public std::runtime_error {
public:
    explicit SchreibFehler(const std::filesystem::path& datei);
};

class Einstellungen {
public:
    // dezimaltrenner: the user's decimal separator, used for reals in both directions.
    Einstellungen(std::filesystem::path datei, char dezimaltrenner);

    const std::filesystem::path& Datei() const { return datei_; }
    char Dezimaltrenner() const { return trenner_; }

    int ReadInteger(std::string_view sektion, std::string_view schluessel, int vorgabe) const;
    double ReadFloat(std::string_view sektion, std::string_view schluessel, double vorgabe) const;
    std::string ReadString(std::string_view sektion, std::string_view schluessel,
                           const std::string& vorgabe) const;

    // Each write raises SchreibFehler when the file cannot be written.
    void WriteInteger(std::string_view sektion, std::string_view schluessel, int wert);
    void WriteFloat(std::string_view sektion, std::string_view schluessel, double wert);
    void WriteString(std::string_view sektion, std::string_view schluessel,
                     const std::string& wert);

private:
    std::filesystem::path datei_;
    char trenner_;
};

// Where the settings file lives: beside the program, named like it with ".INI"; when
// that directory cannot be written, in <config home>/VSK/ with the same name, where
// config home is $XDG_CONFIG_HOME or, when that is empty, $HOME/.config.
std::filesystem::path EinstellungsdateiFuer(const std::filesystem::path& programmdatei,
                                            const std::string& xdgConfigHome,
                                            const std::string& home);

} // namespace vsk
