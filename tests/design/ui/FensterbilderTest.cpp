#include "design/Bemessung.h"
#include "design/ui/BeliebigeLastFenster.h"
#include "design/ui/BemessungFenster.h"
#include "design/ui/BewehrungFenster.h"
#include "model/Modell.h"
#include "shell/Einstellungen.h"
#include "sketches/Farbschema.h"
#include "support/BeliebigeLast.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

namespace vsk::test {

class FensterbilderTest final : public QObject {
    Q_OBJECT
private slots:
    void BeliebigeLastWirdFotografiert();
    void BemessungWirdFotografiert();
    void BewehrungWirdFotografiert();
};

namespace {
// The window as the user sees it; written out when asked for.
void Aufnehmen(QWidget& fenster, const char* name) {
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const QImage bild = fenster.grab().toImage();
    QVERIFY(!bild.isNull());
    QVERIFY(bild.width() > 200 && bild.height() > 100);
    const QString ziel = qEnvironmentVariable("VSK_FENSTERBILDER");
    if (!ziel.isEmpty()) {
        QDir().mkpath(ziel);
        QVERIFY(bild.save(QDir(ziel).filePath(QString::fromLatin1(name) + ".png")));
    }
    fenster.hide();
}
} // namespace

void FensterbilderTest::BeliebigeLastWirdFotografiert() {
    PlattformDouble plattform;
    TKFarbe farben;
    TKModell modell;
    SetzeBeliebigeLast(modell, 6000, {{0, 40}, {2500, 65.5}, {4000, 20}, {6000, 30}});
    TfrmbeliebigeLast f(plattform, farben);
    f.Aktivieren(modell);
    f.meditX->setText(QStringLiteral("2500"));
    f.meditQ->setText(QStringLiteral("65.5"));
    Aufnehmen(f, "beliebigeLast");
    f.reject();
}

void FensterbilderTest::BemessungWirdFotografiert() {
    TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    PlattformDouble plattform;
    TfrmBemessung f(ini, plattform, {"Unlimited", "5 * Slab Thickness"});
    TKAnwendung a;
    f.Laden(a);
    Aufnehmen(f, "Bemessung");
}

void FensterbilderTest::BewehrungWirdFotografiert() {
    PlattformDouble plattform;
    for (int typ : {6, 8}) {
        TKAnwendung a;
        a.cGeometrie.TPlatteDicke = 300;
        a.cGeometrie.TNutzhoehe = 260;
        a.cGeometrie.TFugenlaenge = 5000;
        a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(60);
        a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(60);
        a.cBelastungDesign.SetLastLaenge(5000);
        RunDesign(a, plattform);
        a.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(typ);
        TfrmBewehrung f(plattform);
        f.Aktivieren(a);
        Aufnehmen(f, typ == 6 ? "Bewehrung_klein" : "Bewehrung_gross");
        f.reject();
    }
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::FensterbilderTest)
#include "FensterbilderTest.moc"
