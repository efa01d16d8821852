#include "design/DornAufteilung.h"

#include "shell/Plattform.h"
#include "shell/Texte.h"

#include <cstddef>

namespace vsk {

namespace {

using LD = long double;

// Gaps closer than this count as equal, so that among equal gaps the split nearest the
// start wins however the sums round.
constexpr LD GleicheLuecke = 1e-6L;

std::size_t Index(int reihe) {
    return reihe == 0 ? 0 : 1;
}

} // namespace

void TKTmpDornAufteilung::ReiheLeeren(int reihe) {
    reihen_[Index(reihe)].clear();
}

void TKTmpDornAufteilung::ReiheAnfuegen(int reihe, double wert) {
    reihen_[Index(reihe)].push_back(wert);
}

const std::vector<double>& TKTmpDornAufteilung::Reihe(int reihe) const {
    return reihen_[Index(reihe)];
}

std::vector<double>& TKTmpDornAufteilung::Reihe(int reihe) {
    return reihen_[Index(reihe)];
}

void TKTmpDornAufteilung::SetTmpLast(const Lastlinie& linie, double laenge, Meldeweg& meldeweg) {
    gespiegelt_.resize(linie.size());
    const std::size_t m = linie.size();
    bool gemeldet = false;
    for (std::size_t k = 0; k < m; ++k) {
        const LastPunkt& p = linie[m - 1 - k];
        gespiegelt_[k] = {static_cast<double>(LD(laenge) - p.x), p.q};
        if (gespiegelt_[k].x < 0 && !meldeweg.gezeigt) {
            gemeldet = true;
            meldeweg.plattform.Meldung(
                "SetTmpLast: " +
                text("Bemessung", "Fatal error in calculating process! The result of the "
                                  "calculation is invalid!") +
                "\n\r" +
                text("Bemessung",
                     "Try the calculation with new input data and refer to the programme "
                     "producer."));
        }
    }
    meldeweg.gezeigt = meldeweg.gezeigt || gemeldet;
}

std::vector<double> TKTmpDornAufteilung::Zusammenfuegen(double laenge) const {
    const std::vector<double>& r0 = reihen_[0];
    const std::vector<double>& r1 = reihen_[1];
    if (r0.empty() || r0.size() != r1.size()) {
        return r0;
    }
    const std::size_t H = r0.size() - 1; // number of connectors
    if (H <= 1) {
        return {r0.front(), r1.front()};
    }

    // Prefix sums of both rows: s0 for the s-th connector from the start, s1 for the
    // (H - s)-th from the end.
    std::vector<LD> summe0(H + 1, 0), summe1(H + 1, 0);
    for (std::size_t j = 0; j < H; ++j) {
        summe0[j + 1] = summe0[j] + r0[j];
        summe1[j + 1] = summe1[j] + r1[j];
    }
    LD best = 0;
    std::size_t k = 0;
    for (std::size_t s = 1; s <= H - 1; ++s) {
        const LD gap = LD(laenge) - summe0[s] - summe1[H - s];
        if (gap > best + GleicheLuecke) {
            best = gap;
            k = s;
        }
    }
    if (k == 0) {
        return r0;
    }

    std::vector<double> liste;
    liste.reserve(H + 1);
    for (std::size_t j = 0; j < k; ++j) {
        liste.push_back(r0[j]);
    }
    liste.push_back(static_cast<double>(best));
    for (std::size_t j = H - 1 - k; j >= 1; --j) {
        liste.push_back(r1[j]);
    }
    liste.push_back(r1[0]);
    return liste;
}

} // namespace vsk
