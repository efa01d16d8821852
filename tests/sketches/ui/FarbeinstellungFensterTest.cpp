#include "sketches/ui/FarbeinstellungFenster.h"
#include "shell/Einstellungen.h"
#include "sketches/Farbschema.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

namespace vsk::test {

namespace {
enum { Hintergrund, BetonPen, BetonBrush, PosB, PosD, DornPen, DornBrush, Bemassung, Brand };

// A chooser that hands out scripted answers and records the colour it was opened with.
struct Wahl {
    std::vector<Farbe> geoeffnetMit;
    std::vector<std::optional<Farbe>> antworten;
    TfrmFarbeinstellung::Farbwahl Funktion() {
        return [this](Farbe start, QWidget*) {
            geoeffnetMit.push_back(start);
            std::optional<Farbe> a = antworten.empty() ? std::nullopt : antworten.front();
            if (!antworten.empty()) {
                antworten.erase(antworten.begin());
            }
            return a;
        };
    }
};

int Modal(TfrmFarbeinstellung& f, const std::function<void()>& aktion) {
    QTimer::singleShot(0, &f, aktion);
    return f.Zeige();
}
} // namespace

class FarbeinstellungFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void GespeichertesRotFuerPosB() {
        TempDir dir;
        Einstellungen ini(dir / "VSK.INI", '.');
        ini.WriteInteger("Farbeinstellung", "PosB", 255);
        TKFarbe farben(ini);
        TfrmFarbeinstellung f(farben);
        f.Aktivieren();
        QCOMPARE(f.Feldfarbe(PosB), Farbe{255});
        QVERIFY(f.Felder[PosB]->styleSheet().contains(QStringLiteral("#ff0000")));
        QCOMPARE(f.Felder[PosB]->objectName(), QStringLiteral("sTextPosB"));
        QCOMPARE(f.Feldfarbe(PosD), Farbe{8388608});
        QVERIFY(f.Felder[PosD]->styleSheet().contains(QStringLiteral("#000080")));
    }

    void GrauUndOkSpeichertBeimProgrammende() {
        TempDir dir;
        Einstellungen ini(dir / "VSK.INI", '.');
        TKFarbe farben(ini);
        TfrmFarbeinstellung f(farben);
        QCOMPARE(f.windowTitle(), QStringLiteral("VSK - colour representation"));
        const int r = Modal(f, [&] {
            f.BitBtnGrau->click();
            f.BitBtnOK->click();
        });
        QCOMPARE(r, int(QDialog::Accepted));
        QCOMPARE(farben.PosB, Farbe{0});
        QCOMPARE(farben.PosD, Farbe{0});
        QCOMPARE(farben.DornBrush, Farbe{8421504});
        QCOMPARE(farben.Brandschutz, Farbe{8421504});
        QVERIFY(farben == TKFarbe::Graustufen());
        // Nothing reaches the file before the program ends.
        QCOMPARE(ini.ReadInteger("Farbeinstellung", "Brandschutz", -1), -1);
        farben.Speichern(ini);
        QCOMPARE(ini.ReadInteger("Farbeinstellung", "Brandschutz", -1), 8421504);
        QCOMPARE(ini.ReadInteger("Farbeinstellung", "PosB", -1), 0);
    }

    void GrauUndAbbrechenAendertNichts() {
        TKFarbe farben;
        TfrmFarbeinstellung f(farben);
        const int r = Modal(f, [&] {
            f.BitBtnGrau->click();
            QCOMPARE(f.Feldfarbe(DornBrush), Farbe{8421504});
            f.BitBtnAbbrechen->click();
        });
        QCOMPARE(r, int(QDialog::Rejected));
        QVERIFY(farben == TKFarbe::Standard());
        // The next activation shows the scheme again, not the discarded swatches.
        f.Aktivieren();
        QCOMPARE(f.Feldfarbe(DornBrush), Farbe{16776960});
    }

    void FeldklickOeffnetFarbwahl() {
        TKFarbe farben;
        Wahl wahl;
        wahl.antworten = {RGB(1, 2, 3), std::nullopt};
        TfrmFarbeinstellung f(farben, wahl.Funktion());
        const int r = Modal(f, [&] {
            f.Felder[Brand]->click();
            QCOMPARE(f.Feldfarbe(Brand), RGB(1, 2, 3));
            // A cancelled chooser leaves the swatch as it was.
            f.Felder[BetonBrush]->click();
            QCOMPARE(f.Feldfarbe(BetonBrush), Farbe{12632256});
            f.BitBtnOK->click();
        });
        QCOMPARE(r, int(QDialog::Accepted));
        QCOMPARE(wahl.geoeffnetMit, (std::vector<Farbe>{65535, 12632256}));
        QCOMPARE(farben.Brandschutz, RGB(1, 2, 3));
        QCOMPARE(farben.BetonBrush, Farbe{12632256});
    }

    void StandardSetztAlleFelderZurueck() {
        TKFarbe farben = TKFarbe::Graustufen();
        farben.Hintergrund = RGB(10, 20, 30);
        TfrmFarbeinstellung f(farben);
        f.Aktivieren();
        QCOMPARE(f.Feldfarbe(Hintergrund), RGB(10, 20, 30));
        f.BitBtnStandard->click();
        QVERIFY(f.Auswahl() == TKFarbe::Standard());
        // Only the swatches changed; the scheme waits for OK.
        QCOMPARE(farben.Hintergrund, RGB(10, 20, 30));
        QCOMPARE(f.BitBtnStandard->statusTip(),
                 QStringLiteral("Set back colour to standard value"));
        QCOMPARE(f.Felder[Bemassung]->toolTip(),
                 QStringLiteral("Colour representation of the dimensioning (Lines + Text)"));
    }

    // With VSK_FENSTERBILDER set to a directory the window is written there as PNG.
    void FensterbildWirdAufWunschGeschrieben() {
        TKFarbe farben;
        TfrmFarbeinstellung f(farben);
        f.Aktivieren();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage bild = f.grab().toImage();
        QVERIFY(bild.width() > 200);
        const QString ziel = qEnvironmentVariable("VSK_FENSTERBILDER");
        if (!ziel.isEmpty()) {
            QDir().mkpath(ziel);
            QVERIFY(bild.save(QDir(ziel).filePath(QStringLiteral("Farbeinstellung.png"))));
        }
    }
};

} // namespace vsk::test

QTEST_MAIN(vsk::test::FarbeinstellungFensterTest)
#include "FarbeinstellungFensterTest.moc"
