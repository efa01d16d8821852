// The program on a screen at 200 % (the test runs with QT_SCALE_FACTOR=2): the sketch
// area, a preview page and the zoom panel are drawn with twice the pixels of a screen at
// 100 %, in the same logical geometry, and a line one pixel wide at 100 % is two device
// pixels wide, not a blurred band.

#include "canvas/qt/QtCanvas.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/HauptMaske.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "reports/qt/Berichtsausgabe.h"
#include "reports/qt/Seitengeraete.h"
#include "shell/ui/Programm.h"
#include "sketches/Skizzen.h"
#include "sketches/ui/ZoomPanel.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>

using namespace vsk;

namespace {

constexpr QRgb Schwarz = 0xff000000;
constexpr QRgb Weiss = 0xffffffff;

// Whether the pixel lies in the middle of five pixels of a straight one-pixel black line
// on white, along (dx, dy).
bool AufLinie(const QImage& a, int x, int y, int dx, int dy) {
    for (int i = -2; i <= 2; ++i) {
        const int px = x + i * dx;
        const int py = y + i * dy;
        if (a.pixel(px, py) != Schwarz || a.pixel(px - dy, py - dx) != Weiss ||
            a.pixel(px + dy, py + dx) != Weiss) {
            return false;
        }
    }
    return true;
}

// Every pixel of a straight one-pixel black line on white in the picture at 100 % is
// checked in the picture at 200 %: its two device pixels across the line are black, the
// device pixels beside them white. Returns the number of pixels checked; a failure names
// the first that differs.
int PruefeLinien(const QImage& einfach, const QImage& doppelt, QString& fehler) {
    const QImage a = einfach.convertToFormat(QImage::Format_RGB32);
    const QImage b = doppelt.convertToFormat(QImage::Format_RGB32);
    int geprueft = 0;
    for (int y = 3; y + 3 < a.height(); ++y) {
        for (int x = 3; x + 3 < a.width(); ++x) {
            const bool senkrecht = AufLinie(a, x, y, 0, 1);
            const bool waagrecht = AufLinie(a, x, y, 1, 0);
            if (!senkrecht && !waagrecht) {
                continue;
            }
            ++geprueft;
            // Across the line: device pixels 2p - 1 (white), 2p, 2p + 1 (black), 2p + 2 (white).
            for (int i = 0; i < 4; ++i) {
                const int q = 2 * (senkrecht ? x : y) - 1 + i;
                const QRgb soll = i == 0 || i == 3 ? Weiss : Schwarz;
                const QRgb ist = senkrecht ? b.pixel(q, 2 * y) : b.pixel(2 * x, q);
                if (ist != soll && fehler.isEmpty()) {
                    fehler = QStringLiteral("line pixel (%1, %2): device pixel %3 is %4")
                                 .arg(x)
                                 .arg(y)
                                 .arg(q)
                                 .arg(ist, 8, 16);
                }
            }
        }
    }
    return geprueft;
}

} // namespace

class HochaufloesungTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    void Vergleiche(const QImage& einfach, const QImage& doppelt) {
        QCOMPARE(doppelt.devicePixelRatio(), 2.0);
        QCOMPARE(doppelt.size(), einfach.size() * 2);
        QString fehler;
        if (qEnvironmentVariableIsSet("VSK_BILDER")) {
            const QString ordner = qEnvironmentVariable("VSK_BILDER");
            einfach.save(ordner + QStringLiteral("/einfach-%1.png").arg(einfach.width()));
            doppelt.save(ordner + QStringLiteral("/doppelt-%1.png").arg(einfach.width()));
        }
        const int geprueft = PruefeLinien(einfach, doppelt, fehler);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QVERIFY2(geprueft > 20, qPrintable(QString::number(geprueft)));
    }

