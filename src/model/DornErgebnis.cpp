#include "model/DornErgebnis.h"

#include "katalog/Katalog.h"

#include <algorithm>

namespace vsk {

TKDornErgebnis::TKDornErgebnis(int typ) {
    const KatalogB& b = TabelleB(typ);
    abstaende_.push_back(b.es);
    TAbstandLinks = b.c0;
    TAbstandRechts = b.c0;
    TIstMinAchs = b.es;
}

double TKDornErgebnis::GetAbstand(int i) const {
    if (i < 0 || i >= AbstandCount()) {
        return 0;
    }
    return abstaende_[static_cast<std::size_t>(i)];
}

double TKDornErgebnis::MaxAbstand() const {
    double groesster = 0;
    for (double a : abstaende_) {
        if (a > groesster) {
            groesster = a;
        }
    }
    return groesster;
}

void TKDornErgebnis::Minimum() {
    tFRd_ = std::min({tFRdStahl_, tFRdBeton_, tFRdBewehrung_});
}

void TKDornErgebnis::setTFRdStahl(double v) {
    tFRdStahl_ = v;
    Minimum();
}

void TKDornErgebnis::setTFRdBeton(double v) {
    tFRdBeton_ = v;
    Minimum();
}

void TKDornErgebnis::setTFRdBewehrung(double v) {
    tFRdBewehrung_ = v;
    Minimum();
}

} // namespace vsk
