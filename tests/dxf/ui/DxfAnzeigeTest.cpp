#include "dxf/ui/DxfAnzeigeForm.h"
#include "dxf/ui/DxfBefehle.h"

#include "design/Bemessung.h"
#include "dxf/DornZeichnungen.h"
#include "model/Objektmodell.h"
#include "sketches/ui/ZoomPanel.h"
#include "support/Ereignisse.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

namespace vsk {

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

template <typename T> T* Element(QWidget& fenster, const char* name) {
    T* e = fenster.findChild<T*>(QString::fromLatin1(name));
    if (e == nullptr) {
        qFatal("no control %s", name);
    }
    return e;
}

void Linie(DXF_Object& o, Point3D a, Point3D b, int farbe = 7) {
    AddEntity(GetLayer(o, "0"), std::make_unique<Line_>(farbe, a, b));
}

// Whether a pixel within 1 of the point differs from white.
bool Gezeichnet(const QImage& bild, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (bild.pixelColor(x + dx, y + dy) != QColor(Qt::white)) {
                return true;
            }
        }
    }
    return false;
}

// A position designed for real: a row of connectors under a line load.
TKAnwendung BemessenePosition(Plattform& plattform) {
    TKAnwendung a;
    a.TAnwendungsfall = Anwendungsfall::ReihePlatte;
    a.cGeometrie.TPlatteDicke = 250;
    a.cGeometrie.TNutzhoehe = 210;
    a.cGeometrie.TFugenlaenge = 5000;
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Konstant;
    a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(60);
    a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(60);
    a.cBelastungDesign.SetLastLaenge(5000);
    RunDesign(a, plattform);
    return a;
}

} // namespace

class DxfAnzeigeTest : public QObject {
    Q_OBJECT

private:
    test::PlattformDouble plattform_;
    std::unique_ptr<TDXF_Anzeige_Form> fenster_;

    TDXF_Anzeige_Form& Fenster() {
        fenster_ = std::make_unique<TDXF_Anzeige_Form>(plattform_);
        fenster_->resize(640, 480);
        return *fenster_;
    }
    void Zeige() {
        fenster_->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
    }

private slots:
    void init() { plattform_ = test::PlattformDouble(); }
    void cleanup() { fenster_.reset(); }

