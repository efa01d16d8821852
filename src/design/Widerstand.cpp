#include "design/Widerstand.h"

#include "katalog/Katalog.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vsk {

namespace {

using LD = long double;

constexpr LD Pi = std::numbers::pi_v<long double>;
// The angles of the concrete model, as the design has always used them.
constexpr LD Alpha1 = 0.4363323129985824; // 25 degrees
constexpr LD Alpha2 = 1.0471975511965976; // 60 degrees
constexpr LD Alpha3 = (Alpha1 + Alpha2) / 2;

constexpr LD GammaDorn = 1.05; // partial factor of the dowel steel

} // namespace

long double StahlWiderstand(int typ, int fugenbreiteStufe) {
    const KatalogA& k = TabelleA(typ);
    const LD M = LD(k.W) * k.fyk / GammaDorn / 1000;
    const LD V = (Pi * k.d * k.d / 4) * k.fyk / (std::sqrt(LD(3)) * GammaDorn) / 1000;
    const LD l = LD(FugenbreiteMm(fugenbreiteStufe)) + k.e0;
    if (l > 0 && 4 * M / l < V) {
        return 4 * M / l;
    }
    return 2 * V * (1 - l * V / (8 * M));
}

long double BetonDickenfaktor(int typ, double h) {
    const KatalogA& k = TabelleA(typ);
    if (h <= k.h1) {
        return 1.0L;
    }
    if (h > k.h2) {
        return k.kappaMin;
    }
    return 1 - (LD(h) - k.h1) / (LD(k.h2) - k.h1) * (1 - LD(k.kappaMin));
}

long double BetonWiderstand(int typ, double h, int fugenbreiteStufe, int betonguete) {
    const KatalogA& k = TabelleA(typ);
    const Betonwerte& beton = Beton(betonguete);
    const LD fcd = LD(beton.fc) / 1.5L;
    const LD kappa = BetonDickenfaktor(typ, h);
    const LD d = k.d;
    const LD La = k.La;
    const LD dA1 = TabelleC(typ).Anker1Durchm;

    // Bearing under the dowels and the first anchor bar.
    const LD D = 2 * 3 * fcd / 1000 *
                 (std::sin(Alpha1) * (Pi / 2 - Alpha1) * d / 2 * La +
                  std::sin(Alpha2) * (Pi / 2 - Alpha2) * d / 2 * La +
                  std::sin(Alpha3) * (8 * dA1 * dA1 / std::sin(Alpha3)));

    // Concrete cone.
    const LD hp = LD(h) / 2 + LD(k.a) / 2;
    const LD Q = 0.001L * (d / 2 + (std::tan(Alpha2) * d / 2 - (hp - 35)) /
                                       (std::tan(Alpha1) - std::tan(Alpha2)));
    const LD G = Q / std::cos(Alpha2) * (Alpha2 - Alpha1) * La * fcd * 2 * kappa;

    // Punching.
    const LD kp = 1.6L - hp / 1000 > 1 ? 1.6L - hp / 1000 : 1.0L;
    const LD u = 2 * La + LD(k.ba) + 1.5L * Pi * hp;
    const LD P = u * hp * kp * 1.2L * LD(beton.tauRd) * LD(k.beta) * kappa / 1000;

    const LD f = FugenbreiteMm(fugenbreiteStufe);
    const LD r = k.ar > 0 ? f / 2 / LD(k.ar) + 1 : 1.0L;
    return std::min({D, G, P}) / r;
}

} // namespace vsk
