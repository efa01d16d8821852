#pragma once
// The plausibility check of a position's geometry before it is calculated.

#include <string>
#include <vector>

namespace vsk {

class TKAnwendung;

// Thinnest slab the check accepts: the smallest slab the input field takes.
inline constexpr double MinPlattenDicke = 160;

// The hint lines of every failed test, in order; empty when the position may be
// calculated.
std::vector<std::string> PruefeEingaben(const TKAnwendung& anwendung);

} // namespace vsk
