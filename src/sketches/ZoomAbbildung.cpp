#include "sketches/ZoomAbbildung.h"

#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vsk {

namespace {

// Screen coordinates far outside any window are clamped so that the conversion to int
// stays defined when the view is zoomed far in.
int ZuPixel(double wert) {
    constexpr double grenze = 1e9;
    return static_cast<int>(RundeGerade(std::clamp(wert, -grenze, grenze)));
}

// Equal scales from the smaller dimension d, 1 for an empty range.
void GleicheMassstaebe(ZoomAnsicht& a, double d, double breite, double hoehe) {
    a.sx = breite > 0 ? d / breite : 1;
    a.sy = hoehe > 0 ? d / hoehe : 1;
    a.sx = a.sy = std::min(a.sx, a.sy);
}

std::string OhneEndnullen(std::string s, char trenner) {
    if (s.find(trenner) == std::string::npos) {
        return s;
    }
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    if (!s.empty() && s.back() == trenner) {
        s.pop_back();
    }
    return s;
}

} // namespace

void ZoomAbbildung::Fenster(ZoomAnsicht& a) const {
    // Halving a pixel length truncates.
    const double halbB = breite_ / 2;
    const double halbH = hoehe_ / 2;
    a.xmin = a.cx - halbB / a.sx;
    a.xmax = a.cx + halbB / a.sx;
    a.ymin = a.cy - halbH / a.sy;
    a.ymax = a.cy + halbH / a.sy;
}

ZoomAnsicht ZoomAbbildung::Eingepasst(int randX, int randY, double xmax, double xmin, double ymax,
                                      double ymin) const {
    const int w = breite_ - 2 * randX;
    const int h = hoehe_ - 2 * randY;
    // A paint box smaller than its margins still gets a usable, positive scale.
    const double d = std::max(w < h ? w : h, 1);
    ZoomAnsicht a;
    GleicheMassstaebe(a, d, xmax - xmin, ymax - ymin);
    a.cx = (xmin + xmax) / 2;
    a.cy = (ymin + ymax) / 2;
    Fenster(a);
    return a;
}

void ZoomAbbildung::SetzeGroesse(int breite, int hoehe) {
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    if (breite == breite_ && hoehe == hoehe_) {
        return;
    }
    const bool unveraendert = bereit_ && aktuell_ == eingepasst_;
    breite_ = breite;
    hoehe_ = hoehe;
    if (!bereit_) {
        return;
    }
    const Einpassung& e = einpassung_;
    eingepasst_ = Eingepasst(e.randX, e.randY, e.xmax, e.xmin, e.ymax, e.ymin);
    if (unveraendert) {
        aktuell_ = eingepasst_;
    } else {
        Fenster(aktuell_);
    }
    Fenster(vorige_);
}

void ZoomAbbildung::Fit(int randX, int randY, double xmax, double xmin, double ymax, double ymin) {
    einpassung_ = {randX, randY, xmax, xmin, ymax, ymin};
    eingepasst_ = Eingepasst(randX, randY, xmax, xmin, ymax, ymin);
    aktuell_ = eingepasst_;
    vorige_ = eingepasst_;
    bereit_ = true;
}

void ZoomAbbildung::Zoom(double f) {
    if (!bereit_ || !(f > 0)) {
        return;
    }
    vorige_ = aktuell_;
    aktuell_.sx /= f;
    aktuell_.sy /= f;
    Fenster(aktuell_);
}

void ZoomAbbildung::Reset() {
    if (!bereit_) {
        return;
    }
    vorige_ = aktuell_;
    aktuell_ = eingepasst_;
    Fenster(aktuell_);
}

void ZoomAbbildung::Letzte() {
    if (!bereit_) {
        return;
    }
    aktuell_ = vorige_;
    Fenster(aktuell_);
}

bool ZoomAbbildung::ZoomRechteck(int x1, int y1, int x2, int y2) {
    if (!bereit_ || std::abs(x2 - x1) <= 2 || std::abs(y2 - y1) <= 2) {
        return false;
    }
    const double links = WeltX(std::min(x1, x2));
    const double rechts = WeltX(std::max(x1, x2));
    const double oben = WeltY(std::min(y1, y2));
    const double unten = WeltY(std::max(y1, y2));
    vorige_ = aktuell_;
    GleicheMassstaebe(aktuell_, std::max(std::min(breite_, hoehe_), 1), rechts - links,
                      oben - unten);
    aktuell_.cx = (links + rechts) / 2;
    aktuell_.cy = (oben + unten) / 2;
    Fenster(aktuell_);
    return true;
}

void ZoomAbbildung::Zentriere(double x, double y) {
    if (!bereit_) {
        return;
    }
    vorige_ = aktuell_;
    aktuell_.cx = x;
    aktuell_.cy = y;
    Fenster(aktuell_);
}

