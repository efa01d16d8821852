#pragma once
// The geometry entities of the IFC model: points, placements, profiles, extruded and
// swept-disk solids, and the body representation of a product. Lengths in mm.

#include "dxf/Point3D.h"
#include "ifc/StepSchreiber.h"

#include <optional>
#include <vector>

namespace vsk {

// A piece of a bar's centre line: a straight line to the next point, or an arc through
// a point on it to the point after.
struct Linienstueck {
    enum class Art { Gerade, Bogen };
    Art art = Art::Gerade;
    std::vector<Point3D> punkte; // Gerade: end; Bogen: point on the arc, then end
};

// A centre line from its start point through its pieces.
struct Mittellinie {
    Point3D start;
    std::vector<Linienstueck> stuecke;
};

class IfcGeometrie {
public:
    // Writes the model's world coordinate system and the body context.
    explicit IfcGeometrie(StepSchreiber& schreiber);

    StepSchreiber& Schreiber() { return s_; }
    StepRef Modellkontext() const { return modell_; }
    StepRef Koerperkontext() const { return koerper_; }

    StepRef Punkt(const Point3D& p);
    StepRef Richtung(const Point3D& r);
    // Origin p, local z axis and local x axis (default: those of the parent).
    StepRef Achsen(const Point3D& p, std::optional<Point3D> z = {}, std::optional<Point3D> x = {});
    // Placement at p relative to the parent placement (none: the world).
    StepRef Platzierung(std::optional<StepRef> relativZu, const Point3D& p);

    StepRef KreisProfil(double radius);
    StepRef RechteckProfil(double breiteX, double hoeheY);
    // The profile moved along the local z axis of the axes by laenge.
    StepRef Extrusion(StepRef profil, StepRef achsen, double laenge);
    // A bar of the given diameter along its centre line.
    StepRef Scheibenkoerper(const Mittellinie& linie, double durchmesser);

    // A surface colour (red, green, blue from 0 to 1) for Einfaerben.
    StepRef Oberflaeche(double rot, double gruen, double blau);
    // Shows the solids in the colour of the surface style.
    void Einfaerben(const std::vector<StepRef>& koerper, StepRef oberflaeche);

    // The product's body from solids of one representation type ("SweptSolid",
    // "AdvancedSweptSolid").
    StepRef Koerper(const char* darstellungsart, const std::vector<StepRef>& koerper);

private:
    StepSchreiber& s_;
    StepRef ursprung_;
    StepRef modell_;
    StepRef koerper_;
    StepRef profilOrt_; // every profile is centred on its axes
};

} // namespace vsk
