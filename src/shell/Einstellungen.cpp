#include "shell/Einstellungen.h"

#include "shell/Dateilesen.h"
#include "shell/Dateischreiber.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vsk {

namespace fs = std::filesystem;

namespace {

bool GleichOhneFall(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto klein = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return klein(x) == klein(y);
           });
}

std::string_view Trimme(std::string_view s) {
    auto leer = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && leer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && leer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A settings file is a few kilobytes; anything beyond this bound is not one.
constexpr std::size_t kMaxEinstellungsBytes = 1024 * 1024;
// A file changed this recently may change again unseen (see KuerzlichGeaendert).
constexpr unsigned long long kUnsichereSekunden = 2;

// The file as lines, without line ends. crlf tells whether the file used CR LF.
struct IniText {
    std::vector<std::string> zeilen;
    bool crlf = false;
};

IniText Zeilen(std::string_view inhalt) {
    IniText ini;
    while (!inhalt.empty()) {
        const std::size_t ende = inhalt.find('\n');
        std::string_view zeile = inhalt.substr(0, ende);
        inhalt.remove_prefix(ende == std::string_view::npos ? inhalt.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.remove_suffix(1);
            ini.crlf = true;
        }
        ini.zeilen.emplace_back(zeile);
    }
    return ini;
}

std::string Inhalt(const IniText& ini) {
    const char* ende = ini.crlf ? "\r\n" : "\n";
    std::string inhalt;
    for (const std::string& zeile : ini.zeilen) {
        inhalt += zeile;
        inhalt += ende;
    }
    return inhalt;
}

// The file, or nothing when it exists and cannot be read (a missing file is empty).
std::optional<IniText> LeseIni(const fs::path& datei) {
    const Dateilesung e = LeseDateiBegrenzt(datei, kMaxEinstellungsBytes);
    if (e.fehler == Lesefehler::Fehlt) {
        return IniText{};
    }
    if (!e) {
        return std::nullopt;
    }
    return Zeilen(e.inhalt);
}

std::optional<std::string_view> SektionsName(std::string_view zeile) {
    std::string_view t = Trimme(zeile);
    if (t.size() >= 2 && t.front() == '[') {
        auto zu = t.find(']');
        if (zu != std::string_view::npos) {
            return Trimme(t.substr(1, zu - 1));
        }
    }
    return std::nullopt;
}

// Key and value of a "key=value" line; comment lines (";") have none.
std::optional<std::pair<std::string_view, std::string_view>> Eintrag(std::string_view zeile) {
    std::string_view t = Trimme(zeile);
    if (t.empty() || t.front() == ';') {
        return std::nullopt;
    }
    auto gleich = t.find('=');
    if (gleich == std::string_view::npos) {
        return std::nullopt;
    }
    return std::make_pair(Trimme(t.substr(0, gleich)), Trimme(t.substr(gleich + 1)));
}

std::optional<std::string> LeseWert(const std::vector<std::string>& zeilen,
                                    std::string_view sektion, std::string_view schluessel) {
    bool inSektion = false;
    for (const std::string& zeile : zeilen) {
        if (auto name = SektionsName(zeile)) {
            inSektion = GleichOhneFall(*name, sektion);
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(zeile); e && GleichOhneFall(e->first, schluessel)) {
            std::string_view wert = e->second;
            // A value in matching quotes is read without them.
            if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') &&
                wert.back() == wert.front()) {
                wert = wert.substr(1, wert.size() - 2);
            }
            return std::string(wert);
        }
    }
    return std::nullopt;
}