void ZoomAbbildung::ZoomUm(int bx, int by, double f) {
    if (!bereit_ || !(f > 0)) {
        return;
    }
    const double wx = WeltX(bx);
    const double wy = WeltY(by);
    vorige_ = aktuell_;
    ZoomAnsicht& a = aktuell_;
    a.sx /= f;
    a.sy /= f;
    a.cx = wx - bx / a.sx + (breite_ / 2) / a.sx;
    a.cy = wy + by / a.sy - (hoehe_ / 2) / a.sy;
    Fenster(a);
}

void ZoomAbbildung::Verschiebe(int dx, int dy, bool merken) {
    if (!bereit_) {
        return;
    }
    if (merken) {
        vorige_ = aktuell_;
    }
    aktuell_.cx -= dx / aktuell_.sx;
    aktuell_.cy += dy / aktuell_.sy;
    Fenster(aktuell_);
}

int ZoomAbbildung::HPosition() const {
    const double w = eingepasst_.xmax - eingepasst_.xmin;
    return w > 0 ? ZuPixel((aktuell_.cx - eingepasst_.xmin) / w * 1000) : 500;
}

int ZoomAbbildung::VPosition() const {
    const double h = eingepasst_.ymax - eingepasst_.ymin;
    return h > 0 ? 1000 - ZuPixel((aktuell_.cy - eingepasst_.ymin) / h * 1000) : 500;
}

int ZoomAbbildung::HSeite() const {
    const double w = eingepasst_.xmax - eingepasst_.xmin;
    return w > 0 ? ZuPixel((aktuell_.xmax - aktuell_.xmin) / w * 1000) : 1000;
}

int ZoomAbbildung::VSeite() const {
    const double h = eingepasst_.ymax - eingepasst_.ymin;
    return h > 0 ? ZuPixel((aktuell_.ymax - aktuell_.ymin) / h * 1000) : 1000;
}

namespace {

// World distance of a scroll-bar change c: a page moves 11/12 of it, rounded to whole
// world units; anything else c units.
double Verschiebung(int c, int seite, double fensterweite) {
    if (c == seite || c == -seite) {
        const double e = c * fensterweite / 1000;
        return static_cast<double>(RundeGerade(e - e / 12));
    }
    return c;
}

} // namespace

bool ZoomAbbildung::HScroll(int alt, int neu) {
    const int c = neu - alt;
    if (!bereit_ || c == 0) {
        return false;
    }
    const double d = Verschiebung(c, HSeite(), eingepasst_.xmax - eingepasst_.xmin);
    aktuell_.cx += d;
    aktuell_.xmin += d;
    aktuell_.xmax += d;
    return true;
}

bool ZoomAbbildung::VScroll(int alt, int neu) {
    const int c = neu - alt;
    if (!bereit_ || c == 0) {
        return false;
    }
    const double d = Verschiebung(c, VSeite(), eingepasst_.ymax - eingepasst_.ymin);
    aktuell_.cy -= d;
    aktuell_.ymin -= d;
    aktuell_.ymax -= d;
    return true;
}

int ZoomAbbildung::BildX(double x) const {
    return ZuPixel((x - aktuell_.xmin) * aktuell_.sx);
}

int ZoomAbbildung::BildY(double y) const {
    return ZuPixel((aktuell_.ymax - y) * aktuell_.sy);
}

std::string ZoomAbbildung::Massstab(char trenner) const {
    const double r = aktuell_.sx / eingepasst_.sx;
    if (r >= 0.999) {
        return DreiStellen(r, trenner) + " : 1";
    }
    return "1 : " + DreiStellen(eingepasst_.sx / aktuell_.sx, trenner);
}

std::string ZoomKoordinaten(double x, double y, char trenner) {
    return "X= " + FormatFest(x, 3, trenner) + "   Y= " + FormatFest(y, 3, trenner);
}

std::string DreiStellen(double wert, char trenner) {
    if (wert == 0 || !std::isfinite(wert)) {
        return FormatAllgemein(wert, trenner);
    }
    const double betrag = std::abs(wert);
    const int exponent = static_cast<int>(std::floor(std::log10(betrag)));
    if (betrag >= 0.00001 && exponent <= 2) {
        std::string s = OhneEndnullen(FormatFest(wert, 2 - exponent, trenner), trenner);
        // Rounding may carry into a fourth integer digit (999.7 -> 1000).
        const auto ziffern = s.find(trenner) == std::string::npos
                                 ? s.size() - (wert < 0 ? 1 : 0)
                                 : s.find(trenner) - (wert < 0 ? 1 : 0);
        if (ziffern <= 3) {
            return s;
        }
    }
    // Scientific form: mantissa with 3 digits, exponent without sign or padding.
    int e = exponent;
    double mantisse = wert / std::pow(10.0, e);
    std::string m = FormatFest(mantisse, 2, trenner);
    if (m.find("10") == (wert < 0 ? 1u : 0u)) {
        ++e;
        m = FormatFest(mantisse / 10, 2, trenner);
    }
    return OhneEndnullen(m, trenner) + "E" + std::to_string(e);
}

} // namespace vsk
