#include "shell/Dateischreiber.h"

#include "shell/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vsk {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkTiefe = 40;
// The temporary name holds the target's name, cut so that it stays a valid file name.
constexpr std::size_t kMaxStammLaenge = 200;
constexpr std::string_view kTempMarke = ".vsk-";
constexpr std::size_t kZufallsZeichen = 6; // the XXXXXX of mkstemp
// A temporary file this old belongs to no write in progress any more.
constexpr std::time_t kVerwaistNachSekunden = 60;

Schreibeingriff& Eingriff() {
    static Schreibeingriff eingriff;
    return eingriff;
}

Schreibergebnis Fehlschlag(Schreibfehler art, const fs::path& datei, int nummer = 0) {
    return {art, nummer, datei};
}

std::string Stamm(const fs::path& ziel) {
    return ziel.filename().string().substr(0, kMaxStammLaenge);
}

// Where a chain of symbolic links ends (the path itself when it is no link); errno on
// failure.
int FolgeLinks(fs::path& p) {
    for (int i = 0; i < kMaxLinkTiefe; ++i) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;
        }
        std::error_code fehler;
        fs::path weiter = fs::read_symlink(p, fehler);
        if (fehler) {
            return fehler.value();
        }
        p = weiter.is_absolute() ? weiter : p.parent_path() / weiter;
    }
    return ELOOP;
}

fs::path Ordner(const fs::path& datei) {
    return datei.has_parent_path() ? datei.parent_path() : fs::path(".");
}

// Mode for a new file: what the user's umask gives an ordinary file.
mode_t NeuerDateimodus() {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// Writes all bytes; errno of the failure, or 0.
int SchreibeAlles(int fd, std::string_view inhalt, std::size_t& bisher) {
    while (!inhalt.empty()) {
        if (Eingriff()) {
            if (const int fehler = Eingriff()(bisher, inhalt.size())) {
                return fehler;
            }
        }
        const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        inhalt.remove_prefix(static_cast<std::size_t>(n));
        bisher += static_cast<std::size_t>(n);
    }
    return 0;
}

void SyncOrdner(const fs::path& ordner) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}
bool Kleinbuchstabe(char c) {
    return c >= 'a' && c <= 'z';
}
bool BuchstabeOderZiffer(char c) {
    return Ziffer(c) || Kleinbuchstabe(c) || (c >= 'A' && c <= 'Z');
}

bool NurZeichen(std::string_view s, bool (*art)(char)) {
    return !s.empty() && std::all_of(s.begin(), s.end(), art);
}

bool WieAusMkstemp(std::string_view s) {
    // Six letters and digits; an all-lowercase word (".notes.backup") is a user's file.
    return s.size() == kZufallsZeichen && NurZeichen(s, BuchstabeOderZiffer) &&
           !NurZeichen(s, Kleinbuchstabe);
}

bool BeginntMit(std::string_view s, std::string_view anfang) {
    return s.substr(0, anfang.size()) == anfang;
}

// This writer's temporary name of the target ".NAME.vsk-XXXXXX", or one of the earlier
// writers of the programs: ".NAME.XXXXXX", ".NAME.tmpPID-N", "NAME.tmpPID".
bool IstTemporaerdateiVon(std::string_view name, const fs::path& ziel) {
    const std::string zielName = ziel.filename().string();
    const std::string eigene = "." + Stamm(ziel) + std::string(kTempMarke);
    if (BeginntMit(name, eigene)) {
        const std::string_view rest = name.substr(eigene.size());
        return rest.size() == kZufallsZeichen && NurZeichen(rest, BuchstabeOderZiffer);
    }
    const std::string verborgen = "." + zielName + ".";
    if (BeginntMit(name, verborgen)) {
        std::string_view rest = name.substr(verborgen.size());
        if (WieAusMkstemp(rest)) {
            return true;
        }
        const std::size_t strich = rest.find('-');
        return BeginntMit(rest, "tmp") && strich != std::string_view::npos &&
               NurZeichen(rest.substr(3, strich - 3), Ziffer) &&
               NurZeichen(rest.substr(strich + 1), Ziffer);
    }
    const std::string einstellungen = zielName + ".tmp";
    return BeginntMit(name, einstellungen) && NurZeichen(name.substr(einstellungen.size()), Ziffer);
}

