#pragma once
// The eleven text tables through which codes and selections are shown. Each is built from
// one resource text of the active language: its entries, each followed by a backslash
// ("C16/20\C20/25\C25/30\C30/37\"). A table has a fixed number of slots; a slot the text
// does not fill stays empty, and entries beyond the last slot are dropped.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

struct TKTexttabellen {
    std::array<std::string, 10> StatusKurz;         // by status code
    std::array<std::string, 10> StatusLang;         // by status code
    std::array<std::string, 10> Warnungstexte;      // by warning code
    std::array<std::string, 4> Betongueten;         // by TBetonguete
    std::array<std::string, 4> Betonfestigkeiten;   // by TBetonguete
    std::array<std::string, 7> Fugenbreiten;        // by TFugenbreite
    std::array<std::string, 10> StuecklisteSpalten; // schedule column heads
    std::array<std::string, 3> AnwendungsfallLang;  // by TAnwendungsfall
    std::array<std::string, 3> AnwendungsfallKurz;  // by TAnwendungsfall
    std::array<std::string, 2> BewehrungCalcTexte;  // by TBewehrungCalc
    std::array<std::string, 2> MaxDornabstandTexte; // by TMaxDornabstand
};

// The entries of a resource text: the characters before each backslash, spaces kept;
// whatever follows the last backslash is dropped.
std::vector<std::string> ZerlegeText(std::string_view text);

// Fills the slots in order from the text's entries; surplus entries are dropped and
// unfilled slots emptied. Returns the number of entries the text held.
int FuelleTabelle(std::span<std::string> tabelle, std::string_view text);

// The tables built from the resource texts of the active language (vsk::text).
TKTexttabellen ErzeugeTexttabellen();

// The program's tables: built on first use; InitTexte rebuilds them once the language is
// chosen.
void InitTexte();
const TKTexttabellen& Texttabellen();

// Entry i of a table; the empty text when i is outside it (selections read from a file
// may be out of range).
template <std::size_t N>
const std::string& Tabellentext(const std::array<std::string, N>& tabelle, int i) {
    static const std::string leer;
    if (i < 0 || static_cast<std::size_t>(i) >= N) {
        return leer;
    }
    return tabelle[static_cast<std::size_t>(i)];
}

} // namespace vsk
