#pragma once
// The user settings file: Windows INI semantics. Section and key names compare without
// regard to case; a missing file, section or key reads as the caller's default.
//
// The file is read into memory on the first use and again only when it has changed on the
// disk (another program edited it); a read costs one stat. Only a regular file is read,
// and only up to a bound, so a FIFO, a device or a huge file in its place cannot stall the
// program: such a file reads as missing, and LesefehlerMeldung() says so. Each write goes
// back to the file at once (several writes that belong together once, see
// SchreibeZusammen): the changed keys are set in the file as it is now, and the whole goes
// through the file writer.

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

    // The program's message when the file exists but could not be read, else nothing.
    std::optional<std::string> LesefehlerMeldung() const;

    int ReadInteger(std::string_view sektion, std::string_view schluessel, int vorgabe) const;
    double ReadFloat(std::string_view sektion, std::string_view schluessel, double vorgabe) const;
    std::string ReadString(std::string_view sektion, std::string_view schluessel,
                           const std::string& vorgabe) const;

    // Each write raises SchreibFehler when the file cannot be written.
    void WriteInteger(std::string_view sektion, std::string_view schluessel, int wert);
    void WriteFloat(std::string_view sektion, std::string_view schluessel, double wert);
    void WriteString(std::string_view sektion, std::string_view schluessel,
                     const std::string& wert);

    // The writes that schreibe makes reach the file together, in one write at its end;
    // when that fails, SchreibFehler is raised and neither the file nor the values read
    // from this object change. Nested calls write with the outermost.
    void SchreibeZusammen(const std::function<void()>& schreibe);

private:
    struct Aenderung {
        std::string sektion;
        std::string schluessel;
        std::string wert;
    };

    void Laden() const;
    void Schreibe(std::string_view sektion, std::string_view schluessel, const std::string& wert);
    void Zurueckschreiben();

    // What tells whether the file changed since it was read.
    struct Kennung {
        unsigned long long geraet = 0, knoten = 0, art = 0, groesse = 0, sekunden = 0,
                           nanosekunden = 0;
        bool operator==(const Kennung&) const = default;
    };
    static std::optional<Kennung> KennungVon(const std::filesystem::path& datei);
    static bool KuerzlichGeaendert(const std::optional<Kennung>& kennung);

    std::filesystem::path datei_;
    char trenner_;
    mutable std::optional<Kennung> kennung_; // of the file when it was read; none: missing
    // The file as read, without line ends; crlf_: it used CR LF.
    mutable std::optional<std::vector<std::string>> zeilen_;
    mutable bool crlf_ = false;
    mutable bool unlesbar_ = false;
    std::vector<Aenderung> offen_; // written into zeilen_, not yet into the file
    bool sammeln_ = false;
};

// Where the settings file lives: beside the program, named like it with ".INI"; when
// that directory cannot be written, in <config home>/VSK/ with the same name, where
// config home is $XDG_CONFIG_HOME or, when that is empty, $HOME/.config.
std::filesystem::path EinstellungsdateiFuer(const std::filesystem::path& programmdatei,
                                            const std::string& xdgConfigHome,
                                            const std::string& home);

} // namespace vsk
