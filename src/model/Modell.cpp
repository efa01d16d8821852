#include "model/Modell.h"

#include "shell/Einstellungen.h"

#include <algorithm>
#include <utility>

namespace vsk {

namespace {
// A mistyped company line count must not make the start read a million keys.
constexpr int maxFirmaZeilen = 1000;
} // namespace

TKModell::TKModell(Einstellungen* einstellungen, std::string heute)
    : Projektbeschreibung(std::move(heute)), AktDornDaten(TEingabeDorn),
      einstellungen_(einstellungen) {
    anwendungen_.push_back(NeueAnwendung());
    anwendungen_.back().TPosition = "1";
    int sprache = 2055;
    if (einstellungen_ != nullptr) {
        const Einstellungen& e = *einstellungen_;
        Projektbeschreibung.TBearbeiter = e.ReadString("ProjektDaten", "TBearbeiter", "");
        const int zeilen =
            std::min(e.ReadInteger("ProjektDaten", "TFirmaZeilen", 0), maxFirmaZeilen);
        Projektbeschreibung.TFirma.clear();
        for (int i = 1; i <= zeilen; ++i) {
            Projektbeschreibung.TFirma.push_back(
                e.ReadString("ProjektDaten", "TFirma" + std::to_string(i), ""));
        }
        sprache = e.ReadInteger("Anwenderdaten", "IDSprache", 2055);
    }
    SetLandFromSprache(sprache);
}

std::size_t TKModell::Slot(int nummer) const {
    return static_cast<std::size_t>(std::clamp(nummer, 1, static_cast<int>(anwendungen_.size())) -
                                    1);
}

TKAnwendung& TKModell::Anwendung(int nummer) {
    return anwendungen_[Slot(nummer)];
}

const TKAnwendung& TKModell::Anwendung(int nummer) const {
    return anwendungen_[Slot(nummer)];
}

TKAnwendung TKModell::NeueAnwendung() const {
    if (einstellungen_ != nullptr) {
        return TKAnwendung(*einstellungen_);
    }
    return TKAnwendung();
}

void TKModell::SetAnzAnwendung(int n) {
    const auto neu = static_cast<std::size_t>(std::clamp(n, 1, MaxAnzAnwendung));
    // Write first and shrink afterwards, so a failed write leaves every position in place.
    if (einstellungen_ != nullptr) {
        for (std::size_t k = anwendungen_.size(); k > neu; --k) {
            anwendungen_[k - 1].SchreibeLastfaktoren(*einstellungen_);
        }
    }
    if (neu < anwendungen_.size()) {
        anwendungen_.erase(anwendungen_.begin() + static_cast<std::ptrdiff_t>(neu),
                           anwendungen_.end());
        return;
    }
    std::vector<TKAnwendung> neue;
    neue.reserve(neu - anwendungen_.size());
    for (std::size_t k = anwendungen_.size() + 1; k <= neu; ++k) {
        neue.push_back(NeueAnwendung());
        neue.back().TPosition = std::to_string(k);
    }
    anwendungen_.insert(anwendungen_.end(), std::make_move_iterator(neue.begin()),
                        std::make_move_iterator(neue.end()));
}

bool TKModell::CopyAnwendung(int quelle, int ziel) {
    const int anzahl = static_cast<int>(anwendungen_.size());
    if (quelle < 1 || quelle > anzahl || ziel < 1 || ziel > anzahl) {
        return false;
    }
    try {
        TKAnwendung kopie(anwendungen_[Slot(quelle)]);
        kopie.TPosition = std::to_string(ziel);
        anwendungen_[Slot(ziel)] = std::move(kopie);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TKModell::TauschePositionen(int ab, int anzahl, std::vector<TKAnwendung> neue) {
    const auto vorhanden = static_cast<long long>(anwendungen_.size());
    const long long ergebnis = vorhanden - anzahl + static_cast<long long>(neue.size());
    if (ab < 1 || anzahl < 0 || ab - 1 + static_cast<long long>(anzahl) > vorhanden ||
        ergebnis < 1 || ergebnis > MaxAnzAnwendung) {
        return false;
    }
    const auto anfang = anwendungen_.begin() + (ab - 1);
    const auto gemeinsam = std::min(static_cast<std::size_t>(anzahl), neue.size());
    std::move(neue.begin(), neue.begin() + static_cast<std::ptrdiff_t>(gemeinsam), anfang);
    if (neue.size() > gemeinsam) {
        anwendungen_.insert(
            anfang + static_cast<std::ptrdiff_t>(gemeinsam),
            std::make_move_iterator(neue.begin() + static_cast<std::ptrdiff_t>(gemeinsam)),
            std::make_move_iterator(neue.end()));
    } else {
        anwendungen_.erase(anfang + static_cast<std::ptrdiff_t>(gemeinsam),
                           anfang + static_cast<std::ptrdiff_t>(anzahl));
    }
    TAktAnwendung = static_cast<std::uint16_t>(std::clamp<int>(TAktAnwendung, 1, TAnzAnwendung()));
    return true;
}

std::uint8_t TKModell::LandVonSprache(int sprachId) {
    switch (sprachId) {
    case 1034:
    case 3082:
        return 1;
    case 1043:
        return 4;
    case 1036:
        return 5;
    case 1040:
        return 6;
    case 2055:
        return 7;
    default:
        return 0;
    }
}

void TKModell::SetLandFromSprache(int sprachId) {
    const std::uint8_t land = LandVonSprache(sprachId);
    for (TKAnwendung& a : anwendungen_) {
        a.TAktLand = land;
    }
}

void TKModell::ErsetzeAnwendungen(int n) {
    const auto anzahl = static_cast<std::size_t>(std::clamp(n, 1, MaxAnzAnwendung));
    // Nothing is written meanwhile, so every new position would read the same defaults:
    // the settings file is read once.
    anwendungen_ = std::vector<TKAnwendung>(anzahl, NeueAnwendung());
}

void TKModell::Verwerfen() {
    if (einstellungen_ == nullptr) {
        return;
    }
    // Written last to first, every position's factors would be overwritten by those of
    // the one before it: what stays is position 1's. A project of a thousand positions
    // would rewrite the file six thousand times for that outcome, so only it is written.
    if (!anwendungen_.empty()) {
        anwendungen_.front().SchreibeLastfaktoren(*einstellungen_);
    }
}

int GewaehltePosition(long long wahl, int anzahl) {
    return wahl >= 1 && wahl <= anzahl ? static_cast<int>(wahl) : anzahl;
}

} // namespace vsk
