#include "canvas/qt/QtCanvas.h"

#include <QBuffer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <QTest>

namespace vsk {
namespace {

QImage Weiss(int w, int h) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    bild.setDotsPerMeterX(3780); // 96 dpi
    bild.setDotsPerMeterY(3780);
    return bild;
}

int Zaehle(const QImage& bild, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            n += (bild.pixel(x, y) & 0xFFFFFF) == (farbe & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}

class QtCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void RechteckDecktLinksObenBisAusschliesslichRechtsUnten() {
        QImage bild = Weiss(20, 20);
        {
            QtCanvas c(bild);
            c.stift = {RGB(255, 0, 0), 1, Stiftart::Durchgezogen};
            c.pinsel = {RGB(0, 0, 255), Pinselart::Voll};
            c.Rectangle(12, 14, 2, 4); // corners in any order
        }
        QCOMPARE(bild.pixel(2, 4) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(bild.pixel(11, 13) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(bild.pixel(12, 14) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(bild.pixel(5, 8) & 0xFFFFFF, 0x0000FFu);
        QCOMPARE(Zaehle(bild, 0xFF0000), 36); // 10 x 10 border
    }

    void FillRectUndLeeresRechteck() {
        QImage bild = Weiss(20, 20);
        {
            QtCanvas c(bild);
            c.pinsel.farbe = RGB(0, 128, 0);
            c.FillRect({0, 0, 5, 4});
            c.stift.farbe = RGB(255, 0, 0);
            c.Rectangle(10, 2, 10, 18); // zero width draws nothing
            c.pinsel.art = Pinselart::Leer;
            c.FillRect({10, 10, 15, 15});
        }
        QCOMPARE(Zaehle(bild, 0x008000), 20);
        QCOMPARE(Zaehle(bild, 0xFF0000), 0);
    }

    void GepunkteteLinieHatLuecken() {
        QImage bild = Weiss(40, 5);
        {
            QtCanvas c(bild);
            c.stift = {0, 1, Stiftart::Gepunktet};
            c.MoveTo(0, 2);
            c.LineTo(30, 2);
        }
        const int schwarz = Zaehle(bild, 0x000000);
        QVERIFY(schwarz > 10);
        QVERIFY(schwarz < 20);
    }

    void SchriftenUndTextmass() {
        QImage bild = Weiss(200, 100);
        QtCanvas c(bild);
        c.schrift.name = "Arial";
        c.schrift.groesse = 12;
        QCOMPARE(QFontInfo(QFont(QtSchriftname("Arial"))).family(), "Liberation Sans");
        const int h12 = c.TextHeight("W");
        QVERIFY(h12 >= 17);
        QVERIFY(h12 <= 20);
        QVERIFY(c.TextWidth("WWW") > c.TextWidth("W"));
        // A printer-like resolution scales the size.
        QImage zweites = Weiss(10, 10);
        QtCanvas fein(zweites, 600, 600);
        fein.schrift.groesse = 12;
        QVERIFY(fein.TextHeight("W") >= 100); // 12 pt = 100 px at 600 dpi
        QVERIFY(fein.TextHeight("W") <= 125);
        // Symbol text is measured as the Greek letter it stands for, not as a Latin letter.
        c.schrift.name = "Symbol";
        const int gamma = c.TextWidth("g");
        c.schrift.name = "Arial";
        QCOMPARE(gamma, c.TextWidth("\xCE\xB3"));
    }

    void TextZeichnetInSchriftfarbeUndGedreht() {
        QImage bild = Weiss(100, 100);
        {
            QtCanvas c(bild);
            c.pinsel.art = Pinselart::Leer;
            c.schrift.farbe = RGB(255, 0, 0);
            c.schrift.groesse = 14;
            c.schrift.winkel = 900;
            c.TextOut(10, 90, "HHHH");
        }
        // Turned upward: everything drawn lies above y = 90 and right of x = 10 within one cell.
        int minX = 100, maxX = -1, minY = 100, maxY = -1;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (qRed(bild.pixel(x, y)) > 200 && qGreen(bild.pixel(x, y)) < 100) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
            }
        }
        QVERIFY(minX <= maxX);
        QVERIFY(minX >= 10);
        QVERIFY(maxX <= (10 + 25));
        QVERIFY(maxY <= 90);
        QVERIFY((maxY - minY) > 30); // runs along y
    }

    void BogenUndBildquelle() {
        QImage bild = Weiss(50, 50);
        {
            QtCanvas c(bild);
            c.SetzeBildQuelle([](const std::string& name) {
                QImage b(2, 2, QImage::Format_RGB32);
                b.fill(name == "ROT" ? Qt::red : Qt::green);
                return b;
            });
            c.StretchDraw({0, 0, 10, 10}, "ROT");
            c.stift = {RGB(0, 0, 255), 3, Stiftart::Durchgezogen};
            // Upper-left quarter: from the top point counter-clockwise to the left point.
            c.Arc(20, 20, 40, 40, 30, 20, 20, 30);
        }
        QCOMPARE(Zaehle(bild, 0xFF0000), 100);
        int obenLinks = 0, untenRechts = 0;
        for (int y = 18; y < 42; ++y) {
            for (int x = 18; x < 42; ++x) {
                if (qBlue(bild.pixel(x, y)) > 200 && qRed(bild.pixel(x, y)) < 100) {
                    (x < 30 && y < 30 ? obenLinks : untenRechts) +=
                        (x < 30 && y < 30) || (x > 31 && y > 31);
                }
            }
        }
        QVERIFY(obenLinks > 10);
        QCOMPARE(untenRechts, 0);
    }

    void SvgUndPdfZeichnenInIhrerAufloesung() {
        QByteArray svg;
        {
            QBuffer puffer(&svg);
            QSvgGenerator gen;
            gen.setOutputDevice(&puffer);
            gen.setSize(QSize(100, 100));
            gen.setResolution(96);
            QtCanvas c(gen);
            QCOMPARE(c.PixelsPerInchY(), 96);
            c.Rectangle(1, 1, 50, 50);
            c.TextOut(5, 5, "d");
        }
        QVERIFY(svg.contains("<svg"));
        QByteArray pdf;
        {
            QBuffer puffer(&pdf);
            puffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&puffer);
            writer.setResolution(600);
            QtCanvas c(writer);
            QCOMPARE(c.PixelsPerInchX(), 600);
            c.schrift.name = "Symbol";
            c.TextOut(100, 100, "g \xA3 h");
        }
        QVERIFY(pdf.startsWith("%PDF"));
    }

    void HoheAufloesungZeichnetInLogischenPixeln() {
        QImage normal = Weiss(100, 100);
        QImage scharf = Weiss(200, 200);
        scharf.setDevicePixelRatio(2.0);
        int hNormal = 0;
        {
            QtCanvas c(normal);
            c.schrift.groesse = 12;
            hNormal = c.TextHeight("W");
        }
        {
            QtCanvas c(scharf);
            c.schrift.groesse = 12;
            QCOMPARE(c.TextHeight("W"), hNormal); // same layout, twice the pixels
            c.pinsel = {RGB(255, 0, 0), Pinselart::Voll};
            c.FillRect({10, 10, 20, 20});
        }
        QCOMPARE(Zaehle(scharf, 0xFF0000), 400); // 10 x 10 logical pixels
    }

    // Writes a sample of every operation into the working directory, to look at.

    void MusterbildWirdGeschrieben() {
        QImage bild = Weiss(300, 200);
        {
            QtCanvas c(bild);
            c.pinsel = {RGB(192, 192, 192), Pinselart::Voll};
            c.stift = {RGB(192, 192, 192), 1, Stiftart::Durchgezogen};
            c.Rectangle(10, 10, 140, 90);
            c.stift = {0, 3, Stiftart::Durchgezogen};
            c.MoveTo(10, 10);
            c.LineTo(140, 10);
            c.stift = {0, 1, Stiftart::Gepunktet};
            c.MoveTo(10, 5);
            c.LineTo(10, 95);
            c.pinsel = {RGB(0, 255, 255), Pinselart::Voll};
            c.Ellipse(150, 10, 180, 40);
            c.pinsel.farbe = RGB(0, 0, 128);
            c.stift.art = Stiftart::Durchgezogen;
            c.RoundRect(190, 10, 198, 90, 8, 8);
            c.stift = {RGB(0, 0, 128), 4, Stiftart::Durchgezogen};
            c.Arc(210, 10, 250, 50, 230, 10, 210, 30);
            c.pinsel.art = Pinselart::Leer;
            c.schrift.groesse = 8;
            c.TextOut(20, 100, "Vertical Reinforcement: 8 - T12 U-bars");
            c.schrift.name = "Symbol";
            c.TextOut(20, 120, "g h \xA3 a b");
            c.schrift.name = "Arial";
            c.schrift.winkel = 900;
            c.TextOut(270, 180, "200 mm");
            c.schrift.winkel = 0;
            c.pinsel = {RGB(255, 255, 0), Pinselart::Voll};
            c.TextOut(20, 140, "opaque");
        }
        QVERIFY(bild.save("canvas-muster.png"));
    }
};

} // namespace
} // namespace vsk

QTEST_MAIN(vsk::QtCanvasTest)
#include "QtCanvasTest.moc"
