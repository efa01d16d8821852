#pragma once
// Where the bars of positions B and D of one connector lie: the geometry that the DXF
// reinforcement drawing shows in its three views and the IFC model builds in 3D.
//
// Axes of one connector: x along the joint from the connector's axis, y across the joint
// from the joint face into the member that holds the anchor plate, z up from the
// slab's mid-plane. Lengths in mm.

#include "katalog/Katalog.h"

#include <string>
#include <vector>

namespace vsk {

class TKAnwendung;

// What the reinforcement detail reads, gathered so that it can also be built for values
// set by hand.
struct BewehrungsAngaben {
    double h = 0;  // slab thickness
    double cO = 0; // concrete covers: top, bottom, front
    double cU = 0;
    double cV = 0;
    double Tbx = 0;          // extent of position B across the joint
    double Tby = 0;          // extent of the U-bar zone along the joint
    std::string Bezeichnung; // type designation ("VSK 7")
    TKDornDaten Dorn;        // catalogue record with the designed reinforcement
};

// The position's geometry, its selected type TAktDorn with that type's record and result.
BewehrungsAngaben BewehrungsAngabenVon(const TKAnwendung& position);

// An entry of a spacing list; a list shorter than its count reads as 0 there.
double ListenEintrag(const std::vector<double>& liste, int i);
// The first anzahl entries added up.
double ListenSumme(const std::vector<double>& liste, int anzahl);

// A straight position-B bar along the joint, from x = -Tby/2 to x = Tby/2.
struct BStab {
    int lage = 0;      // reinforcement layer from the slab faces, 0 outermost
    double y = 0;      // distance from the joint face
    double zOben = 0;  // height of the top-face bar
    double zUnten = 0; // height of the bottom-face bar
};

// The bars of every layer, in the order of the drawing's section (layer, then distance
// from the joint face); each entry stands for a top and a bottom bar.
std::vector<BStab> BStaebe(const BewehrungsAngaben& a);
// Heights of the top and bottom bars of a layer (the same for every bar of the layer).
double BStabHoeheOben(const BewehrungsAngaben& a, int lage);
double BStabHoeheUnten(const BewehrungsAngaben& a, int lage);

// A position-D U-bar: its plane lies across the joint at x, its legs at zUnten and zOben
// run from the web near the joint face into the member.
struct UBuegel {
    double x = 0;
    double zUnten = 0;
    double zOben = 0;
};

// The U-bars in the order of the drawing's view: the outer pair, then the inner pairs
// from outside in (the layers staggered when there are two).
std::vector<UBuegel> UBuegelLagen(const BewehrungsAngaben& a);

// The shape of the U-bars in the section: centre line of the web, far end of the legs,
// inner bend radius, and the heights of the legs in the outer layer.
struct UBuegelForm {
    double ySteg = 0;
    double yEnde = 0;
    double biegeRadius = 0;
    double zOben = 0;
    double zUnten = 0;
};
UBuegelForm UBuegelFormVon(const BewehrungsAngaben& a);

} // namespace vsk
