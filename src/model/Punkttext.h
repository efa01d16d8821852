#pragma once
// Load points (x, q) as text: what the arbitrary-load window pastes, imports, copies and
// exports. Reading takes what spreadsheets and FE programs write: one point per line;
// columns separated by tabs, semicolons, commas or blanks; a decimal point or a decimal
// comma (a comma is a decimal separator only where it cannot separate the columns); an
// optional header line, whose "[m]" or "m)" gives x in metres instead of millimetres.

#include "model/Belastung.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

// The first line that cannot be taken, from 1 (0: the text as a whole), and why.
struct Punktfehler {
    int zeile = 0;
    std::string grund;
};

struct Punktliste {
    std::vector<TPunkt> punkte; // in the order of the text, x in mm, q in kN/m
    std::optional<Punktfehler> fehler;
};

// Checks every value as the window's fields do: 0 <= x <= laengeMm, q >= 0, numbers only.
// With a failure no point is returned. No line with a point is a failure as well.
Punktliste LesePunkttext(std::string_view eingabe, double laengeMm);
// A file read as LesePunkttext reads a text; a file that cannot be read fails as a whole.
Punktliste LesePunktdatei(const std::filesystem::path& datei, double laengeMm);

// The check of one point by the fields' rules; empty when it passes.
std::optional<std::string> PruefePunkt(const TPunkt& punkt, double laengeMm);

// Tab-separated, with a header that LesePunkttext reads back; numbers in general format
// with the given decimal separator; lines end with "\n".
std::string PunktText(const std::vector<TPunkt>& punkte, char trenner);

// "Line %s: " followed by the reason, in the current language (the reason alone for 0).
std::string PunktfehlerText(const Punktfehler& fehler);

} // namespace vsk
