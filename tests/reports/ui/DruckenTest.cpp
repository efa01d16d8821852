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

#include <gtest/gtest.h>

namespace vsk {
namespace {

struct Projekt {
    TKModell modell;
    TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};
};

TEST(Drucken, OhneDruckerWirdNachEinerPdfDateiGefragt) {
    if (DruckerVorhanden()) {
        GTEST_SKIP() << "a printer is installed";
    }
    test::TempDir tmp;
    Projekt p;
    test::PlattformDouble plattform;
    int gefragt = 0;
    const auto datei = tmp / "bericht.pdf";
    EXPECT_TRUE(Drucken(Druckart::Bericht, p.k, plattform, [&] {
        ++gefragt;
        return std::optional<std::filesystem::path>(datei);
    }));
    EXPECT_EQ(gefragt, 1);
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0], TextKeinDrucker());
    EXPECT_GT(std::filesystem::file_size(datei), 1000u);
    EXPECT_EQ(p.k.linienbreite, 1);

    // Cancelled: nothing written, no error.
    const auto liste = tmp / "liste.pdf";
    EXPECT_FALSE(Drucken(Druckart::Liste, p.k, plattform,
                         [] { return std::optional<std::filesystem::path>(); }));
    EXPECT_FALSE(std::filesystem::exists(liste));
    EXPECT_TRUE(plattform.fehler.empty());
}

TEST(Drucken, PdfFehlerWirdGemeldet) {
    test::TempDir tmp;
    Projekt p;
    test::PlattformDouble plattform;
    EXPECT_FALSE(AlsPdfSpeichern(Druckart::Liste, tmp / "missing" / "x.pdf", p.k, plattform));
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_NE(plattform.meldungen[0].find("x.pdf"), std::string::npos);
}

TEST(Drucken, AufDemSystemdrucker) {
    if (!DruckerVorhanden()) {
        GTEST_SKIP() << "no printer installed";
    }
    Projekt p;
    test::PlattformDouble plattform;
    EXPECT_TRUE(Drucken(Druckart::Bericht, p.k, plattform, {}));
    EXPECT_TRUE(plattform.fehler.empty());
    EXPECT_EQ(p.k.linienbreite, 1);
}

TEST(Drucken, DieDruckerwahlGiltFuerAlleSpaeterenDrucke) {
    QPrinter wahl(QPrinter::HighResolution);
    wahl.setPageSize(QPageSize(QPageSize::A5));
    wahl.setPageOrientation(QPageLayout::Landscape);
    wahl.setCopyCount(2);
    MerkeDrucker(wahl);
    auto mm = [](int pixel, int dpi) { return std::lround(pixel * 25.4 / dpi); };
    for (int druck = 0; druck < 2; ++druck) {
        const Druckergeometrie g = SystemDrucker().Geometrie();
        EXPECT_EQ(mm(g.papierBreite, g.dpiX), 210);
        EXPECT_EQ(mm(g.papierHoehe, g.dpiY), 148);
    }
    QPrinter spaeter;
    RichteDruckerEin(spaeter);
    EXPECT_EQ(spaeter.copyCount(), 2);

    VergissDrucker();
    const Druckergeometrie g = SystemDrucker().Geometrie();
    EXPECT_LT(g.papierBreite, g.papierHoehe);
}

TEST(VorschauSeite, DreiSeitenUntereinanderInDerMitte) {
    QWidget flaeche;
    flaeche.resize(1200, 800);
    TVorschauSeite p1(&flaeche), p2(&flaeche), p3(&flaeche);
    Projekt p;
    p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = 3;
    BerichtVorschau(StandardDruckergeometrie(), p1, p2, p3, p.k);
    EXPECT_FALSE(p1.isHidden());
    EXPECT_FALSE(p2.isHidden());
    EXPECT_EQ(p1.width(), p1.Bild().width());
    EXPECT_EQ(p1.x(), (1200 - p1.width()) / 2);
    EXPECT_EQ(p2.y(), p1.y() + p1.height() + 10);
    EXPECT_EQ(p3.y(), p2.y() + p2.height() + 10);
    EXPECT_EQ(p3.geometry().size(), p1.geometry().size());
    // The page is white with black text on it.
    const QImage& bild = p1.Bild();
    EXPECT_EQ(bild.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);

    p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = 1;
    BerichtVorschau(StandardDruckergeometrie(), p1, p2, p3, p.k);
    EXPECT_TRUE(p2.isHidden());
    EXPECT_EQ(p3.y(), p1.y() + p1.height() + 10);
}

TEST(VorschauSeite, ListeWaechstMitIhremInhalt) {
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
    EXPECT_GT(seite.height(), seitengroesse.hoehe);
    EXPECT_EQ((seite.height() - seitengroesse.hoehe) % 250, 0);
    EXPECT_EQ(seite.Bild().height(), seite.height());
    EXPECT_EQ(seite.x(), 0);
}

} // namespace
} // namespace vsk

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
