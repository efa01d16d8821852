#include "ifc/IfcGeometrie.h"

namespace vsk {

namespace {

// Precision of the model context in mm: far below any dimension of a connector.
constexpr double kGenauigkeitMm = 1e-5;

using W = StepWert;

W Koordinaten(const Point3D& p) {
    return W::Reals({p.x, p.y, p.z});
}

} // namespace

IfcGeometrie::IfcGeometrie(StepSchreiber& schreiber)
    : s_(schreiber), ursprung_(Achsen({})),
      modell_(s_.Instanz("IFCGEOMETRICREPRESENTATIONCONTEXT",
                         {W::Leer(), W::Text("Model"), W::Ganz(3), W::Real(kGenauigkeitMm),
                          ursprung_, W::Leer()})),
      koerper_(s_.Instanz("IFCGEOMETRICREPRESENTATIONSUBCONTEXT",
                          {W::Text("Body"), W::Text("Model"), W::Abgeleitet(), W::Abgeleitet(),
                           W::Abgeleitet(), W::Abgeleitet(), modell_, W::Leer(),
                           W::Aufzaehlung("MODEL_VIEW"), W::Leer()})),
      profilOrt_(s_.Instanz("IFCAXIS2PLACEMENT2D",
                            {s_.Instanz("IFCCARTESIANPOINT", {W::Reals({0, 0})}), W::Leer()})) {}

StepRef IfcGeometrie::Punkt(const Point3D& p) {
    return s_.Instanz("IFCCARTESIANPOINT", {Koordinaten(p)});
}

StepRef IfcGeometrie::Richtung(const Point3D& r) {
    return s_.Instanz("IFCDIRECTION", {Koordinaten(r)});
}

StepRef IfcGeometrie::Achsen(const Point3D& p, std::optional<Point3D> z, std::optional<Point3D> x) {
    const StepRef ort = Punkt(p);
    const W achseZ = z ? W(Richtung(*z)) : W::Leer();
    const W achseX = x ? W(Richtung(*x)) : W::Leer();
    return s_.Instanz("IFCAXIS2PLACEMENT3D", {ort, achseZ, achseX});
}

StepRef IfcGeometrie::Platzierung(std::optional<StepRef> relativZu, const Point3D& p) {
    const StepRef achsen = Achsen(p);
    return s_.Instanz("IFCLOCALPLACEMENT", {relativZu ? W(*relativZu) : W::Leer(), achsen});
}

StepRef IfcGeometrie::KreisProfil(double radius) {
    return s_.Instanz("IFCCIRCLEPROFILEDEF",
                      {W::Aufzaehlung("AREA"), W::Leer(), profilOrt_, W::Real(radius)});
}

StepRef IfcGeometrie::RechteckProfil(double breiteX, double hoeheY) {
    return s_.Instanz("IFCRECTANGLEPROFILEDEF", {W::Aufzaehlung("AREA"), W::Leer(), profilOrt_,
                                                 W::Real(breiteX), W::Real(hoeheY)});
}

StepRef IfcGeometrie::Extrusion(StepRef profil, StepRef achsen, double laenge) {
    const StepRef richtung = Richtung({0, 0, 1});
    return s_.Instanz("IFCEXTRUDEDAREASOLID", {profil, achsen, richtung, W::Real(laenge)});
}

StepRef IfcGeometrie::Scheibenkoerper(const Mittellinie& linie, double durchmesser) {
    std::vector<W> punkte{Koordinaten(linie.start)};
    std::vector<W> stuecke;
    long long letzter = 1; // STEP lists count from 1
    for (const Linienstueck& st : linie.stuecke) {
        std::vector<W> indizes{W::Ganz(letzter)};
        for (const Point3D& p : st.punkte) {
            punkte.push_back(Koordinaten(p));
            indizes.push_back(W::Ganz(++letzter));
        }
        const char* art = st.art == Linienstueck::Art::Bogen ? "IFCARCINDEX" : "IFCLINEINDEX";
        stuecke.push_back(W::Typisiert(art, W::Liste(indizes)));
    }
    const StepRef liste = s_.Instanz("IFCCARTESIANPOINTLIST3D", {W::Liste(punkte)});
    const StepRef kurve =
        s_.Instanz("IFCINDEXEDPOLYCURVE", {liste, W::Liste(stuecke), W::Logisch(false)});
    return s_.Instanz("IFCSWEPTDISKSOLID",
                      {kurve, W::Real(durchmesser / 2), W::Leer(), W::Leer(), W::Leer()});
}

StepRef IfcGeometrie::Oberflaeche(double rot, double gruen, double blau) {
    const StepRef farbe =
        s_.Instanz("IFCCOLOURRGB", {W::Leer(), W::Real(rot), W::Real(gruen), W::Real(blau)});
    const StepRef schattierung = s_.Instanz("IFCSURFACESTYLESHADING", {farbe, W::Real(0)});
    return s_.Instanz("IFCSURFACESTYLE",
                      {W::Leer(), W::Aufzaehlung("BOTH"), W::Liste({schattierung})});
}

void IfcGeometrie::Einfaerben(const std::vector<StepRef>& koerper, StepRef oberflaeche) {
    for (StepRef k : koerper) {
        s_.Instanz("IFCSTYLEDITEM", {k, W::Liste({oberflaeche}), W::Leer()});
    }
}

StepRef IfcGeometrie::Koerper(const char* darstellungsart, const std::vector<StepRef>& koerper) {
    std::vector<W> teile(koerper.begin(), koerper.end());
    const StepRef darstellung =
        s_.Instanz("IFCSHAPEREPRESENTATION",
                   {koerper_, W::Text("Body"), W::Text(darstellungsart), W::Liste(teile)});
    return s_.Instanz("IFCPRODUCTDEFINITIONSHAPE", {W::Leer(), W::Leer(), W::Liste({darstellung})});
}

} // namespace vsk
