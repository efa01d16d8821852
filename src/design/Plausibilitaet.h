#pragma once
// The plausibility check of a position's geometry before it is calculated.

#include <string>
#include <vector>

namespace vsk {

class TKAnwendung;
class TKModell;

// Thinnest slab the check accepts: the smallest slab the input field takes.
inline constexpr double MinPlattenDicke = 160;
// Thickest slab the check accepts: the design lowers a slab in steps of 10 mm, and a
// thickness beyond any structure (a typing error, a broken file) would keep it busy for good.
inline constexpr double MaxPlattenDicke = 10'000;

// The hint lines of every failed test, in order; empty when the position may be
// calculated.
std::vector<std::string> PruefeEingaben(const TKAnwendung& anwendung);

// The check before a design (Calculation, Preview): PruefeEingaben on the current position,
// its outcome recorded in TCalcFlag. The hint lines; empty when the design may run.
std::vector<std::string> PruefeVorBemessung(TKModell& modell);

} // namespace vsk
