#pragma once
// Numbers as the report prints them: rounded first (halves to even), then written in the
// general format with the user's decimal separator.

#include <string>

namespace vsk {

// round(v * 10) / 10
std::string AufZehntel(double v, char trenner);
// round(v * 100) / 100
std::string AufHundertstel(double v, char trenner);
// round(v)
std::string AufGanze(double v);
// A length in mm as metres to the centimetre: round(v / 10) / 100.
std::string InMetern(double mm, char trenner);
// part / whole * 100 to 0.1, or 0 when whole is 0 (a resistance of 0 gives no usage).
std::string Ausnutzung(double teil, double ganzes, char trenner);

} // namespace vsk
