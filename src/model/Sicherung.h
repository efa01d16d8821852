#pragma once
// Recovery copies of unsaved work. While a project has unsaved changes, the program writes
// a copy of it into the user's state folder from time to time, never onto the user's own
// file. Each run has its own copy "Sicherung-<run>.VSK" (the document Save writes), a note
// "Sicherung-<run>.info" (the project's own file name and the time of the copy) and a lock
// file "Sicherung-<run>.lock" that the run holds while it lives. A copy whose lock nobody
// holds was left by a run that did not end cleanly (a crash, a kill, a power cut): the next
// start offers to restore it.
//
// A copy the user restores stays, held by the new run, until that run has written its own
// copy or removes it; a copy the user declines is put aside ("Beiseite-<run>.VSK") until
// the next copy is written, so that a wrong click loses nothing.

#include "shell/Dateischreiber.h"
#include "shell/Dateisperre.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vsk {

class Einstellungen;
class TKModell;

// The folder of the copies: $XDG_STATE_HOME/VSK, else ~/.local/state/VSK; empty (no
// copies) without either. A relative $XDG_STATE_HOME does not count.
std::filesystem::path Sicherungsordner(const std::string& xdgStateHome, const std::string& home);

// Seconds between two copies: "Anwenderdaten"/"AutoSicherung"; 0 (also a negative value)
// writes none; at most a day.
inline constexpr int VorgabeAutoSicherungSekunden = 60;
inline constexpr int MaxAutoSicherungSekunden = 24 * 60 * 60;
int AutoSicherungSekunden(const Einstellungen& einstellungen);

// A copy left by another run.
struct Sicherungskopie {
    std::filesystem::path projekt; // the project's document
    std::filesystem::path notiz;
    std::string dateiname; // the project's own file; empty for a project never saved
    std::int64_t zeit = 0; // when it was written, seconds since 1970
};

class Sicherung {
public:
    // The copies of this run go into ordner; an empty ordner keeps no copies at all.
    explicit Sicherung(std::filesystem::path ordner);
    // The lock is given up; a copy still there is left for the next start.
    ~Sicherung();
    Sicherung(const Sicherung&) = delete;
    Sicherung& operator=(const Sicherung&) = delete;

    const std::filesystem::path& Ordner() const { return ordner_; }
    std::filesystem::path Kopie() const { return Datei("Sicherung-", ".VSK"); }

    // The copies of runs that are gone, newest first. Each is held by this run (no other
    // start offers it meanwhile) until Uebernimm, LegeBeiseite or Lasse.
    std::vector<Sicherungskopie> Verwaiste();
    // The user restores it: it stays until this run's own copy replaces it.
    void Uebernimm(const Sicherungskopie& kopie);
    // The user declines it: it is put aside until the next copy is written.
    void LegeBeiseite(const Sicherungskopie& kopie);
    // It was not asked about: the next start offers it again.
    void Lasse(const Sicherungskopie& kopie);

    // Writes this run's copy of the project (dateiname: the project's own file, for its
    // header and the note); then the copies it replaces are removed.
    Schreibergebnis Schreibe(const TKModell& modell, const std::string& dateiname,
                             std::int64_t zeit, char trenner);
    // The project has no unsaved changes (saved, discarded, or the run ends cleanly): this
    // run's copy and the one it restored are removed.
    void Entferne();
    bool HatKopie() const { return kopieGeschrieben_; }

private:
    std::filesystem::path Datei(const char* art, const char* endung) const;
    void Verwerfe(std::vector<std::pair<Sicherungskopie, Dateisperre>>& kopien);

    std::filesystem::path ordner_;
    std::string lauf_; // this run's part of the file names
    std::optional<Dateisperre> sperre_;
    bool kopieGeschrieben_ = false;
    std::vector<std::pair<Sicherungskopie, Dateisperre>> gehalten_;    // offered, not decided
    std::vector<std::pair<Sicherungskopie, Dateisperre>> uebernommen_; // restored
};

} // namespace vsk
