#include "sketches/ui/ZoomFenster.h"

#include "canvas/Aufzeichnung.h"
#include "design/Bemessung.h"
#include "model/Objektmodell.h"
#include "sketches/Skizzen.h"
#include "support/PlattformDouble.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <vector>

namespace vsk {

namespace {

// Rows of the picture that hold a pixel of the colour, as first and last row.
std::pair<int, int> Zeilen(const QImage& bild, QColor farbe) {
    int erste = -1;
    int letzte = -1;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixelColor(x, y) == farbe) {
                erste = erste < 0 ? y : erste;
                letzte = y;
                break;
            }
        }
    }
    return {erste, letzte};
}

} // namespace

class ZoomFensterTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmZoom> fenster_;
    std::vector<Rechteck> gezeichnet_;
    int aktivierungen_ = 0;

    template <typename T> T* Element(const char* name) {
        T* e = fenster_->findChild<T*>(QString::fromLatin1(name));
        if (e == nullptr) {
            qFatal("no control %s", name);
        }
        return e;
    }

    // Like a sketch: a frame that follows the rectangle, a text of fixed point size.
    void Zeichne(Canvas& c, const Rechteck& r) {
        gezeichnet_.push_back(r);
        c.stift = {RGB(0, 0, 255), 1, Stiftart::Durchgezogen};
        c.pinsel.art = Pinselart::Leer;
        c.Rectangle(r.left + 10, r.top + 10, r.right - 10, r.bottom - 10);
        c.schrift.name = "Arial";
        c.schrift.groesse = 12;
        c.schrift.farbe = RGB(255, 0, 0);
        c.TextOut(20, 20, "Hy 250");
    }