void SetzeWert(IniText& ini, std::string_view sektion, std::string_view schluessel,
               const std::string& wert) {
    std::string neueZeile = std::string(schluessel) + "=" + wert;

    // Find the section and, inside it, the key.
    std::optional<std::size_t> sektionsZeile;
    std::optional<std::size_t> letzteEintragsZeile;
    bool inSektion = false;
    bool erledigt = false;
    for (std::size_t i = 0; i < ini.zeilen.size() && !erledigt; ++i) {
        if (auto name = SektionsName(ini.zeilen[i])) {
            if (inSektion) {
                break; // left the first matching section without finding the key
            }
            inSektion = GleichOhneFall(*name, sektion);
            if (inSektion) {
                sektionsZeile = i;
                letzteEintragsZeile = i;
            }
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(ini.zeilen[i])) {
            if (GleichOhneFall(e->first, schluessel)) {
                ini.zeilen[i] = std::string(e->first) + "=" + wert;
                erledigt = true;
            }
            letzteEintragsZeile = i;
        } else if (!Trimme(ini.zeilen[i]).empty()) {
            letzteEintragsZeile = i;
        }
    }
    if (!erledigt) {
        if (sektionsZeile) {
            ini.zeilen.insert(ini.zeilen.begin() +
                                  static_cast<std::ptrdiff_t>(*letzteEintragsZeile + 1),
                              neueZeile);
        } else {
            if (!ini.zeilen.empty() && !Trimme(ini.zeilen.back()).empty()) {
                ini.zeilen.emplace_back();
            }
            ini.zeilen.push_back("[" + std::string(sektion) + "]");
            ini.zeilen.push_back(neueZeile);
        }
    }
}

} // namespace

SchreibFehler::SchreibFehler(const fs::path& datei)
    : std::runtime_error(
          ErsetzeProzentS(text("Einstellungen", "Not able to write to file %s"), datei.string())) {}

Einstellungen::Einstellungen(fs::path datei, char dezimaltrenner)
    : datei_(std::move(datei)), trenner_(dezimaltrenner) {}

bool Einstellungen::KuerzlichGeaendert(const std::optional<Kennung>& kennung) {
    // The file system keeps times in steps of a few milliseconds: a change in the same
    // step as the last read, keeping the size, would go unseen.
    return kennung && kennung->sekunden + kUnsichereSekunden >=
                          static_cast<unsigned long long>(std::time(nullptr));
}

