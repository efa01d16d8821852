#pragma once
// The named pictures of the printed pages and their own size in screen pixels (96 per
// inch). The platform layer supplies the pictures themselves to its canvases.

#include <string>

namespace vsk {

// Product logo at the top right of every page, drawn 3.69 x 1.23 cm.
inline const std::string BildDrucklogo = "DRUCKLOGOSW";
// Total force of an arbitrary load as a formula, F_Sd,tot = integral of q_Ed(x) dx.
inline const std::string BildBeliebigeLast = "FbeliebigeLast";

struct BildMass {
    int breite = 0;
    int hoehe = 0;
};

// Own size of a named picture in screen pixels; 0 x 0 for an unknown name.
BildMass EigeneGroesse(const std::string& name);

} // namespace vsk
