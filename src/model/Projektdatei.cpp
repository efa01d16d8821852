#include "model/Projektdatei.h"

#include "model/Modell.h"
#include "model/ProjektLesen.h"
#include "model/ProjektPruefung.h"
#include "model/ProjektSchreiben.h"
#include "model/XmlGrenzen.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vsk {

namespace {

constexpr std::int64_t kMaxPositionen = std::numeric_limits<std::uint16_t>::max();
// After a failed position the rest keep their defaults; beyond this many they are not
// created, so a file claiming thousands of positions it does not hold costs nothing.
constexpr std::size_t kMaxVorgabePositionen = 1000;

// The eight values of the project group. False on a value that is not a number.
bool LeseProjektwerte(ProjektLeser& leser, const xml::Knoten* projekt, TKModell& m,
                      std::int64_t& anzahl) {
    leser.LeseFlag(projekt, "TTempFlag", m.TTempFlag);
    leser.LeseFlag(projekt, "TCalcFlag", m.TCalcFlag);
    std::int64_t akt = m.TAktAnwendung;
    std::uint8_t eingabeDorn = m.TEingabeDorn;
    std::uint8_t skizze = m.TSkizzeAnzeige;
    std::uint8_t ergebnis = m.TErgebnisAnzeige;
    bool ok = leser.LeseInteger(projekt, "TAnzAnwendung", anzahl) &&
              leser.LeseInteger(projekt, "TAktAnwendung", akt) &&
              leser.LeseAuswahl(projekt, "TEingabeDorn", eingabeDorn, AnzDornTypen) &&
              leser.LeseByte(projekt, "TEingabeFugenbreite", m.TEingabeFugenbreite) &&
              leser.LeseAuswahl(projekt, "TSkizzeAnzeige", skizze, SkizzenArt::Anzahl) &&
              leser.LeseAuswahl(projekt, "TErgebnisAnzeige", ergebnis, SkizzenArt::AnzahlErgebnis);
    anzahl = std::clamp<std::int64_t>(anzahl, 1, kMaxPositionen);
    m.TAktAnwendung = static_cast<std::uint16_t>(std::clamp<std::int64_t>(akt, 1, anzahl));
    m.TEingabeDorn = eingabeDorn;
    m.TSkizzeAnzeige = skizze;
    m.TErgebnisAnzeige = ergebnis;
    return ok;
}

// Shows the read error with its place and returns the failed result.
Leseergebnis Gescheitert(Lesestelle stelle, Plattform& plattform) {
    plattform.Information(TextLeseFehler(stelle));
    return Leseergebnis{std::move(stelle), {}};
}

// The place of a file that is no project file to read.
Lesestelle Unbrauchbar(const GepruefteDatei& datei) {
    if (datei.stelle) {
        return *datei.stelle;
    }
    return Lesestelle{Lesegrund::Fehlt, "Projekt", xml::Zeile(xml::Wurzel(datei.dokument.get()))};
}

// Where the reader stopped (every failing read keeps its place; the fallback only guards).
Lesestelle StelleVon(const ProjektLeser& leser) {
    return leser.Fehler().value_or(Lesestelle{Lesegrund::Ungueltig, "Projekt", 0});
}

Leseergebnis LadeGeprueft(TKModell& modell, const GepruefteDatei& datei, Plattform& plattform);

} // namespace

std::string TextSpeicherFehler() {
    return text("Projektdatei", "Error during saving the data - unable to save the project");
}
std::string TextLeseFehler() {
    return text("Projektdatei", "Error during opening the data file - unable to read project data");
}
std::string TextLeseFehler(const Lesestelle& stelle) {
    return TextLeseFehler() + "\n" + LesestelleText(stelle);
}
std::string TextKeineVSKDatei() {
    return text("Projektdatei", "The file is not a valid Tervo - VSK File");
}
std::string TextAlteVersion() {
    return text("Projektdatei",
                "The data file was created with an old version of the programm. The import of "
                "this data can cause calculation problems, please check all data!");
}

bool SaveProjekt(TKModell& modell, const std::filesystem::path& pfad, Plattform& plattform) {
    modell.FileName = pfad.string();
    // The second line of the message says why.
    std::string grund;
    try {
        // A file the reader would refuse is no save: the old file stays.
        const std::optional<std::string> inhalt =
            ProjektText(modell, modell.FileName, plattform.Dezimaltrenner());
        if (!inhalt) {
            grund = text("Projektdatei", "The project is larger than a project file can hold.");
        } else if (const Schreibergebnis geschrieben = SchreibeDatei(pfad, *inhalt); !geschrieben) {
            grund = pfad.string() + ": " + geschrieben.Grund();
        }
    } catch (const std::bad_alloc&) {
        grund = text("Projektdatei", "The project is larger than a project file can hold.");
    }
    if (!grund.empty()) {
        plattform.Information(TextSpeicherFehler() + "\n" + grund);
    }
    return grund.empty();
}