private slots:
    void initTestCase() { QVERIFY2(qApp->devicePixelRatio() == 2, "run with QT_SCALE_FACTOR=2"); }
    void init() {
        Vorbereiten();
        Starten(Warten::Sichtbar, Dateidialoge::Skript, QSize(900, 650));
    }
    void cleanup() { Abbauen(); }

    void skizzenbereich() {
        TSkizzenBild& skizze = fenster->Skizze();
        fenster->ZeichneSkizze();
        const QImage& doppelt = skizze.Bild();
        QCOMPARE(LogischeGroesse(doppelt), skizze.size());
        // The same sketch at 100 %.
        QImage einfach = Bildschirmbitmap(skizze.size(), 1);
        {
            QtCanvas c(einfach);
            const Zeichenkontext k{Modell(), Akt(), programm->Farben(), programm->Linienbreite,
                                   programm->Trenner()};
            ZeichneSkizze(c, {0, 0, skizze.width(), skizze.height()}, k, Modell().TSkizzeAnzeige);
        }
        Vergleiche(einfach, doppelt);
        // The copy on the clipboard is the sketch at 100 %, as on every other screen.
        fenster->findChild<QAction*>(QStringLiteral("popmnuSkizzeKopieren"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 einfach.convertToFormat(QImage::Format_RGB32));
    }

    void vorschauseite() {
        TZahlenFeld* last = fenster->Panel().Feld(QStringLiteral("meditLinienlastLinks"));
        last->setFocus(Qt::MouseFocusReason);
        last->selectAll();
        QTest::keyClicks(last, QStringLiteral("50"));
        QTest::keyClick(last, Qt::Key_Tab);
        fenster->Aktionen().vorschau->trigger();
        QCOMPARE(fenster->AnzeigeModus(), int(TfrmHauptMaske::Vorschau));
        const QImage& doppelt = fenster->VorschauBereich().Bild(TVorschau::Ergebnisseite);
        Berichtskontext k(Modell(), programm->Texte, plattform->HeuteText(), programm->Trenner());
        const std::vector<QImage> einfach =
            BerichtsVorschau(k, AktuelleDruckergeometrie(), fenster->logicalDpiX());
        QVERIFY(!einfach.empty());
        Vergleiche(einfach.front(), doppelt);
    }

    void zoomPanel() {
        Zoom_panel panel;
        panel.resize(400, 300);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.Fit(20, 20, 100, 0, 100, 0);
        const auto zeichne = [&panel](QPainter& m) {
            const ZoomAbbildung& a = panel.Abbildung();
            m.setPen(QPen(Qt::black, 1));
            m.drawLine(a.BildX(10), a.BildY(10), a.BildX(10), a.BildY(90));
            m.drawLine(a.BildX(10), a.BildY(50), a.BildX(90), a.BildY(50));
        };
        panel.SetzeOnPaint(zeichne);
        const QImage doppelt = panel.Malflaeche().grab().toImage();
        // The drawing at 100 %: the same painting on a picture of the logical size.
        QImage einfach = Bildschirmbitmap(panel.Malflaeche().size(), 1);
        {
            QPainter m(&einfach);
            zeichne(m);
        }
        QCOMPARE(doppelt.size(), einfach.size() * 2);
        QCOMPARE(doppelt.devicePixelRatio(), 2.0);
        // A widget's painter puts a one-pixel line on two whole device pixels; where it
        // puts them is the painter's rule, so only the width is checked here.
        const ZoomAbbildung& a = panel.Abbildung();
        const int y = 2 * a.BildY(30);
        int schwarz = 0;
        int grau = 0;
        for (int x = 0; x < doppelt.width(); ++x) {
            const QRgb p = doppelt.pixel(x, y) | 0xff000000;
            schwarz += p == Schwarz ? 1 : 0;
            grau += p != Schwarz && p != Weiss ? 1 : 0;
        }
        QCOMPARE(schwarz, 2);
        QCOMPARE(grau, 0);
    }
};

QTEST_MAIN(HochaufloesungTest)
#include "HochaufloesungTest.moc"
