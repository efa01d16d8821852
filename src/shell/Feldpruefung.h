#pragma once
// The three helpers behind every numeric input field: the check made when a field is
// left, text to number with a default, and number to text with a zero text. Kept free
// of widgets so that the rules are tested on their own; the window only passes the text
// and shows the message.

#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// Check mode of a field (the field's tag): lower bound only, both bounds, upper only.
enum class Pruefmodus { NurUnten = -1, Beide = 2, NurOben = 1 };

struct Feldgrenzen {
    Pruefmodus modus = Pruefmodus::NurUnten;
    double unten = 0;
    double oben = 0;
    // Unit of the value as the field's label gives it ("mm", "kN/m"); empty for a factor.
    const char* einheit = "";
};

// Outcome of a field check: empty when the text passes, otherwise the message to show.
// A value out of range gets a second line with the allowed range (Bereichszeile).
// An empty (blank) text passes; the caller then stores the field's empty value.
std::optional<std::string> PruefeFeld(std::string_view text, const Feldgrenzen& grenzen,
                                      char trenner);
// The same check of a number that is already one (data files, scripts): a value that is
// not finite fails as text that is not a number does.
std::optional<std::string> PruefeWert(double wert, const Feldgrenzen& grenzen, char trenner = '.');

// The text as a number in the locale's format; vorgabe when it is empty or not a number.
double LeseWert(std::string_view text, double vorgabe, char trenner);

// The value in general format (15 significant digits, shortest form); nulltext when the
// magnitude is below 0.000001.
std::string FormatWert(double wert, const std::string& nulltext, char trenner);

// The program's messages of the field check (the first line of a failed check).
std::string MeldungNurZahlen();
std::string MeldungZuKlein();
std::string MeldungZuGross();

// The allowed values: "300 ... 30000", "at least 160", "at most 5"; with the unit after
// each number when mitEinheit is set.
std::string Bereichstext(const Feldgrenzen& grenzen, char trenner, bool mitEinheit);
// The second line of a failed range check: "Allowed: 300 ... 30000 mm".
std::string Bereichszeile(const Feldgrenzen& grenzen, char trenner);
// The hint of a numeric field, its label, symbol, unit and range:
// "Slab thickness d [mm], at least 160". An empty symbol or unit is left out.
std::string Feldhinweis(std::string_view bezeichnung, std::string_view symbol,
                        const Feldgrenzen& grenzen, char trenner);

} // namespace vsk
