#pragma once
// Reading the groups of a project file. Every reader takes the element that holds the
// group and the group's element name. A group that is missing or has no child elements
// leaves the object as it was and reads as false; a read error stops the group, so the
// fields before it hold the file's values and the rest keep theirs.
//
// Values that the program uses as table or list indexes are checked here: a selection
// outside its table keeps the field's current value (a fresh object's default), a type
// index outside 0..18 likewise. Lists whose insertion costs grow with their length
// (points, message codes) are refused beyond a size no real project reaches.

#include <libxml/tree.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vsk {

class TKAnwendung;
class TKBelastung;
class TKDornErgebnis;
class TKErgebnisse;
class TKGeometrie;
class TKLast;
class TKMeldungen;
class TKProjektdaten;
class TKStueckliste;

inline constexpr std::size_t MaxLastpunkte = 2000;
inline constexpr std::size_t MaxMeldungen = 1000;

// Reading primitives. When the parent has no child elements the value stays as it is and
// the read succeeds. A missing child reads as empty text, which is no number.
bool LeseInteger(const xmlNode* eltern, const char* name, std::int64_t& wert);
bool LeseByte(const xmlNode* eltern, const char* name, std::uint8_t& wert);  // truncates
bool LeseWort(const xmlNode* eltern, const char* name, std::uint16_t& wert); // truncates
// A selection 0..anzahl-1: another number keeps the current value; not a number fails.
bool LeseAuswahl(const xmlNode* eltern, const char* name, std::uint8_t& wert, int anzahl);
// Reals accept "." and "," as decimal separator, so files travel between locales.
bool LeseReal(const xmlNode* eltern, const char* name, double& wert);
// "1" and "0"; anything else keeps the value.
void LeseFlag(const xmlNode* eltern, const char* name, std::uint8_t& wert);
void LeseText(const xmlNode* eltern, const char* name, std::string& wert);
// The "String_1" ... texts of the child, as many as it has child elements.
std::vector<std::string> LeseStringListe(const xmlNode* eltern, const char* name);

// Group readers.
bool LeseLast(const xmlNode* eltern, const char* name, TKLast& last);
bool LeseGeometrie(const xmlNode* eltern, const char* name, TKGeometrie& geometrie);
bool LeseBelastung(const xmlNode* eltern, const char* name, TKBelastung& belastung);
bool LeseMeldungen(const xmlNode* eltern, const char* name, TKMeldungen& meldungen);
bool LeseDornErgebnis(const xmlNode* eltern, const char* name, TKDornErgebnis& ergebnis);
bool LeseErgebnisse(const xmlNode* eltern, const char* name, TKErgebnisse& ergebnisse);
bool LeseAnwendung(const xmlNode* eltern, const char* name, TKAnwendung& anwendung);
// The same for the position element itself (null or empty: false).
bool LesePosition(const xmlNode* position, TKAnwendung& anwendung);
bool LeseProjektdaten(const xmlNode* eltern, const char* name, TKProjektdaten& daten);
bool LeseStueckliste(const xmlNode* eltern, const char* name, TKStueckliste& liste);

} // namespace vsk
