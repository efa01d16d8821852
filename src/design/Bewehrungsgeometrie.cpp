#include "design/Bewehrungsgeometrie.h"

#include "model/Anwendung.h"

#include <cstddef>

namespace vsk {

namespace {

constexpr double kLagenAbstand = 50; // between two reinforcement layers

} // namespace

BewehrungsAngaben BewehrungsAngabenVon(const TKAnwendung& position) {
    BewehrungsAngaben a;
    const TKGeometrie& g = position.cGeometrie;
    a.h = g.TPlatteDicke;
    a.cO = g.TBetondeckungOben;
    a.cU = g.TBetondeckungUnten;
    a.cV = g.TBetondeckungVorn;
    int typ = KlemmeDornTyp(position.cErgebnisse.TAktDorn);
    a.Tbx = position.cErgebnisse.DornErgebnis(typ).Tbx;
    a.Tby = position.cErgebnisse.DornErgebnis(typ).Tby;
    a.Bezeichnung = DornName(typ);
    a.Dorn = position.cErgebnisse.DornDaten(typ);
    return a;
}

double ListenEintrag(const std::vector<double>& liste, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= liste.size()) {
        return 0;
    }
    return liste[static_cast<std::size_t>(i)];
}

double ListenSumme(const std::vector<double>& liste, int anzahl) {
    long double s = 0;
    for (int i = 0; i < anzahl; ++i) {
        s += ListenEintrag(liste, i);
    }
    return static_cast<double>(s);
}

double BStabHoeheOben(const BewehrungsAngaben& a, int lage) {
    const TKDornDaten& d = a.Dorn;
    return a.h / 2 - a.cO - kLagenAbstand * lage - d.DurchmD - d.DurchmB / 2.0;
}

double BStabHoeheUnten(const BewehrungsAngaben& a, int lage) {
    const TKDornDaten& d = a.Dorn;
    return -a.h / 2 + a.cU + kLagenAbstand * lage + d.DurchmD + d.DurchmB / 2.0;
}

std::vector<BStab> BStaebe(const BewehrungsAngaben& a) {
    std::vector<BStab> staebe;
    for (int j = 0; j < a.Dorn.AnzLagen; ++j) {
        double y = 0;
        for (int i = 0; i < a.Dorn.AnzB; ++i) {
            y += ListenEintrag(a.Dorn.AbstandB, i);
            staebe.push_back({j, y, BStabHoeheOben(a, j), BStabHoeheUnten(a, j)});
        }
    }
    return staebe;
}

std::vector<UBuegel> UBuegelLagen(const BewehrungsAngaben& a) {
    const TKDornDaten& d = a.Dorn;
    const double bb = d.BreiteBuegel;
    const UBuegelForm form = UBuegelFormVon(a);
    const double unten = form.zUnten;
    const double oben = form.zOben;
    const double versatz = d.AnzLagen >= 2 ? kLagenAbstand : 0;

    std::vector<UBuegel> buegel;
    const double aussenUnten = (d.AnzD % 4 == 0) ? unten + versatz : unten;
    buegel.push_back({-bb / 2, aussenUnten, oben});
    buegel.push_back({bb / 2, aussenUnten, oben});
    double s = 0;
    for (int i = 0; i <= d.AnzD / 2 - 2; ++i) {
        s += ListenEintrag(d.AbstandD, i);
        const bool gerade = i % 2 == 0;
        const double zOben = gerade ? oben - versatz : oben;
        const double zUnten = gerade ? unten : unten + versatz;
        buegel.push_back({-bb / 2 + s, zUnten, zOben});
        buegel.push_back({bb / 2 - s, zUnten, zOben});
    }
    return buegel;
}

UBuegelForm UBuegelFormVon(const BewehrungsAngaben& a) {
    const TKDornDaten& d = a.Dorn;
    const double dB = d.DurchmB;
    return {a.cV + dB / 2, ListenEintrag(d.AbstandB, 0) + a.Tbx, 2.0 * d.DurchmD,
            a.h / 2 - a.cO - dB / 2, -a.h / 2 + a.cU + dB / 2};
}

} // namespace vsk
