// Renders every sketch kind for a single connector, a slab-to-slab row and a
// slab-to-wall row with each load type into PNG files in the working directory (the
// build tree), so they can be looked at; checks that each picture holds a drawing.

#include "canvas/qt/QtCanvas.h"
#include "sketches/Skizzen.h"

#include <QGuiApplication>
#include <QImage>

#include <QTest>

#include "support/Meldungstext.h"

#include <string>

namespace vsk {
namespace {

struct Fall {
    const char* name;
    int anwendungsfall;
    int belastungsfall;
};

constexpr Fall kFaelle[] = {
    {"einzel-punktlast", 0, 0}, {"platte-konstant", 1, 1}, {"platte-linear", 1, 2},
    {"platte-beliebig", 1, 3},  {"wand-konstant", 2, 1},   {"wand-linear", 2, 2},
    {"wand-beliebig", 2, 3},    {"platte-raender", 1, 1},
};

// A position with results filled by hand as a design run of type 6 would leave them.
void Vorbereiten(TKModell& m, const Fall& f) {
    TKAnwendung& a = m.AktuelleAnwendung();
    a.TAnwendungsfall = static_cast<std::uint8_t>(f.anwendungsfall);
    TKBelastung& b = a.cBelastungDesign;
    b.TBelastungsfall = static_cast<std::uint8_t>(f.belastungsfall);
    b.cLinienLastLinks.SetFdDirekt(f.belastungsfall == 2 ? 20 : 40);
    b.cLinienLastRechts.SetFdDirekt(40);
    b.ClassifyLinienLast();
    if (f.belastungsfall == 3) {
        b.ClearPunkte();
        b.AddPunkt(0, 10);
        b.AddPunkt(600, 60);
        b.AddPunkt(1400, 25);
        b.AddPunkt(2000, 40);
    }
    if (std::string(f.name) == "platte-raender") {
        a.cGeometrie.TRandLinks = 1;
        a.cGeometrie.TRandRechts = 1;
        m.EingabeGeometrie.TRandLinks = 1;
        m.EingabeGeometrie.TRandRechts = 1;
    }
    a.cGeometrie.TBauteilRandLinks = 700;
    a.cGeometrie.TBauteilRandRechts = 1300;
    TKErgebnisse& e = a.cErgebnisse;
    // The design leaves per-side U-bar spacings and the group width they give.
    TKDornDaten& dorn = e.AktDornDaten();
    const KatalogB& kb = TabelleB(e.TAktDorn);
    dorn.AbstandD.assign(static_cast<std::size_t>(dorn.AnzD / 2 - 1), kb.sD);
    dorn.BreiteBuegel = kb.sD0 + 2 * kb.sD * static_cast<double>(dorn.AbstandD.size());
    e.cGeometrie = a.cGeometrie;
    TKDornErgebnis& d = e.AktDornErgebnis();
    d.Tby = 600;
    d.ClearAbstaende();
    if (f.anwendungsfall == 0) {
        for (double x : {700.0, 1300.0}) {
            d.AddAbstand(x);
        }
        e.setTAnzDorn(e.TAktDorn, 1);
    } else {
        for (double x : {250.0, 500.0, 500.0, 500.0, 250.0}) {
            d.AddAbstand(x);
        }
        e.setTAnzDorn(e.TAktDorn, 4);
    }
}

class SkizzenBilderTest : public QObject {
    Q_OBJECT

private slots:
    void JedeArtWirdFuerJedenFallGezeichnet() {
        const char* arten[] = {"ansicht", "draufsicht", "schnitt", "reihe", "system"};
        for (const Fall& f : kFaelle) {
            TKModell modell;
            Vorbereiten(modell, f);
            TKFarbe farben;
            int linienbreite = 1;
            const Zeichenkontext k{modell, modell.AktuelleAnwendung(), farben, linienbreite};
            for (int art = 0; art <= 4; ++art) {
                QImage bild(800, 600, QImage::Format_RGB32);
                bild.setDotsPerMeterX(3780);
                bild.setDotsPerMeterY(3780);
                bild.fill(Qt::black);
                {
                    QtCanvas c(bild);
                    ZeichneSkizze(c, {0, 0, 800, 600}, k, art);
                }
                const std::string name =
                    std::string("skizze-") + f.name + "-" + arten[art] + ".png";
                QVERIFY2(bild.save(QString::fromStdString(name)),
                         (test::Meldungstext() << name).c_str());
                // Background everywhere at the corner, drawing somewhere.
                QVERIFY2((bild.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFFu,
                         (test::Meldungstext() << name).c_str());
                int farbig = 0;
                for (int y = 0; y < 600; y += 2) {
                    for (int x = 0; x < 800; x += 2) {
                        farbig += (bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
                    }
                }
                QVERIFY2(farbig > 1000, (test::Meldungstext() << name).c_str());
                QVERIFY2(linienbreite == 1, (test::Meldungstext() << name).c_str());
            }
        }
    }
};

} // namespace
} // namespace vsk

QTEST_MAIN(vsk::SkizzenBilderTest)
#include "SkizzenBilderTest.moc"
