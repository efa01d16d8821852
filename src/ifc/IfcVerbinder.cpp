#include "ifc/IfcVerbinder.h"

#include "katalog/Katalog.h"

namespace vsk {

namespace {

const Point3D kEntlangFuge{1, 0, 0};
const Point3D kQuerZurFuge{0, 1, 0};

// A profile in the x-z plane pushed from p along y by laenge.
StepRef QuerExtrusion(IfcGeometrie& g, StepRef profil, const Point3D& p, double laenge) {
    return g.Extrusion(profil, g.Achsen(p, kQuerZurFuge, kEntlangFuge), laenge);
}

} // namespace

std::vector<StepRef> VerbinderKoerper(IfcGeometrie& g, const TKDornDaten& d) {
    std::vector<StepRef> koerper;
    const double lD = d.DornLaenge;
    for (double z : {-d.DornMittenAbstand / 2, d.DornMittenAbstand / 2}) {
        koerper.push_back(QuerExtrusion(g, g.KreisProfil(d.DornDurchm / 2), {0, -lD, z}, 2 * lD));
        // A slotted sleeve lets the dowel move along the joint; a round one holds it.
        const StepRef huelse = d.HuelseBreite > 0 ? g.RechteckProfil(d.HuelseBreite, d.HuelseHoehe)
                                                  : g.KreisProfil(d.HuelseHoehe / 2);
        koerper.push_back(QuerExtrusion(g, huelse, {0, -lD, z}, lD));
    }
    koerper.push_back(QuerExtrusion(g, g.RechteckProfil(d.PlatteBreite, d.PlatteHoehe), {0, 0, 0},
                                    AnkerplatteDickeMm));
    koerper.push_back(
        QuerExtrusion(g, g.RechteckProfil(RippeDickeMm, d.DornMittenAbstand - d.DornDurchm),
                      {0, AnkerplatteDickeMm, 0}, d.RippeLaenge));
    struct Anker {
        double laenge, durchmesser, abstand;
    };
    for (const Anker& a : {Anker{d.Anker1Laenge, d.Anker1Durchm, d.Anker1Abstand},
                           Anker{d.Anker2Laenge, d.Anker2Durchm, d.Anker2Abstand}}) {
        const StepRef achsen = g.Achsen({-a.laenge / 2, a.abstand, 0}, kEntlangFuge, kQuerZurFuge);
        koerper.push_back(g.Extrusion(g.KreisProfil(a.durchmesser / 2), achsen, a.laenge));
    }
    return koerper;
}

} // namespace vsk
