#include "design/Laufspeicher.h"

#include <algorithm>
#include <cmath>

namespace vsk {

namespace {

bool Gleich(const Lastlinie& a, const Lastlinie& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](LastPunkt p, LastPunkt q) { return p.x == q.x && p.q == q.q; });
}

// A walk checks every distance of its row but the last (the end distance).
bool Zulaessig(const std::vector<double>& reihe, double grenze) {
    return reihe.empty() || std::all_of(reihe.begin(), reihe.end() - 1,
                                        [grenze](double d) { return AbstandZulaessig(grenze, d); });
}

} // namespace

bool Laufspeicher::BeideZulaessig(const Lastlinie& linie0, const Lastlinie& linie1, double F,
                                  double grenze, std::vector<double>& reihe0,
                                  std::vector<double>& reihe1) {
    if (!std::isfinite(F)) {
        return vsk::BeideZulaessig(linie0, linie1, F, grenze, reihe0, reihe1);
    }
    if (!Gleich(linie0, linie0_) || !Gleich(linie1, linie1_)) {
        linie0_ = linie0;
        linie1_ = linie1;
        laeufe_.clear();
    }
    const auto [it, neu] = laeufe_.try_emplace(F);
    Laeufe& l = it->second;
    if (neu) {
        constexpr double ohneGrenze = 0;
        Ablaufen(linie0, F, ohneGrenze, true, false, l.reihe0);
        Ablaufen(linie1, F, ohneGrenze, true, false, l.reihe1);
    }
    if (!Zulaessig(l.reihe0, grenze) || !Zulaessig(l.reihe1, grenze)) {
        reihe0.clear();
        reihe1.clear();
        return false;
    }
    reihe0 = l.reihe0;
    reihe1 = l.reihe1;
    return true;
}

} // namespace vsk
