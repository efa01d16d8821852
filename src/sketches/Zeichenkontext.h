#pragma once
// What a sketch draws from: the project (input connector type and geometry of the system
// sketch), the current position, the colour scheme and the program-wide line width of
// dimension lines and arrows (1 on screen, 2 on the printer; some sketches change it,
// so it is held by reference).

#include "model/Modell.h"
#include "sketches/Farbschema.h"

namespace vsk {

struct Zeichenkontext {
    const TKModell& modell;
    const TKAnwendung& anwendung; // the current position
    const TKFarbe& farben;
    int& linienbreite;
    char trenner = '.'; // decimal separator of numbers in texts
};

} // namespace vsk
