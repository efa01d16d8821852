#include "model/Sicherung.h"

#include "model/ProjektSchreiben.h"
#include "shell/Dateilesen.h"
#include "shell/Einstellungen.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vsk {

namespace {

constexpr const char* Kopiename = "Sicherung-";
constexpr const char* Beiseitename = "Beiseite-";
constexpr const char* Projektendung = ".VSK";
constexpr const char* Notizendung = ".info";
constexpr const char* Sperrendung = ".lock";
constexpr std::size_t MaxNotizBytes = 64 * 1024;

// The note: the time on the first line, then the file name to the end (a name may hold
// any byte but NUL, a line break too).
constexpr std::string_view ZeitFeld = "Zeit=";
constexpr std::string_view DateiFeld = "\nDatei=";

std::optional<Sicherungskopie> LeseNotiz(const fs::path& notiz) {
    const Dateilesergebnis gelesen = LeseDateiBegrenzt(notiz, MaxNotizBytes);
    const std::string& text = gelesen.inhalt;
    const std::size_t datei = text.find(DateiFeld);
    if (!gelesen || text.compare(0, ZeitFeld.size(), ZeitFeld) != 0 || datei == std::string::npos) {
        return std::nullopt;
    }
    Sicherungskopie k;
    const char* anfang = text.data() + ZeitFeld.size();
    const char* ende = text.data() + datei;
    if (std::from_chars(anfang, ende, k.zeit).ptr != ende) {
        return std::nullopt;
    }
    k.dateiname = text.substr(datei + DateiFeld.size());
    k.notiz = notiz;
    return k;
}

bool Beginnt(const std::string& name, std::string_view anfang) {
    return name.compare(0, anfang.size(), anfang) == 0;
}

bool Endet(const std::string& name, std::string_view ende) {
    return name.size() >= ende.size() &&
           name.compare(name.size() - ende.size(), ende.size(), ende) == 0;
}

void Loesche(const fs::path& datei) {
    std::error_code fehler;
    fs::remove(datei, fehler);
}

} // namespace

fs::path Sicherungsordner(const std::string& xdgStateHome, const std::string& home) {
    if (!xdgStateHome.empty() && fs::path(xdgStateHome).is_absolute()) {
        return fs::path(xdgStateHome) / "VSK";
    }
    if (!home.empty()) {
        return fs::path(home) / ".local" / "state" / "VSK";
    }
    return {};
}

int AutoSicherungSekunden(const Einstellungen& einstellungen) {
    const int sekunden =
        einstellungen.ReadInteger("Anwenderdaten", "AutoSicherung", VorgabeAutoSicherungSekunden);
    return std::clamp(sekunden, 0, MaxAutoSicherungSekunden);
}

namespace {

std::string NeuerLauf() {
    // Start time and process tell the runs apart; the count, two of one process.
    static std::atomic<int> zaehler{0};
    return std::to_string(std::time(nullptr)) + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(++zaehler);
}

} // namespace

Sicherung::Sicherung(fs::path ordner) : ordner_(std::move(ordner)), lauf_(NeuerLauf()) {}

Sicherung::~Sicherung() {
    if (sperre_ && !kopieGeschrieben_) {
        sperre_->Entferne();
    }
}

fs::path Sicherung::Datei(const char* art, const char* endung) const {
    return ordner_ / (art + lauf_ + endung);
}

std::vector<Sicherungskopie> Sicherung::Verwaiste() {
    std::vector<Sicherungskopie> kopien;
    std::error_code fehler;
    if (ordner_.empty() || !fs::is_directory(ordner_, fehler)) {
        return kopien;
    }
    const std::string eigene = Kopiename + lauf_ + Notizendung;
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner_, fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (!Beginnt(name, Kopiename) || !Endet(name, Notizendung) || name == eigene) {
            continue;
        }
        const std::string stamm =
            name.substr(0, name.size() - std::string_view(Notizendung).size());
        Dateisperre sperre(ordner_ / (stamm + Sperrendung));
        if (!sperre.Gehalten()) {
            continue; // its run is alive, or another start holds it
        }
        std::optional<Sicherungskopie> kopie = LeseNotiz(eintrag.path());
        const fs::path projekt = ordner_ / (stamm + Projektendung);
        if (!kopie || !fs::is_regular_file(projekt, fehler)) {
            // What a run left half: nothing to offer.
            Loesche(eintrag.path());
            sperre.Entferne();
            continue;
        }
        kopie->projekt = projekt;
        kopien.push_back(*kopie);
        gehalten_.emplace_back(*kopie, std::move(sperre));
    }
    std::stable_sort(
        kopien.begin(), kopien.end(),
        [](const Sicherungskopie& a, const Sicherungskopie& b) { return a.zeit > b.zeit; });
    return kopien;
}

