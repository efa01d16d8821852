// The picture exports: the file-name rule, the files of every type (format, size, the
// bitmap as shown), a write-protected target, the clipboard data, the quadrant picture of
// a result sketch and the preview page. The EMF files are rendered by a real reader when
// one is installed; the pictures stay in the working directory to be looked at.

#include "sketches/qt/Exportbilder.h"
#include "canvas/Aufzeichnung.h"
#include "canvas/qt/Bilddatei.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckzustand.h"
#include "reports/qt/Berichtsausgabe.h"
#include "sketches/Quadrantenbild.h"
#include "sketches/TrDaten.h"
#include "support/TempDir.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>

namespace vsk {
namespace {

namespace fs = std::filesystem;

QString Name(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// A 300 x 200 drawing: a black frame and a filled red box.
Vektorzeichnung Testzeichnung() {
    return {300,
            200,
            [](Canvas& c) {
                c.pinsel = {0x0000FF, Pinselart::Voll};
                c.stift = {0, 3, Stiftart::Durchgezogen};
                c.Rectangle(50, 50, 250, 150);
                c.MoveTo(0, 0);
                c.LineTo(299, 199);
                c.schrift.groesse = 12;
                c.TextOut(60, 60, "Top: 2 - T10");
            },
            {}};
}

// The EMF rendered to PNG by Inkscape or LibreOffice; a null image when neither exists.
QImage MitLeserGerendert(const fs::path& emf, const fs::path& ordner) {
    const fs::path png = fs::path(emf).replace_extension(".png");
    if (!QStandardPaths::findExecutable("inkscape").isEmpty()) {
        QProcess::execute("inkscape",
                          {Name(emf), "--export-type=png", "--export-filename=" + Name(png)});
    } else if (!QStandardPaths::findExecutable("soffice").isEmpty()) {
        QProcess::execute(
            "soffice", {"--headless", "--convert-to", "png", "--outdir", Name(ordner), Name(emf)});
    }
    return QImage(Name(png));
}

TEST(Bildexport, EndungDesGewaehltenTyps) {
    EXPECT_EQ(MitBildEndung("/a/detail.emf", Bildtyp::Bmp), fs::path("/a/detail.bmp"));
    EXPECT_EQ(MitBildEndung("detail.x.emf", Bildtyp::Jpeg), fs::path("detail.x.jpg"));
    EXPECT_EQ(MitBildEndung("/a.b/detail", Bildtyp::Emf), fs::path("/a.b/detail.emf"));
    EXPECT_EQ(MitBildEndung("detail.EMF", Bildtyp::Emf), fs::path("detail.EMF"));
    EXPECT_EQ(MitBildEndung("detail.", Bildtyp::Svg), fs::path("detail.svg"));
    const QStringList filter = BildexportFilter();
    ASSERT_EQ(filter.size(), 4);
    EXPECT_TRUE(filter[0].endsWith("(*.emf)"));
    EXPECT_EQ(BildtypZumFilter(filter[1]), Bildtyp::Bmp);
    EXPECT_EQ(BildtypZumFilter(filter[2]), Bildtyp::Jpeg);
    EXPECT_EQ(BildtypZumFilter(filter[3]), Bildtyp::Svg);
    EXPECT_EQ(BildtypZurEndung(".JPG"), Bildtyp::Jpeg);
    EXPECT_FALSE(BildtypZurEndung("gif"));
}

TEST(Bildexport, JederTypAlsDatei) {
    test::TempDir tmp;
    const Vektorzeichnung z = Testzeichnung();
    const QImage bitmap = AlsBitmap(z);

    // BMP under the name typed with another extension: exactly the bitmap.
    Bildergebnis e = BildSpeichern(bitmap, z, tmp / "detail.emf", Bildtyp::Bmp);
    ASSERT_TRUE(e.ok) << e.fehler.toStdString();
    EXPECT_EQ(e.datei, tmp / "detail.bmp");
    EXPECT_FALSE(fs::exists(tmp / "detail.emf"));
    const QImage bmp(Name(e.datei), "BMP");
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), bitmap);

    e = BildSpeichern(bitmap, z, tmp / "detail.jpg", Bildtyp::Jpeg);
    ASSERT_TRUE(e.ok);
    const QImage jpg(Name(e.datei), "JPEG");
    EXPECT_EQ(jpg.size(), QSize(300, 200));
    EXPECT_GT(qRed(jpg.pixel(150, 120)), 200); // inside the red box
    EXPECT_LT(qGreen(jpg.pixel(150, 120)), 60);

