#include "reports/Vorschauzoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vsk {

namespace {

constexpr std::array<double, 15> Stufen{0.25, 1.0 / 3, 0.5,  2.0 / 3, 0.75, 0.9, 1, 1.1,
                                        1.25, 1.5,     1.75, 2,       2.5,  3,   4};
// Zooms this close to a step count as the step (a fitted zoom lies between steps).
constexpr double Toleranz = 1e-6;

} // namespace

Vorschauzoom::Vorschauzoom(double verhaeltnis) {
    SetzeVerhaeltnis(verhaeltnis);
}

void Vorschauzoom::SetzeVerhaeltnis(double verhaeltnis) {
    verhaeltnis_ = std::isfinite(verhaeltnis) && verhaeltnis >= 1 ? verhaeltnis : 1;
    Setze(faktor_);
}

double Vorschauzoom::Hoechster() const {
    return std::max(1.0, Groesster / verhaeltnis_);
}

void Vorschauzoom::Setze(double faktor) {
    if (std::isfinite(faktor)) {
        faktor_ = std::clamp(faktor, Kleinster, Hoechster());
    }
}

void Vorschauzoom::Hinein() {
    const auto* s = std::find_if(Stufen.begin(), Stufen.end(),
                                 [this](double stufe) { return stufe > faktor_ + Toleranz; });
    Setze(s == Stufen.end() ? Hoechster() : *s);
}

void Vorschauzoom::Hinaus() {
    const auto s = std::find_if(Stufen.rbegin(), Stufen.rend(),
                                [this](double stufe) { return stufe < faktor_ - Toleranz; });
    Setze(s == Stufen.rend() ? Kleinster : *s);
}

void Vorschauzoom::Seitenbreite(double seitenbreite, int flaecheBreite, int rand) {
    if (seitenbreite > 0) {
        Setze((flaecheBreite - 2 * rand) / seitenbreite);
    }
}

void Vorschauzoom::GanzeSeite(double seitenbreite, double seitenhoehe, int flaecheBreite,
                              int flaecheHoehe, int rand) {
    if (seitenbreite > 0 && seitenhoehe > 0) {
        Setze(std::min((flaecheBreite - 2 * rand) / seitenbreite,
                       (flaecheHoehe - 2 * rand) / seitenhoehe));
    }
}

int Vorschauzoom::Dpi(int bildschirmDpi) const {
    return std::max(1, static_cast<int>(std::floor(bildschirmDpi * faktor_ + Toleranz)));
}

std::string Vorschauzoom::Prozenttext() const {
    return std::to_string(static_cast<int>(std::lround(faktor_ * 100))) + " %";
}

int AktuelleSeite(const std::vector<int>& seitenOben, int sichtOben, int sichtHoehe) {
    const int grenze = sichtOben + sichtHoehe / 2;
    int seite = seitenOben.empty() ? 0 : 1;
    for (std::size_t i = 1; i < seitenOben.size(); ++i) {
        if (seitenOben[i] <= grenze) {
            seite = static_cast<int>(i) + 1;
        }
    }
    return seite;
}

} // namespace vsk
