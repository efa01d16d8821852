#include "model/StuecklisteAufnahme.h"

#include "katalog/Katalog.h"
#include "model/Modell.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

namespace vsk {

namespace {

std::string OhneRandLeerzeichen(const std::string& s) {
    auto anfang = s.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos) {
        return {};
    }
    auto ende = s.find_last_not_of(" \t\r\n");
    return s.substr(anfang, ende - anfang + 1);
}

} // namespace

TKStueckliste::Eintrag AktAnwendungEintrag(const TKModell& modell, char trenner) {
    const TKAnwendung& anw = modell.AktuelleAnwendung();
    const TKErgebnisse& erg = anw.cErgebnisse;
    const int typ = erg.TAktDorn;
    const std::string anzahl = std::to_string(erg.TAnzDorn(typ));
    // In the order of StuecklisteSpalte.
    return {anw.TPosition,
            std::string("1"),
            anzahl,
            DornName(typ),
            anzahl,
            TextAktiv(),
            std::to_string(modell.TAktAnwendung),
            std::string(),
            FormatFest(erg.DornErgebnis(typ).TFRd(), 1, trenner),
            anzahl};
}

Aufnahme AddAktAnwendung(TKModell& modell, const std::string& positionsNummer,
                         Plattform& plattform) {
    TKStueckliste::Eintrag neu = AktAnwendungEintrag(modell, plattform.Dezimaltrenner());
    const std::string nummer = OhneRandLeerzeichen(positionsNummer);
    TKStueckliste& liste = modell.Stueckliste;
    for (int k = 1; k <= liste.EintragCount(); ++k) {
        const auto& e = liste.GetEintrag(k);
        if (e.size() > StuecklisteSpalte::Pos && e[StuecklisteSpalte::Pos] == nummer &&
            plattform.FrageJaNein(text("Stueckliste",
                                       "the current position is already in the existing "
                                       "connector schedule.\r\n\r\nShould this be "
                                       "overwritten?"))) {
            liste.ReplaceEintrag(std::move(neu), k);
            return {k, true};
        }
    }
    liste.AddEintrag(neu);
    return {liste.EintragCount(), false};
}

std::vector<std::string> VeralteteEintraege(const TKModell& modell) {
    namespace S = StuecklisteSpalte;
    std::vector<std::string> zeilen;
    const TKStueckliste& liste = modell.Stueckliste;
    for (int k = 1; k <= liste.EintragCount(); ++k) {
        const TKStueckliste::Eintrag& e = liste.GetEintrag(k);
        if (!liste.IstAktiv(k) || e.size() <= S::Pos) {
            continue;
        }
        const std::optional<std::int64_t> nummer = LeseGanzzahl(OhneRandLeerzeichen(e[S::Pos]));
        if (!nummer || *nummer < 1 || *nummer > modell.TAnzAnwendung()) {
            continue;
        }
        const TKErgebnisse& erg = modell.Anwendung(static_cast<int>(*nummer)).cErgebnisse;
        const std::string anzahl = std::to_string(erg.TAnzDorn(erg.TAktDorn));
        const std::string typ = DornName(erg.TAktDorn);
        if (erg.TBerechnet == 0 || (OhneRandLeerzeichen(e[S::AnzahlDorne]) == anzahl &&
                                    OhneRandLeerzeichen(e[S::Bezeichnung]) == typ)) {
            continue;
        }
        zeilen.push_back(ErsetzeProzentS(
            text("Stueckliste", "Schedule entry %s (position %s) holds %s x %s; the position now "
                                "gives %s x %s."),
            {std::to_string(k), e[S::Position], e[S::AnzahlDorne], e[S::Bezeichnung], anzahl,
             typ}));
    }
    return zeilen;
}

std::string AufnahmeText(const TKModell& modell, const Aufnahme& aufnahme) {
    const auto& e = modell.Stueckliste.GetEintrag(aufnahme.eintrag);
    const auto Spalte = [&e](int spalte) {
        return static_cast<std::size_t>(spalte) < e.size() ? e[static_cast<std::size_t>(spalte)]
                                                           : std::string();
    };
    const std::string muster = aufnahme.ersetzt
                                   ? text("Stueckliste", "Connector schedule entry %s replaced: "
                                                         "position %s, %s x %s")
                                   : text("Stueckliste", "Connector schedule entry %s added: "
                                                         "position %s, %s x %s");
    return ErsetzeProzentS(
        muster, {std::to_string(aufnahme.eintrag), Spalte(StuecklisteSpalte::Position),
                 Spalte(StuecklisteSpalte::AnzahlDorne), Spalte(StuecklisteSpalte::Bezeichnung)});
}

} // namespace vsk