// Removes what killed writes to ziel left beside it.
void RaeumeAuf(const fs::path& ziel) {
    const std::time_t grenze = std::time(nullptr) - kVerwaistNachSekunden;
    const fs::path ordner = Ordner(ziel);
    std::error_code fehler;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const fs::path& p = it->path();
        struct stat info {};
        if (IstTemporaerdateiVon(p.filename().string(), ziel) && ::lstat(p.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_mtime < grenze) {
            ::unlink(p.c_str());
        }
    }
}

// One target on its way: the file to replace (links followed) and its complete new
// content under a temporary name beside it.
struct Vorbereitet {
    fs::path ziel;
    fs::path temp;
};

Schreibergebnis Vorbereiten(const fs::path& angabe, std::string_view inhalt, std::size_t& bisher,
                            Vorbereitet& v) {
    v.ziel = angabe;
    if (v.ziel.filename().empty()) {
        return Fehlschlag(Schreibfehler::KeineDatei, angabe, EISDIR);
    }
    if (const int fehler = FolgeLinks(v.ziel)) {
        return Fehlschlag(Schreibfehler::System, angabe, fehler);
    }
    mode_t modus = NeuerDateimodus();
    struct stat info {};
    const bool vorhanden = ::stat(v.ziel.c_str(), &info) == 0;
    if (vorhanden) {
        if (S_ISDIR(info.st_mode)) {
            return Fehlschlag(Schreibfehler::KeineDatei, angabe, EISDIR);
        }
        if (!S_ISREG(info.st_mode)) {
            return Fehlschlag(Schreibfehler::KeineDatei, angabe);
        }
        // The permission bits count, not only access(): a file marked read-only stays
        // so also for root.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(v.ziel.c_str(), W_OK) != 0) {
            return Fehlschlag(Schreibfehler::Schreibgeschuetzt, angabe, EACCES);
        }
        modus = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Fehlschlag(Schreibfehler::System, angabe, errno);
    }

    std::string vorlage =
        (Ordner(v.ziel) / ("." + Stamm(v.ziel) + std::string(kTempMarke) + "XXXXXX")).string();
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0) {
        return Fehlschlag(Schreibfehler::System, angabe, errno);
    }
    v.temp = vorlage;
    int fehler = SchreibeAlles(fd, inhalt, bisher);
    if (fehler == 0 && ::fchmod(fd, modus) != 0) {
        fehler = errno;
    }
    if (fehler == 0 && vorhanden && (info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
        ::fchown(fd, info.st_uid, info.st_gid) != 0) {
        // Only root may give the file back to its owner; others write it as their own.
    }
    if (fehler == 0 && ::fsync(fd) != 0) {
        fehler = errno;
    }
    if (::close(fd) != 0 && fehler == 0) {
        fehler = errno;
    }
    if (fehler != 0) {
        ::unlink(v.temp.c_str());
        return Fehlschlag(Schreibfehler::System, angabe, fehler);
    }
    return {Schreibfehler::Keiner, 0, angabe};
}

void Verwerfen(const std::vector<Vorbereitet>& fertig) {
    for (const Vorbereitet& v : fertig) {
        ::unlink(v.temp.c_str());
    }
}

std::string Gelesen(const fs::path& quelle) {
    std::ifstream ein(quelle, std::ios::binary);
    std::ostringstream daten;
    if (!ein.is_open() ||
        (ein.peek() != std::char_traits<char>::eof() && !(daten << ein.rdbuf()))) {
        throw DateiFehler(ErsetzeProzentS(vsk::text("DXF", "The file \"%s\" could not be read."),
                                          quelle.string()));
    }
    return daten.str();
}

} // namespace

