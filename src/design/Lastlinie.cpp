#include "design/Lastlinie.h"

#include <cmath>

namespace vsk {

namespace {

using LD = long double;

// A walk places at most this many connectors; it only guards against a load line whose
// cuts stop advancing in floating point.
constexpr std::size_t MaxDornProLauf = 1000000;

} // namespace

LastPunkt Schnittpunkt(LastPunkt p1, LastPunkt p2, double F) {
    const LD x1 = p1.x, q1 = p1.q, x2 = p2.x, q2 = p2.q;
    const LD dx = x2 - x1;
    const LD dq = q2 - q1;
    const LD A = (q1 + dq / 2) * dx / 1000;
    // The exact cut of a constant segment; at an end value of 0 its limit is the end.
    const auto konstant = [&]() -> LD { return q2 != 0 ? x1 + 1000 * LD(F) / q2 : x2; };
    if (A < F) {
        return {static_cast<double>(x2 + 1), p2.q};
    }
    if (q2 > q1) {
        const LD t = std::sqrt(q1 * q1 + 2 * LD(F) * 1000 * dq / dx) - q1;
        const LD x = t >= 0.0001L ? x1 + dx * t / dq : konstant();
        return {static_cast<double>(x), static_cast<double>(q1 + t)};
    }
    if (q2 < q1) {
        const LD t = std::sqrt(q2 * q2 - 2 * (A - F) * 1000 * dq / dx) - q2;
        const LD x = t >= 0.0001L ? x1 + dx * (t / dq + 1) : konstant();
        return {static_cast<double>(x), static_cast<double>(q2 + t)};
    }
    return {static_cast<double>(konstant()), p2.q};
}

double Flaeche(LastPunkt p1, LastPunkt p2) {
    return static_cast<double>(std::fabs((LD(p2.q) + p1.q) * (LD(p2.x) - p1.x) / 2 / 1000));
}

double Schwerpunkt(LastPunkt p1, LastPunkt p2, double a, double c) {
    const LD x1 = p1.x, q1 = p1.q, q2 = p2.q;
    const LD w = std::fabs(LD(p2.x) - x1);
    const LD Rt = w * (q1 < q2 ? q1 : q2);
    const LD T = std::fabs(q2 - q1) * w / 2;
    const LD xT = q1 > q2 ? x1 + w / 3 : x1 + 2 * w / 3;
    const LD nenner = Rt + T + 1000 * LD(c);
    if (Rt + T + c == 0 || nenner == 0) {
        return 0;
    }
    return static_cast<double>((Rt * (x1 + w / 2) + T * xT + 1000 * LD(c) * a) / nenner);
}

bool AbstandZulaessig(double grenze, double d) {
    return grenze <= 0 || std::fabs(d) < grenze;
}

bool Ablaufen(const Lastlinie& linie, double F, double grenze, bool ok, bool abbrechen,
              std::vector<double>& reihe) {
    double acc = 0;  // force collected since the last connector
    double g = 0;    // its centroid
    double prev = 0; // previous connector; the walk starts at 0
    std::size_t gesetzt = 0;
    const auto setze = [&](double c) {
        const double d = static_cast<double>(LD(c) - prev);
        reihe.push_back(d);
        if (ok) {
            ok = AbstandZulaessig(grenze, d);
        }
        ++gesetzt;
    };
    for (std::size_t k = 1; k < linie.size(); ++k) {
        LastPunkt S = linie[k - 1];
        const LastPunkt E = linie[k];
        LastPunkt C = Schnittpunkt(S, E, static_cast<double>(LD(F) - acc));
        while (C.x <= E.x && gesetzt < MaxDornProLauf) {
            const double c = Schwerpunkt(S, C, g, acc);
            setze(c);
            if (!ok && abbrechen) {
                return ok;
            }
            prev = c;
            acc = 0;
            g = 0;
            S = C;
            C = Schnittpunkt(S, E, F);
            if (!(C.x > S.x)) {
                break; // the cuts no longer advance in floating point
            }
        }
        g = Schwerpunkt(S, E, g, acc);
        acc = static_cast<double>(LD(acc) + Flaeche(S, E));
    }
    setze(g);
    const double ende = linie.empty() ? 0.0 : linie.back().x;
    reihe.push_back(static_cast<double>(LD(ende) - g));
    return ok;
}

bool GrenzeUnerreichbar(const Lastlinie& linie, double laenge, double grenze) {
    if (grenze <= 0) {
        return false;
    }
    // Walk the unloaded runs. A run starts at 0 (nothing is loaded before the first point).
    LD laufBeginn = 0;
    bool amAnfang = true;
    for (std::size_t k = 1; k < linie.size(); ++k) {
        const LastPunkt& a = linie[k - 1];
        const LastPunkt& b = linie[k];
        if (!(a.q > 0 || b.q > 0) || !(b.x > a.x)) {
            continue; // unloaded segment (or of no length): the run goes on
        }
        // First and last loaded x of the segment (a linear segment crosses 0 once).
        const LD dq = LD(b.q) - a.q;
        const LD null = dq != 0 ? LD(a.x) + (LD(b.x) - a.x) * (-LD(a.q)) / dq : LD(a.x);
        const LD ersteBelastet = a.q > 0 ? LD(a.x) : null;
        const LD letzteBelastet = b.q > 0 ? LD(b.x) : null;
        const LD lauf = ersteBelastet - laufBeginn;
        if (lauf >= (amAnfang ? LD(grenze) : 2 * LD(grenze))) {
            return true;
        }
        amAnfang = false;
        laufBeginn = letzteBelastet;
    }
    if (amAnfang) {
        return false; // nothing loaded: every connector sits at 0 and passes
    }
    return LD(laenge) - laufBeginn >= grenze;
}

} // namespace vsk
