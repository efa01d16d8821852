#include "sketches/ui/ZoomPanel.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace vsk {

class ZoomPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Zoom_panel> panel_;

    template <typename T> T* Element(const char* name) {
        T* e = panel_->findChild<T*>(QString::fromLatin1(name));
        if (e == nullptr) {
            qFatal("no control %s", name);
        }
        return e;
    }
    QString Massstab() { return Element<QLabel>("lblMassstab")->text(); }
    QWidget* Flaeche() { return &panel_->Malflaeche(); }

private slots:
    void init() {
        panel_ = std::make_unique<Zoom_panel>();
        panel_->resize(500, 400);
        panel_->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
        panel_->Fit(20, 20, 1000, 0, 500, 0);
    }
    void cleanup() { panel_.reset(); }

    void AnfangszustandUndZoomfaktor() {
        Zoom_panel frisch;
        QCOMPARE(frisch.findChild<QLabel*>("lblKoordinaten")->text(),
                 QStringLiteral("X= 0.000  Y= 0.000"));
        QCOMPARE(frisch.findChild<QLabel*>("lblMassstab")->text(), QStringLiteral("1 : 1"));
        QCOMPARE(frisch.findChild<QScrollBar*>("sbarHorizontal")->value(), 500);
        QCOMPARE(frisch.ZoomFactor(), 1.25);
        frisch.SetZoomFactor(0);
        QCOMPARE(frisch.ZoomFactor(), 1.25);
        // Before the first fit the buttons do nothing.
        QSignalSpy hinein(&frisch, &Zoom_panel::Zoomin);
        frisch.ZoomIn();
        QCOMPARE(hinein.count(), 0);
        QVERIFY(!frisch.Abbildung().Bereit());
    }

    void AbbildungHinUndZurueck() {
        const ZoomAbbildung& a = panel_->Abbildung();
        QCOMPARE(a.Breite(), Flaeche()->width());
        for (QPoint p : {QPoint(0, 0), QPoint(13, 250), QPoint(Flaeche()->width() - 1, 7)}) {
            QCOMPARE(a.BildX(a.WeltX(p.x())), p.x());
            QCOMPARE(a.BildY(a.WeltY(p.y())), p.y());
        }
        QCOMPARE(a.BildX(500), Flaeche()->width() / 2); // the world box is centred
    }

    void MassstabNachKnoepfen() {
        QSignalSpy hinein(panel_.get(), &Zoom_panel::Zoomin);
        QSignalSpy hinaus(panel_.get(), &Zoom_panel::Zoomout);
        QSignalSpy zurueck(panel_.get(), &Zoom_panel::Zoomreset);
        QTest::mouseClick(Element<QToolButton>("sbtnZoomIn"), Qt::LeftButton);
        QTest::mouseClick(Element<QToolButton>("sbtnZoomIn"), Qt::LeftButton);
        QCOMPARE(Massstab(), QStringLiteral("1.56 : 1"));
        QCOMPARE(hinein.count(), 2);
        QTest::mouseClick(Element<QToolButton>("sbtnZoomReset"), Qt::LeftButton);
        QCOMPARE(Massstab(), QStringLiteral("1 : 1"));
        QCOMPARE(zurueck.count(), 1);
        QTest::mouseClick(Element<QToolButton>("sbtnZoomOut"), Qt::LeftButton);
        QCOMPARE(Massstab(), QStringLiteral("1 : 1.25"));
        QCOMPARE(hinaus.count(), 1);
        QTest::mouseClick(Element<QToolButton>("sbtnZoomLast"), Qt::LeftButton);
        QCOMPARE(Massstab(), QStringLiteral("1 : 1"));
        panel_->SetzeDezimaltrenner(',');
        panel_->ZoomOut();
        QCOMPARE(Massstab(), QStringLiteral("1 : 1,25"));
    }

    void GehaltenerKnopfWiederholt() {
        QSignalSpy hinein(panel_.get(), &Zoom_panel::Zoomin);
        auto* knopf = Element<QToolButton>("sbtnZoomIn");
        // The repeat timer is driven by hand: a busy machine may run it late, never early.
        auto* takt = panel_->findChild<QTimer*>();
        QVERIFY(takt != nullptr);
        QTest::mousePress(knopf, Qt::LeftButton);
        QCOMPARE(hinein.count(), 1); // pressing zooms at once
        QVERIFY(takt->isActive());
        QCOMPARE(takt->interval(), 500); // nothing before 500 ms
        for (int i = 0; i < 3; ++i) {
            QVERIFY(QMetaObject::invokeMethod(takt, "timeout"));
        }
        QCOMPARE(hinein.count(), 4);
        QCOMPARE(takt->interval(), 25); // then every 25 ms
        QTest::mouseRelease(knopf, Qt::LeftButton);
        QVERIFY(!takt->isActive());
    }

    // The rubber band is drawn with Shift held (a plain drag moves the drawing).
    void GummibandZoomtErstAbDreiPixeln() {
        const ZoomAnsicht vorher = panel_->Abbildung().Aktuell();
        QTest::mousePress(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
        QTest::mouseMove(Flaeche(), QPoint(102, 150));
        QTest::mouseRelease(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(102, 150));
        QCOMPARE(panel_->Abbildung().Aktuell(), vorher);
        QCOMPARE(Massstab(), QStringLiteral("1 : 1"));

        QTest::mousePress(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
        QTest::mouseMove(Flaeche(), QPoint(200, 160));
        QTest::mouseRelease(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 160));
        QVERIFY(panel_->Abbildung().Aktuell().sx > 3 * vorher.sx);
        QCOMPARE(panel_->Abbildung().Aktuell().cx, vorher.xmin + 150 / vorher.sx);
    }

    // A Shift double click centres the view at the point.
    void DoppelklickZentriert() {
        panel_->ZoomIn();
        const ZoomAbbildung& a = panel_->Abbildung();
        const double sx = a.Aktuell().sx;
        const double wx = a.WeltX(60);
        const double wy = a.WeltY(80);
        // A double click is a click followed by the double-click event.
        QTest::mouseClick(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 80));
        QTest::mouseDClick(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 80));
        QCOMPARE(a.Aktuell().cx, wx);
        QCOMPARE(a.Aktuell().cy, wy);
        QCOMPARE(a.Aktuell().sx, sx);
    }

    // Dragging moves the drawing with the pointer at the same scale (the previous view is
    // the one before the drag); a double click shows the whole drawing again.
    void ZiehenVerschiebtUndDoppelklickPasstEin() {
        panel_->ZoomIn();
        const ZoomAbbildung& a = panel_->Abbildung();
        const ZoomAnsicht vorher = a.Aktuell();
        const double wx = a.WeltX(100);
        const double wy = a.WeltY(100);
        QTest::mousePress(Flaeche(), Qt::LeftButton, {}, QPoint(100, 100));
        for (QPoint p : {QPoint(120, 110), QPoint(160, 140)}) {
            QMouseEvent zug(QEvent::MouseMove, p, Flaeche()->mapToGlobal(p), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Flaeche(), &zug);
        }
        QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, QPoint(160, 140));
        QVERIFY(qAbs(a.WeltX(160) - wx) < 1e-9);
        QVERIFY(qAbs(a.WeltY(140) - wy) < 1e-9);
        QCOMPARE(a.Aktuell().sx, vorher.sx);
        QCOMPARE(a.Vorige(), vorher);

        QSignalSpy zurueck(panel_.get(), &Zoom_panel::Zoomreset);
        QTest::mouseDClick(Flaeche(), Qt::LeftButton, {}, QPoint(60, 80));
        QCOMPARE(a.Aktuell(), a.Eingepasst());
        QCOMPARE(zurueck.count(), 1);
        QCOMPARE(Massstab(), QStringLiteral("1 : 1"));
    }

    void MausradZoomtUmDenZeiger() {
        QSignalSpy hinein(panel_.get(), &Zoom_panel::Zoomin);
        const ZoomAbbildung& a = panel_->Abbildung();
        const QPointF p(70, 90);
        const double wx = a.WeltX(p.x());
        const double wy = a.WeltY(p.y());
        QWheelEvent rad(p, Flaeche()->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Flaeche(), &rad);
        QCOMPARE(hinein.count(), 1);
        QCOMPARE(Massstab(), QStringLiteral("1.25 : 1"));
        QVERIFY(qAbs(a.WeltX(p.x()) - wx) < 1e-9);
        QVERIFY(qAbs(a.WeltY(p.y()) - wy) < 1e-9);
    }

    void KoordinatenanzeigeUndMausereignis() {
        QSignalSpy bewegt(panel_.get(), &Zoom_panel::MausBewegt);
        const QPointF mitte(Flaeche()->width() / 2, Flaeche()->height() / 2);
        QMouseEvent bewegung(QEvent::MouseMove, mitte, Flaeche()->mapToGlobal(mitte), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Flaeche(), &bewegung);
        QCOMPARE(bewegt.count(), 1);
        QCOMPARE(Element<QLabel>("lblKoordinaten")->text(),
                 QStringLiteral("X= 500.000   Y= 250.000"));
    }

    void RollbalkenVerschiebenDieMitte() {
        panel_->ZoomIn();
        panel_->ZoomIn();
        auto* h = Element<QScrollBar>("sbarHorizontal");
        auto* v = Element<QScrollBar>("sbarVertikal");
        QCOMPARE(h->value(), 500);
        QCOMPARE(h->pageStep(), 640); // 1000 / 1.5625
        const double cx = panel_->Abbildung().Aktuell().cx;
        h->setValue(530); // a drag: 30 world units
        QCOMPARE(panel_->Abbildung().Aktuell().cx, cx + 30);
        const double cy = panel_->Abbildung().Aktuell().cy;
        v->setValue(v->value() + 1); // an arrow step down
        QCOMPARE(panel_->Abbildung().Aktuell().cy, cy - 1);
    }

    void MaltInhaltUeberDieAbbildung() {
        panel_->SetzeOnPaint([this](QPainter& m) {
            const ZoomAbbildung& a = panel_->Abbildung();
            m.fillRect(QRect(QPoint(a.BildX(0), a.BildY(500)), QPoint(a.BildX(1000), a.BildY(0))),
                       Qt::blue);
        });
        const QImage bild = Flaeche()->grab().toImage();
        const ZoomAbbildung& a = panel_->Abbildung();
        QCOMPARE(bild.pixelColor(a.BildX(500), a.BildY(250)), QColor(Qt::blue));
        QCOMPARE(bild.pixelColor(a.BildX(500), a.BildY(520)), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(a.BildX(-20), a.BildY(250)), QColor(Qt::white));
    }
};

} // namespace vsk

QTEST_MAIN(vsk::ZoomPanelTest)
#include "ZoomPanelTest.moc"