    void Aufbau() {
        TDXF_Anzeige_Form& f = Fenster();
        QCOMPARE(f.windowTitle(), QStringLiteral("DXF display form"));
        QCOMPARE(Element<QPushButton>(f, "BitBtnSpeichern")->text(),
                 QStringLiteral("&Save as DXF"));
        QCOMPARE(Element<QPushButton>(f, "BitBtnZurueck")->text(), QStringLiteral("&Back"));
        QCOMPARE(f.ZoomBox().ZoomFactor(), 1.25);
        QCOMPARE(f.Objekt().Name(), std::string("Untitled"));
        Zeige();
        QTest::mouseClick(Element<QPushButton>(f, "BitBtnZurueck"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
    }

    void EinzelnerPunktPasstMitMassstabEins() {
        TDXF_Anzeige_Form& f = Fenster();
        AddEntity(GetLayer(f.Objekt(), "0"),
                  std::make_unique<Text_>(Point3D(0, 0, 1), 7, Point3D(40, 30), Point3D(), 30, 0, 0,
                                          "VSK"));
        Zeige();
        const ZoomAbbildung& a = f.ZoomBox().Abbildung();
        QVERIFY(a.Bereit());
        QCOMPARE(a.Aktuell().sx, 1.0);
        QCOMPARE(a.Aktuell().cx, 40.0);
        QCOMPARE(a.Aktuell().cy, 30.0);
        QCOMPARE(Element<QLabel>(f, "lblMassstab")->text(), QStringLiteral("1 : 1"));
    }

    void LeereZeichnungZeigtDenUrsprung() {
        TDXF_Anzeige_Form& f = Fenster();
        Zeige();
        QCOMPARE(f.ZoomBox().Abbildung().Aktuell().cx, 0.0);
        QCOMPARE(f.ZoomBox().Abbildung().Aktuell().sx, 1.0);
    }

    // A 0-90 arc is the quarter above and right of its centre, 90-0 the other three.
    void BoegenAufDerRichtigenSeite() {
        TDXF_Anzeige_Form& f = Fenster();
        DXF_Layer& layer = GetLayer(f.Objekt(), "0");
        AddEntity(layer, std::make_unique<Arc_>(Point3D(0, 0, 1), 1, Point3D(0, 0), 100, 0, 90));
        AddEntity(layer, std::make_unique<Arc_>(Point3D(0, 0, 1), 5, Point3D(300, 0), 100, 90, 0));
        Linie(f.Objekt(), Point3D(-100, -100), Point3D(-100, -100)); // widens the extents
        Zeige();
        const ZoomAbbildung& a = f.ZoomBox().Abbildung();
        const QImage bild = f.ZoomBox().Malflaeche().grab().toImage();
        const auto punkt = [&a](double mx, double grad) {
            const double w = grad * M_PI / 180;
            return QPoint(a.BildX(mx + 100 * std::cos(w)), a.BildY(100 * std::sin(w)));
        };
        for (double grad : {10.0, 45.0, 80.0}) {
            const QPoint p = punkt(0, grad);
            QVERIFY2(Gezeichnet(bild, p.x(), p.y()), qPrintable(QString::number(grad)));
            const QPoint q = punkt(300, grad);
            QVERIFY2(!Gezeichnet(bild, q.x(), q.y()), qPrintable(QString::number(grad)));
        }
        for (double grad : {135.0, 200.0, 315.0}) {
            const QPoint p = punkt(0, grad);
            QVERIFY2(!Gezeichnet(bild, p.x(), p.y()), qPrintable(QString::number(grad)));
            const QPoint q = punkt(300, grad);
            QVERIFY2(Gezeichnet(bild, q.x(), q.y()), qPrintable(QString::number(grad)));
        }
        // The quarter is red (ACI 1), the three-quarter arc blue (ACI 5).
        const QPoint rot = punkt(0, 45);
        const QPoint blau = punkt(300, 225);
        QVERIFY(bild.pixelColor(rot).red() > 200 ||
                bild.pixelColor(rot + QPoint(1, 0)).red() > 200 ||
                bild.pixelColor(rot - QPoint(1, 0)).red() > 200);
        QVERIFY(Gezeichnet(bild, blau.x(), blau.y()));
    }

    void LinienKreiseUndTexteWerdenGezeichnet() {
        TDXF_Anzeige_Form& f = Fenster();
        DXF_Layer& layer = GetLayer(f.Objekt(), "0");
        Linie(f.Objekt(), Point3D(0, 0), Point3D(1000, 0), 5);
        Linie(f.Objekt(), Point3D(0, 500), Point3D(0, 500));
        AddEntity(layer, std::make_unique<Circle_>(Point3D(0, 0, 1), 7, Point3D(500, 250), 100));
        // Right-justified text: it ends at its alignment point.
        AddEntity(layer, std::make_unique<Text_>(Point3D(0, 0, 1), 3, Point3D(900, 400),
                                                 Point3D(900, 400), 40, 0, 2, "ENDE"));
        Zeige();
        const ZoomAbbildung& a = f.ZoomBox().Abbildung();
        const QImage bild = f.ZoomBox().Malflaeche().grab().toImage();
        QCOMPARE(bild.pixelColor(a.BildX(300), a.BildY(0)), QColor(0, 0, 255));
        QVERIFY(Gezeichnet(bild, a.BildX(600), a.BildY(250)));  // circle outline
        QVERIFY(!Gezeichnet(bild, a.BildX(500), a.BildY(250))); // not filled
        int gruen = 0;
        int rechtsDavon = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.green() > 100 && c.red() < 100 && c.blue() < 100) {
                    ++gruen;
                    rechtsDavon += x > a.BildX(900) + 1 ? 1 : 0;
                    QVERIFY(y <= a.BildY(400) + 3); // above the baseline (descender-free text)
                }
            }
        }
        QVERIFY(gruen > 20);
        QCOMPARE(rechtsDavon, 0);
    }

    void SpeichernHaengtEndungAn() {
        test::TempDir ordner;
        TDXF_Anzeige_Form& f = Fenster();
        Linie(f.Objekt(), Point3D(0, 0), Point3D(100, 50));
        std::vector<fs::path> namen = {ordner / "plan", ordner / "Alt.DXF", ordner / "x.dxf.bak"};
        f.SetzeDateiWahl([&namen](QWidget&) -> std::optional<QString> {
            const fs::path p = namen.front();
            namen.erase(namen.begin());
            return QString::fromStdString(p.string());
        });
        Zeige();
        QTest::mouseClick(Element<QPushButton>(f, "BitBtnSpeichern"), Qt::LeftButton);
        QVERIFY(fs::exists(ordner / "plan.dxf"));
        QVERIFY(!fs::exists(ordner / "plan"));
        const std::string text = Inhalt(ordner / "plan.dxf");
        QVERIFY(text.find("ENTITIES") != std::string::npos);
        QVERIFY(text.find("100.00000") != std::string::npos);
        QVERIFY(f.BitBtnSpeichernClick());
        QVERIFY(fs::exists(ordner / "Alt.DXF"));
        QVERIFY(f.BitBtnSpeichernClick());
        QVERIFY(fs::exists(ordner / "x.dxf.bak.dxf"));
        QVERIFY(plattform_.fehler.empty());
    }

    void AbbrechenUndErsetzenFragen() {
        test::TempDir ordner;
        TDXF_Anzeige_Form& f = Fenster();
        f.SetzeDateiWahl([](QWidget&) { return std::optional<QString>(); });
        QVERIFY(!f.BitBtnSpeichernClick());

        // The dialog asked about "alt"; "alt.dxf" exists and is only replaced on Yes.
        std::ofstream(ordner / "alt.dxf") << "keep";
        f.SetzeDateiWahl([&ordner](QWidget&) -> std::optional<QString> {
            return QString::fromStdString((ordner / "alt").string());
        });
        plattform_.antworten = {Antwort::Nein};
        QVERIFY(!f.BitBtnSpeichernClick());
        QCOMPARE(plattform_.fragen.size(), std::size_t(1));
        QCOMPARE(Inhalt(ordner / "alt.dxf"), std::string("keep"));
        plattform_.antworten = {Antwort::Ja};
        QVERIFY(f.BitBtnSpeichernClick());
        QVERIFY(Inhalt(ordner / "alt.dxf") != "keep");
    }

    void SchreibfehlerLaesstFensterOffen() {
        test::TempDir ordner;
        TDXF_Anzeige_Form& f = Fenster();
        Linie(f.Objekt(), Point3D(0, 0), Point3D(100, 50));
        f.SetzeDateiWahl([&ordner](QWidget&) -> std::optional<QString> {
            return QString::fromStdString((ordner / "fehlt" / "plan").string());
        });
        Zeige();
        QTest::mouseClick(Element<QPushButton>(f, "BitBtnSpeichern"), Qt::LeftButton);
        QCOMPARE(plattform_.fehler.size(), std::size_t(1));
        QVERIFY(f.isVisible());
        QVERIFY(!fs::exists(ordner / "fehlt"));
    }

    void BewehrungSpeichernUndAnzeigen() {
        test::TempDir ordner;
        const TKAnwendung position = BemessenePosition(plattform_);
        const auto wahl = [&ordner](QWidget&) -> std::optional<QString> {
            return QString::fromStdString((ordner / "bewehrung").string());
        };
        QVERIFY(BefehlDxfBewehrung(plattform_, position, DxfExportModus::Speichern, nullptr, wahl));
        const std::string text = Inhalt(ordner / "bewehrung.dxf");
        QVERIFY(text.find("Reinforcement for Tervo shear connector in the building") !=
                std::string::npos);

        // Shown: maximized and modal; screenshot, then "&Back".
        bool gesehen = false;
        test::BeiModalemFenster([&gesehen](QWidget& modal) {
            auto* f = qobject_cast<TDXF_Anzeige_Form*>(&modal);
            if (f == nullptr) {
                modal.close(); // never leave the test hanging in a dialog
                return;
            }
            QVERIFY(f->isMaximized());
            const QString datei = QStringLiteral(VSK_BILDER "/dxf-anzeige.png");
            QVERIFY(f->grab().save(datei));
            qInfo("screenshot: %s", qPrintable(datei));
            // Closer: the section, zoomed in around its centre.
            Zoom_panel& z = f->ZoomBox();
            const ZoomAbbildung& a = z.Abbildung();
            QTest::mouseClick(&z.Malflaeche(), Qt::LeftButton, Qt::ShiftModifier,
                              QPoint(a.BildX(350), a.BildY(-400)));
            QTest::mouseDClick(&z.Malflaeche(), Qt::LeftButton, Qt::ShiftModifier,
                               QPoint(a.BildX(350), a.BildY(-400)));
            for (int i = 0; i < 6; ++i) {
                z.ZoomIn();
            }
            QVERIFY(f->grab().save(QStringLiteral(VSK_BILDER "/dxf-anzeige-zoom.png")));
            gesehen = true;
            QTest::mouseClick(Element<QPushButton>(*f, "BitBtnZurueck"), Qt::LeftButton);
        });
        QVERIFY(BefehlDxfBewehrung(plattform_, position, DxfExportModus::Zeigen, nullptr));
        QVERIFY(gesehen);
    }

    void DornZeichnungenKopieren() {
        test::TempDir programm;
        test::TempDir ziel;
        SchreibeDornZeichnungen(programm / CadOrdnerName);
        std::vector<bool> dwgAngeboten;
        const auto dialog = [&ziel, &dwgAngeboten](const QString& name, int filter) {
            return
                [&ziel, &dwgAngeboten, name, filter](QWidget*, const QString& vorschlag,
                                                     bool mitDwg) -> std::optional<DornDateiWahl> {
                    dwgAngeboten.push_back(mitDwg);
                    if (vorschlag != QStringLiteral("VSK 7")) {
                        return std::nullopt;
                    }
                    return DornDateiWahl{
                        QString::fromStdString((ziel / name.toStdString()).string()), filter};
                };
        };
        BefehlDxfDorn(plattform_, programm.pfad(), 6, nullptr, dialog("Plan", 0));
        QVERIFY(fs::exists(ziel / "Plan Plan View Block.dxf"));
        QVERIFY(fs::exists(ziel / "Plan Side View Block.dxf"));
        QVERIFY(fs::exists(ziel / "Plan End View Block.dxf"));
        QVERIFY(plattform_.meldungen.empty());

        // No DWG drawings in the folder: DWG is not offered; chosen anyway, each part is
        // missing, reported once.
        BefehlDxfDorn(plattform_, programm.pfad(), 6, nullptr, dialog("Plan.DWG", 1));
        QCOMPARE(plattform_.meldungen, std::vector<std::string>{"Cannot open file!"});
        QCOMPARE(dwgAngeboten, (std::vector<bool>{false, false}));

        // A DWG drawing of that type (any case) is offered; of another type it is not.
        std::ofstream(programm / CadOrdnerName / "VSK 7 End View Block.DWG") << "dwg";
        BefehlDxfDorn(plattform_, programm.pfad(), 6, nullptr, dialog("Plan.dwg", 1));
        QVERIFY(fs::exists(ziel / "Plan End View Block.dwg"));
        BefehlDxfDorn(plattform_, programm.pfad(), 5, nullptr, dialog("Plan", 0));
        QCOMPARE(dwgAngeboten, (std::vector<bool>{false, false, true, false}));
    }
};

} // namespace vsk

QTEST_MAIN(vsk::DxfAnzeigeTest)
#include "DxfAnzeigeTest.moc"