private slots:
    void init() {
        gezeichnet_.clear();
        aktivierungen_ = 0;
        fenster_ = std::make_unique<TfrmZoom>();
        fenster_->SetzeZeichner([this](Canvas& c, const Rechteck& r) { Zeichne(c, r); });
        fenster_->SetzeAktivierung([this] { ++aktivierungen_; });
    }
    void cleanup() { fenster_.reset(); }

    void FensterBautSichAufUndSchliesst() {
        QCOMPARE(fenster_->windowTitle(), QStringLiteral("Zoom"));
        QCOMPARE(fenster_->size(), QSize(439, 378));
        QCOMPARE(Element<QPushButton>("BitBtnKopieren")->text(), QStringLiteral("&Copy"));
        QCOMPARE(Element<QPushButton>("BitBtnExport")->text(), QStringLiteral("&Export"));
        QCOMPARE(Element<QPushButton>("BitBtnSchliessen")->toolTip(),
                 QStringLiteral("Close window"));
        QStringList menue;
        for (QAction* a : Element<QMenu>("popmnuZoom")->actions()) {
            menue << a->text();
        }
        QCOMPARE(menue,
                 (QStringList{"Sketch to &Clipborad", "Save sketch in file", "&Close window"}));
        QVERIFY(gezeichnet_.empty()); // nothing is drawn while hidden
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        QTest::mouseClick(Element<QPushButton>("BitBtnSchliessen"), Qt::LeftButton);
        QVERIFY(!fenster_->isVisible());
    }

    void AktivierungZeichnetNeu() {
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        QTRY_VERIFY(aktivierungen_ >= 1);
        const QWidget& bild = fenster_->imgZoom();
        QVERIFY(!gezeichnet_.empty());
        QCOMPARE(gezeichnet_.back(), (Rechteck{0, 0, bild.width(), bild.height()}));
        QCOMPARE(fenster_->Bild().size(), bild.size());
    }

    // The geometry follows the window, the text keeps its size.
    void GroesseAendernZeichntMitGleicherSchrift() {
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        const QImage vorher = fenster_->Bild();
        const auto textVorher = Zeilen(vorher, Qt::red);
        const auto rahmenVorher = Zeilen(vorher, Qt::blue);

        const QSize bildVorher = fenster_->imgZoom().size();
        fenster_->resize(700, 560);
        // The picture area follows once the layout has run; then the picture follows it.
        QTRY_VERIFY(fenster_->imgZoom().size() != bildVorher);
        QTRY_COMPARE(fenster_->Bild().size(), fenster_->imgZoom().size());
        const QImage nachher = fenster_->Bild();
        QVERIFY(nachher.height() > vorher.height() + 150);
        QCOMPARE(gezeichnet_.back().bottom, nachher.height());
        const auto rahmenNachher = Zeilen(nachher, Qt::blue);
        QCOMPARE(rahmenNachher.second - rahmenVorher.second, nachher.height() - vorher.height());
        const auto textNachher = Zeilen(nachher, Qt::red);
        QVERIFY(textVorher.first >= 0);
        QCOMPARE(textNachher.second - textNachher.first, textVorher.second - textVorher.first);

        // Shown on the screen, not only in the bitmap.
        const QImage schirm = fenster_->imgZoom().grab().toImage();
        QCOMPARE(Zeilen(schirm, Qt::blue), rahmenNachher);
    }

    // The wheel zooms about the pointer (the model point under it stays), a drag moves the
    // sketch, a double click shows it whole; each view is drawn anew into its rectangle.
    void RadZiehenUndDoppelklick() {
        // A model 1000 mm wide from the rectangle's top-left corner.
        fenster_->SetzeLagefinder([](Canvas&, const Rechteck& r) {
            return Skizzenlage{true, static_cast<double>(r.left), static_cast<double>(r.top),
                               (r.right - r.left) / 1000.0};
        });
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        QWidget& bild = fenster_->imgZoom();
        const Rechteck ganz{0, 0, bild.width(), bild.height()};
        QCOMPARE(gezeichnet_.back(), ganz);

        const QPointF p(120, 90);
        const double mm = p.x() * 1000.0 / bild.width();
        QWheelEvent rad(p, bild.mapToGlobal(p), QPoint(), QPoint(0, 240), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bild, &rad);
        const Rechteck r = gezeichnet_.back();
        QCOMPARE(r.right - r.left, static_cast<int>(std::lround(bild.width() * 1.5625)));
        QVERIFY(std::abs(r.left + mm * (r.right - r.left) / 1000.0 - p.x()) <= 1);

        QTest::mousePress(&bild, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent zug(QEvent::MouseMove, QPointF(130, 80), bild.mapToGlobal(QPointF(130, 80)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bild, &zug);
        QTest::mouseRelease(&bild, Qt::LeftButton, {}, QPoint(130, 80));
        QCOMPARE(gezeichnet_.back().left, r.left + 30);
        QCOMPARE(gezeichnet_.back().top, r.top - 20);
        QCOMPARE(fenster_->Exportbild().size(), bild.size()); // the view, at pixel ratio 1

        QTest::mouseDClick(&bild, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(gezeichnet_.back(), ganz);
    }

    void KopierenUndExportierenUeberDieBildbefehle() {
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        QVERIFY(!Element<QPushButton>("BitBtnExport")->isEnabled());

        // Without the main window's command the bitmap goes to the clipboard.
        QTest::mouseClick(Element<QPushButton>("BitBtnKopieren"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().size(), fenster_->Bild().size());

        int kopiert = 0;
        int exportiert = 0;
        fenster_->SetzeKopieren([&kopiert](TfrmZoom& f) { kopiert += f.Bild().isNull() ? 0 : 1; });
        fenster_->SetzeExportieren(
            [&exportiert](TfrmZoom& f) { exportiert += f.Zeichner() ? 1 : 0; });
        QTest::mouseClick(Element<QPushButton>("BitBtnKopieren"), Qt::LeftButton);
        QTest::mouseClick(Element<QPushButton>("BitBtnExport"), Qt::LeftButton);
        Element<QAction>("popmnuSpeichern")->trigger();
        Element<QAction>("popmnuKopieren")->trigger();
        QCOMPARE(kopiert, 2);
        QCOMPARE(exportiert, 2);
        Element<QAction>("popmnuSchliessen")->trigger();
        QVERIFY(!fenster_->isVisible());
    }

    void ZentriertAufDemHauptfenster() {
        QWidget haupt;
        haupt.setGeometry(100, 80, 900, 700);
        haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));
        fenster_->ZeigeBei(&haupt);
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        const QPoint abstand = fenster_->frameGeometry().center() - haupt.frameGeometry().center();
        QVERIFY(abstand.manhattanLength() <= 4); // centres of odd sizes round
        QVERIFY(!fenster_->isModal());
    }

    // A real sketch of a designed position: after a resize the geometry grows with the
    // picture while every text keeps its font size.
    void SkizzeFolgtDerFenstergroesse() {
        test::PlattformDouble plattform;
        TKModell modell;
        TKAnwendung& a = modell.AktuelleAnwendung();
        a.TAnwendungsfall = Anwendungsfall::ReihePlatte;
        a.cGeometrie.TPlatteDicke = 250;
        a.cGeometrie.TNutzhoehe = 210;
        a.cGeometrie.TFugenlaenge = 5000;
        a.cBelastungDesign.TBelastungsfall = Belastungsfall::Konstant;
        a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(60);
        a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(60);
        a.cBelastungDesign.SetLastLaenge(5000);
        RunDesign(a, plattform);
        modell.TSkizzeAnzeige = SkizzenArt::Schnitt;
        TKFarbe farben;
        int linienbreite = 1;
        const Zeichenkontext k{modell, modell.AktuelleAnwendung(), farben, linienbreite};

        std::set<int> schriften;
        int rechtsAussen = 0;
        fenster_->SetzeZeichner([&](Canvas& c, const Rechteck& r) {
            ZeichneSkizze(c, r, k, modell.TSkizzeAnzeige);
            Aufzeichnung aufzeichnung(c.PixelsPerInchX());
            ZeichneSkizze(aufzeichnung, r, k, modell.TSkizzeAnzeige);
            schriften.clear();
            rechtsAussen = 0;
            for (const Aufgezeichnet& op : aufzeichnung.ops) {
                if (op.op == Operation::TextOut) {
                    schriften.insert(op.schrift.groesse);
                } else if (op.op == Operation::Linie) {
                    rechtsAussen = std::max({rechtsAussen, op.k[0], op.k[2]});
                }
            }
        });
        fenster_->SetzeAktivierung([&modell] { modell.TTempFlag = 0; });
        fenster_->ZeigeBei(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        QCOMPARE(modell.TTempFlag, std::uint8_t(0));
        QVERIFY(!schriften.empty());
        const std::set<int> schriftenVorher = schriften;
        const int rechtsVorher = rechtsAussen;
        QVERIFY(fenster_->grab().save(QStringLiteral(VSK_BILDER "/zoomfenster-klein.png")));

        const QSize bildVorher = fenster_->imgZoom().size();
        fenster_->resize(900, 640);
        // The picture area follows once the layout has run; then the picture follows it.
        QTRY_VERIFY(fenster_->imgZoom().size() != bildVorher);
        QTRY_COMPARE(fenster_->Bild().size(), fenster_->imgZoom().size());
        QCOMPARE(schriften, schriftenVorher);
        QVERIFY(rechtsAussen > rechtsVorher * 13 / 10); // the picture grew by 1.7 in height
        const QString datei = QStringLiteral(VSK_BILDER "/zoomfenster.png");
        QVERIFY(fenster_->grab().save(datei));
        qInfo("screenshot: %s", qPrintable(datei));
    }
};

} // namespace vsk

QTEST_MAIN(vsk::ZoomFensterTest)
#include "ZoomFensterTest.moc"
