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
};

// Outcome of a field check: empty when the text passes, otherwise the message to show.
// An empty (blank) text passes; the caller then stores the field's empty value.
std::optional<std::string> PruefeFeld(std::string_view text, const Feldgrenzen& grenzen,
                                      char trenner);
// The same check of a number that is already one (data files, scripts): a value that is
// not finite fails as text that is not a number does.
std::optional<std::string> PruefeWert(double wert, const Feldgrenzen& grenzen);

// The text as a number in the locale's format; vorgabe when it is empty or not a number.
double LeseWert(std::string_view text, double vorgabe, char trenner);

// The value in general format (15 significant digits, shortest form); nulltext when the
// magnitude is below 0.000001.
std::string FormatWert(double wert, const std::string& nulltext, char trenner);

// The program's messages of the field check.
std::string MeldungNurZahlen();
std::string MeldungZuKlein();
std::string MeldungZuGross();

} // namespace vsk
