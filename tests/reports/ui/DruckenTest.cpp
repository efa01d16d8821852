#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckablauf.h"
#include "reports/qt/Druckauftrag.h"
#include "reports/qt/Seitengeraete.h"
#include "reports/ui/VorschauSeite.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>

#include <cmath>

#include <QTest>

namespace vsk {
namespace {

struct Projekt {
    TKModell modell;
    TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};
};

class DruckenTest : public QObject {
    Q_OBJECT

private slots:
    void OhneDruckerWirdNachEinerPdfDateiGefragt() {
        if (DruckerVorhanden()) {
            QSKIP("a printer is installed");
        }
        test::TempDir tmp;
        Projekt p;
        test::PlattformDouble plattform;
        int gefragt = 0;
        const auto datei = tmp / "bericht.pdf";
        QVERIFY(Drucken(Druckart::Bericht, p.k, plattform, [&] {
            ++gefragt;
            return std::optional<std::filesystem::path>(datei);
        }));
        QCOMPARE(gefragt, 1);
        QCOMPARE(plattform.meldungen.size(), 1u);
        QCOMPARE(plattform.meldungen[0], TextKeinDrucker());
        QVERIFY(std::filesystem::file_size(datei) > 1000u);
        QCOMPARE(p.k.linienbreite, 1);

        // Cancelled: nothing written, no error.
        const auto liste = tmp / "liste.pdf";
        QVERIFY(!Drucken(Druckart::Liste, p.k, plattform,
                         [] { return std::optional<std::filesystem::path>(); }));
        QVERIFY(!std::filesystem::exists(liste));
        QVERIFY(plattform.fehler.empty());
    }

    void PdfFehlerWirdGemeldet() {
        test::TempDir tmp;
        Projekt p;
        test::PlattformDouble plattform;
        QVERIFY(!AlsPdfSpeichern(Druckart::Liste, tmp / "missing" / "x.pdf", p.k, plattform));
        QCOMPARE(plattform.meldungen.size(), 1u);
        QVERIFY(plattform.meldungen[0].find("x.pdf") != std::string::npos);
    }

    void DruckenGehtAufDenSystemdrucker() {
        if (!DruckerVorhanden()) {
            QSKIP("no printer installed");
        }
        Projekt p;
        test::PlattformDouble plattform;
        QVERIFY(Drucken(Druckart::Bericht, p.k, plattform, {}));
        QVERIFY(plattform.fehler.empty());
        QCOMPARE(p.k.linienbreite, 1);
    }

    void DieDruckerwahlGiltFuerAlleSpaeterenDrucke() {
        QPrinter wahl(QPrinter::HighResolution);
        wahl.setPageSize(QPageSize(QPageSize::A5));
        wahl.setPageOrientation(QPageLayout::Landscape);
        wahl.setCopyCount(2);
        MerkeDrucker(wahl);
        auto mm = [](int pixel, int dpi) { return std::lround(pixel * 25.4 / dpi); };
        for (int druck = 0; druck < 2; ++druck) {
            const Druckergeometrie g = SystemDrucker().Geometrie();
            QCOMPARE(mm(g.papierBreite, g.dpiX), 210);
            QCOMPARE(mm(g.papierHoehe, g.dpiY), 148);
        }
        QPrinter spaeter;
        RichteDruckerEin(spaeter);
        QCOMPARE(spaeter.copyCount(), 2);

        VergissDrucker();
        const Druckergeometrie g = SystemDrucker().Geometrie();
        QVERIFY(g.papierBreite < g.papierHoehe);
    }

    void DreiSeitenStehenUntereinanderInDerMitte() {
        QWidget flaeche;
        flaeche.resize(1200, 800);
        TVorschauSeite p1(&flaeche), p2(&flaeche), p3(&flaeche);
        Projekt p;
        p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
        BerichtVorschau(StandardDruckergeometrie(), p1, p2, p3, p.k);
        QVERIFY(!p1.isHidden());
        QVERIFY(!p2.isHidden());
        QCOMPARE(p1.width(), p1.Bild().width());
        QCOMPARE(p1.x(), (1200 - p1.width()) / 2);
        QCOMPARE(p2.y(), p1.y() + p1.height() + 10);
        QCOMPARE(p3.y(), p2.y() + p2.height() + 10);
        QCOMPARE(p3.geometry().size(), p1.geometry().size());
        // The page is white with black text on it.
        const QImage& bild = p1.Bild();
        QCOMPARE(bild.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);

        p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = Belastungsfall::Konstant;
        BerichtVorschau(StandardDruckergeometrie(), p1, p2, p3, p.k);
        QVERIFY(p2.isHidden());
        QCOMPARE(p3.y(), p1.y() + p1.height() + 10);
    }

    void ListeWaechstMitIhremInhalt() {
        QWidget flaeche;
        flaeche.resize(600, 800); // narrower than the page: no centring
        TVorschauSeite seite(&flaeche);
        Projekt p;
        for (int i = 0; i < 20; ++i) {
            p.modell.Stueckliste.AddEintrag(
                {"P" + std::to_string(i), "1", "2", "VSK 3", "2", "Active", "1", "", "40.1", "2"});
        }
        ListeVorschau(StandardDruckergeometrie(), seite, p.k);
        const Bildgroesse seitengroesse = BildGroesse(p.k.druck, seite.BildschirmDpi());
        QVERIFY(seite.height() > seitengroesse.hoehe);
        QCOMPARE((seite.height() - seitengroesse.hoehe) % 250, 0);
        QCOMPARE(seite.Bild().height(), seite.height());
        QCOMPARE(seite.x(), 0);
    }
};

} // namespace
} // namespace vsk

QTEST_MAIN(vsk::DruckenTest)
#include "DruckenTest.moc"
