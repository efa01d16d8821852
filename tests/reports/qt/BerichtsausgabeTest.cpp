#include "reports/qt/Berichtsausgabe.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckablauf.h"
#include "reports/qt/Berichtsbilder.h"
#include "reports/qt/Seitengeraete.h"
#include "support/TempDir.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fstream>

#include <gtest/gtest.h>

namespace vsk {
namespace {

bool HatProgramm(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

QString Ausgabe(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Projekt {
    TKModell modell;
    TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};

    Projekt() {
        modell.Projektbeschreibung.TBauvorhaben = "Bridge A";
        modell.Projektbeschreibung.TFirma = {"Planning office", "Main street 1"};
        TKDornErgebnis& r = modell.AktuelleAnwendung().cErgebnisse.AktDornErgebnis();
        r.TFSdIst = 25.0001;
        r.TEtaQ = 0.8734;
        r.setTFRdStahl(80);
        r.setTFRdBeton(40);
        r.setTFRdBewehrung(60);
    }
};

TEST(BerichtAlsPdf, A4SeitenMitTextAlsText) {
    if (!HatProgramm("pdfinfo") || !HatProgramm("pdftotext")) {
        GTEST_SKIP() << "poppler-utils not installed";
    }
    test::TempDir tmp;
    for (int lastfall : {1, 3}) {
        Projekt p;
        p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall =
            static_cast<std::uint8_t>(lastfall);
        const auto datei = tmp / ("bericht" + std::to_string(lastfall) + ".pdf");
        const Ausgabeergebnis e = BerichtAlsPdf(datei, p.k, StandardDruckergeometrie());
        ASSERT_TRUE(e.ok) << e.fehler;
        EXPECT_EQ(e.seiten, lastfall == 3 ? 3 : 2);
        const QString pfad = QString::fromStdString(datei.string());
        const QString info = Ausgabe("pdfinfo", {pfad});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+" + QString::number(e.seiten))))
            << info.toStdString();
        EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
        const QString text = Ausgabe("pdftotext", {"-layout", pfad, "-"});
        EXPECT_TRUE(text.contains("Calculation for VSK 7"));
        EXPECT_TRUE(text.contains("Company:"));
        EXPECT_TRUE(text.contains("Bridge A"));
        EXPECT_TRUE(text.contains(QString::fromUtf8("= 87.3 %"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8("\u03B7"))); // eta
        // gamma of the partial factors (the arbitrary load has none on its pages)
        EXPECT_EQ(text.contains(QString::fromUtf8("\u03B3")), lastfall != 3);
        EXPECT_TRUE(text.contains(QString::fromUtf8("\u2264"))); // less or equal
        EXPECT_TRUE(text.contains(QString::fromUtf8("mm\u00B2")));
        EXPECT_TRUE(text.contains(QString::fromUtf8("reinf\u00B4t")));
        EXPECT_EQ(text.contains("see next page"), lastfall == 3);
        std::filesystem::copy_file(datei, datei.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

TEST(BerichtAlsPdf, FehlschlagLaesstVorhandeneDateiStehen) {
    test::TempDir tmp;
    Projekt p;
    const auto fehlt = tmp / "no-such-dir" / "x.pdf";
    Ausgabeergebnis e = BerichtAlsPdf(fehlt, p.k, StandardDruckergeometrie());
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.fehler.empty());
    EXPECT_FALSE(std::filesystem::exists(fehlt));
    EXPECT_EQ(p.k.linienbreite, 1);
}

TEST(BerichtsVorschau, SeitenbilderInBildschirmaufloesung) {
    Projekt p;
    auto bilder = BerichtsVorschau(p.k, StandardDruckergeometrie());
    ASSERT_EQ(bilder.size(), 2u);
    // 4761 x 6816 printer pixels at 600 dpi shown at 96 per inch.
    EXPECT_EQ(bilder[0].width(), 762);
    EXPECT_EQ(bilder[0].height(), 1091);
    p.modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall = 3;
    bilder = BerichtsVorschau(p.k, StandardDruckergeometrie());
    ASSERT_EQ(bilder.size(), 3u);
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        EXPECT_TRUE(bilder[i].save(QString("bericht-vorschau-%1.png").arg(i + 1)));
    }
}

TEST(ListeAlsPdf, VieleEintraegeGebenMehrereSeiten) {
    if (!HatProgramm("pdfinfo")) {
        GTEST_SKIP() << "poppler-utils not installed";
    }
    test::TempDir tmp;
    Projekt p;
    for (int i = 0; i < 25; ++i) {
        p.modell.Stueckliste.AddEintrag({"Slab " + std::to_string(i + 1), "1", "8", "VSK 7", "8",
                                         "Active", "1", i % 4 == 0 ? "FPS 7" : "", "63.2", "8"});
    }
    const auto datei = tmp / "liste.pdf";
    const Ausgabeergebnis e = ListeAlsPdf(datei, p.k, StandardDruckergeometrie());
    ASSERT_TRUE(e.ok) << e.fehler;
    EXPECT_GT(e.seiten, 2);
    const QString text = Ausgabe("pdftotext", {QString::fromStdString(datei.string()), "-"});
    EXPECT_EQ(text.count("Connector Schedule"), e.seiten);
    EXPECT_TRUE(text.contains("Slab 25"));
    std::filesystem::copy_file(datei, "liste.pdf",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(ListenVorschau(p.k, StandardDruckergeometrie()).save("liste-vorschau.png"));
}

TEST(Berichtsbilder, LogoUndFormelHabenIhrSeitenverhaeltnis) {
    const QImage logo = Berichtsbild("DRUCKLOGOSW");
    ASSERT_FALSE(logo.isNull());
    EXPECT_NEAR(static_cast<double>(logo.width()) / logo.height(), 3.69 / 1.23, 0.05);
    EXPECT_FALSE(Berichtsbild("FbeliebigeLast").isNull());
    EXPECT_TRUE(Berichtsbild("unknown").isNull());
}

} // namespace
} // namespace vsk

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
