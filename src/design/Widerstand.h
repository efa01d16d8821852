#pragma once
// Design resistances of one connector (a pair of dowel bars), in kN. Intermediate values
// are long double; the caller stores the result as a double.

namespace vsk {

// Steel: bending or shear of the dowels over the lever arm joint width + e0.
// fugenbreiteStufe is the joint width step (0..6 for 0..60 mm).
long double StahlWiderstand(int typ, int fugenbreiteStufe);

// Thickness factor of the concrete resistance for slab thickness h.
long double BetonDickenfaktor(int typ, double h);

// Concrete: the least of bearing, cone and punching, reduced for wide joints.
long double BetonWiderstand(int typ, double h, int fugenbreiteStufe, int betonguete);

} // namespace vsk
