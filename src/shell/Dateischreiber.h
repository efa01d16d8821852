#pragma once
// The one way the programs write a file. The new content goes to a temporary file in the
// target's folder; every write, the flush and the sync are checked, and only then is the
// temporary file renamed over the target. On any failure the temporary file is removed,
// the target keeps its old bytes, and the result says why.
//
// The target is refused when it exists without write permission (also for a user whom
// the system would let write anyway), or is a folder or another non-regular file. A
// symbolic link is followed and the file it points to is written (also a dangling one:
// that file is created); the link stays. A replaced file keeps its permissions. A
// successful write removes what killed writes to the same target left behind (hidden
// temporary files of this writer's naming, older than a minute).
//
// Paths are byte strings: a name that is not valid UTF-8 is written as it is.

#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

enum class Schreibfehler {
    Keiner,
    Inhalt,            // the content could not be produced; nothing was touched
    Schreibgeschuetzt, // the target has no write permission
    KeineDatei,        // a folder or another non-regular file has the target's name
    System,            // the system refused (full disk, missing folder, ...): see errno
};

struct Schreibergebnis {
    Schreibfehler fehler = Schreibfehler::Keiner;
    int fehlernummer = 0;        // errno of a System failure
    std::filesystem::path datei; // the target the result is about (for several: the failed one)

    explicit operator bool() const { return fehler == Schreibfehler::Keiner; }
    // Why it failed, in words for the end of a message; empty on success and for Inhalt.
    std::string Grund() const;
};

Schreibergebnis SchreibeDatei(const std::filesystem::path& ziel, std::string_view inhalt);

// The content is produced by schreiber into a stream (false: it could not be produced).
Schreibergebnis SchreibeDatei(const std::filesystem::path& ziel,
                              const std::function<bool(std::ostream&)>& schreiber);

struct Dateiinhalt {
    std::filesystem::path ziel;
    std::string inhalt;
};

// Several files that belong together (the pages of a report, the views of a drawing):
// all are written before the first is renamed into place, so a failure or a kill while
// writing leaves every target as it was.
Schreibergebnis SchreibeDateien(const std::vector<Dateiinhalt>& dateien);

// ---- For exporters that report failures as exceptions

// A file could not be read or written; what() is the message for the user.
class DateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "The file "<ziel>" could not be written - Please check the writing access on the data
// carrier. (<reason>)"
std::string SchreibFehlerText(const Schreibergebnis& ergebnis);

// SchreibeDatei that throws DateiFehler with SchreibFehlerText.
void SchreibeDateiSicher(const std::filesystem::path& ziel,
                         const std::function<bool(std::ostream&)>& schreiber);

// Byte-for-byte copies of quelle -> ziel, written together as SchreibeDateien does;
// throws DateiFehler when a source cannot be read or a target cannot be written.
void KopiereDateienSicher(
    const std::vector<std::pair<std::filesystem::path, std::filesystem::path>>& kopien);
void KopiereDateiSicher(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// ---- Test seam

// Called before each write of laenge bytes into a temporary file, with the bytes the call
// has written so far; a non-zero result fails that write with the result as errno
// (ENOSPC: a full disk). An empty function (the default) lets every write through.
using Schreibeingriff = std::function<int(std::size_t bisher, std::size_t laenge)>;
void SetzeSchreibeingriff(Schreibeingriff eingriff);

} // namespace vsk
