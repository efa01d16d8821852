#include "ifc/IfcBewehrung.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vsk {

namespace {

Bewehrungsstab Gerade(const BewehrungsAngaben& a, double y, double z) {
    const double halb = a.Tby / 2;
    Bewehrungsstab stab{StabPosition::B, a.Dorn.DurchmB, a.Tby, {{-halb, y, z}, {}}};
    stab.linie.stuecke.push_back({Linienstueck::Art::Gerade, {{halb, y, z}}});
    return stab;
}

// The U lies in the plane x: legs from the far end to the bends, the web near the joint
// face. A bend that does not fit between the legs or in front of their ends is made
// smaller, down to a sharp corner.
Bewehrungsstab UForm(const BewehrungsAngaben& a, const UBuegel& u, const UBuegelForm& form) {
    const int dD = a.Dorn.DurchmD;
    const double hoehe = u.zOben - u.zUnten;
    const double tiefe = form.yEnde - form.ySteg;
    const double k = std::max(0.0, std::min({form.biegeRadius + dD / 2.0, hoehe / 2, tiefe}));
    const double x = u.x;
    const double s = k * (1 - std::numbers::sqrt2 / 2); // arc point at 45°, from the corner

    Bewehrungsstab stab{StabPosition::D, dD, 0, {{x, form.yEnde, u.zOben}, {}}};
    auto gerade = [&](double y, double z) {
        stab.linie.stuecke.push_back({Linienstueck::Art::Gerade, {{x, y, z}}});
    };
    auto bogen = [&](double ym, double zm, double y, double z) {
        stab.linie.stuecke.push_back({Linienstueck::Art::Bogen, {{x, ym, zm}, {x, y, z}}});
    };
    const double y0 = form.ySteg;
    if (tiefe > k) {
        gerade(y0 + k, u.zOben);
    }
    if (k > 0) {
        bogen(y0 + s, u.zOben - s, y0, u.zOben - k);
    }
    if (hoehe > 2 * k) {
        gerade(y0, u.zUnten + k);
    }
    if (k > 0) {
        bogen(y0 + s, u.zUnten + s, y0 + k, u.zUnten);
    }
    if (tiefe > k) {
        gerade(form.yEnde, u.zUnten);
    }
    stab.laenge = 2 * std::abs(tiefe - k) + std::abs(hoehe - 2 * k) + std::numbers::pi * k;
    return stab;
}

} // namespace

std::vector<Bewehrungsstab> Bewehrungsstaebe(const BewehrungsAngaben& a) {
    std::vector<Bewehrungsstab> staebe;
    for (const BStab& b : BStaebe(a)) {
        staebe.push_back(Gerade(a, b.y, b.zOben));
        staebe.push_back(Gerade(a, b.y, b.zUnten));
    }
    const UBuegelForm form = UBuegelFormVon(a);
    for (const UBuegel& u : UBuegelLagen(a)) {
        staebe.push_back(UForm(a, u, form));
    }
    return staebe;
}

} // namespace vsk
