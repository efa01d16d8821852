#include "model/Projektdatei.h"

#include "model/Modell.h"
#include "model/ProjektLesen.h"
#include "model/ProjektPruefung.h"
#include "model/ProjektSchreiben.h"
#include "model/SicheresSchreiben.h"
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
bool LeseProjektwerte(const xmlNode* projekt, TKModell& m, std::int64_t& anzahl) {
    LeseFlag(projekt, "TTempFlag", m.TTempFlag);
    LeseFlag(projekt, "TCalcFlag", m.TCalcFlag);
    std::int64_t akt = m.TAktAnwendung;
    std::uint8_t eingabeDorn = m.TEingabeDorn;
    std::uint8_t skizze = m.TSkizzeAnzeige;
    std::uint8_t ergebnis = m.TErgebnisAnzeige;
    bool ok = LeseInteger(projekt, "TAnzAnwendung", anzahl) &&
              LeseInteger(projekt, "TAktAnwendung", akt) &&
              LeseAuswahl(projekt, "TEingabeDorn", eingabeDorn, AnzDornTypen) &&
              LeseByte(projekt, "TEingabeFugenbreite", m.TEingabeFugenbreite) &&
              LeseAuswahl(projekt, "TSkizzeAnzeige", skizze, 6) &&
              LeseAuswahl(projekt, "TErgebnisAnzeige", ergebnis, 4);
    anzahl = std::clamp<std::int64_t>(anzahl, 1, kMaxPositionen);
    m.TAktAnwendung = static_cast<std::uint16_t>(std::clamp<std::int64_t>(akt, 1, anzahl));
    m.TEingabeDorn = eingabeDorn;
    m.TSkizzeAnzeige = skizze;
    m.TErgebnisAnzeige = ergebnis;
    return ok;
}

} // namespace

static bool LadeGeprueft(TKModell& modell, const GepruefteDatei& datei, Plattform& plattform);

std::string TextSpeicherFehler() {
    return text("Projektdatei", "Error during saving the data - unable to save the project");
}
std::string TextLeseFehler() {
    return text("Projektdatei", "Error during opening the data file - unable to read project data");
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
    bool ok = false;
    try {
        ok = SchreibeDateiSicher(pfad,
                                 ProjektText(modell, modell.FileName, plattform.Dezimaltrenner()));
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        plattform.Information(TextSpeicherFehler());
    }
    return ok;
}

bool LoadProjekt(TKModell& modell, const std::filesystem::path& pfad, Plattform& plattform) {
    modell.FileName = pfad.string();
    return LadeGeprueft(modell, PruefeDatei(pfad, plattform), plattform);
}

bool LoadProjektText(TKModell& modell, std::string_view inhalt, Plattform& plattform) {
    return LadeGeprueft(modell, PruefeDokument(xml::LeseText(inhalt), plattform), plattform);
}

static bool LadeGeprueft(TKModell& modell, const GepruefteDatei& datei, Plattform& plattform) {
    if (datei.ergebnis == Pruefung::Unlesbar) {
        plattform.Information(TextLeseFehler());
        return false;
    }
    if (datei.ergebnis != Pruefung::Gueltig) {
        return false;
    }
    const xmlNode* projekt = datei.projekt;

    std::int64_t anzahl = modell.TAnzAnwendung();
    if (!LeseProjektwerte(projekt, modell, anzahl)) {
        plattform.Information(TextLeseFehler());
        return false;
    }

    bool ok = LeseProjektdaten(projekt, "Projektbeschreibung", modell.Projektbeschreibung) &&
              LeseStueckliste(projekt, "Stueckliste", modell.Stueckliste) &&
              LeseGeometrie(projekt, "EingabeGeometrie", modell.EingabeGeometrie);

    // Positions are read one after the other until one fails; that one keeps what was read.
    xml::KindIndex index(projekt);
    std::vector<TKAnwendung> gelesen;
    const TKAnwendung vorgabe = modell.NeueAnwendung(); // the settings file read once
    for (std::int64_t k = 1; ok && k <= anzahl; ++k) {
        gelesen.push_back(vorgabe);
        ok = LesePosition(index.Finde("Position_" + std::to_string(k)), gelesen.back());
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
    return ok;
}

bool ImportAnwendung(TKModell& modell, const std::filesystem::path& pfad, int zeile,
                     Plattform& plattform) {
    GepruefteDatei datei = PruefeDatei(pfad, plattform);
    if (datei.ergebnis == Pruefung::Unlesbar) {
        plattform.Information(TextLeseFehler());
        return false;
    }
    if (datei.ergebnis != Pruefung::Gueltig) {
        return false;
    }
    if (modell.TAnzAnwendung() >= kMaxPositionen) {
        plattform.Information(text("Projektdatei", "The project cannot take more positions."));
        return false;
    }
    // Read into a position of its own first: a position that cannot be read completely
    // must not end up half-read in the project.
    TKAnwendung neu = modell.NeueAnwendung();
    const std::string name = "Position_" + std::to_string(static_cast<long long>(zeile) + 1);
    if (!LeseAnwendung(datei.projekt, name.c_str(), neu)) {
        plattform.Information(TextLeseFehler());
        return false;
    }
    const auto n = static_cast<std::uint16_t>(modell.TAnzAnwendung() + 1);
    modell.SetAnzAnwendung(n);
    modell.Anwendung(n) = std::move(neu);
    return true;
}

} // namespace vsk
