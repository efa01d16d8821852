#pragma once
// Reading the groups of a project file. Every reader takes the element that holds the
// group and the group's element name. A group that is missing or has no child elements
// leaves the object as it was and reads as false; a read error stops the group, so the
// fields before it hold the file's values and the rest keep theirs. The reader keeps the
// first place where reading failed (Fehler()), so that the caller can say where the file
// broke.
//
// Values that the program uses as table or list indexes are checked here: a selection
// outside its table keeps the field's current value (a fresh object's default), a type
// index outside 0..18 likewise. Every list has a bound no real project reaches.

#include "model/Lesestelle.h"

#include "model/XmlLesebaum.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

class TKAnwendung;
class TKBelastung;
class TKDornDaten;
class TKDornErgebnis;
class TKErgebnisse;
class TKGeometrie;
class TKLast;
class TKMeldungen;
class TKProjektdaten;
class TKStueckliste;

inline constexpr std::size_t MaxLastpunkte = 2000;
inline constexpr std::size_t MaxMeldungen = 1000;
// Spacings of a connector row and bars of a reinforcement position.
inline constexpr std::size_t MaxAbstaende = 10000;
inline constexpr std::size_t MaxTextzeilen = 10000;
inline constexpr std::size_t MaxStuecklisteneintraege = 100000;

class ProjektLeser {
public:
    // Reading primitives. When the parent has no child elements the value stays as it is
    // and the read succeeds. A missing child reads as empty text, which is no number.
    bool LeseInteger(const xml::Knoten* eltern, const char* name, std::int64_t& wert);
    // A number beyond the field's range fails.
    bool LeseByte(const xml::Knoten* eltern, const char* name, std::uint8_t& wert);
    bool LeseWort(const xml::Knoten* eltern, const char* name, std::uint16_t& wert);
    // A selection 0..anzahl-1: another number keeps the current value; not a number fails.
    bool LeseAuswahl(const xml::Knoten* eltern, const char* name, std::uint8_t& wert, int anzahl);
    // Reals accept "." and "," as decimal separator, so files travel between locales.
    bool LeseReal(const xml::Knoten* eltern, const char* name, double& wert);
    // "1" and "0"; anything else keeps the value.
    void LeseFlag(const xml::Knoten* eltern, const char* name, std::uint8_t& wert);
    void LeseText(const xml::Knoten* eltern, const char* name, std::string& wert);
    // The "String_1" ... texts of the child, as many as it has child elements; empty (and a
    // read error) beyond MaxTextzeilen.
    std::vector<std::string> LeseStringListe(const xml::Knoten* eltern, const char* name);

    // Group readers.
    bool LeseLast(const xml::Knoten* eltern, const char* name, TKLast& last);
    bool LeseGeometrie(const xml::Knoten* eltern, const char* name, TKGeometrie& geometrie);
    bool LeseBelastung(const xml::Knoten* eltern, const char* name, TKBelastung& belastung);
    bool LeseMeldungen(const xml::Knoten* eltern, const char* name, TKMeldungen& meldungen);
    bool LeseDornErgebnis(const xml::Knoten* eltern, const char* name, TKDornErgebnis& ergebnis);
    // The designed reinforcement of a type ("cDornDaten_" groups). False on a read error.
    bool LeseDornDaten(const xml::Knoten* gruppe, TKDornDaten& daten);
    bool LeseErgebnisse(const xml::Knoten* eltern, const char* name, TKErgebnisse& ergebnisse);
    bool LeseAnwendung(const xml::Knoten* eltern, const char* name, TKAnwendung& anwendung);
    // The same for the position element itself (null or empty: false); eltern and name say
    // where it should have been, for the place of a failure.
    bool LesePosition(const xml::Knoten* position, TKAnwendung& anwendung,
                      const xml::Knoten* eltern, std::string_view name);
    bool LeseProjektdaten(const xml::Knoten* eltern, const char* name, TKProjektdaten& daten);
    bool LeseStueckliste(const xml::Knoten* eltern, const char* name, TKStueckliste& liste);

    // Whether the last results group read held the designed reinforcement of every type.
    bool BewehrungGelesen() const { return bewehrungGelesen_; }

    // The first place where reading failed; empty while everything was read.
    const std::optional<Lesestelle>& Fehler() const { return fehler_; }
    // Keeps child name of eltern as the place of a failure (unless one is kept already);
    // always false.
    bool Scheitert(const xml::Knoten* eltern, std::string_view name, Lesegrund grund);

private:
    template <typename Feld>
    bool LeseVorzeichenlos(const xml::Knoten* eltern, const char* name, Feld& wert);
    std::vector<std::string> LeseNummerierteTexte(const xml::Knoten* liste,
                                                  const std::string& praefix, std::size_t grenze);

    std::optional<Lesestelle> fehler_;
    bool bewehrungGelesen_ = false;
};

} // namespace vsk
