#pragma once
// The project: description, connector schedule, view state and the positions numbered
// from 1 to TAnzAnwendung.
//
// Settings file: the model takes an optional, non-owning pointer to the settings.
//  - nullptr: no file is touched; everything behaves as with a missing settings file
//    (built-in defaults, IDSprache 2055). Tests and vsk-cli use this.
//  - with settings: construction reads section "ProjektDaten" (TBearbeiter, TFirmaZeilen,
//    TFirma1..n) and "Anwenderdaten"/"IDSprache"; every new position reads its defaults.
// The six load factors of a position go back to the settings file only through explicit
// calls, never from a destructor:
//  - SetAnzAnwendung writes the factors of each position it discards, highest number first;
//  - Verwerfen leaves the factors of position 1 in the file, as writing those of all
//    positions last to first would. The program calls it before it discards the model
//    (exit, New, Open).
// Writes may raise SchreibFehler; the model is then left as it was.

#include "katalog/Katalog.h"
#include "model/Anwendung.h"
#include "model/Geometrie.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vsk {

class Einstellungen;

inline constexpr int MaxAnzAnwendung = 65535;

// Sketch kinds (TSkizzeAnzeige; TErgebnisAnzeige holds Ansicht to Reihe).
namespace SkizzenArt {
inline constexpr std::uint8_t Ansicht = 0;
inline constexpr std::uint8_t Draufsicht = 1;
inline constexpr std::uint8_t Schnitt = 2;
inline constexpr std::uint8_t Reihe = 3;  // connector row
inline constexpr std::uint8_t System = 4; // system sketch of input mode
inline constexpr std::uint8_t Keine = 5;
inline constexpr std::uint8_t Anzahl = 6;
inline constexpr std::uint8_t AnzahlErgebnis = 4; // kinds a result shows
} // namespace SkizzenArt

class TKModell {
public:
    // einstellungen: not owned, may be nullptr (see above); heute: today's date text for
    // the project description.
    explicit TKModell(Einstellungen* einstellungen = nullptr, std::string heute = {});

    std::string FileName;
    std::uint8_t TTempFlag = 1;
    std::uint8_t TCalcFlag = 0;
    std::uint16_t TAktAnwendung = 1;            // current position, 1..TAnzAnwendung
    std::uint8_t TEingabeDorn = VorgabeDornTyp; // type shown in input mode
    std::uint8_t TEingabeFugenbreite = 3;       // stored only
    std::uint8_t TSkizzeAnzeige = SkizzenArt::Keine;
    std::uint8_t TErgebnisAnzeige = SkizzenArt::Ansicht; // kind shown for results

    TKProjektdaten Projektbeschreibung;
    TKStueckliste Stueckliste;
    TKGeometrie EingabeGeometrie;
    TKDornDaten AktDornDaten; // catalogue entry of the selected type; not stored

    std::uint16_t TAnzAnwendung() const { return static_cast<std::uint16_t>(anwendungen_.size()); }

    // Discards the positions above n (highest first, writing their factors), then adds new
    // positions named with their numbers up to n. n is clamped into 1..65535, so a count
    // one past the maximum never wraps round to a tiny one. TAktAnwendung is not touched:
    // the caller keeps it in range.
    void SetAnzAnwendung(int n);

    // Position by number from 1; a number outside 1..TAnzAnwendung is clamped into it.
    TKAnwendung& Anwendung(int nummer);
    const TKAnwendung& Anwendung(int nummer) const;
    // Position TAktAnwendung (clamped like Anwendung).
    TKAnwendung& AktuelleAnwendung() { return Anwendung(TAktAnwendung); }
    const TKAnwendung& AktuelleAnwendung() const { return Anwendung(TAktAnwendung); }
    const std::vector<TKAnwendung>& Anwendungen() const { return anwendungen_; }

    // Slot ziel receives a deep copy of position quelle, named with the number ziel. The
    // position held there before is dropped without writing its factors. False (slot
    // unchanged) when a number is outside 1..TAnzAnwendung or copying fails.
    bool CopyAnwendung(int quelle, int ziel);

    // Sets TAktLand of every position from a Windows language id.
    void SetLandFromSprache(int sprachId);
    static std::uint8_t LandVonSprache(int sprachId);

    // A new position with the defaults of this model's settings (named "Unnamed").
    TKAnwendung NeueAnwendung() const;
    // Replaces all positions by n new default positions named "Unnamed" (n clamped into
    // 1..65535), for reading a project file into a fresh model. The replaced positions are the
    // fresh model's defaults, so their factors are not written.
    void ErsetzeAnwendungen(int n);

    // Positions ab .. ab + anzahl - 1 (numbers from 1) give way to neue, as they were before
    // an edit or after it (undo and redo): nothing is written to the settings file, the
    // positions keep their names, TAktAnwendung is clamped into the new count. False
    // (nothing changed) when the run lies outside the project or would leave it empty.
    bool TauschePositionen(int ab, int anzahl, std::vector<TKAnwendung> neue);

    // Leaves the factors of position 1 in the settings file (no-op without settings).
    void Verwerfen();

    Einstellungen* Einstellungsdatei() const { return einstellungen_; }

private:
    std::size_t Slot(int nummer) const;

    Einstellungen* einstellungen_;
    std::vector<TKAnwendung> anwendungen_;
};

// The position a selector value chooses among anzahl positions: the value itself from 1 to
// anzahl, the last position for any other value.
int GewaehltePosition(long long wahl, int anzahl);

} // namespace vsk
