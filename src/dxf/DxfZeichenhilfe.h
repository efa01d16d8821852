#pragma once
// Drawing helpers of the DXF exports: lines with dimension marks, bars with their caps,
// U-bars, rectangles, circles, texts and dimension lines, added to one layer in the
// order of their pieces.

#include "dxf/DxfObjekt.h"

#include <string>

namespace vsk {

enum class StabEnde { Offen, Eckig, Rund };

class DxfZeichenhilfe {
public:
    explicit DxfZeichenhilfe(DXF_Layer& layer) : layer_(layer) {}

    void SetzeTexthoehe(double hoehe) { texthoehe_ = hoehe; }
    double Texthoehe() const { return texthoehe_; }

    // Line from A to B; with marks a dimension line: overshoot 5, stop lines 20 and
    // ticks 10 long at both ends.
    void DxfLinie(const Point3D& a, const Point3D& b, int farbe, bool marken);
    // Outline of a bar of width w from A to B with the given caps.
    void DxfStab(const Point3D& a, const Point3D& b, double breite, StabEnde endeA, StabEnde endeB);
    // U-bar open toward +x: web at xw, legs at yT and yB to xe, inner bend radius r.
    void DxfBuegel(double xw, double yT, double yB, double xe, double breite, double radius);
    void DxfRechteck(double x1, double y1, double x2, double y2);
    void DxfKreis(const Point3D& mitte, double radius);
    void DxfText(const std::string& text, const Point3D& p);
    void DxfMasslinie(const Point3D& a, const Point3D& b, const std::string& text, double drehung,
                      bool marken);

private:
    void Linie(const Point3D& a, const Point3D& b, int farbe = 7);
    void Bogen(const Point3D& mitte, double radius, double startGrad, double endGrad);
    void Text(const std::string& text, const Point3D& position, const Point3D& ausrichtung,
              double drehung, int ausrichtungsArt);

    DXF_Layer& layer_;
    double texthoehe_ = 30;
};

} // namespace vsk
