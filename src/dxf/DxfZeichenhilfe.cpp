#include "dxf/DxfZeichenhilfe.h"

#include <cmath>
#include <memory>

namespace vsk {

namespace {

constexpr Point3D kExtrusion(0, 0, 1);
constexpr double kMarke = 20;           // stop lines of dimensions
constexpr double kUeberstand = 5;       // dimension lines overshoot their points
constexpr long double kPi = 3.1415927L; // the angle of a bar direction uses this value

struct Richtung {
    Point3D u; // unit vector from A to B
    // Sideways offset n(w) = (w/2) * (u.y, -u.x).
    Point3D Seite(double breite) const {
        long double h = static_cast<long double>(breite) / 2;
        return {static_cast<double>(h * u.y), static_cast<double>(-h * u.x), 0};
    }
};

// A zero-length piece has no direction; it is drawn as if it ran along +x rather
// than producing undefined coordinates.
Richtung RichtungVon(const Point3D& a, const Point3D& b) {
    long double dx = static_cast<long double>(b.x) - a.x;
    long double dy = static_cast<long double>(b.y) - a.y;
    long double laenge = std::sqrt(dx * dx + dy * dy);
    if (laenge == 0) {
        return {{1, 0, 0}};
    }
    return {{static_cast<double>(dx / laenge), static_cast<double>(dy / laenge), 0}};
}

double InKreis(long double grad) {
    while (grad >= 360) {
        grad -= 360;
    }
    while (grad < 0) {
        grad += 360;
    }
    return static_cast<double>(grad);
}

// Direction angle of u in degrees, 0 to 360.
long double Winkel(const Point3D& u) {
    long double theta =
        std::atan2(static_cast<long double>(u.y), static_cast<long double>(u.x)) * 180.0L / kPi;
    if (theta < 0) {
        theta += 360;
    }
    return theta;
}

} // namespace

void DxfZeichenhilfe::Linie(const Point3D& a, const Point3D& b, int farbe) {
    AddEntity(layer_, std::make_unique<Line_>(farbe, a, b));
}

void DxfZeichenhilfe::Bogen(const Point3D& mitte, double radius, double startGrad, double endGrad) {
    AddEntity(layer_, std::make_unique<Arc_>(kExtrusion, 7, mitte, radius, startGrad, endGrad));
}

void DxfZeichenhilfe::Text(const std::string& text, const Point3D& position,
                           const Point3D& ausrichtung, double drehung, int ausrichtungsArt) {
    AddEntity(layer_, std::make_unique<Text_>(kExtrusion, 7, position, ausrichtung, texthoehe_,
                                              drehung, ausrichtungsArt, text));
}

void DxfZeichenhilfe::DxfLinie(const Point3D& a, const Point3D& b, int farbe, bool marken) {
    if (!marken) {
        Linie(a, b, farbe);
        return;
    }
    Richtung r = RichtungVon(a, b);
    const Point3D& u = r.u;
    Linie(a - u * kUeberstand, b + u * kUeberstand, farbe);
    long double f = 5.0L / std::sqrt(2.0L);
    Point3D t(static_cast<double>(f * (static_cast<long double>(u.x) + u.y)),
              static_cast<double>(f * (static_cast<long double>(u.x) - u.y)), 0);
    Point3D n = r.Seite(kMarke);
    for (const Point3D* p : {&a, &b}) {
        Linie(*p + n, *p - n, farbe);
        Linie(*p - t, *p + t, farbe);
    }
}

void DxfZeichenhilfe::DxfStab(const Point3D& a, const Point3D& b, double breite, StabEnde endeA,
                              StabEnde endeB) {
    Richtung r = RichtungVon(a, b);
    Point3D n = r.Seite(breite);
    Linie(a + n, b + n);
    Linie(a - n, b - n);
    long double w = Winkel(r.u) + 90;
    auto kappe = [&](const Point3D& p, StabEnde ende, bool amAnfang) {
        switch (ende) {
        case StabEnde::Eckig:
            Linie(p + n, p - n);
            break;
        case StabEnde::Rund:
            if (amAnfang) {
                Bogen(p, breite / 2, InKreis(w), InKreis(w + 180));
            } else {
                Bogen(p, breite / 2, InKreis(w + 180), InKreis(w));
            }
            break;
        case StabEnde::Offen:
            break;
        }
    };
    kappe(a, endeA, true);
    kappe(b, endeB, false);
}

void DxfZeichenhilfe::DxfBuegel(double xw, double yT, double yB, double xe, double breite,
                                double radius) {
    double k = radius + breite / 2;
    DxfStab({xe, yT}, {xw + k, yT}, breite, StabEnde::Offen, StabEnde::Offen);
    Bogen({xw + k, yT - k}, radius, 90, 180);
    Bogen({xw + k, yT - k}, radius + breite, 90, 180);
    DxfStab({xw, yT - k}, {xw, yB + k}, breite, StabEnde::Offen, StabEnde::Offen);
    Bogen({xw + k, yB + k}, radius, 180, 270);
    Bogen({xw + k, yB + k}, radius + breite, 180, 270);
    DxfStab({xw + k, yB}, {xe, yB}, breite, StabEnde::Offen, StabEnde::Offen);
}

void DxfZeichenhilfe::DxfRechteck(double x1, double y1, double x2, double y2) {
    Linie({x2, y2}, {x2, y1});
    Linie({x2, y1}, {x1, y1});
    Linie({x1, y1}, {x1, y2});
    Linie({x1, y2}, {x2, y2});
}

void DxfZeichenhilfe::DxfKreis(const Point3D& mitte, double radius) {
    AddEntity(layer_, std::make_unique<Circle_>(kExtrusion, 7, mitte, radius));
}

void DxfZeichenhilfe::DxfText(const std::string& text, const Point3D& p) {
    Text(text, p, p, 0, 0);
}

void DxfZeichenhilfe::DxfMasslinie(const Point3D& a, const Point3D& b, const std::string& text,
                                   double drehung, bool marken) {
    DxfLinie(a, b, 7, marken);
    double abstand = texthoehe_ / 5;
    Point3D versatz;
    int art = 0;
    if (a.x != b.x) {
        versatz = {0, abstand, 0};
        art = 1;
    } else if (a.y >= b.y) {
        versatz = {-abstand, 0, 0};
        art = 2;
    } else {
        versatz = {abstand, 0, 0};
        art = 0;
    }
    Point3D a2 = a + versatz;
    Point3D b2 = b + versatz;
    Text(text, a2, (a2 + b2) * 0.5, drehung, art);
}

} // namespace vsk