    e = BildSpeichern(bitmap, z, tmp / "detail.svg", Bildtyp::Svg);
    ASSERT_TRUE(e.ok);
    QFile svg(Name(e.datei));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg") && text.contains("viewBox=\"0 0 300 200\""));

    e = BildSpeichern(bitmap, z, tmp / "detail.emf", Bildtyp::Emf);
    ASSERT_TRUE(e.ok);
    QFile emf(Name(e.datei));
    ASSERT_TRUE(emf.open(QIODevice::ReadOnly));
    const QByteArray kopf = emf.read(88);
    EXPECT_EQ(kopf.mid(40, 4), QByteArray(" EMF"));
    fs::copy_file(e.datei, "bildexport-test.emf", fs::copy_options::overwrite_existing);

    const QImage gerendert = MitLeserGerendert(e.datei, tmp.pfad());
    if (gerendert.isNull()) {
        GTEST_SKIP() << "no EMF reader (inkscape, soffice) installed";
    }
    gerendert.save("bildexport-test-emf.png");
    EXPECT_EQ(gerendert.size(), QSize(300, 200));
    const QRgb innen = gerendert.pixel(150, 120);
    EXPECT_GT(qRed(innen), 200);
    EXPECT_LT(qGreen(innen), 60);
    EXPECT_GT(qAlpha(gerendert.pixel(50, 100)), 100); // the frame's left edge
}

TEST(Bildexport, SchreibgeschuetztesZielBleibt) {
    test::TempDir tmp;
    const fs::path ziel = tmp / "alt.emf";
    {
        QFile f(Name(ziel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
    const Vektorzeichnung z = Testzeichnung();
    const Bildergebnis e = BildSpeichern(AlsBitmap(z), z, ziel, Bildtyp::Emf);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.fehler.contains("alt.emf"));
    QFile f(Name(ziel));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
    EXPECT_EQ(fs::directory_iterator(tmp.pfad())->path(), ziel); // no temporary file left
    // A folder that does not exist is an error too.
    EXPECT_FALSE(BildSpeichern(AlsBitmap(z), z, tmp / "fehlt" / "a.bmp", Bildtyp::Bmp).ok);
}

TEST(Bildexport, ZwischenablageMitBitmapUndSvg) {
    const Vektorzeichnung z = Testzeichnung();
    const QImage bitmap = AlsBitmap(z);
    const auto daten = Zwischenablagedaten(bitmap, z);
    ASSERT_TRUE(daten->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(daten->imageData()).size(), QSize(300, 200));
    EXPECT_TRUE(daten->data("image/svg+xml").contains("<svg"));
    EXPECT_FALSE(Zwischenablagedaten(bitmap, {}).get()->hasFormat("image/svg+xml"));
}

TEST(Bildexport, QuadrantenEinerErgebnisskizze) {
    TKModell modell;
    TKFarbe farben;
    int linienbreite = 1;
    const Zeichenkontext k{modell, modell.AktuelleAnwendung(), farben, linienbreite};
    const Rechteck quadranten[] = {
        {0, 0, 500, 500}, {500, 0, 1000, 500}, {0, 500, 500, 1000}, {500, 500, 1000, 1000}};
    for (int lastfall : {0, 1}) {
        modell.AktuelleAnwendung().cBelastungDesign.TBelastungsfall =
            static_cast<std::uint8_t>(lastfall);
        Aufzeichnung c;
        ZeichneQuadrantenbild(c, k);
        int gefuellt = 0;
        for (const Rechteck& q : quadranten) {
            for (const Aufgezeichnet& op : c.Nur(Operation::FillRect)) {
                if (op.k == std::vector<int>{q.left, q.top, q.right, q.bottom}) {
                    ++gefuellt;
                    break;
                }
            }
        }
        EXPECT_EQ(gefuellt, lastfall == 0 ? 3 : 4) << lastfall;
        EXPECT_EQ(AnzahlQuadranten(k), lastfall == 0 ? 3 : 4);
    }
    const Vektorzeichnung v = SkizzenVektorbild(k, SkizzeDraufsicht, 640, 480);
    EXPECT_EQ(v.breite, 1000);
    EXPECT_EQ(v.hoehe, 1000);
    EXPECT_EQ(SkizzenVektorbild(k, SkizzeSystem, 640, 480).breite, 640);
    EXPECT_FALSE(SkizzenVektorbild(k, 5, 640, 480).zeichne);
}

TEST(Bildexport, VorschauseiteInJedemFormat) {
    TKModell modell;
    modell.Projektbeschreibung.TBauvorhaben = "Bridge A";
    const TKTexttabellen texte = ErzeugeTexttabellen();
    Berichtskontext k{modell, texte, "09.12.2026", '.'};
    const std::vector<QImage> seiten = BerichtsVorschau(k, StandardDruckergeometrie());
    ASSERT_FALSE(seiten.empty());
    const QImage& seite = seiten.front();
    const Vektorzeichnung z = VorschauseitenVektorbild(k, seite.width(), seite.height());
    for (Bildtyp typ : {Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Jpeg, Bildtyp::Svg}) {
        const Bildergebnis e = BildSpeichern(seite, z, "vorschauseite", typ);
        EXPECT_TRUE(e.ok) << e.fehler.toStdString();
    }
    EXPECT_EQ(QImage("vorschauseite.bmp").size(), seite.size());
    QFile svg("vorschauseite.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("Position:"));
}

} // namespace
} // namespace vsk

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
