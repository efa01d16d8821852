#include "dxf/DxfEntitaeten.h"

#include "shell/Zahlen.h"

#include <array>
#include <cctype>
#include <cmath>
#include <utility>

namespace vsk {

namespace {

constexpr double kGradZuBogen = 0.017453292519943295769;
constexpr double kBogenZuGrad = 57.295779513082320877;

constexpr int Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

constexpr std::array<int, 13> kBildschirmFarben = {
    Rgb(0, 0, 0),     Rgb(255, 0, 0),     Rgb(255, 255, 0),   Rgb(0, 255, 0),   Rgb(0, 255, 255),
    Rgb(0, 0, 255),   Rgb(128, 0, 128),   Rgb(0, 0, 0),       Rgb(128, 128, 0), Rgb(255, 0, 255),
    Rgb(0, 128, 128), Rgb(128, 128, 128), Rgb(128, 128, 128),
};

// Whole degrees of an angle, brought into 0..360 (the extent rule is defined there only).
int GanzeGrad(double grad) {
    long long g = RundeGerade(grad);
    if (g < 0 || g > 360) {
        g %= 360;
        if (g < 0) {
            g += 360;
        }
    }
    return static_cast<int>(g);
}

} // namespace

int DxfBildschirmFarbe(int aci) {
    int i = aci % 13;
    if (i < 0) {
        i += 13;
    }
    return kBildschirmFarben[static_cast<std::size_t>(i)];
}

void DXF_Custom_Entity::SetColour(int aci) {
    farbe_ = aci;
    bildschirmFarbe_ = DxfBildschirmFarbe(aci);
}

std::string DXF_Custom_Entity::DXFName() const {
    std::string name = KlassenName();
    if (!name.empty()) {
        name.pop_back();
    }
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

void Point_::UpdateExtents(Point3D& minimum, Point3D& maximum) const {
    ErweitereGrenzen(minimum, maximum, position_);
}

void Point_::WriteHead(DxfAusgabe& aus, const std::string& layer) const {
    aus.Text(0, DXFName());
    aus.Text(8, layer);
    aus.Ganzzahl(62, Colour());
    aus.Punkt(10, position_);
}

Line_::Line_(int farbe, const Point3D& start, const Point3D& ende) : Point_(start), ende_(ende) {
    SetColour(farbe);
    SetExtrusion({0, 0, 1});
}

void Line_::WriteToDXF(DxfAusgabe& aus, const std::string& layer) const {
    WriteHead(aus, layer);
    aus.Punkt(11, ende_);
}

void Line_::UpdateExtents(Point3D& minimum, Point3D& maximum) const {
    ErweitereGrenzen(minimum, maximum, Start());
    ErweitereGrenzen(minimum, maximum, ende_);
}

Circle_::Circle_(const Point3D& extrusion, int farbe, const Point3D& mitte, double radius)
    : Point_(mitte), radius_(radius) {
    SetColour(farbe);
    SetExtrusion(extrusion);
}

void Circle_::WriteToDXF(DxfAusgabe& aus, const std::string& layer) const {
    WriteHead(aus, layer);
    aus.Real(40, radius_);
}

void Circle_::UpdateExtents(Point3D& minimum, Point3D& maximum) const {
    Point3D r(radius_, radius_, 0);
    ErweitereGrenzen(minimum, maximum, Mitte() + r);
    ErweitereGrenzen(minimum, maximum, Mitte() - r);
}

Arc_::Arc_(const Point3D& extrusion, int farbe, const Point3D& mitte, double radius,
           double startGrad, double endGrad)
    : Circle_(extrusion, farbe, mitte, radius), startBogen_(startGrad * kGradZuBogen),
      endBogen_(endGrad * kGradZuBogen) {}

double Arc_::StartGrad() const {
    return startBogen_ * kBogenZuGrad;
}
double Arc_::EndGrad() const {
    return endBogen_ * kBogenZuGrad;
}

void Arc_::WriteToDXF(DxfAusgabe& aus, const std::string& layer) const {
    WriteHead(aus, layer);
    aus.Real(40, Radius());
    aus.Real(50, StartGrad());
    aus.Real(51, EndGrad());
}

Point3D Arc_::PunktBei(double bogen) const {
    return {Mitte().x + Radius() * std::cos(bogen), Mitte().y + Radius() * std::sin(bogen), 0};
}

void Arc_::UpdateExtents(Point3D& minimum, Point3D& maximum) const {
    ErweitereGrenzen(minimum, maximum, PunktBei(startBogen_));
    ErweitereGrenzen(minimum, maximum, PunktBei(endBogen_));
    // The quadrant points the arc passes, from the first one after the start up to the
    // one at or after the end.
    int a = GanzeGrad(StartGrad());
    int b = GanzeGrad(EndGrad());
    int k = ((a + 90) / 90) * 90;
    while (k > 360) {
        k -= 360;
    }
    if (k == 360) {
        k = 0;
    }
    int stop = (90 * ((b + 89) / 90)) % 360;
    for (int schritt = 0; k != stop && schritt < 4; ++schritt) {
        ErweitereGrenzen(minimum, maximum, PunktBei(k * kGradZuBogen));
        k = (k + 90) % 360;
    }
}

Text_::Text_(const Point3D& extrusion, int farbe, const Point3D& position,
             const Point3D& ausrichtung, double hoehe, double drehungGrad, int ausrichtungsArt,
             std::string text)
    : Point_(position), hoehe_(hoehe), text_(std::move(text)),
      ausrichtPunkt_(ausrichtung == Point3D() ? position : ausrichtung),
      ausrichtung_(ausrichtungsArt), drehung_(drehungGrad) {
    SetColour(farbe);
    SetExtrusion(extrusion);
}

void Text_::WriteToDXF(DxfAusgabe& aus, const std::string& layer) const {
    WriteHead(aus, layer);
    aus.Real(40, hoehe_);
    aus.Real(50, drehung_);
    aus.Text(1, text_);
    aus.Text(7, "ARIAL");
    if (ausrichtung_ != 0) {
        aus.Punkt(11, ausrichtPunkt_);
        aus.Ganzzahl(72, ausrichtung_);
    }
}

} // namespace vsk