std::string Schreibergebnis::Grund() const {
    switch (fehler) {
    case Schreibfehler::Keiner:
    case Schreibfehler::Inhalt:
        return {};
    case Schreibfehler::KeineDatei:
        if (fehlernummer == 0) {
            return vsk::text("Dateischreiber", "not a regular file");
        }
        break;
    case Schreibfehler::Schreibgeschuetzt:
    case Schreibfehler::System:
        break;
    }
    return std::strerror(fehlernummer);
}

Schreibergebnis SchreibeDateien(const std::vector<Dateiinhalt>& dateien) {
    std::vector<Vorbereitet> fertig;
    fertig.reserve(dateien.size());
    std::size_t bisher = 0;
    for (const Dateiinhalt& d : dateien) {
        Vorbereitet v;
        if (Schreibergebnis e = Vorbereiten(d.ziel, d.inhalt, bisher, v); !e) {
            Verwerfen(fertig);
            return e;
        }
        fertig.push_back(std::move(v));
    }
    for (std::size_t i = 0; i < fertig.size(); ++i) {
        if (::rename(fertig[i].temp.c_str(), fertig[i].ziel.c_str()) != 0) {
            const int fehler = errno;
            Verwerfen({fertig.begin() + static_cast<std::ptrdiff_t>(i), fertig.end()});
            return Fehlschlag(Schreibfehler::System, dateien[i].ziel, fehler);
        }
    }
    for (const Vorbereitet& v : fertig) {
        SyncOrdner(Ordner(v.ziel));
        RaeumeAuf(v.ziel);
    }
    return {Schreibfehler::Keiner, 0, dateien.empty() ? fs::path() : dateien.back().ziel};
}

Schreibergebnis SchreibeDatei(const fs::path& ziel, std::string_view inhalt) {
    return SchreibeDateien({{ziel, std::string(inhalt)}});
}

Schreibergebnis SchreibeDatei(const fs::path& ziel,
                              const std::function<bool(std::ostream&)>& schreiber) {
    std::ostringstream puffer;
    if (!schreiber(puffer) || !puffer) {
        return Fehlschlag(Schreibfehler::Inhalt, ziel);
    }
    return SchreibeDatei(ziel, puffer.view());
}

std::string SchreibFehlerText(const Schreibergebnis& ergebnis) {
    std::string text = ErsetzeProzentS(
        vsk::text("DXF", "The file \"%s\" could not be written - Please check the writing "
                         "access on the data carrier."),
        ergebnis.datei.string());
    if (const std::string grund = ergebnis.Grund(); !grund.empty()) {
        text += " (" + grund + ")";
    }
    return text;
}

void SchreibeDateiSicher(const fs::path& ziel,
                         const std::function<bool(std::ostream&)>& schreiber) {
    if (const Schreibergebnis e = SchreibeDatei(ziel, schreiber); !e) {
        throw DateiFehler(SchreibFehlerText(e));
    }
}

void KopiereDateienSicher(const std::vector<std::pair<fs::path, fs::path>>& kopien) {
    std::vector<Dateiinhalt> dateien;
    for (const auto& [quelle, ziel] : kopien) {
        dateien.push_back({ziel, Gelesen(quelle)});
    }
    if (const Schreibergebnis e = SchreibeDateien(dateien); !e) {
        throw DateiFehler(SchreibFehlerText(e));
    }
}

void KopiereDateiSicher(const fs::path& quelle, const fs::path& ziel) {
    KopiereDateienSicher({{quelle, ziel}});
}

void SetzeSchreibeingriff(Schreibeingriff eingriff) {
    Eingriff() = std::move(eingriff);
}

} // namespace vsk
