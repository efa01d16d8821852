#pragma once
// The body of one connector as the IFC model shows it, from the catalogue's dimensions:
// dowel bars, anchor plate, rib and anchor cross bars in the member that holds the plate,
// the sleeves in the member across the joint.
//
// Axes of the connector: origin on the joint face at the connector's axis, halfway
// between the two dowels; x along the joint, y across it into the member that holds the
// anchor plate, z up.

#include "ifc/IfcGeometrie.h"

#include <vector>

namespace vsk {

class TKDornDaten;

// The connector's solids (extruded profiles).
std::vector<StepRef> VerbinderKoerper(IfcGeometrie& g, const TKDornDaten& dorn);

} // namespace vsk
