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
#include "support/Meldungstext.h"
#include "support/TempDir.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>

#include <QTest>

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

class ExportbilderTest : public QObject {
    Q_OBJECT

private slots:
    void DieEndungFolgtDemGewaehltenTyp() {
        QCOMPARE(MitBildEndung("/a/detail.emf", Bildtyp::Bmp), fs::path("/a/detail.bmp"));
        QCOMPARE(MitBildEndung("detail.x.emf", Bildtyp::Jpeg), fs::path("detail.x.jpg"));
        QCOMPARE(MitBildEndung("/a.b/detail", Bildtyp::Emf), fs::path("/a.b/detail.emf"));
        QCOMPARE(MitBildEndung("detail.EMF", Bildtyp::Emf), fs::path("detail.EMF"));
        QCOMPARE(MitBildEndung("detail.", Bildtyp::Svg), fs::path("detail.svg"));
        const QStringList filter = BildexportFilter();
        QCOMPARE(filter.size(), 4);
        QVERIFY(filter[0].endsWith("(*.emf)"));
        QCOMPARE(BildtypZumFilter(filter[1]), Bildtyp::Bmp);
        QCOMPARE(BildtypZumFilter(filter[2]), Bildtyp::Jpeg);
        QCOMPARE(BildtypZumFilter(filter[3]), Bildtyp::Svg);
        QCOMPARE(BildtypZurEndung(".JPG"), Bildtyp::Jpeg);
        QVERIFY(!BildtypZurEndung("gif"));
    }

    void JederTypWirdAlsDateiGeschrieben() {
        test::TempDir tmp;
        const Vektorzeichnung z = Testzeichnung();
        const QImage bitmap = AlsBitmap(z);

        // BMP under the name typed with another extension: exactly the bitmap.
        Bildergebnis e = BildSpeichern(bitmap, z, tmp / "detail.emf", Bildtyp::Bmp);
        QVERIFY2(e.ok, (test::Meldungstext() << e.fehler.toStdString()).c_str());
        QCOMPARE(e.datei, tmp / "detail.bmp");
        QVERIFY(!fs::exists(tmp / "detail.emf"));
        const QImage bmp(Name(e.datei), "BMP");
        QCOMPARE(bmp.convertToFormat(QImage::Format_RGB32), bitmap);

        e = BildSpeichern(bitmap, z, tmp / "detail.jpg", Bildtyp::Jpeg);
        QVERIFY(e.ok);
        const QImage jpg(Name(e.datei), "JPEG");
        QCOMPARE(jpg.size(), QSize(300, 200));
        QVERIFY(qRed(jpg.pixel(150, 120)) > 200); // inside the red box
        QVERIFY(qGreen(jpg.pixel(150, 120)) < 60);

        e = BildSpeichern(bitmap, z, tmp / "detail.svg", Bildtyp::Svg);
        QVERIFY(e.ok);
        QFile svg(Name(e.datei));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg") && text.contains("viewBox=\"0 0 300 200\""));

        e = BildSpeichern(bitmap, z, tmp / "detail.emf", Bildtyp::Emf);
        QVERIFY(e.ok);
        QFile emf(Name(e.datei));
        QVERIFY(emf.open(QIODevice::ReadOnly));
        const QByteArray kopf = emf.read(88);
        QCOMPARE(kopf.mid(40, 4), QByteArray(" EMF"));
        fs::copy_file(e.datei, "bildexport-test.emf", fs::copy_options::overwrite_existing);

        const QImage gerendert = MitLeserGerendert(e.datei, tmp.pfad());
        if (gerendert.isNull()) {
            QSKIP("no EMF reader (inkscape, soffice) installed");
        }
        gerendert.save("bildexport-test-emf.png");
        QCOMPARE(gerendert.size(), QSize(300, 200));
        const QRgb innen = gerendert.pixel(150, 120);
        QVERIFY(qRed(innen) > 200);
        QVERIFY(qGreen(innen) < 60);
        QVERIFY(qAlpha(gerendert.pixel(50, 100)) > 100); // the frame's left edge
    }

    void SchreibgeschuetztesZielBleibt() {
        test::TempDir tmp;
        const fs::path ziel = tmp / "alt.emf";
        {
            QFile f(Name(ziel));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
        const Vektorzeichnung z = Testzeichnung();
        const Bildergebnis e = BildSpeichern(AlsBitmap(z), z, ziel, Bildtyp::Emf);
        QVERIFY(!e.ok);
        QVERIFY(e.fehler.contains("alt.emf"));
        QFile f(Name(ziel));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
        QCOMPARE(fs::directory_iterator(tmp.pfad())->path(), ziel); // no temporary file left
        // A folder that does not exist is an error too.
        QVERIFY(!BildSpeichern(AlsBitmap(z), z, tmp / "fehlt" / "a.bmp", Bildtyp::Bmp).ok);
    }

    void DieZwischenablageBekommtBitmapUndSvg() {
        const Vektorzeichnung z = Testzeichnung();
        const QImage bitmap = AlsBitmap(z);
        const auto daten = Zwischenablagedaten(bitmap, z);
        QVERIFY(daten->hasImage());
        QCOMPARE(qvariant_cast<QImage>(daten->imageData()).size(), QSize(300, 200));
        QVERIFY(daten->data("image/svg+xml").contains("<svg"));
        QVERIFY(!(Zwischenablagedaten(bitmap, {}).get()->hasFormat("image/svg+xml")));
    }

    void EineErgebnisskizzeHatIhreQuadranten() {
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
            QVERIFY2(gefuellt == (lastfall == 0 ? 3 : 4),
                     (test::Meldungstext() << lastfall).c_str());
            QCOMPARE(AnzahlQuadranten(k), lastfall == 0 ? 3 : 4);
        }
        const Vektorzeichnung v = SkizzenVektorbild(k, SkizzenArt::Draufsicht, 640, 480);
        QCOMPARE(v.breite, 1000);
        QCOMPARE(v.hoehe, 1000);
        QCOMPARE(SkizzenVektorbild(k, SkizzenArt::System, 640, 480).breite, 640);
        QVERIFY(!SkizzenVektorbild(k, 5, 640, 480).zeichne);
    }

    void DieVorschauseiteGehtInJedesFormat() {
        TKModell modell;
        modell.Projektbeschreibung.TBauvorhaben = "Bridge A";
        const TKTexttabellen texte = ErzeugeTexttabellen();
        Berichtskontext k{modell, texte, "09.12.2026", '.'};
        const std::vector<QImage> seiten = BerichtsVorschau(k, StandardDruckergeometrie());
        QVERIFY(!seiten.empty());
        const QImage& seite = seiten.front();
        const Vektorzeichnung z = VorschauseitenVektorbild(k, seite.width(), seite.height());
        for (Bildtyp typ : {Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Jpeg, Bildtyp::Svg}) {
            const Bildergebnis e = BildSpeichern(seite, z, "vorschauseite", typ);
            QVERIFY2(e.ok, (test::Meldungstext() << e.fehler.toStdString()).c_str());
        }
        QCOMPARE(QImage("vorschauseite.bmp").size(), seite.size());
        QFile svg("vorschauseite.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("Position:"));
    }
};

} // namespace
} // namespace vsk

QTEST_MAIN(vsk::ExportbilderTest)
#include "ExportbilderTest.moc"
