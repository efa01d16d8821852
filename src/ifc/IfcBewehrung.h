#pragma once
// The reinforcement of one connector as bars with centre lines: positions B and D where
// the DXF reinforcement drawing puts them (design/Bewehrungsgeometrie.h), in the axes of
// the connector (ifc/IfcVerbinder.h).

#include "design/Bewehrungsgeometrie.h"
#include "ifc/IfcGeometrie.h"

#include <vector>

namespace vsk {

enum class StabPosition { B, D };

struct Bewehrungsstab {
    StabPosition position = StabPosition::B;
    int durchmesser = 0;
    double laenge = 0; // along the centre line
    Mittellinie linie;
};

// Position B: a top and a bottom bar for each bar of each layer; position D: the U-bars,
// their bends as arcs of the inner radius the drawing uses.
std::vector<Bewehrungsstab> Bewehrungsstaebe(const BewehrungsAngaben& a);

} // namespace vsk