Leseergebnis LoadProjekt(TKModell& modell, const std::filesystem::path& pfad,
                         Plattform& plattform) {
    modell.FileName = pfad.string();
    return LadeGeprueft(modell, PruefeDatei(pfad, plattform), plattform);
}

Leseergebnis LoadProjektText(TKModell& modell, std::string_view inhalt, Plattform& plattform) {
    return LadeGeprueft(modell, PruefeDokument(xml::LeseText(inhalt), plattform), plattform);
}

namespace {

Leseergebnis LadeGeprueft(TKModell& modell, const GepruefteDatei& datei, Plattform& plattform) {
    if (datei.ergebnis != Pruefung::Gueltig || !datei.projekt) {
        return Gescheitert(Unbrauchbar(datei), plattform);
    }
    const xml::Knoten* projekt = datei.projekt;
    ProjektLeser leser;
    Leseergebnis ergebnis;

    std::int64_t anzahl = modell.TAnzAnwendung();
    if (!LeseProjektwerte(leser, projekt, modell, anzahl)) {
        return Gescheitert(StelleVon(leser), plattform);
    }

    bool ok = leser.LeseProjektdaten(projekt, "Projektbeschreibung", modell.Projektbeschreibung) &&
              leser.LeseStueckliste(projekt, "Stueckliste", modell.Stueckliste) &&
              leser.LeseGeometrie(projekt, "EingabeGeometrie", modell.EingabeGeometrie);

    // Positions are read one after the other until one fails; that one keeps what was read.
    xml::KindIndex index(projekt);
    std::vector<TKAnwendung> gelesen;
    const TKAnwendung vorgabe = modell.NeueAnwendung(); // the settings file read once
    for (std::int64_t k = 1; ok && k <= anzahl; ++k) {
        const std::string name = "Position_" + std::to_string(k);
        gelesen.push_back(vorgabe);
        ok = leser.LesePosition(index.Finde(name), gelesen.back(), projekt, name);
        if (ok && gelesen.back().cErgebnisse.TBerechnet && !leser.BewehrungGelesen()) {
            ergebnis.ohneBewehrungsdaten.push_back(static_cast<std::uint16_t>(k));
        }
    }
    std::size_t plaetze = static_cast<std::size_t>(anzahl);
    if (!ok && plaetze > kMaxVorgabePositionen) {
        plaetze = std::max<std::size_t>(gelesen.size(), 1);
    }
    modell.ErsetzeAnwendungen(static_cast<std::uint16_t>(plaetze));
    for (std::size_t i = 0; i < gelesen.size() && i < plaetze; ++i) {
        modell.Anwendung(static_cast<int>(i + 1)) = std::move(gelesen[i]);
    }
    modell.TAktAnwendung =
        std::clamp<std::uint16_t>(modell.TAktAnwendung, 1, modell.TAnzAnwendung());
    modell.AktDornDaten.Laden(modell.TEingabeDorn);
    if (!ok) {
        return Gescheitert(StelleVon(leser), plattform);
    }
    return ergebnis;
}

} // namespace

Leseergebnis ImportAnwendung(TKModell& modell, const std::filesystem::path& pfad, int zeile,
                             Plattform& plattform) {
    GepruefteDatei datei = PruefeDatei(pfad, plattform);
    if (datei.ergebnis != Pruefung::Gueltig || !datei.projekt) {
        return Gescheitert(Unbrauchbar(datei), plattform);
    }
    if (modell.TAnzAnwendung() >= kMaxPositionen) {
        plattform.Information(text("Projektdatei", "The project cannot take more positions."));
        return Leseergebnis{Lesestelle{Lesegrund::Grenze, "Projekt", 0}, {}};
    }
    // Read into a position of its own first: a position that cannot be read completely
    // must not end up half-read in the project.
    ProjektLeser leser;
    TKAnwendung neu = modell.NeueAnwendung();
    const std::string name = "Position_" + std::to_string(static_cast<long long>(zeile) + 1);
    if (!leser.LeseAnwendung(datei.projekt, name.c_str(), neu)) {
        return Gescheitert(StelleVon(leser), plattform);
    }
    const bool ohneBewehrung = neu.cErgebnisse.TBerechnet && !leser.BewehrungGelesen();
    const auto n = static_cast<std::uint16_t>(modell.TAnzAnwendung() + 1);
    modell.SetAnzAnwendung(n);
    modell.Anwendung(n) = std::move(neu);
    Leseergebnis ergebnis;
    if (ohneBewehrung) {
        ergebnis.ohneBewehrungsdaten.push_back(n);
    }
    return ergebnis;
}

} // namespace vsk