std::optional<Einstellungen::Kennung> Einstellungen::KennungVon(const fs::path& datei) {
    struct stat info {};
    if (::stat(datei.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return Kennung{info.st_dev,
                   info.st_ino,
                   info.st_mode,
                   static_cast<unsigned long long>(info.st_size),
                   static_cast<unsigned long long>(info.st_mtim.tv_sec),
                   static_cast<unsigned long long>(info.st_mtim.tv_nsec)};
}

void Einstellungen::Laden() const {
    // Values set during SchreibeZusammen live only here until the end of it.
    std::optional<Kennung> jetzt = KennungVon(datei_);
    // A file that could not be read stays so until it changes: it is not read again on
    // every key.
    if (zeilen_ &&
        (sammeln_ || (jetzt == kennung_ && (unlesbar_ || !KuerzlichGeaendert(kennung_))))) {
        return;
    }
    kennung_ = jetzt;
    std::optional<IniText> ini = LeseIni(datei_);
    unlesbar_ = !ini;
    zeilen_ = ini ? std::move(ini->zeilen) : std::vector<std::string>();
    crlf_ = ini && ini->crlf;
}

std::optional<std::string> Einstellungen::LesefehlerMeldung() const {
    Laden();
    if (!unlesbar_) {
        return std::nullopt;
    }
    return ErsetzeProzentS(text("Einstellungen", "The settings file %s cannot be read. The "
                                                 "program uses its default settings."),
                           datei_.string());
}

int Einstellungen::ReadInteger(std::string_view sektion, std::string_view schluessel,
                               int vorgabe) const {
    Laden();
    auto wert = LeseWert(*zeilen_, sektion, schluessel);
    if (!wert) {
        return vorgabe;
    }
    auto zahl = LeseGanzzahl(*wert);
    if (!zahl || *zahl < std::numeric_limits<int>::min() ||
        *zahl > std::numeric_limits<int>::max()) {
        return vorgabe;
    }
    return static_cast<int>(*zahl);
}

double Einstellungen::ReadFloat(std::string_view sektion, std::string_view schluessel,
                                double vorgabe) const {
    Laden();
    auto wert = LeseWert(*zeilen_, sektion, schluessel);
    if (!wert) {
        return vorgabe;
    }
    return LeseZahl(*wert, trenner_).value_or(vorgabe);
}

std::string Einstellungen::ReadString(std::string_view sektion, std::string_view schluessel,
                                      const std::string& vorgabe) const {
    Laden();
    return LeseWert(*zeilen_, sektion, schluessel).value_or(vorgabe);
}

void Einstellungen::WriteInteger(std::string_view sektion, std::string_view schluessel, int wert) {
    Schreibe(sektion, schluessel, std::to_string(wert));
}

void Einstellungen::WriteFloat(std::string_view sektion, std::string_view schluessel, double wert) {
    Schreibe(sektion, schluessel, FormatAllgemein(wert, trenner_));
}

void Einstellungen::WriteString(std::string_view sektion, std::string_view schluessel,
                                const std::string& wert) {
    Schreibe(sektion, schluessel, wert);
}

void Einstellungen::SchreibeZusammen(const std::function<void()>& schreibe) {
    if (sammeln_) {
        schreibe(); // the outermost call writes
        return;
    }
    Laden();
    const std::vector<std::string> vorher = *zeilen_;
    sammeln_ = true;
    try {
        schreibe();
        sammeln_ = false;
        Zurueckschreiben();
    } catch (...) {
        sammeln_ = false;
        offen_.clear();
        *zeilen_ = vorher;
        throw;
    }
}

void Einstellungen::Schreibe(std::string_view sektion, std::string_view schluessel,
                             const std::string& wert) {
    Laden();
    offen_.push_back({std::string(sektion), std::string(schluessel), wert});
    if (sammeln_) {
        IniText ini{std::move(*zeilen_), crlf_};
        SetzeWert(ini, sektion, schluessel, wert);
        *zeilen_ = std::move(ini.zeilen);
        return;
    }
    Zurueckschreiben();
}

void Einstellungen::Zurueckschreiben() {
    // The changes go into the file as it is now, so that keys another run of the program
    // wrote meanwhile stay; unchanged since it was read, it is the copy in memory (setting
    // the same keys again changes nothing). A file that cannot be read is not replaced:
    // its content would be lost.
    std::vector<Aenderung> aenderungen = std::move(offen_);
    offen_.clear();
    std::optional<IniText> ini;
    if (!unlesbar_ && KennungVon(datei_) == kennung_ && !KuerzlichGeaendert(kennung_)) {
        ini = IniText{*zeilen_, crlf_};
    } else {
        ini = LeseIni(datei_);
    }
    if (!ini) {
        throw SchreibFehler(datei_);
    }
    if (ini->zeilen.empty()) {
        ini->crlf = crlf_;
    }
    for (const Aenderung& a : aenderungen) {
        SetzeWert(*ini, a.sektion, a.schluessel, a.wert);
    }
    std::error_code fehler;
    if (datei_.has_parent_path() && !fs::exists(datei_.parent_path(), fehler)) {
        fs::create_directories(datei_.parent_path(), fehler);
    }
    if (!SchreibeDatei(datei_, Inhalt(*ini))) {
        throw SchreibFehler(datei_);
    }
    zeilen_ = std::move(ini->zeilen);
    crlf_ = ini->crlf;
    unlesbar_ = false;
    kennung_ = KennungVon(datei_);
}

fs::path EinstellungsdateiFuer(const fs::path& programmdatei, const std::string& xdgConfigHome,
                               const std::string& home) {
    fs::path name = programmdatei.stem();
    name += ".INI";
    fs::path verzeichnis = programmdatei.parent_path();
    if (verzeichnis.empty()) {
        verzeichnis = ".";
    }
    if (::access(verzeichnis.c_str(), W_OK) == 0) {
        return verzeichnis / name;
    }
    fs::path basis = !xdgConfigHome.empty() ? fs::path(xdgConfigHome)
                                            : fs::path(home.empty() ? "." : home) / ".config";
    return basis / "VSK" / name;
}

} // namespace vsk
