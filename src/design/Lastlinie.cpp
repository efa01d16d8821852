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
    // A segment of no length holds nothing to cut (also with a negative share left).
    if (A < F || !(dx > 0)) {
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

TKLauf::TKLauf(const Lastlinie& linie, double F, double grenze, bool ok, std::vector<double>& reihe)
    : linie_(linie), F_(F), grenze_(grenze), ok_(ok), reihe_(reihe) {}

void TKLauf::Setze(double c) {
    const double d = static_cast<double>(LD(c) - prev_);
    reihe_.push_back(d);
    if (ok_) {
        ok_ = AbstandZulaessig(grenze_, d);
    }
    ++gesetzt_;
}

bool TKLauf::Weiter() {
    while (!fertig_) {
        if (!imSegment_) {
            if (k_ >= linie_.size()) {
                // The rest of the load forms the last connector; its end distance is unchecked.
                Setze(g_);
                const double ende = linie_.empty() ? 0.0 : linie_.back().x;
                reihe_.push_back(static_cast<double>(LD(ende) - g_));
                fertig_ = true;
                return true;
            }
            S_ = linie_[k_ - 1];
            E_ = linie_[k_];
            C_ = Schnittpunkt(S_, E_, static_cast<double>(LD(F_) - acc_));
            stockt_ = false;
            imSegment_ = true;
        }
        if (C_.x <= E_.x && !stockt_ && gesetzt_ < MaxDornProLauf) {
            const double c = Schwerpunkt(S_, C_, g_, acc_);
            Setze(c);
            prev_ = c;
            acc_ = 0;
            g_ = 0;
            S_ = C_;
            C_ = Schnittpunkt(S_, E_, F_);
            stockt_ = !(C_.x > S_.x); // the cuts no longer advance in floating point
            return true;
        }
        g_ = Schwerpunkt(S_, E_, g_, acc_);
        acc_ = static_cast<double>(LD(acc_) + Flaeche(S_, E_));
        imSegment_ = false;
        ++k_;
    }
    return false;
}

bool Ablaufen(const Lastlinie& linie, double F, double grenze, bool ok, bool abbrechen,
              std::vector<double>& reihe) {
    TKLauf lauf(linie, F, grenze, ok, reihe);
    while (lauf.Weiter()) {
        if (abbrechen && !lauf.Ok()) {
            break;
        }
    }
    return lauf.Ok();
}

bool BeideZulaessig(const Lastlinie& linie0, const Lastlinie& linie1, double F, double grenze,
                    std::vector<double>& reihe0, std::vector<double>& reihe1) {
    TKLauf lauf0(linie0, F, grenze, true, reihe0);
    TKLauf lauf1(linie1, F, grenze, true, reihe1);
    bool weiter0 = true;
    bool weiter1 = true;
    while ((weiter0 || weiter1) && lauf0.Ok() && lauf1.Ok()) {
        if (weiter0) {
            weiter0 = lauf0.Weiter();
        }
        if (weiter1) {
            weiter1 = lauf1.Weiter();
        }
    }
    return lauf0.Ok() && lauf1.Ok();
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
        if (ersteBelastet - laufBeginn >= LD(grenze)) {
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