namespace {

template <class Liste> auto Finde(Liste& liste, const Sicherungskopie& kopie) {
    return std::find_if(liste.begin(), liste.end(),
                        [&](const auto& eintrag) { return eintrag.first.notiz == kopie.notiz; });
}

} // namespace

void Sicherung::Uebernimm(const Sicherungskopie& kopie) {
    const auto it = Finde(gehalten_, kopie);
    if (it != gehalten_.end()) {
        uebernommen_.push_back(std::move(*it));
        gehalten_.erase(it);
    }
}

void Sicherung::LegeBeiseite(const Sicherungskopie& kopie) {
    const auto it = Finde(gehalten_, kopie);
    if (it == gehalten_.end()) {
        return;
    }
    const std::string stamm =
        kopie.projekt.stem().string().substr(std::string_view(Kopiename).size());
    std::error_code fehler;
    fs::rename(kopie.projekt, ordner_ / (Beiseitename + stamm + Projektendung), fehler);
    fs::rename(kopie.notiz, ordner_ / (Beiseitename + stamm + Notizendung), fehler);
    it->second.Entferne();
    gehalten_.erase(it);
}

void Sicherung::Lasse(const Sicherungskopie& kopie) {
    const auto it = Finde(gehalten_, kopie);
    if (it != gehalten_.end()) {
        gehalten_.erase(it);
    }
}

void Sicherung::Verwerfe(std::vector<std::pair<Sicherungskopie, Dateisperre>>& kopien) {
    for (auto& [kopie, sperre] : kopien) {
        Loesche(kopie.projekt);
        Loesche(kopie.notiz);
        sperre.Entferne();
    }
    kopien.clear();
}

Schreibergebnis Sicherung::Schreibe(const TKModell& modell, const std::string& dateiname,
                                    std::int64_t zeit, char trenner) {
    Schreibergebnis ergebnis;
    ergebnis.datei = Kopie();
    std::error_code fehler;
    if (ordner_.empty() || (!fs::create_directories(ordner_, fehler) && fehler)) {
        ergebnis.fehler = Schreibfehler::System;
        ergebnis.fehlernummer = fehler ? fehler.value() : ENOENT;
        return ergebnis;
    }
    // The copies hold the user's work: only the user may read them.
    fs::permissions(ordner_, fs::perms::owner_all, fs::perm_options::replace, fehler);
    if (!sperre_ || !sperre_->Gehalten()) {
        sperre_.emplace(Datei(Kopiename, Sperrendung));
        if (!sperre_->Gehalten()) {
            ergebnis.fehler = Schreibfehler::System;
            ergebnis.fehlernummer = errno;
            return ergebnis;
        }
    }
    std::string text;
    try {
        std::optional<std::string> projekt = ProjektText(modell, dateiname, trenner);
        if (!projekt) {
            ergebnis.fehler = Schreibfehler::Inhalt; // beyond what a project file may hold
            return ergebnis;
        }
        text = std::move(*projekt);
    } catch (const std::bad_alloc&) {
        ergebnis.fehler = Schreibfehler::Inhalt;
        return ergebnis;
    }
    std::string notiz(ZeitFeld);
    notiz += std::to_string(zeit);
    notiz += DateiFeld;
    notiz += dateiname;
    ergebnis = SchreibeDateien(
        {{Kopie(), std::move(text)}, {Datei(Kopiename, Notizendung), std::move(notiz)}});
    if (!ergebnis) {
        return ergebnis;
    }
    kopieGeschrieben_ = true;
    // The copy restored at the start and those put aside are replaced by this one.
    Verwerfe(uebernommen_);
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner_, fehler)) {
        if (Beginnt(eintrag.path().filename().string(), Beiseitename)) {
            Loesche(eintrag.path());
        }
    }
    return ergebnis;
}

void Sicherung::Entferne() {
    if (kopieGeschrieben_) {
        Loesche(Kopie());
        Loesche(Datei(Kopiename, Notizendung));
        kopieGeschrieben_ = false;
    }
    Verwerfe(uebernommen_);
}

} // namespace vsk
