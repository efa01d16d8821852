#include "sketches/Skizzenausschnitt.h"

#include "shell/Zahlen.h"
#include "sketches/TrDaten.h"

#include <algorithm>
#include <cmath>

namespace vsk {

namespace {

int Gerundet(double wert) {
    return static_cast<int>(RundeGerade(wert));
}

} // namespace

Skizzenlage LageDerSkizze(Canvas& c, const Rechteck& r, int art, const Zeichenkontext& k) {
    const TrDaten d = DatenBerechnen(c, r, art, k);
    return {d.gueltig && d.Massstab > 0, static_cast<double>(d.X0), static_cast<double>(d.Y0),
            d.Massstab};
}

void Skizzenausschnitt::SetzeGroesse(int breite, int hoehe) {
    breite_ = breite;
    hoehe_ = hoehe;
}

Rechteck Skizzenausschnitt::Zeichenrechteck() const {
    return {dx_, dy_, dx_ + Gerundet(breite_ * faktor_), dy_ + Gerundet(hoehe_ * faktor_)};
}

void Skizzenausschnitt::ZoomUm(int x, int y, double f, const Lagefinder& lage) {
    const double neu = std::min(faktor_ * f, GroessterFaktor);
    if (neu <= 1) {
        Einpassen();
        return;
    }
    const Skizzenlage alt = lage(Zeichenrechteck());
    const double altFaktor = faktor_;
    faktor_ = neu;
    const Rechteck r = Zeichenrechteck();
    // The sketch lies in its rectangle independent of where the rectangle is: the new
    // lage is found at the old offset and the offset then moves the model point.
    const Skizzenlage jetzt = lage(r);
    if (!alt.gueltig || !jetzt.gueltig) {
        // Nothing drawn to hold on to: keep the picture point of the rectangle instead.
        dx_ = x - Gerundet((x - dx_) * neu / altFaktor);
        dy_ = y - Gerundet((y - dy_) * neu / altFaktor);
        return;
    }
    const double mx = (x - alt.x0) / alt.massstab;
    const double my = (y - alt.y0) / alt.massstab;
    dx_ += Gerundet(x - (jetzt.x0 + mx * jetzt.massstab));
    dy_ += Gerundet(y - (jetzt.y0 + my * jetzt.massstab));
}

void Skizzenausschnitt::Verschiebe(int dx, int dy) {
    dx_ += dx;
    dy_ += dy;
}

void Skizzenausschnitt::Einpassen() {
    faktor_ = 1;
    dx_ = 0;
    dy_ = 0;
}

} // namespace vsk
